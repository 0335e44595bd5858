#pragma once
// Copies one file into a folder without ever replacing what is there and without ever
// leaving part of a file under the target name. Where the file system allows, the bytes
// go to an unnamed file in the target folder that gets its name only when it is
// complete (a killed copy leaves nothing at all); elsewhere they go to a hidden named
// temporary file that is moved to its name when complete. The copy keeps the source's
// permissions and modification time.

enum class TCopyStatus {
    Copied,
    Exists, // the target name is taken by a file or folder
    TargetIsLink, // the target name is taken by a symbolic link, which is left alone
    SourceIsLink, // the source is a symbolic link and was not to be followed
    Failed,
};

struct TCopyResult {
    TCopyStatus Status;
    int Error = 0; // errno of the step that failed
};

struct TCopyOptions {
    bool FollowSourceLink = true; // false: a source that is a link is not read
    bool UnnamedTemporary = true; // false: always the named temporary file
};

// `targetFolder` is an open folder; `name` must be a plain file name.
TCopyResult CopyFileNoReplace(
    const char* sourcePath, int targetFolder, const char* name, const TCopyOptions& options = {});

// Removes the named temporary files that copies of processes no longer running left in
// `folder` (a kill or a power cut between writing and naming). Those of running
// processes, this one included, are theirs.
void RemoveStaleCopies(int folder);
