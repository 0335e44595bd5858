#pragma once
// One walk of the photo tree: every folder in walk order (depth first, each folder
// before the folders below it, entries of a folder in EntryNameLess order, the root
// last) and the photos ("*.jpg" files) of each. Hidden folders, everything below them
// and hidden files are left out. Symbolic links are followed, but a folder reached a
// second time (another link to it, or a link loop) is not walked again.
#include <QByteArray>
#include <QList>
#include <functional>
#include <string_view>
#include <sys/types.h>

struct TFolderIdentity {
    dev_t Device = 0;
    ino_t Inode = 0;
    bool operator==(const TFolderIdentity&) const = default;
};

struct TWalkedFolder {
    QByteArray Path; // the root, or the parent's path + "/" + the entry's name
    TFolderIdentity Identity;
    bool Readable = true;
};

struct TFolderWalk {
    QList<TWalkedFolder> Folders; // walk order, the root last
    QList<QByteArray> RootPhotos; // the photos directly in the root, in entry order
    int UnreadableFolders = 0;
    bool Stopped = false; // the gate stopped the walk: folders and photos are missing from it
};

// Called once for every photo, with the index its folder has in TFolderWalk::Folders.
// The photos of a folder are reported before those of the folders walked after it.
using TPhotoSink = std::function<void(qsizetype folder, std::string_view name)>;

// Asked before each folder is read, with its path; false stops the walk there.
using TFolderGate = std::function<bool(const QByteArray& path)>;

TFolderWalk WalkFolders(
    const QByteArray& root, const TPhotoSink& onPhoto, const TFolderGate& beforeFolder = {});
