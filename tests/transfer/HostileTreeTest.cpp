// Trees someone else filled: links where the edit folders should be, links inside them,
// edit folder names that climb out of the root, temporary files of killed transfers and
// names no studio would type.
#include "PhotoTree.h"
#include "app/transfer/Categories.h"
#include "app/transfer/PhotoTransfer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString Album = Categorias[3].Pasta.toString();
const QString Capa = Categorias[4].Pasta.toString();

// A process id that surely runs no transfer: a child that has ended and been reaped.
int EndedProcess()
{
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return int(child);
}

// Text cannot name these files: the bytes go to the kernel as they are.
void WriteRaw(const QByteArray& path, const QByteArray& content)
{
    const int fd = open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    ASSERT_GE(fd, 0) << path.toStdString();
    EXPECT_EQ(write(fd, content.constData(), size_t(content.size())), content.size());
    close(fd);
}

} // namespace

TEST(HostileTree, AnEditFolderThatIsALinkFailsItsCategoryAndNothingIsWrittenThrough)
{
    for (const QString linked : { QStringLiteral("Edicao"), Capa }) {
        TPhotoTree tree;
        tree.Folder("../elsewhere");
        tree.Link(linked, linked == Capa ? "../../elsewhere" : "../elsewhere");
        tree.File("a/x.jpg");
        const TTransferReport report
            = TransferPhotos(tree.Root(), { { Capa, { "x.jpg", "nada.jpg" } }, { Album, { "x.jpg" } } });

        const TCategoryResult& capa = report.Categories[0];
        EXPECT_TRUE(
            capa.Error.contains(QString("\"%1\" é um link simbólico").arg(QFileInfo(linked).fileName())))
            << capa.Error.toStdString();
        EXPECT_EQ(capa.Count(TPhotoOutcome::Failed), 2);
        EXPECT_EQ(Find(report, 0, "x.jpg").Reason, capa.Error);
        EXPECT_TRUE(EntriesOf(tree.Outside() + "/elsewhere").isEmpty()) << linked.toStdString();
        // Through "Edicao" the album fails as well; beside a linked Capa it is copied.
        const bool albumReachable = linked == Capa;
        EXPECT_EQ(
            Find(report, 1, "x.jpg").Outcome, albumReachable ? TPhotoOutcome::Copied : TPhotoOutcome::Failed);
        EXPECT_EQ(tree.Read(Album + "/x.jpg"), albumReachable ? "a/x.jpg" : "");
    }
}

TEST(HostileTree, ALinkInAnEditFolderIsNeitherAPhotoThereNorASource)
{
    TPhotoTree tree;
    tree.File("../secret.jpg", "outside the tree");
    tree.File("a/x.jpg", "real");
    tree.Link(Capa + "/x.jpg", "../../../secret.jpg"); // where the copy would go
    tree.Link(Album + "/s.jpg", "../../../secret.jpg"); // a source for the capa, once
    tree.Link("Edicao/t.jpg", "../../secret.jpg");
    tree.File("b/t.jpg", "real t");
    tree.Link("disco", "../elsewhere"); // another disk linked into the event: read as ever
    tree.File("../elsewhere/d.jpg", "from the other disk");

    const TTransferReport report
        = TransferPhotos(tree.Root(), { { Capa, { "x.jpg", "s.jpg", "t.jpg", "d.jpg" } } });
    EXPECT_EQ(Find(report, 0, "x.jpg").Outcome, TPhotoOutcome::Failed);
    EXPECT_TRUE(Find(report, 0, "x.jpg").Reason.contains("link simbólico"));
    EXPECT_EQ(Find(report, 0, "s.jpg").Outcome, TPhotoOutcome::Missing);
    EXPECT_EQ(Find(report, 0, "t.jpg").Path, tree.Path("b/t.jpg"));
    EXPECT_EQ(Find(report, 0, "d.jpg").Path, tree.Path("disco/d.jpg"));
    EXPECT_EQ(EntriesOf(tree.Path(Capa)), QStringList({ "d.jpg", "t.jpg", "x.jpg" }));
    EXPECT_TRUE(QFileInfo(tree.Path(Capa + "/x.jpg")).isSymLink());
    EXPECT_EQ(tree.Read(Capa + "/t.jpg"), "real t");
    EXPECT_EQ(tree.Read("../secret.jpg"), "outside the tree");
}

TEST(HostileTree, EditFolderNamesThatLeaveTheRootAreRefused)
{
    TPhotoTree tree;
    tree.File("a/x.jpg");
    const QStringList names { "..", "../fora", "Edicao/../../fora", "/tmp/fora", "Edicao//Capa", "Edicao/",
        "Edicao\\Escolhidas_Capa", "", QString("Edicao") + QChar(0) + "x" };
    QList<TCategoryRequest> categories;
    for (const QString& name : names)
        categories.append({ name, { "x.jpg" } });
    const TTransferReport report = TransferPhotos(tree.Root(), categories);
    for (qsizetype i = 0; i < names.size(); ++i) {
        EXPECT_TRUE(report.Categories[i].Error.startsWith("Nome de pasta de edição inválido")) << i;
        EXPECT_EQ(Find(report, i, "x.jpg").Outcome, TPhotoOutcome::Failed);
    }
    EXPECT_EQ(EntriesOf(tree.Outside()), QStringList({ "fotos" }));
    EXPECT_EQ(EntriesOf(tree.Root()), QStringList({ "a" }));
}

// A temporary file's name tells which machine (host and process id space), which start
// of it and which process wrote it: ".quira-copy-<pid>-<n>-<boot id>-<host>@<space>".
QString TemporaryName(int pid, int number, const QByteArray& bootId, const QByteArray& machine)
{
    return QString(".quira-copy-%1-%2-").arg(pid).arg(number) + QString::fromLatin1(bootId + '-' + machine);
}

QByteArray ThisBootId()
{
    QFile file("/proc/sys/kernel/random/boot_id");
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray(36, '0');
}

QByteArray ThisMachine()
{
    char host[256] = {};
    gethostname(host, sizeof host - 1);
    struct stat space;
    stat("/proc/self/ns/pid", &space);
    return QByteArray(host) + '@' + QByteArray::number(qulonglong(space.st_ino));
}

// Only this machine's ended processes' temporary files go: on a shared network folder
// another workstation's (or container's) process ids say nothing about its copies.
TEST(HostileTree, TemporaryFilesOfEndedTransfersOfThisMachineAreRemovedOthersAreLeft)
{
    TPhotoTree tree;
    tree.File("a/x.jpg");
    const QByteArray boot = ThisBootId();
    const QByteArray machine = ThisMachine();
    const int endedPid = EndedProcess();
    const QString ended = TemporaryName(endedPid, 7, boot, machine);
    const QString lastBoot = TemporaryName(1, 2, QByteArray(36, 'f'), machine); // every process of it ended
    const QStringList kept {
        TemporaryName(1, 3, boot, machine), // the init process never ends
        TemporaryName(getpid(), 99, boot, machine),
        TemporaryName(endedPid, 4, boot, "estacao-2@" + machine.split('@').last()),
        TemporaryName(endedPid, 5, boot, machine.split('@').first() + "@1"), // another process id space
        TemporaryName(endedPid, 6, QByteArray(36, 'f'), "estacao-2@1"),
        QString(".quira-copy-%1-8").arg(endedPid), // no machine told: nobody's to remove
        ".quira-copy-x",
        TemporaryName(endedPid, 9, "short", machine),
    };
    for (const QString& name : kept + QStringList { ended, lastBoot })
        tree.File(Capa + "/" + name, "half a photo");
    tree.File(Album + "/" + ended, "half a photo"); // only the folders written are tidied

    for (const bool unnamed : { true, false }) {
        TTransferOptions options;
        options.UnnamedTemporaries = unnamed;
        const TTransferReport report = TransferPhotos(tree.Root(), { { Capa, { "x.jpg" } } }, options);
        EXPECT_NE(Find(report, 0, "x.jpg").Outcome, TPhotoOutcome::Failed);
    }
    QStringList left = kept + QStringList { "x.jpg" };
    left.sort();
    EXPECT_EQ(EntriesOf(tree.Path(Capa)), left);
    EXPECT_TRUE(tree.Exists(Album + "/" + ended));
}

TEST(HostileTree, ByBothKindsOfTemporaryFileTheCopiesAreWholeAndNothingIsLeft)
{
    for (const bool unnamed : { true, false }) {
        TPhotoTree tree;
        const QByteArray big(3 * 1024 * 1024 + 17, 'b');
        tree.File("a/big.jpg", big);
        tree.File("a/small.jpg", "small");
        TTransferOptions options;
        options.UnnamedTemporaries = unnamed;
        const TTransferReport report
            = TransferPhotos(tree.Root(), { { Capa, { "big.jpg", "small.jpg" } } }, options);
        EXPECT_EQ(report.Categories[0].Count(TPhotoOutcome::Copied), 2) << unnamed;
        EXPECT_EQ(tree.Read(Capa + "/big.jpg"), big);
        EXPECT_EQ(EntriesOf(tree.Path(Capa)), QStringList({ "big.jpg", "small.jpg" }));
    }
}

TEST(HostileTree, NamesWithNewlinesBackslashesFullLengthAndForeignBytesAreHandled)
{
    TPhotoTree tree;
    const QString longest = QString(251, u'n') + ".jpg"; // 255 bytes, the most a name may hold
    const QString tooLong = QString(252, u'n') + ".jpg";
    const QString accented = QString(125, u'é') + ".jpg"; // 254 bytes in UTF-8
    const QStringList names { "linha\nnova.jpg", "barra\\invertida.jpg", longest, accented, "tab\tx.jpg" };
    for (const QString& name : names)
        tree.File("a/" + name, name.toUtf8());
    // A folder and a file whose names are no UTF-8: the folder is walked by its bytes, the
    // file matches no chosen name and is left alone.
    const QByteArray foreignFolder = QFile::encodeName(tree.Root()) + "/\xff\xfe-latin1-\xe7";
    ASSERT_EQ(mkdir(foreignFolder.constData(), 0755), 0);
    WriteRaw(foreignFolder + "/f.jpg", "in a folder of foreign bytes");
    WriteRaw(foreignFolder + "/\xe7\xe3o.jpg", "foreign");

    const TTransferReport report = TransferPhotos(
        tree.Root(), { { Capa, names + QStringList({ tooLong, "f.jpg", "\uFFFD\uFFFDo.jpg" }) } });
    for (const QString& name : names) {
        EXPECT_EQ(Find(report, 0, name).Outcome, TPhotoOutcome::Copied) << name.toStdString();
        EXPECT_EQ(tree.Read(Capa + "/" + name), name.toUtf8());
    }
    EXPECT_EQ(Find(report, 0, tooLong).Outcome, TPhotoOutcome::Missing);
    EXPECT_EQ(Find(report, 0, "f.jpg").Outcome, TPhotoOutcome::Copied);
    EXPECT_EQ(tree.Read(Capa + "/f.jpg"), "in a folder of foreign bytes");
    EXPECT_EQ(Find(report, 0, "\uFFFD\uFFFDo.jpg").Outcome, TPhotoOutcome::Missing);
    EXPECT_EQ(EntriesOf(tree.Path(Capa)).size(), names.size() + 1);
}
