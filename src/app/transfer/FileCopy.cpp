#include "app/transfer/FileCopy.h"

#include "app/transfer/UniqueFd.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <string_view>
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
constexpr size_t kBootIdLength = 36;

// Which machine, and which start of it, a temporary file's process ran on: an edit
// folder on a network share is written by several workstations (or containers with
// process ids of their own), whose process ids mean nothing here.
struct TMachine {
    std::string Host; // host name and process id space: "<host>@<namespace>"
    std::string BootId; // kBootIdLength characters

    TMachine()
    {
        char host[256] = {};
        if (gethostname(host, sizeof host - 1) == 0) Host = host;
        if (Host.empty()) Host = "localhost";
        for (char& c : Host)
            if (c == '/') c = '_';
        struct stat pidSpace;
        if (stat("/proc/self/ns/pid", &pidSpace) == 0) Host += '@' + std::to_string(pidSpace.st_ino);
        char boot[64] = {};
        if (FILE* f = fopen("/proc/sys/kernel/random/boot_id", "re")) {
            if (fgets(boot, sizeof boot, f) == nullptr) boot[0] = '\0';
            fclose(f);
        }
        BootId.assign(boot, strnlen(boot, kBootIdLength));
        BootId.resize(kBootIdLength, '0');
    }
};

const TMachine& ThisMachine()
{
    static const TMachine machine;
    return machine;
}

// Hidden, so that a temporary file a crash left behind is never taken for a photo; the
// process id, boot id and host name in its name tell RemoveStaleCopies whose it is:
// ".quira-copy-<pid>-<n>-<boot id>-<host>".
int OpenNamedTemporary(int folder, std::string& name)
{
    static std::atomic<unsigned> counter { 0 };
    const int pid = int(getpid()); // asked each time: a forked child is another process
    const TMachine& machine = ThisMachine();
    for (int attempt = 0;; ++attempt) {
        name = kTemporaryPrefix + std::to_string(pid) + '-' + std::to_string(counter++) + '-' + machine.BootId
            + '-' + machine.Host;
        const int fd = openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
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

TCopyResult Result(int error, off_t size)
{
    if (error == 0) return { TCopyStatus::Copied, 0, size };
    return { error == EEXIST ? TCopyStatus::Exists : TCopyStatus::Failed, error, size };
}

} // namespace

struct TCopyWindow::TPending {
    TUniqueFd Fd; // the written copy, open until it is named
    std::string Temporary; // its temporary name; empty for an unnamed file
    std::string Name;
    off_t Size;
};

TCopyWindow::TCopyWindow(int targetFolder, const TCopyOptions& options)
    : m_folder(targetFolder)
    , m_options(options)
{
}

TCopyWindow::~TCopyWindow()
{
    for (TPending& pending : m_pending)
        Drop(pending);
}

void TCopyWindow::Drop(TPending& pending)
{
    if (!pending.Temporary.empty()) unlinkat(m_folder, pending.Temporary.c_str(), 0);
    pending.Fd.Reset(-1);
}

bool TCopyWindow::Full() const
{
    return int(m_pending.size()) >= m_options.MaxFiles || m_bytes >= m_options.MaxBytes;
}

TCopyResult TCopyWindow::Start(const char* sourcePath, const char* name, bool followSourceLink)
{
    // Non-blocking, so that a pipe that took a photo's name cannot hang the transfer.
    const int noFollow = followSourceLink ? 0 : O_NOFOLLOW;
    TUniqueFd source(open(sourcePath, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | noFollow));
    if (source.Get() < 0)
        return { errno == ELOOP && noFollow ? TCopyStatus::SourceIsLink : TCopyStatus::Failed, errno };
    struct stat st;
    if (fstat(source.Get(), &st) != 0) return { TCopyStatus::Failed, errno };
    if (!S_ISREG(st.st_mode)) return { TCopyStatus::Failed, S_ISDIR(st.st_mode) ? EISDIR : EINVAL };

    struct stat existing;
    if (fstatat(m_folder, name, &existing, AT_SYMLINK_NOFOLLOW) == 0)
        return { S_ISLNK(existing.st_mode) ? TCopyStatus::TargetIsLink : TCopyStatus::Exists, EEXIST,
            st.st_size };

    TPending pending { TUniqueFd(-1), {}, name, st.st_size };
    if (m_options.UnnamedTemporary) {
        pending.Fd.Reset(OpenUnnamedTemporary(m_folder));
        if (!pending.Fd.IsOpen() && !UnnamedUnsupported(errno))
            return { TCopyStatus::Failed, errno, st.st_size };
    }
    if (!pending.Fd.IsOpen()) {
        pending.Fd.Reset(OpenNamedTemporary(m_folder, pending.Temporary));
        if (!pending.Fd.IsOpen()) return { TCopyStatus::Failed, errno, st.st_size };
    }
    if (const int error = FillCopy(source.Get(), pending.Fd.Get(), st); error != 0) {
        Drop(pending);
        return { TCopyStatus::Failed, error, st.st_size };
    }
    // The disk starts on the bytes now, while the next photos are read; the window's
    // end then mostly finds them written.
    if (m_options.Durable) sync_file_range(pending.Fd.Get(), 0, 0, SYNC_FILE_RANGE_WRITE);
    m_bytes += st.st_size;
    m_pending.push_back(std::move(pending));
    return { TCopyStatus::Pending, 0, st.st_size };
}

std::vector<TCopyResult> TCopyWindow::Finish()
{
    std::vector<TCopyResult> results;
    results.reserve(m_pending.size());
    // Data first, every file of the window, and only then any name. One flush of the
    // file system puts a whole window's bytes on disk for the price of one journal
    // commit, where a sync per file would wait for one commit each; where that flush
    // fails, each file is synced on its own.
    std::vector<int> errors(m_pending.size(), 0);
    const bool windowSynced = m_options.Durable && m_pending.size() > 1 && syncfs(m_folder) == 0;
    if (m_options.Durable && !windowSynced)
        for (size_t i = 0; i < m_pending.size(); ++i)
            if (fdatasync(m_pending[i].Fd.Get()) != 0) errors[i] = errno;
    bool named = false;
    for (size_t i = 0; i < m_pending.size(); ++i) {
        TPending& pending = m_pending[i];
        int error = errors[i];
        if (error == 0 && pending.Temporary.empty()) {
            error = LinkIntoPlace(pending.Fd.Get(), m_folder, pending.Name.c_str());
            // Once named, a late write error the kernel reports on closing still counts.
            if (pending.Fd.Close() != 0 && error == 0) {
                error = errno;
                unlinkat(m_folder, pending.Name.c_str(), 0);
            }
        } else if (error == 0) {
            if (pending.Fd.Close() != 0) error = errno;
            if (error == 0) error = MoveIntoPlace(m_folder, pending.Temporary.c_str(), pending.Name.c_str());
            if (error == 0) pending.Temporary.clear();
        }
        if (error != 0) Drop(pending);
        named = named || error == 0;
        results.push_back(Result(error, pending.Size));
    }
    m_pending.clear();
    m_bytes = 0;
    // The names themselves are entries of the folder: they last once it is synced.
    if (named && m_options.Durable && fsync(m_folder) != 0) {
        const int error = errno;
        for (TCopyResult& result : results)
            if (result.Status == TCopyStatus::Copied)
                result = { TCopyStatus::Unsynced, error, result.SourceSize };
    }
    return results;
}

void RemoveStaleCopies(int folder)
{
    const int own = int(getpid());
    const TMachine& machine = ThisMachine();
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
        if (sscanf(entry->d_name + prefix, "%d-%u-%n", &pid, &number, &end) != 2 || pid <= 0 || end == 0)
            continue;
        const std::string_view rest(entry->d_name + prefix + size_t(end));
        if (rest.size() <= kBootIdLength + 1 || rest[kBootIdLength] != '-') continue;
        // Another machine's copy may be in progress right now.
        if (rest.substr(kBootIdLength + 1) != machine.Host) continue;
        // A copy from before this machine last started has no process any more; one
        // from this start is stale when its process is gone.
        const bool thisBoot = rest.substr(0, kBootIdLength) == machine.BootId;
        if (thisBoot && (pid == own || kill(pid, 0) == 0 || errno != ESRCH)) continue;
        unlinkat(folder, entry->d_name, 0);
    }
    closedir(dir);
}
