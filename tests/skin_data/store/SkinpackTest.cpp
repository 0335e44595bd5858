#include "SkinFixture.h"
#include "skin/data/vnSkinData/SkinContainer.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using namespace skintest;

namespace {

struct Result {
    int exitCode;
    QString error;
};

// The tool beside this test's build tree: tests/ and tools/ are siblings in it.
QString SkinpackPath() { return QCoreApplication::applicationDirPath() + "/../tools/skinpack"; }

Result Skinpack(const QStringList& args)
{
    QProcess process;
    process.start(SkinpackPath(), args);
    EXPECT_TRUE(process.waitForFinished(30000)) << process.errorString().toStdString();
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromUtf8(process.readAllStandardError()) };
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

} // namespace

TEST(Skinpack, PacksBlocksAndUnpacksWithTheLibrarysFormat)
{
    SkinFolder folder;
    folder.AddPicture("main.bmp", SolidImage(30, 20, qRgb(5, 6, 7)));
    const QString description = folder.WriteDescription(Description("picture=main.bmp"));
    const QByteArray container = *BuildSkinContainer(description);

    ASSERT_EQ(Skinpack({ "pack", description, folder.Path("skin.skn") }).exitCode, 0);
    TvnCompressedStoredSkin fromFile;
    fromFile.LoadCompressedFile(folder.Path("skin.skn"));
    EXPECT_EQ(fromFile.Decompress(), container);

    ASSERT_EQ(Skinpack({ "block", description, folder.Path("skin.block") }).exitCode, 0);
    EXPECT_EQ(FileBytes(folder.Path("skin.block")), fromFile.CompressedStream());

    ASSERT_EQ(Skinpack({ "unpack", folder.Path("skin.skn"), folder.Path("skin.bin") }).exitCode, 0);
    EXPECT_EQ(FileBytes(folder.Path("skin.bin")), container);
}

TEST(Skinpack, ReportsErrorsOnStandardErrorWithAFailingExit)
{
    SkinFolder folder;
    const QString notSkin = folder.WriteDescription("[VERSION]\r\nskinname=x\r\n");
    Result r = Skinpack({ "pack", notSkin, folder.Path("out.skn") });
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.error.contains("[SKINCONTROLS]")) << r.error.toStdString();
    EXPECT_FALSE(QFile::exists(folder.Path("out.skn")));

    const QString missingPicture = folder.WriteDescription(Description("picture=gone.bmp"));
    r = Skinpack({ "block", missingPicture, folder.Path("out.block") });
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.error.contains("gone.bmp")) << r.error.toStdString();

    QFile future(folder.Path("future.skn"));
    ASSERT_TRUE(future.open(QIODevice::WriteOnly));
    future.write(QByteArray("\4\0\0\0\1\0\0\0x", 9));
    future.close();
    r = Skinpack({ "unpack", future.fileName(), folder.Path("out.bin") });
    EXPECT_EQ(r.exitCode, 1);

    r = Skinpack({ "unpack", folder.Path("absent.skn"), folder.Path("out.bin") });
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.error.contains("absent.skn")) << r.error.toStdString();

    EXPECT_EQ(Skinpack({ "squash", notSkin, folder.Path("x") }).exitCode, 2);
    EXPECT_EQ(Skinpack({ "pack" }).exitCode, 2);
}
