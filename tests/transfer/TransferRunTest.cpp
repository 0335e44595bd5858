// The developer's tool prints one line per photo and says by its exit status whether
// any photo failed.
#include "PhotoTree.h"

#include <QCoreApplication>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct TRun {
    int ExitCode;
    QStringList Lines;
};

TRun RunTool(const QStringList& arguments)
{
    QProcess tool;
    // Beside the test's own folder in the build tree, wherever the test is started from.
    tool.start(QCoreApplication::applicationDirPath() + "/../tools/transfer-run", arguments);
    EXPECT_TRUE(tool.waitForFinished(30000)) << tool.errorString().toStdString();
    return { tool.exitCode(),
        QString::fromUtf8(tool.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts) };
}

} // namespace

TEST(TransferRun, ReportsEveryPhotoOfEveryListInOrder)
{
    TPhotoTree tree;
    tree.File("s/a.jpg");
    tree.File("Edicao/Escolhidas_Capa/c.jpg");
    tree.File("../album.txt", "Edicao/Escolhidas_Album\r\nc.jpg\r\na.jpg\r\n");
    tree.File("../capa.txt", "Edicao/Escolhidas_Capa\nc.jpg\nnada.jpg\n");
    const QString album = tree.Outside() + "/album.txt";
    const QString capa = tree.Outside() + "/capa.txt";

    const TRun run = RunTool({ tree.Root(), album, capa });
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Lines,
        QStringList({
            "Edicao/Escolhidas_Album\tcopied\tc.jpg\t" + tree.Path("Edicao/Escolhidas_Capa/c.jpg"),
            "Edicao/Escolhidas_Album\tcopied\ta.jpg\t" + tree.Path("s/a.jpg"),
            "Edicao/Escolhidas_Capa\tpresent\tc.jpg\t" + tree.Path("Edicao/Escolhidas_Capa/c.jpg"),
            "Edicao/Escolhidas_Capa\tmissing\tnada.jpg\t",
        }));
}

TEST(TransferRun, FailuresSetTheExitStatusAndBadArgumentsAreRefused)
{
    TPhotoTree tree;
    EXPECT_EQ(RunTool({ tree.Root() }).ExitCode, 2);
    EXPECT_EQ(RunTool({ tree.Root(), tree.Outside() + "/no-such-list" }).ExitCode, 2);
    EXPECT_FALSE(tree.Exists("Edicao"));
    tree.File("../list.txt", "Edicao/Escolhidas_Capa\n../a.jpg\n");
    const TRun run = RunTool({ tree.Root(), tree.Outside() + "/list.txt" });
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Lines,
        QStringList(
            { "Edicao/Escolhidas_Capa\tfailed\t../a.jpg\to nome da foto não é um nome de arquivo simples" }));
}
