// A power cut at any moment of a transfer leaves whole photos or none: the record of the
// transfer tool's real system calls (strace) shows every copy's bytes synced (the file,
// or its whole file system) before it gets its name, and every edit folder synced after
// the last name it got.
#include "PhotoTree.h"
#include "ToolProcess.h"
#include "app/transfer/Categories.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

const QString Album = Categorias[3].Pasta.toString();
const QString Capa = Categorias[4].Pasta.toString();

struct TOrder {
    QStringList Faults; // a name given to bytes not synced, or a folder not synced after
    int Named = 0;
};

// Reads an strace record (-y: descriptors with their paths) of the calls that matter.
TOrder CheckOrder(const QString& log)
{
    QFile file(log);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    static const QRegularExpression kOpen(R"re(openat\(.*\) = (\d+)<)re");
    static const QRegularExpression kOpenNamed(
        R"re(openat\(\d+<[^>]*>, "(\.quira-copy-[^"]*)", .*O_CREAT.*\) = (\d+)<)re");
    static const QRegularExpression kSyncFs(R"re(syncfs\((\d+)<([^>]*)>.*\) = 0)re");
    static const QRegularExpression kSync(R"re(f(?:data)?sync\((\d+)<([^>]*)>.*\) = 0)re");
    static const QRegularExpression kLink(
        R"re(linkat\(AT_FDCWD[^,]*, "/proc/self/fd/(\d+)", \d+<([^>]*)>, "([^"]*)".*\) = 0)re");
    static const QRegularExpression kRename(
        R"re(renameat2\(\d+<([^>]*)>, "([^"]*)", \d+<[^>]*>, "([^"]*)".*\) = 0)re");
    std::map<int, bool> syncedFd; // open descriptor: its bytes synced since it was opened
    std::map<QString, int> temporaryFd; // named temporary file: its descriptor
    std::set<int> syncedTemporaryFds;
    std::map<QString, QString> lastNamed; // folder: the last name given there, not yet followed by its sync
    TOrder order;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw);
        QRegularExpressionMatch m;
        if ((m = kOpenNamed.match(line)).hasMatch()) {
            temporaryFd[m.captured(1)] = m.captured(2).toInt();
            syncedFd[m.captured(2).toInt()] = false;
        } else if ((m = kOpen.match(line)).hasMatch()) {
            syncedFd[m.captured(1).toInt()] = false;
        } else if ((m = kSyncFs.match(line)).hasMatch()) {
            // The whole file system: every file's bytes and every folder's names.
            for (auto& [fd, synced] : syncedFd)
                synced = true;
            for (const auto& [name, fd] : temporaryFd)
                syncedTemporaryFds.insert(fd);
            lastNamed.clear();
        } else if ((m = kSync.match(line)).hasMatch()) {
            syncedFd[m.captured(1).toInt()] = true;
            lastNamed.erase(m.captured(2));
            for (const auto& [name, fd] : temporaryFd)
                if (fd == m.captured(1).toInt()) syncedTemporaryFds.insert(fd);
        } else if ((m = kLink.match(line)).hasMatch()) {
            ++order.Named;
            if (!syncedFd[m.captured(1).toInt()])
                order.Faults << "named before its bytes were synced: " + m.captured(3);
            lastNamed[m.captured(2)] = m.captured(3);
        } else if ((m = kRename.match(line)).hasMatch()) {
            ++order.Named;
            const auto fd = temporaryFd.find(m.captured(2));
            if (fd == temporaryFd.end() || !syncedTemporaryFds.count(fd->second))
                order.Faults << "named before its bytes were synced: " + m.captured(3);
            if (fd != temporaryFd.end()) {
                syncedTemporaryFds.erase(fd->second);
                temporaryFd.erase(fd);
            }
            lastNamed[m.captured(1)] = m.captured(3);
        }
    }
    for (const auto& [folder, name] : lastNamed)
        order.Faults << "folder not synced after naming " + name + ": " + folder;
    return order;
}

// The transfer tool under strace; the record's path.
QString TracedTransfer(const TPhotoTree& tree, const QStringList& options, const QStringList& lists)
{
    const QString log = tree.Outside() + "/strace.log";
    const QString tool = QCoreApplication::applicationDirPath() + "/../tools/transfer-run";
    QProcess strace;
    strace.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // A sanitized tool's leak checker cannot run under a tracer and would fail the run;
    // the leaks are the other tests' business.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":detect_leaks=0");
    strace.setProcessEnvironment(env);
    strace.start("strace",
        QStringList {
            "-f", "-qq", "-y", "-e", "trace=openat,fdatasync,fsync,syncfs,linkat,renameat2", "-o", log, tool }
            + options + QStringList { tree.Root() } + lists);
    EXPECT_TRUE(strace.waitForFinished(120000));
    EXPECT_EQ(strace.exitCode(), 0) << strace.readAllStandardOutput().toStdString();
    return log;
}

class Durability : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("strace").isEmpty()) GTEST_SKIP() << "strace is not installed";
        for (int i = 0; i < 300; ++i)
            (i % 2 ? m_capa : m_album) << QString("foto_%1.jpg").arg(i);
        m_capa << m_album.first();
    }

    // More photos than one window holds, large ones (the kernel's copy) and small ones
    // (read and write), and a photo the second category takes from the first; the lists.
    QStringList Fill(TPhotoTree& tree) const
    {
        for (int i = 0; i < 300; ++i)
            tree.File(QString("fotos/foto_%1.jpg").arg(i),
                QByteArray(i % 10 == 0 ? 300 * 1024 : 2000 + i, char('a' + i % 26)));
        return { WriteList(tree.Outside() + "/album.txt", Album, m_album),
            WriteList(tree.Outside() + "/capa.txt", Capa, m_capa) };
    }

    QStringList m_album, m_capa;
};

TEST_F(Durability, EveryCopyIsOnDiskBeforeItsNameAndEveryFolderAfterItsNames)
{
    for (const QStringList& options : { QStringList {}, QStringList { "--named-temporaries" } }) {
        TPhotoTree tree;
        const TOrder order = CheckOrder(TracedTransfer(tree, options, Fill(tree)));
        EXPECT_EQ(order.Named, m_album.size() + m_capa.size()) << options.join(' ').toStdString();
        EXPECT_EQ(order.Faults, QStringList()) << options.join(' ').toStdString();
        for (const QString& name : m_capa)
            EXPECT_EQ(tree.Read(Capa + "/" + name), tree.Read("fotos/" + name));
    }
}

// The record tells a transfer that names copies straight away from one that waits: the
// check above can fail.
TEST_F(Durability, ATransferThatDoesNotWaitForTheDiskIsCaught)
{
    TPhotoTree tree;
    const TOrder order = CheckOrder(TracedTransfer(tree, { "--no-sync" }, Fill(tree)));
    EXPECT_EQ(order.Named, m_album.size() + m_capa.size());
    EXPECT_GE(order.Faults.size(), m_album.size() + m_capa.size());
}

} // namespace
