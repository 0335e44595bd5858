// The program's store holds the studio skin from the moment the data module exists,
// taken from the program itself.
#include "StudioSkinFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

using namespace studiotest;

namespace {

// The committed skin folder and the built tools, as the build knows them.
QString SkinFolder() { return QString::fromUtf8(QUIRA_STUDIO_SKIN_DIR); }
QString Tool(const char* name) { return QString::fromUtf8(QUIRA_TOOLS_DIR) + u'/' + QLatin1String(name); }

// The artwork is generated; an edit of the generator that was not run (or a hand edit
// of the folder) shows here.
void ExpectGeneratorPaints(const QString& folder, QStringList options)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QProcess generator;
    generator.start(Tool("skinart"), options << out.path());
    ASSERT_TRUE(generator.waitForFinished(60000)) << generator.errorString().toStdString();
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();

    const QDir committed(folder);
    const QStringList files = committed.entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files, QDir::Name), files);
    for (const QString& name : files) {
        QFile a(committed.filePath(name)), b(QDir(out.path()).filePath(name));
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_TRUE(a.readAll() == b.readAll()) << name.toStdString() << " differs from the generator's";
    }
}

} // namespace

TEST(EmbeddedSkin, IsLoadedWhenTheDataModuleIsCreated)
{
    const TvnSkinData& skin = ProgramSkin();
    ASSERT_FALSE(skin.Empty());
    EXPECT_FALSE(skin.SkinChanging());
    EXPECT_EQ(skin.MainPicture.size(), QSize(215, 149));
    EXPECT_EQ(skin.MainMask.size(), QSize(215, 149));
    EXPECT_TRUE(skin.InactiveMainPicture.isNull());
    EXPECT_EQ(skin.Pictures.size(), 18);
    for (int i = 0; i < skin.Pictures.size(); ++i)
        EXPECT_FALSE(skin.Pictures[i].isNull()) << "picture " << i;
}

TEST(EmbeddedSkin, ComesFromTheDeclaredDataNotFromAFile)
{
    const TDM& dm = ProgramDataModule();
    ASSERT_NE(dm.vnCompressed, nullptr);
    EXPECT_EQ(dm.vnSkinData1->CompressedStoredSkin(), dm.vnCompressed);
    // The file name is a label; no such file exists anywhere the program looks.
    EXPECT_EQ(dm.vnCompressed->CompressedFileName(), QStringLiteral("Marbleton.skn"));
    const QByteArray block = dm.vnCompressed->CompressedStream();
    ASSERT_GE(block.size(), 2);
    EXPECT_EQ(quint8(block[0]), 0x78); // one zlib stream at level 9
    EXPECT_EQ(quint8(block[1]), 0xDA);
}

TEST(EmbeddedSkin, IsTheCommittedSkinFolderAsThePackerPacksIt)
{
    // A stale build would embed an older skin than assets/skin holds.
    TvnCompressedStoredSkin fromFolder;
    ASSERT_TRUE(fromFolder.CompressFromIniFile(SkinFolder() + "/skin.ini"));
    EXPECT_EQ(fromFolder.Decompress(), ProgramDataModule().vnCompressed->Decompress());
}

TEST(EmbeddedSkin, TheCommittedFolderIsWhatTheGeneratorPaints)
{
    ExpectGeneratorPaints(SkinFolder(), {});
    ExpectGeneratorPaints(QString::fromUtf8(QUIRA_FEATURE_SKIN_DIR), { QStringLiteral("--feature") });
}

TEST(EmbeddedSkin, WindowShapeHasRoundedOuterCornersOnly)
{
    const QImage& mask = ProgramSkin().MainMask;
    const auto inWindow = [&](int x, int y) { return (mask.pixel(x, y) & 0xFFFFFF) == 0; };
    for (const QPoint corner : { QPoint(0, 0), QPoint(214, 0), QPoint(0, 148), QPoint(214, 148) })
        EXPECT_FALSE(inWindow(corner.x(), corner.y())) << corner.x() << "," << corner.y();
    // Along the edges, away from the corners, and all over the inside the window is solid.
    for (int x = 8; x < 207; ++x) {
        EXPECT_TRUE(inWindow(x, 0)) << x;
        EXPECT_TRUE(inWindow(x, 148)) << x;
    }
    for (int y = 8; y < 145; ++y) {
        EXPECT_TRUE(inWindow(0, y)) << y;
        EXPECT_TRUE(inWindow(214, y)) << y;
    }
    int holes = 0;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            holes += !inWindow(x, y);
    EXPECT_GT(holes, 4);
    EXPECT_LT(holes, 4 * 7 * 7); // no more than the four corner squares of the larger radius
}

TEST(EmbeddedSkin, ContactSheetToolDrawsTheProgramsSkin)
{
    QTemporaryDir out;
    const QString png = out.filePath("sheet/contact-sheet.png");
    QProcess sheet;
    sheet.start(Tool("skinsheet"), { png });
    ASSERT_TRUE(sheet.waitForFinished(120000)) << sheet.errorString().toStdString();
    ASSERT_EQ(sheet.exitCode(), 0) << sheet.readAllStandardError().toStdString();
    const QImage image(png);
    EXPECT_GT(image.width(), 1000);
    EXPECT_GT(image.height(), 2000);
}

TEST(EmbeddedSkin, PicturesAre24BitAndMasks1Bit)
{
    // As the container stores them: every look with 24 bits per pixel, every mask (the
    // window's, the popup's, the hint's and the glows') with 1 bit.
    const QDir folder(SkinFolder());
    const QStringList files = folder.entryList({ "*.bmp" }, QDir::Files);
    ASSERT_EQ(files.size(), 20); // main picture and mask, 18 numbered pictures
    for (const QString& name : files) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        ASSERT_GE(bytes.size(), 54) << name.toStdString();
        const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
        const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
        EXPECT_EQ(u32(2), quint32(bytes.size())) << name.toStdString() << ": total size field";
        EXPECT_EQ(u16(28), name.endsWith("mask.bmp") ? 1 : 24) << name.toStdString();
    }
}
