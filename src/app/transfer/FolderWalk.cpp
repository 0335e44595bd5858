#include "app/transfer/FolderWalk.h"

#include "app/transfer/PhotoNames.h"
#include "app/transfer/UniqueFd.h"

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
        return std::hash<unsigned long long>()(
            (static_cast<unsigned long long>(id.Device) << 40) ^ static_cast<unsigned long long>(id.Inode));
    }
};

TFolderIdentity IdentityOf(const struct stat& st) { return { st.st_dev, st.st_ino }; }

enum class TEntryKind { Other, Photo, Folder };

// The kind of an entry as the listing sees it: links count as what they point to, so
// a dangling link is neither photo nor folder.
TEntryKind KindOf(int folderFd, const char* name, unsigned char type)
{
    if (type == DT_LNK || type == DT_UNKNOWN) {
        struct stat st;
        if (fstatat(folderFd, name, &st, 0) != 0) return TEntryKind::Other;
        type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : DT_UNKNOWN;
    }
    if (type == DT_DIR) return TEntryKind::Folder;
    if (type == DT_REG && IsPhotoName(name)) return TEntryKind::Photo;
    return TEntryKind::Other;
}

struct TListing {
    std::vector<std::string> Photos;
    std::vector<std::string> Subfolders; // in walk order
    bool Complete = true;
};

// Reads the folder's entries straight from the kernel: the directory stream functions
// would ask for the descriptor's flags and type again for each of thousands of folders.
TListing List(int folderFd, std::vector<char>& buffer)
{
    TListing listing;
    for (;;) {
        const ssize_t n = getdents64(folderFd, buffer.data(), buffer.size());
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            listing.Complete = false;
            break;
        }
        for (ssize_t at = 0; at < n;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer.data() + at);
            at += entry->d_reclen;
            if (IsHiddenName(entry->d_name)) continue; // also passes over "." and ".."
            switch (KindOf(folderFd, entry->d_name, entry->d_type)) {
            case TEntryKind::Photo:
                listing.Photos.emplace_back(entry->d_name);
                break;
            case TEntryKind::Folder:
                listing.Subfolders.emplace_back(entry->d_name);
                break;
            case TEntryKind::Other:
                break;
            }
        }
    }
    std::sort(listing.Subfolders.begin(), listing.Subfolders.end(),
        [](const std::string& a, const std::string& b) { return EntryNameLess(a, b); });
    return listing;
}

constexpr int FolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

class TWalker {
public:
    TWalker(const TPhotoSink& onPhoto, const TFolderGate& beforeFolder)
        : m_onPhoto(onPhoto)
        , m_beforeFolder(beforeFolder)
        , m_buffer(64 * 1024)
    {
    }

    TFolderWalk Run(const QByteArray& root)
    {
        TListing rootListing;
        TWalkedFolder rootFolder { root, {}, false };
        if (!Pass(root)) return std::move(m_walk);
        const TUniqueFd folder(open(root.constData(), FolderFlags));
        struct stat st;
        if (folder.Get() >= 0 && fstat(folder.Get(), &st) == 0) {
            rootFolder.Identity = IdentityOf(st);
            // The root is taken last, but a link back to it must not walk it twice.
            m_visited.insert(rootFolder.Identity);
            rootListing = List(folder.Get(), m_buffer);
            rootFolder.Readable = rootListing.Complete;
            WalkSubfolders(folder.Get(), -1, root, std::move(rootListing.Subfolders));
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
    // Once stopped, the walk only unwinds.
    bool Pass(const QByteArray& path)
    {
        if (!m_walk.Stopped && m_beforeFolder && !m_beforeFolder(path)) m_walk.Stopped = true;
        return !m_walk.Stopped;
    }

    // A folder whose subfolders are being walked. Its descriptor is let go as soon as
    // its last subfolder is taken, so that a deep chain of single folders holds only a
    // few open however deep it goes.
    struct TFrame {
        TUniqueFd Owned; // closed with the frame; not the caller's root
        int Fd;
        qsizetype Folder; // index in the walk's folders, for its path
        std::vector<std::string> Subfolders;
        size_t Next = 0;
    };

    // Depth first without recursion: the depth of the tree is bounded by memory only.
    void WalkSubfolders(
        int rootFd, qsizetype rootIndex, const QByteArray& rootPath, std::vector<std::string> names)
    {
        std::vector<TFrame> stack;
        stack.push_back({ TUniqueFd(), rootFd, rootIndex, std::move(names) });
        while (!stack.empty()) {
            TFrame& top = stack.back();
            if (top.Next == top.Subfolders.size()) {
                stack.pop_back();
                continue;
            }
            const std::string name = std::move(top.Subfolders[top.Next++]);
            const QByteArray& parentPath = top.Folder >= 0 ? m_walk.Folders[top.Folder].Path : rootPath;
            const QByteArray path = parentPath + '/' + QByteArray::fromStdString(name);
            if (!Pass(path)) return; // once stopped, nothing more is read
            TUniqueFd folder(openat(top.Fd, name.c_str(), FolderFlags));
            struct stat st;
            const bool known = folder.Get() >= 0 ? fstat(folder.Get(), &st) == 0
                                                 : fstatat(top.Fd, name.c_str(), &st, 0) == 0;
            if (top.Next == top.Subfolders.size()) {
                top.Owned.Reset(-1);
                top.Fd = -1;
            }
            // A folder that vanished since it was listed is no folder any more.
            if (!known || !S_ISDIR(st.st_mode) || !m_visited.insert(IdentityOf(st)).second) continue;
            const qsizetype index = m_walk.Folders.size();
            m_walk.Folders.append({ path, IdentityOf(st), folder.Get() >= 0 });
            if (folder.Get() < 0) {
                ++m_walk.UnreadableFolders;
                continue;
            }
            TListing listing = List(folder.Get(), m_buffer);
            if (!listing.Complete) {
                m_walk.Folders[index].Readable = false;
                ++m_walk.UnreadableFolders;
            }
            for (const std::string& photo : listing.Photos)
                m_onPhoto(index, photo);
            if (listing.Subfolders.empty()) continue;
            const int fd = folder.Get();
            stack.push_back({ std::move(folder), fd, index, std::move(listing.Subfolders) });
        }
    }

    const TPhotoSink& m_onPhoto;
    const TFolderGate& m_beforeFolder;
    std::vector<char> m_buffer; // one folder is listed completely before the next is opened
    TFolderWalk m_walk;
    std::unordered_set<TFolderIdentity, TIdentityHash> m_visited;
};

} // namespace

TFolderWalk WalkFolders(const QByteArray& root, const TPhotoSink& onPhoto, const TFolderGate& beforeFolder)
{
    return TWalker(onPhoto, beforeFolder).Run(root);
}
