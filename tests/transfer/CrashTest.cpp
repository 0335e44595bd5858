// A transfer that dies at any moment (killed, or out of disk space) leaves the edit
// folders holding whole photos only, and the next transfer completes them. The tool runs
// as a child process so that the kill is real.
#include "PhotoTree.h"
#include "ToolProcess.h"
#include "app/transfer/Categories.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <random>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString Album = Categorias[3].Pasta.toString();
const QString Capa = Categorias[4].Pasta.toString();
constexpr const char* kTemporaryPrefix = ".quira-copy-";

QByteArray Content(int seed, qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    std::mt19937 generator { unsigned(seed) };
    for (char& c : bytes)
        c = char(generator());
    return bytes;
}

// Large and small photos spread over a few folders, most of them chosen, one in both
// categories; the photos' bytes by name, for checking every copy.
class TEventTree {
public:
    // `photoRoot`: where the photos lie (the tree itself, or a disk linked into it).
    TEventTree(const QString& photoRoot, int large, qsizetype largeSize, int small)
    {
        for (int i = 0; i < large + small; ++i) {
            const QString name = QString("foto_%1.jpg").arg(i, 4, 10, QChar('0'));
            const QByteArray bytes = Content(i, i < large ? largeSize + i : 512 + (i * 997) % (48 * 1024));
            const QString folder = photoRoot + QString("/parte%1/").arg(i % 5);
            QDir().mkpath(folder);
            QFile file(folder + name);
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            m_bytes[name] = bytes;
            (i % 3 == 0 ? m_album : m_capa).append(name);
        }
        m_album.append(m_capa.first());
        m_album.append("nunca_tirada.jpg");
    }

    QStringList Lists(const QString& folder) const
    {
        return { WriteList(folder + "/capa.txt", Capa, m_capa),
            WriteList(folder + "/album.txt", Album, m_album) };
    }

    // Every entry of both edit folders is a whole chosen photo or, where allowed, a
    // temporary file; with `complete`, every chosen photo is there.
    void ExpectWholePhotos(
        const QString& root, bool temporariesAllowed, bool complete, const QString& when) const
    {
        for (const auto& [pasta, chosen] : { std::pair { Capa, m_capa }, std::pair { Album, m_album } }) {
            int found = 0;
            for (const QString& entry : EntriesOf(root + "/" + pasta)) {
                if (entry.startsWith(kTemporaryPrefix)) {
                    EXPECT_TRUE(temporariesAllowed) << entry.toStdString() << " left " << when.toStdString();
                    continue;
                }
                ++found;
                EXPECT_TRUE(chosen.contains(entry))
                    << entry.toStdString() << " is foreign " << when.toStdString();
                QFile file(root + "/" + pasta + "/" + entry);
                EXPECT_TRUE(file.open(QIODevice::ReadOnly));
                EXPECT_TRUE(file.readAll() == m_bytes.value(entry))
                    << entry.toStdString() << " is not whole " << when.toStdString();
            }
            if (complete) EXPECT_EQ(found, chosen.size() - (pasta == Album ? 1 : 0)) << when.toStdString();
        }
    }

    void ClearEditFolders(const QString& root) const
    {
        for (const QString& pasta : { Capa, Album })
            for (const QString& entry : EntriesOf(root + "/" + pasta))
                QFile::remove(root + "/" + pasta + "/" + entry);
    }

private:
    QMap<QString, QByteArray> m_bytes;
    QStringList m_capa;
    QStringList m_album;
};

// What lies below `folder` apart from the edit folders, which alone may change.
QMap<QString, QByteArray> OutsideEditFolders(const QString& folder)
{
    QMap<QString, QByteArray> entries = Snapshot(folder);
    entries.removeIf([](const auto& entry) {
        return entry.key().startsWith("Edicao") || entry.key().contains("/Edicao");
    });
    return entries;
}

QStringList Arguments(bool unnamed, const QString& root, const QStringList& lists, bool sync = true)
{
    QStringList arguments;
    if (!unnamed) arguments.append("--named-temporaries");
    if (!sync) arguments.append("--no-sync");
    return arguments + QStringList { root } + lists;
}

// A small file system of its own where the machine lets the test mount one (as root);
// `Grow` gives the space back.
class TSmallDisk {
public:
    TSmallDisk(const QString& path, const char* size)
        : m_path(QFile::encodeName(path))
    {
        QDir().mkpath(path);
        m_mounted = geteuid() == 0 && mount("quira-test", m_path.constData(), "tmpfs", 0, size) == 0;
    }
    ~TSmallDisk()
    {
        if (m_mounted) umount2(m_path.constData(), MNT_DETACH);
    }
    bool Mounted() const { return m_mounted; }
    void Grow() { EXPECT_EQ(mount("quira-test", m_path.constData(), "tmpfs", MS_REMOUNT, "size=256m"), 0); }

private:
    QByteArray m_path;
    bool m_mounted = false;
};

} // namespace

TEST(TransferCrash, KilledAtRandomMomentsTheEditFoldersHoldWholePhotosAndTheLastRunCompletes)
{
    TPhotoTree tree;
    const TEventTree event(tree.Root(), 3, 2 * 1024 * 1024, 150);
    const QStringList lists = event.Lists(tree.Outside());
    const auto before = OutsideEditFolders(tree.Root());

    // One whole run tells how long a transfer of this tree takes here; the kills fall
    // anywhere within that span. A kill loses nothing the kernel holds, so the killed
    // runs do not wait for the disk (a busy disk would stretch the test to minutes).
    const TToolRun whole = RunTransferTool({ Arguments(true, tree.Root(), lists, false) });
    ASSERT_EQ(whole.ExitCode, 0);
    event.ClearEditFolders(tree.Root());
    const auto span = std::max<long long>(whole.Duration.count(), 2000);
    const unsigned seed = std::random_device()();
    std::mt19937 random(seed);
    SCOPED_TRACE("seed " + std::to_string(seed));

    int kills = 0;
    int attempt = 0;
    for (; kills < 24 && attempt < 200; ++attempt) {
        const bool unnamed = attempt % 2 == 0;
        const std::chrono::microseconds moment(std::uniform_int_distribution<long long>(0, span)(random));
        const TToolRun run = RunTransferTool({ Arguments(unnamed, tree.Root(), lists, false), moment });
        event.ExpectWholePhotos(tree.Root(), true, false, QString("after attempt %1").arg(attempt));
        if (run.Killed) {
            ++kills;
        } else {
            EXPECT_EQ(run.ExitCode, 0);
            event.ClearEditFolders(tree.Root()); // the transfer won the race: give the kills work again
        }
    }
    EXPECT_GE(kills, 24);
    printf("%d kills in %d runs, a whole run %lld us\n", kills, attempt, (long long)whole.Duration.count());

    // Killed transfers leave unnamed files nowhere and named ones for the next run to
    // remove; the last run by either way completes what is missing.
    for (const bool unnamed : { false, true }) {
        const TToolRun last = RunTransferTool({ Arguments(unnamed, tree.Root(), lists) });
        EXPECT_EQ(last.ExitCode, 0);
        event.ExpectWholePhotos(
            tree.Root(), false, true, unnamed ? "after the last run" : "after the tidying run");
    }
    EXPECT_EQ(OutsideEditFolders(tree.Root()), before);
    EXPECT_EQ(EntriesOf(tree.Outside()), QStringList({ "album.txt", "capa.txt", "fotos" }));
}

TEST(TransferCrash, AFullDiskLeavesWholePhotosOnlyAndOnceSpaceIsBackTheTransferCompletes)
{
    for (const bool unnamed : { true, false }) {
        QTemporaryDir base;
        const QString root = base.path() + "/evento";
        TSmallDisk disk(root, "size=2m");
        // The photos lie on another disk linked into the event's folder.
        const TEventTree event(base.path() + "/outro_disco", 3, 1536 * 1024, 40);
        ASSERT_TRUE(QFile::link("../outro_disco", root + "/fotos"));
        const QStringList lists = event.Lists(base.path());
        const auto before = OutsideEditFolders(base.path());

        TToolLaunch full { Arguments(unnamed, root, lists) };
        if (!disk.Mounted()) full.FileSizeLimit = 1024 * 1024; // no mount here: the file size limit
        const TToolRun failing = RunTransferTool(full);
        EXPECT_EQ(failing.ExitCode, 1) << "some photo must have failed";
        event.ExpectWholePhotos(root, false, false, "with the disk full");

        if (disk.Mounted()) disk.Grow();
        const TToolRun again = RunTransferTool({ Arguments(unnamed, root, lists) });
        EXPECT_EQ(again.ExitCode, 0);
        event.ExpectWholePhotos(root, false, true, "once space is back");
        EXPECT_EQ(OutsideEditFolders(base.path()), before);
    }
}

TEST(TransferCrash, ALargeTreeTransfersWithinFiftyMegabytes)
{
    // Empty photos in memory where the machine has a memory file system: the walk and
    // the index are measured, not the disk. (The release check runs the tool by hand on
    // 100,000 photos; 20,000 keep the suite quick.)
    TPhotoTree tree(QFileInfo("/dev/shm").isDir() ? QStringLiteral("/dev/shm") : QDir::tempPath());
    QStringList chosen;
    for (int folder = 0; folder < 100; ++folder) {
        const QByteArray path = QFile::encodeName(tree.Path(QString("sessao_%1").arg(folder)));
        ASSERT_EQ(mkdir(path.constData(), 0755), 0);
        for (int photo = 0; photo < 200; ++photo) {
            const QByteArray name = "IMG_" + QByteArray::number(folder * 200 + photo) + ".jpg";
            const int fd = open((path + '/' + name).constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
            ASSERT_GE(fd, 0);
            close(fd);
            if (photo % 20 == 0) chosen.append(QString::fromLatin1(name));
        }
    }
    TToolLaunch launch { { "--peak-memory", tree.Root(),
        WriteList(tree.Outside() + "/capa.txt", Capa, chosen) } };
    launch.ErrorFile = tree.Outside() + "/errors.txt";
    const TToolRun run = RunTransferTool(launch);
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(EntriesOf(tree.Path(Capa)).size(), chosen.size());
    QFile errors(launch.ErrorFile);
    ASSERT_TRUE(errors.open(QIODevice::ReadOnly));
    const QByteArray report = errors.readAll().trimmed();
    ASSERT_TRUE(report.startsWith("peak memory: ") && report.endsWith(" kB")) << report.toStdString();
    const long kilobytes = report.mid(13, report.size() - 16).trimmed().toLong();
    EXPECT_GT(kilobytes, 0);
    EXPECT_LT(kilobytes, 50 * 1024);
}
