#pragma once
// Copies one file into a folder without ever replacing what is there and without ever
// leaving part of a file under the target name: the bytes go to a hidden temporary file
// in the target folder, which is moved to its name only when it is complete. The copy
// keeps the source's permissions and modification time.

enum class TCopyStatus { Copied, Exists, Failed };

struct TCopyResult {
    TCopyStatus Status;
    int Error = 0; // errno of the step that failed
};

// `targetFolder` is an open folder; `name` must be a plain file name.
TCopyResult CopyFileNoReplace(const char* sourcePath, int targetFolder, const char* name);
