#include "app/transfer/FileCopy.h"

#include "app/transfer/UniqueFd.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
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

} // namespace

TCopyResult CopyFileNoReplace(const char* sourcePath, int targetFolder, const char* name)
{
    struct stat existing;
    if (fstatat(targetFolder, name, &existing, AT_SYMLINK_NOFOLLOW) == 0)
        return { TCopyStatus::Exists, EEXIST };

    // Non-blocking, so that a pipe that took a photo's name cannot hang the transfer.
    TUniqueFd source(open(sourcePath, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (source.Get() < 0) return { TCopyStatus::Failed, errno };
    struct stat st;
    if (fstat(source.Get(), &st) != 0) return { TCopyStatus::Failed, errno };
    if (!S_ISREG(st.st_mode)) return { TCopyStatus::Failed, S_ISDIR(st.st_mode) ? EISDIR : EINVAL };

    // Hidden, so that a temporary file a crash left behind is never taken for a photo.
    static std::atomic<unsigned> counter { 0 };
    static const int pid = int(getpid());
    char temporary[64];
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        snprintf(temporary, sizeof temporary, ".quira-copy-%d-%u", pid, counter++);
        fd = openat(targetFolder, temporary, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && (errno != EEXIST || attempt == 100)) return { TCopyStatus::Failed, errno };
    }
    TUniqueFd target(fd);

    const struct timespec times[2] = { st.st_atim, st.st_mtim };
    int error = 0;
    if (!CopyContents(source.Get(), target.Get(), st.st_size) || fchmod(target.Get(), st.st_mode & 0777) != 0
        || futimens(target.Get(), times) != 0 || target.Close() != 0)
        error = errno;
    else
        error = MoveIntoPlace(targetFolder, temporary, name);
    if (error == 0) return { TCopyStatus::Copied };
    unlinkat(targetFolder, temporary, 0);
    return { error == EEXIST ? TCopyStatus::Exists : TCopyStatus::Failed, error };
}
