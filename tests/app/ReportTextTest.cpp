// The transfer's account at the end: when the plain success message is right, what the
// report says, and saving it without ever replacing an earlier one.
#include "app/uRelatorio/ReportText.h"

#include "app/transfer/SystemErrors.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TCategoryResult Category(
    const char* pasta, std::initializer_list<std::pair<const char*, TPhotoOutcome>> photos)
{
    TCategoryResult c;
    c.Pasta = QString::fromUtf8(pasta);
    for (const auto& [name, outcome] : photos)
        c.Photos.append({ QString::fromUtf8(name), outcome, {}, {} });
    return c;
}

TReportInput Input(QList<TCategoryResult> categories)
{
    TReportInput input;
    input.Root = QStringLiteral("/fotos/evento");
    input.Report.Categories = std::move(categories);
    for (const TCategoryResult& c : input.Report.Categories)
        input.Captions.append(c.Pasta.section(u'_', 1));
    return input;
}

TEST(TransferAccount, OnlyCopiedOrPresentPhotosEverywhereCountAsComplete)
{
    using O = TPhotoOutcome;
    EXPECT_TRUE(TransferComplete(Input({ Category("Edicao/Escolhidas_Capa", { { "a.jpg", O::Copied } }),
        Category("Edicao/Escolhidas_Album", { { "b.jpg", O::Present } }) })));
    // A category without chosen photos is complete too.
    EXPECT_TRUE(TransferComplete(Input({ Category("Edicao/Escolhidas_Capa", {}) })));
    for (O bad : { O::Missing, O::Failed, O::NotDone })
        EXPECT_FALSE(TransferComplete(Input({ Category("Edicao/Escolhidas_Capa", { { "a.jpg", O::Copied } }),
            Category("Edicao/Escolhidas_Album", { { "b.jpg", bad } }) })))
            << static_cast<int>(bad);

    TReportInput folderFailed = Input({ Category("Edicao/Escolhidas_Capa", {}) });
    folderFailed.Report.Categories[0].Error = QStringLiteral("permissão negada");
    EXPECT_FALSE(TransferComplete(folderFailed));
    TReportInput stopped = Input({ Category("Edicao/Escolhidas_Capa", {}) });
    stopped.Report.Stopped = true;
    EXPECT_FALSE(TransferComplete(stopped));
    TReportInput dbFailed = Input({ Category("Edicao/Escolhidas_Capa", {}) });
    dbFailed.LoadError = QStringLiteral("Lost connection");
    EXPECT_FALSE(TransferComplete(dbFailed));
}

TEST(TransferAccount, TheReportCountsEachOutcomeAndNamesWhatIsMissingOrFailed)
{
    using O = TPhotoOutcome;
    TReportInput input
        = Input({ Category("Edicao/Escolhidas_Ampliacao",
                      { { "DSC_1.jpg", O::Copied }, { "DSC_2.jpg", O::Present }, { "DSC_3.jpg", O::Missing },
                          { "DSC_4.jpg", O::Failed }, { "DSC_5.jpg", O::Copied } }),
            Category("Edicao/Escolhidas_Capa", { { "Capa.jpg", O::NotDone } }) });
    input.Report.Categories[0].Photos[3].Reason = SystemErrorText(ENOSPC);
    input.Report.Stopped = true;
    input.NotReached = QStringLiteral("Álbum");
    const QStringList lines = ReportLines(input);
    const QString text = lines.join(u'\n');
    EXPECT_TRUE(
        text.contains(QString::fromUtf8("Copiadas: 2   Já existiam: 1   Não encontradas: 1   Com erro: 1")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8("    DSC_4.jpg — não há espaço livre no disco")));
    EXPECT_TRUE(text.contains(QString::fromUtf8("Não transferidas (cancelado): 1")));
    EXPECT_TRUE(text.contains(QString::fromUtf8("cancelada")));
    EXPECT_TRUE(text.contains(QString::fromUtf8("Categorias não transferidas: Álbum")));
    // The missing name is listed under its heading, and the copied ones are not listed.
    const qsizetype heading = lines.indexOf(QString::fromUtf8("  Fotos não encontradas:"));
    ASSERT_GE(heading, 0);
    EXPECT_EQ(lines.at(heading + 1), "    DSC_3.jpg");
    EXPECT_FALSE(text.contains("DSC_1.jpg"));
}

TEST(TransferAccount, SavingNeverReplacesAnEarlierReport)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QDateTime when(QDate(2026, 12, 9), QTime(14, 5, 7));
    QString error;
    const QString first = SaveReport(root.path(), { "um", "dois" }, when, &error);
    const QString second = SaveReport(root.path(), { "três" }, when, &error);
    ASSERT_FALSE(first.isEmpty()) << error.toStdString();
    ASSERT_FALSE(second.isEmpty()) << error.toStdString();
    EXPECT_EQ(QFileInfo(first).fileName(), "Relatorio_Transferencia_20261209_140507.txt");
    EXPECT_EQ(QFileInfo(second).fileName(), "Relatorio_Transferencia_20261209_140507_2.txt");
    EXPECT_EQ(QFileInfo(first).dir().dirName(), "Edicao");
    QFile a(first), b(second);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), "um\ndois\n");
    EXPECT_EQ(QString::fromUtf8(b.readAll()), QString::fromUtf8("três\n"));
}

TEST(TransferAccount, AReportThatCannotBeWrittenSaysWhyAndLeavesNoFile)
{
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkdir("Edicao"));
    const QString edicao = QDir(root.path()).filePath("Edicao");
    ASSERT_EQ(chmod(QFile::encodeName(edicao).constData(), 0555), 0);
    QString error;
    EXPECT_TRUE(SaveReport(root.path(), { "x" }, QDateTime::currentDateTime(), &error).isEmpty());
    EXPECT_EQ(error, SystemErrorText(EACCES));
    EXPECT_TRUE(QDir(edicao).entryList(QDir::Files).isEmpty());
    chmod(QFile::encodeName(edicao).constData(), 0755);
}

TEST(TransferAccount, TheCommonFailuresReadInPortuguese)
{
    EXPECT_EQ(SystemErrorText(ENOSPC), QString::fromUtf8("não há espaço livre no disco"));
    EXPECT_EQ(SystemErrorText(EACCES), QString::fromUtf8("permissão negada"));
    EXPECT_EQ(SystemErrorText(EROFS), QString::fromUtf8("o disco é somente leitura"));
    // A rare one still reads in Portuguese, with the number for whoever helps.
    EXPECT_TRUE(SystemErrorText(EPROTO).startsWith(QString::fromUtf8("erro do sistema nº %1 (").arg(EPROTO)));
}

// "Edicao" is opened below the root without following a link, as the transfer opens the
// edit folders; whatever stops the save is told as it is, not as a permission.
TEST(TransferAccount, AReportIsNeverWrittenThroughALinkAndTellsTheRealReason)
{
    QTemporaryDir root, outside;
    ASSERT_EQ(symlink(QFile::encodeName(outside.path()).constData(),
                  QFile::encodeName(QDir(root.path()).filePath("Edicao")).constData()),
        0);
    QString error;
    EXPECT_TRUE(SaveReport(root.path(), { "x" }, QDateTime::currentDateTime(), &error).isEmpty());
    EXPECT_TRUE(error.contains(QString::fromUtf8("link simbólico"))) << error.toStdString();
    EXPECT_TRUE(QDir(outside.path()).entryList(QDir::Files).isEmpty());

    QTemporaryDir fileRoot;
    QFile edicao(QDir(fileRoot.path()).filePath("Edicao"));
    ASSERT_TRUE(edicao.open(QIODevice::WriteOnly));
    edicao.close();
    EXPECT_TRUE(SaveReport(fileRoot.path(), { "x" }, QDateTime::currentDateTime(), &error).isEmpty());
    EXPECT_TRUE(error.endsWith(SystemErrorText(ENOTDIR))) << error.toStdString();

    EXPECT_TRUE(SaveReport(edicao.fileName(), { "x" }, QDateTime::currentDateTime(), &error).isEmpty());
    EXPECT_TRUE(error.endsWith(SystemErrorText(ENOTDIR))) << error.toStdString();
}

} // namespace
