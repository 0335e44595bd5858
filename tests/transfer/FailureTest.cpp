// What goes wrong on disk is reported and leaves nothing half done: write failures made
// by the kernel itself, folders and photos that cannot be read, link loops.
#include "PhotoTree.h"
#include "app/transfer/Categories.h"
#include "app/transfer/PhotoTransfer.h"
#include "app/transfer/SystemErrors.h"

#include <QFile>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

const QString Capa = Categorias[4].Pasta.toString();

// Files above `bytes` cannot be written while this lives: write() fails with EFBIG, as
// the kernel does for a process whose file size limit is reached.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    }
    ~TFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old {};
    sighandler_t m_oldHandler;
};

// File permissions hold for this thread even when the tests run as root: the two
// capabilities that let root pass them are dropped while this lives.
class TPermissionsApply {
public:
    TPermissionsApply()
    {
        if (geteuid() != 0) return;
        EXPECT_EQ(syscall(SYS_capget, &m_header, m_saved), 0);
        __user_cap_data_struct reduced[2] = { m_saved[0], m_saved[1] };
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        m_dropped = syscall(SYS_capset, &m_header, reduced) == 0;
        EXPECT_TRUE(m_dropped);
    }
    ~TPermissionsApply()
    {
        if (m_dropped) syscall(SYS_capset, &m_header, m_saved);
    }

private:
    __user_cap_header_struct m_header { _LINUX_CAPABILITY_VERSION_3, 0 };
    __user_cap_data_struct m_saved[2] {};
    bool m_dropped = false;
};

const TPhotoResult& Find(const TTransferReport& report, const QString& name)
{
    for (const TPhotoResult& photo : report.Categories.at(0).Photos)
        if (photo.Name == name) return photo;
    static const TPhotoResult none { "<not reported>", TPhotoOutcome::Failed, {}, {} };
    ADD_FAILURE() << name.toStdString() << " not reported";
    return none;
}

} // namespace

TEST(TransferFailure, AnInterruptedWriteLeavesNoFileAndTheNextTransferCompletes)
{
    // Both ways of making a copy: an unnamed file, and a named temporary file.
    for (const bool unnamed : { true, false }) {
        TTransferOptions options;
        options.UnnamedTemporaries = unnamed;
        TPhotoTree tree;
        const QByteArray big(256 * 1024, 'b'); // the kernel copy path
        const QByteArray medium(40 * 1024, 'm'); // the read and write path
        tree.File("a/big.jpg", big);
        tree.File("a/medium.jpg", medium);
        tree.File("a/small.jpg", "small");
        const QList<TCategoryRequest> categories { { Capa, { "big.jpg", "medium.jpg", "small.jpg" } } };
        {
            const TFileSizeLimit limit(16 * 1024);
            const TTransferReport report = TransferPhotos(tree.Root(), categories, options);
            for (const char* name : { "big.jpg", "medium.jpg" }) {
                const TPhotoResult& photo = Find(report, name);
                EXPECT_EQ(photo.Outcome, TPhotoOutcome::Failed) << name;
                EXPECT_EQ(photo.Reason, SystemErrorText(EFBIG));
                EXPECT_EQ(photo.Path, tree.Path(QString("a/") + name));
            }
            EXPECT_EQ(Find(report, "small.jpg").Outcome, TPhotoOutcome::Copied);
        }
        // Not even a temporary file stays behind.
        EXPECT_EQ(EntriesOf(tree.Path(Capa)), QStringList({ "small.jpg" }));

        const TTransferReport again = TransferPhotos(tree.Root(), categories, options);
        EXPECT_EQ(Find(again, "big.jpg").Outcome, TPhotoOutcome::Copied);
        EXPECT_EQ(Find(again, "small.jpg").Outcome, TPhotoOutcome::Present);
        EXPECT_EQ(tree.Read(Capa + "/big.jpg"), big);
        EXPECT_EQ(tree.Read(Capa + "/medium.jpg"), medium);
    }
}

TEST(TransferFailure, UnreadableFoldersAreCountedAndAnUnreadablePhotoGivesWayToTheNext)
{
    TPhotoTree tree;
    tree.File("a/locked/x.jpg");
    tree.File("b/y.jpg", "unreadable copy");
    tree.File("c/y.jpg", "readable copy");
    ASSERT_EQ(chmod(QFile::encodeName(tree.Path("a/locked")).constData(), 0), 0);
    ASSERT_EQ(chmod(QFile::encodeName(tree.Path("b/y.jpg")).constData(), 0), 0);
    TTransferReport report;
    {
        const TPermissionsApply permissions;
        report = TransferPhotos(tree.Root(), { { Capa, { "x.jpg", "y.jpg" } } });
    }
    chmod(QFile::encodeName(tree.Path("a/locked")).constData(), 0755);
    EXPECT_EQ(report.UnreadableFolders, 1);
    EXPECT_TRUE(report.Folders.contains(tree.Path("a/locked")));
    EXPECT_EQ(Find(report, "x.jpg").Outcome, TPhotoOutcome::Missing);
    EXPECT_EQ(Find(report, "y.jpg").Outcome, TPhotoOutcome::Copied);
    EXPECT_EQ(Find(report, "y.jpg").Path, tree.Path("c/y.jpg"));
    EXPECT_EQ(tree.Read(Capa + "/y.jpg"), "readable copy");
}

TEST(TransferFailure, APhotoNoFolderCanGiveIsReportedWithTheFirstReason)
{
    TPhotoTree tree;
    tree.File("b/y.jpg");
    ASSERT_EQ(chmod(QFile::encodeName(tree.Path("b/y.jpg")).constData(), 0), 0);
    TTransferReport report;
    {
        const TPermissionsApply permissions;
        report = TransferPhotos(tree.Root(), { { Capa, { "y.jpg" } } });
    }
    const TPhotoResult& y = Find(report, "y.jpg");
    EXPECT_EQ(y.Outcome, TPhotoOutcome::Failed);
    EXPECT_EQ(y.Reason, SystemErrorText(EACCES));
    EXPECT_EQ(y.Path, tree.Path("b/y.jpg"));
    EXPECT_TRUE(EntriesOf(tree.Path(Capa)).isEmpty());
}

TEST(TransferFailure, LinkLoopsEndAndEveryFolderIsWalkedOnce)
{
    TPhotoTree tree;
    tree.File("a/b/x.jpg", "real");
    tree.Link("a/b/up", "../..");
    tree.Link("a/self", ".");
    tree.Link("a/alias", "b"); // the same folder again, not a loop
    tree.Link("z/dangling", "../nowhere");
    const TTransferReport report = TransferPhotos(tree.Root(), { { Capa, { "x.jpg" } } });
    EXPECT_EQ(Find(report, "x.jpg").Path, tree.Path("a/alias/x.jpg")); // "alias" sorts before "b"
    EXPECT_EQ(report.Folders,
        QStringList({ tree.Path("a"), tree.Path("a/alias"), tree.Path("Edicao"),
            tree.Path("Edicao/Escolhidas_Capa"), tree.Path("z"), tree.Root() }));
    EXPECT_EQ(tree.Read(Capa + "/x.jpg"), "real");
}

TEST(TransferFailure, TheCopyKeepsPermissionsAndModificationTime)
{
    TPhotoTree tree;
    tree.File("a/x.jpg");
    const QByteArray source = QFile::encodeName(tree.Path("a/x.jpg"));
    ASSERT_EQ(chmod(source.constData(), 0604), 0);
    const timespec times[2] = { { 1000000000, 5 }, { 1234567890, 123456789 } };
    ASSERT_EQ(utimensat(AT_FDCWD, source.constData(), times, 0), 0);

    TransferPhotos(tree.Root(), { { Capa, { "x.jpg" } } });
    struct stat st;
    ASSERT_EQ(stat(QFile::encodeName(tree.Path(Capa + "/x.jpg")).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0604u);
    EXPECT_EQ(st.st_mtim.tv_sec, 1234567890);
    EXPECT_EQ(st.st_mtim.tv_nsec, 123456789);
}
