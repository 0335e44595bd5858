#include "app/transfer/FolderWalk.h"

#include "app/transfer/PhotoNames.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_set>
#include <vector>

namespace {

struct TIdentityHash {
    size_t operator()(const TFolderIdentity& id) const noexcept
    {
        return std::hash<unsigned long long>()((static_cast<unsigned long long>(id.Device) << 40)
            ^ static_cast<unsigned long long>(id.Inode));
    }
};

TFolderIdentity IdentityOf(const struct stat& st) { return { st.st_dev, st.st_ino }; }

enum class TEntryKind { Other, Photo, Folder };

// The kind of an entry as the listing sees it: links count as what they point to, so
// a dangling link is neither photo nor folder.
TEntryKind KindOf(int dirFd, const dirent& entry)
{
    unsigned char type = entry.d_type;
    if (type == DT_LNK || type == DT_UNKNOWN) {
        struct stat st;
        if (fstatat(dirFd, entry.d_name, &st, 0) != 0) return TEntryKind::Other;
        type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : DT_UNKNOWN;
    }
    if (type == DT_DIR) return TEntryKind::Folder;
    if (type == DT_REG && IsPhotoName(entry.d_name)) return TEntryKind::Photo;
    return TEntryKind::Other;
}

struct TListing {
    std::vector<std::string> Photos;
    std::vector<std::string> Subfolders; // in walk order
    bool Complete = true;
};

TListing List(DIR* dir)
{
    TListing listing;
    const int fd = dirfd(dir);
    errno = 0;
    while (const dirent* entry = readdir(dir)) {
        if (IsHiddenName(entry->d_name)) continue; // also passes over "." and ".."
        switch (KindOf(fd, *entry)) {
        case TEntryKind::Photo:
            listing.Photos.emplace_back(entry->d_name);
            break;
        case TEntryKind::Folder:
            listing.Subfolders.emplace_back(entry->d_name);
            break;
        case TEntryKind::Other:
            break;
        }
        errno = 0;
    }
    listing.Complete = errno == 0;
    std::sort(listing.Subfolders.begin(), listing.Subfolders.end(),
        [](const std::string& a, const std::string& b) { return EntryNameLess(a, b); });
    return listing;
}

class TWalker {
public:
    explicit TWalker(const TPhotoSink& onPhoto) : m_onPhoto(onPhoto) { }

    TFolderWalk Run(const QByteArray& root)
    {
        TListing rootListing;
        TWalkedFolder rootFolder { root, {}, false };
        if (DIR* dir = OpenFolder(open(root.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))) {
            struct stat st;
            if (fstat(dirfd(dir), &st) == 0) rootFolder.Identity = IdentityOf(st);
            // The root is taken last, but a link back to it must not walk it twice.
            m_visited.insert(rootFolder.Identity);
            rootListing = List(dir);
            rootFolder.Readable = rootListing.Complete;
            WalkSubfolders(dir, root, rootListing.Subfolders);
            closedir(dir);
        }
        if (!rootFolder.Readable) ++m_walk.UnreadableFolders;
        m_walk.Folders.append(rootFolder);
        const qsizetype rootIndex = m_walk.Folders.size() - 1;
        std::sort(rootListing.Photos.begin(), rootListing.Photos.end(),
            [](const std::string& a, const std::string& b) { return EntryNameLess(a, b); });
        for (const std::string& photo : rootListing.Photos) {
            m_onPhoto(rootIndex, photo);
            m_walk.RootPhotos.append(QByteArray::fromStdString(photo));
        }
        return std::move(m_walk);
    }

private:
    static DIR* OpenFolder(int fd)
    {
        if (fd < 0) return nullptr;
        DIR* dir = fdopendir(fd);
        if (!dir) close(fd);
        return dir;
    }

    void WalkSubfolders(DIR* parent, const QByteArray& parentPath, const std::vector<std::string>& names)
    {
        for (const std::string& name : names)
            WalkFolder(dirfd(parent), parentPath + '/' + QByteArray::fromStdString(name), name.c_str());
    }

    void WalkFolder(int parentFd, QByteArray path, const char* name)
    {
        DIR* dir = OpenFolder(openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        struct stat st;
        const bool known = dir ? fstat(dirfd(dir), &st) == 0 : fstatat(parentFd, name, &st, 0) == 0;
        // A folder that vanished since it was listed is no folder any more.
        if (!known || !m_visited.insert(IdentityOf(st)).second) {
            if (dir) closedir(dir);
            return;
        }
        const qsizetype index = m_walk.Folders.size();
        m_walk.Folders.append({ std::move(path), IdentityOf(st), dir != nullptr });
        if (!dir) {
            ++m_walk.UnreadableFolders;
            return;
        }
        const TListing listing = List(dir);
        if (!listing.Complete) {
            m_walk.Folders[index].Readable = false;
            ++m_walk.UnreadableFolders;
        }
        for (const std::string& photo : listing.Photos)
            m_onPhoto(index, photo);
        // A copy: the list grows (and may move) while the subfolders are walked.
        const QByteArray folderPath = m_walk.Folders[index].Path;
        WalkSubfolders(dir, folderPath, listing.Subfolders);
        closedir(dir);
    }

    const TPhotoSink& m_onPhoto;
    TFolderWalk m_walk;
    std::unordered_set<TFolderIdentity, TIdentityHash> m_visited;
};

} // namespace

TFolderWalk WalkFolders(const QByteArray& root, const TPhotoSink& onPhoto) { return TWalker(onPhoto).Run(root); }
