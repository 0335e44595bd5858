#pragma once
// Copies files into one folder without ever replacing what is there, without ever
// leaving part of a file under a target name, and without ever naming a file whose
// bytes may not be on the disk yet: a power cut at any moment leaves whole photos or
// nothing. Where the file system allows, the bytes go to an unnamed file in the target
// folder that gets its name only when it is complete and synced (a killed copy leaves
// nothing at all); elsewhere they go to a hidden named temporary file that is moved to
// its name then. The copies keep the sources' permissions and modification times.
//
// Syncing file by file would wait for the disk once per photo, so the copies are named
// in windows: each copy's write-back starts as soon as its bytes are written, and when
// the window is full (or ended) every file of it is synced (one flush of the file
// system for the window), then each gets its name, then the folder itself is synced so
// that the names last too.
#include <sys/types.h>
#include <vector>

enum class TCopyStatus {
    Copied, // named, and with the folder synced when the window is durable
    Pending, // written; the window's end names it
    Exists, // the target name is taken by a file or folder
    TargetIsLink, // the target name is taken by a symbolic link, which is left alone
    SourceIsLink, // the source is a symbolic link and was not to be followed
    Failed,
    Unsynced, // named, but syncing the folder failed: the name may not survive a power cut
};

struct TCopyResult {
    TCopyStatus Status;
    int Error = 0; // errno of the step that failed
    off_t SourceSize = -1; // the source's size, once it was opened
};

struct TCopyOptions {
    bool UnnamedTemporary = true; // false: always the named temporary file
    // false: nothing is synced (for measuring what waiting for the disk costs)
    bool Durable = true;
    int MaxFiles = 128; // copies written but not yet named, at most (each an open file)
    off_t MaxBytes = off_t(256) << 20; // their bytes, at most (one larger file alone is fine)
};

class TCopyWindow {
public:
    // `targetFolder` is an open folder that outlives the window.
    TCopyWindow(int targetFolder, const TCopyOptions& options = {});
    // Copies not yet named are dropped: their temporary files are removed.
    ~TCopyWindow();
    TCopyWindow(const TCopyWindow&) = delete;
    TCopyWindow& operator=(const TCopyWindow&) = delete;

    // Writes a copy of `sourcePath` for the plain file name `name`. Pending, or why not.
    // `followSourceLink` false: a source that is a link is not read.
    TCopyResult Start(const char* sourcePath, const char* name, bool followSourceLink = true);
    // Whether the window should be ended before the next Start.
    bool Full() const;
    // Syncs and names every pending copy; their results, in the order they were started.
    std::vector<TCopyResult> Finish();

private:
    struct TPending;
    void Drop(TPending& pending);

    int m_folder;
    TCopyOptions m_options;
    std::vector<TPending> m_pending;
    off_t m_bytes = 0;
};

// Removes the named temporary files that copies of processes no longer running on this
// machine left in `folder` (a kill or a power cut between writing and naming). Those of
// running processes, this one included, and those of other machines sharing the folder
// over the network are theirs.
void RemoveStaleCopies(int folder);
