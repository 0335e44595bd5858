#include "app/transfer/FileCopy.h"

#include "app/transfer/UniqueFd.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= size_t(n);
    }
    return true;
}

bool CopyByReading(int from, int to)
{
    char buffer[128 * 1024];
    for (;;) {
        const ssize_t n = read(from, buffer, sizeof buffer);
        if (n == 0) return true;
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (!WriteAll(to, buffer, size_t(n))) return false;
    }
}

// The kernel copies without passing the bytes through us where the file systems allow;
// otherwise, and for files that fit one read, a plain read and write is as fast.
bool CopyContents(int from, int to, off_t size)
{
    if (size <= 64 * 1024) return CopyByReading(from, to);
    bool first = true;
    for (;;) {
        const ssize_t n = copy_file_range(from, nullptr, to, nullptr, 1 << 30, 0);
        if (n == 0) return true;
        if (n < 0) {
            if (errno == EINTR) continue;
            const bool unsupported
                = errno == EXDEV || errno == ENOSYS || errno == EOPNOTSUPP || errno == EINVAL;
            if (first && unsupported) return CopyByReading(from, to);
            return false;
        }
        first = false;
    }
}

// Moves the finished temporary file to its name unless that name is taken.
int MoveIntoPlace(int folder, const char* temporary, const char* name)
{
    if (renameat2(folder, temporary, folder, name, RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) return errno;
    // File systems without the no-replace rename: a hard link fails on an existing name
    // just the same.
    if (linkat(folder, temporary, folder, name, 0) != 0) return errno;
    unlinkat(folder, temporary, 0);
    return 0;
}

constexpr const char* kTemporaryPrefix = ".quira-copy-";

// Hidden, so that a temporary file a crash left behind is never taken for a photo; the
// process id in its name tells RemoveStaleCopies whose it is.
int OpenNamedTemporary(int folder, char (&name)[64])
{
    static std::atomic<unsigned> counter { 0 };
    const int pid = int(getpid()); // asked each time: a forked child is another process
    for (int attempt = 0;; ++attempt) {
        snprintf(name, sizeof name, "%s%d-%u", kTemporaryPrefix, pid, counter++);
        const int fd = openat(folder, name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST || attempt == 100) return fd;
    }
}

// A file without a name in `folder`, or -1 with errno when the file system has none.
int OpenUnnamedTemporary(int folder) { return openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600); }

bool UnnamedUnsupported(int error)
{
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL || error == ENOENT;
}

// Gives the finished unnamed file its name; linking never replaces an existing name.
int LinkIntoPlace(int fd, int folder, const char* name)
{
    char self[64];
    snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
    if (linkat(AT_FDCWD, self, folder, name, AT_SYMLINK_FOLLOW) == 0) return 0;
    if (errno != ENOENT) return errno;
    // Without /proc only the empty-path form is left (it needs a capability).
    return linkat(fd, "", folder, name, AT_EMPTY_PATH) == 0 ? 0 : errno;
}

// Bytes, permissions and times of the source onto the open target; 0 or errno.
int FillCopy(int source, int target, const struct stat& st)
{
    const struct timespec times[2] = { st.st_atim, st.st_mtim };
    if (!CopyContents(source, target, st.st_size) || fchmod(target, st.st_mode & 0777) != 0
        || futimens(target, times) != 0)
        return errno;
    return 0;
}

TCopyResult Result(int error)
{
    if (error == 0) return { TCopyStatus::Copied };
    return { error == EEXIST ? TCopyStatus::Exists : TCopyStatus::Failed, error };
}

} // namespace

TCopyResult CopyFileNoReplace(
    const char* sourcePath, int targetFolder, const char* name, const TCopyOptions& options)
{
    struct stat existing;
    if (fstatat(targetFolder, name, &existing, AT_SYMLINK_NOFOLLOW) == 0)
        return { S_ISLNK(existing.st_mode) ? TCopyStatus::TargetIsLink : TCopyStatus::Exists, EEXIST };

    // Non-blocking, so that a pipe that took a photo's name cannot hang the transfer.
    const int noFollow = options.FollowSourceLink ? 0 : O_NOFOLLOW;
    TUniqueFd source(open(sourcePath, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | noFollow));
    if (source.Get() < 0)
        return { errno == ELOOP && noFollow ? TCopyStatus::SourceIsLink : TCopyStatus::Failed, errno };
    struct stat st;
    if (fstat(source.Get(), &st) != 0) return { TCopyStatus::Failed, errno };
    if (!S_ISREG(st.st_mode)) return { TCopyStatus::Failed, S_ISDIR(st.st_mode) ? EISDIR : EINVAL };

    if (options.UnnamedTemporary) {
        TUniqueFd target(OpenUnnamedTemporary(targetFolder));
        if (target.IsOpen()) {
            int error = FillCopy(source.Get(), target.Get(), st);
            if (error == 0) error = LinkIntoPlace(target.Get(), targetFolder, name);
            // Once named, a late write error the kernel reports on closing still counts.
            if (target.Close() != 0 && error == 0) {
                error = errno;
                unlinkat(targetFolder, name, 0);
            }
            return Result(error);
        }
        if (!UnnamedUnsupported(errno)) return { TCopyStatus::Failed, errno };
    }

    char temporary[64];
    TUniqueFd target(OpenNamedTemporary(targetFolder, temporary));
    if (!target.IsOpen()) return { TCopyStatus::Failed, errno };
    int error = FillCopy(source.Get(), target.Get(), st);
    if (error == 0 && target.Close() != 0) error = errno;
    if (error == 0) error = MoveIntoPlace(targetFolder, temporary, name);
    if (error != 0) unlinkat(targetFolder, temporary, 0);
    return Result(error);
}

void RemoveStaleCopies(int folder)
{
    const int own = int(getpid());
    const int listing = openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0) return;
    DIR* dir = fdopendir(listing);
    if (dir == nullptr) {
        close(listing);
        return;
    }
    const size_t prefix = strlen(kTemporaryPrefix);
    while (const dirent* entry = readdir(dir)) {
        if (strncmp(entry->d_name, kTemporaryPrefix, prefix) != 0) continue;
        int pid = 0;
        unsigned number = 0;
        int end = 0;
        if (sscanf(entry->d_name + prefix, "%d-%u%n", &pid, &number, &end) != 2 || pid <= 0
            || entry->d_name[prefix + size_t(end)] != '\0' || pid == own)
            continue;
        if (kill(pid, 0) != 0 && errno == ESRCH) unlinkat(folder, entry->d_name, 0);
    }
    closedir(dir);
}
