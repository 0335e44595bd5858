// The transfer's outcome, photo by photo, on small trees built for each case.
#include "PhotoTree.h"
#include "app/transfer/Categories.h"
#include "app/transfer/FolderWalk.h"
#include "app/transfer/PhotoTransfer.h"

#include <QDir>
#include <QFileInfo>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pthread.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString Ampliacao = Categorias[0].Pasta.toString();
const QString Bioombo = Categorias[1].Pasta.toString();
const QString Album = Categorias[3].Pasta.toString();
const QString Capa = Categorias[4].Pasta.toString();

} // namespace

TEST(Transfer, CategoryTableHoldsTheFiveCategoriesInTabOrder)
{
    const qint32 ids[] = { 7, 8, 9, 5, 6 };
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Categorias[size_t(i)].TabIndex, i);
        EXPECT_EQ(Categorias[size_t(i)].IdLocal, ids[i]);
        EXPECT_EQ(CategoriaPorId(ids[i]), &Categorias[size_t(i)]);
    }
    EXPECT_EQ(Categorias[2].Pasta, u"Edicao/Escolhidas_Outos");
    EXPECT_EQ(CategoriaPorId(4), nullptr);
    EXPECT_EQ(CategoriaPorId(10), nullptr);
}

TEST(Transfer, FirstFolderInWalkOrderWinsAndTheRootComesLast)
{
    TPhotoTree tree;
    tree.File("x.jpg"); // the root: last, though it is the shallowest
    tree.File("b/x.jpg");
    tree.File("a/deep/er/x.jpg"); // "a" sorts before "b" and is walked with all below it first
    tree.File("y.jpg");
    tree.File("B/y.jpg", "upper"); // "B" and "b" tie without case: bytes decide, "B" first
    tree.File("b/y.jpg", "lower");

    const TTransferReport report = TransferPhotos(tree.Root(), { { Ampliacao, { "x.jpg", "y.jpg" } } });
    EXPECT_EQ(tree.Read(Ampliacao + "/x.jpg"), "a/deep/er/x.jpg");
    EXPECT_EQ(tree.Read(Ampliacao + "/y.jpg"), "upper");
    EXPECT_EQ(Find(report, 0, "x.jpg").Outcome, TPhotoOutcome::Copied);
    EXPECT_EQ(Find(report, 0, "x.jpg").Path, tree.Path("a/deep/er/x.jpg"));
    EXPECT_EQ(report.Folders.last(), tree.Root());
    EXPECT_EQ(report.RootPhotos, QStringList({ "x.jpg", "y.jpg" }));
}

TEST(Transfer, PhotoInTwoCategoriesReachesBothAndEarlierEditFoldersAreSources)
{
    TPhotoTree tree;
    tree.File("Z/x.jpg", "from Z");
    tree.File(Ampliacao + "/y.jpg", "kept Z"); // already there: neither replaced nor copied onto itself
    tree.File("Z/y.jpg", "from Z");

    const TTransferReport report = TransferPhotos(
        tree.Root(), { { Ampliacao, { "x.jpg", "y.jpg" } }, { Bioombo, { "x.jpg", "y.jpg" } } });
    EXPECT_EQ(Find(report, 0, "x.jpg").Outcome, TPhotoOutcome::Copied);
    EXPECT_EQ(Find(report, 0, "y.jpg").Outcome, TPhotoOutcome::Present);
    EXPECT_EQ(tree.Read(Ampliacao + "/y.jpg"), "kept Z");
    // "Edicao" sorts before "Z": the second category copies what the first put there.
    EXPECT_EQ(Find(report, 1, "x.jpg").Path, tree.Path(Ampliacao + "/x.jpg"));
    EXPECT_EQ(tree.Read(Bioombo + "/x.jpg"), "from Z");
    EXPECT_EQ(tree.Read(Bioombo + "/y.jpg"), "kept Z");
}

TEST(Transfer, NamesMatchExactlyWhileTheListingIgnoresCase)
{
    TPhotoTree tree;
    tree.File("s/IMG_1.JPG");
    tree.File("s/img_2.Jpg");
    tree.File("s/img_3.jpeg");
    tree.File("s/img_4.png");
    tree.File("s/ img_5.jpg");

    const QStringList chosen { "IMG_1.jpg", "img_1.JPG", "IMG_1.JPG", "img_2.Jpg", "img_3.jpeg", "img_4.png",
        "img_5.jpg", " img_5.jpg" };
    const TTransferReport report = TransferPhotos(tree.Root(), { { Capa, chosen } });
    QStringList copied;
    for (const TPhotoResult& photo : report.Categories[0].Photos)
        if (photo.Outcome == TPhotoOutcome::Copied)
            copied << photo.Name;
        else
            EXPECT_EQ(photo.Outcome, TPhotoOutcome::Missing) << photo.Name.toStdString();
    EXPECT_EQ(copied, QStringList({ "IMG_1.JPG", "img_2.Jpg", " img_5.jpg" }));
    EXPECT_EQ(EntriesOf(tree.Path(Capa)), QStringList({ " img_5.jpg", "IMG_1.JPG", "img_2.Jpg" }));
}

TEST(Transfer, HiddenFoldersHiddenFilesAndEverythingBelowThemAreNotSearched)
{
    TPhotoTree tree;
    tree.File(".cache/a.jpg");
    tree.File(".cache/deep/b.jpg");
    tree.File("s/.c.jpg");
    tree.File("s/.hidden/d.jpg");
    tree.File("s/e.jpg");
    tree.Folder("s/f.jpg"); // a folder with a photo's name is no photo

    const TTransferReport report = TransferPhotos(
        tree.Root(), { { Album, { "a.jpg", "b.jpg", ".c.jpg", "d.jpg", "e.jpg", "f.jpg" } } });
    EXPECT_EQ(report.Categories[0].Count(TPhotoOutcome::Missing), 5);
    EXPECT_EQ(Find(report, 0, "e.jpg").Outcome, TPhotoOutcome::Copied);
    EXPECT_EQ(EntriesOf(tree.Path(Album)), QStringList({ "e.jpg" }));
    for (const QString& folder : report.Folders)
        EXPECT_FALSE(folder.contains("/.")) << folder.toStdString();
}

TEST(Transfer, OwnEditFolderIsSkippedWhileTheOthersAndEdicaoAreSearched)
{
    TPhotoTree tree;
    tree.File(Capa + "/c.jpg", "capa");
    tree.File("Edicao/e.jpg", "edicao");

    const TTransferReport report
        = TransferPhotos(tree.Root(), { { Album, { "c.jpg", "e.jpg" } }, { Capa, { "c.jpg", "e.jpg" } } });
    EXPECT_EQ(Find(report, 0, "c.jpg").Path, tree.Path(Capa + "/c.jpg"));
    EXPECT_EQ(tree.Read(Album + "/c.jpg"), "capa");
    EXPECT_EQ(tree.Read(Album + "/e.jpg"), "edicao");
    EXPECT_EQ(Find(report, 1, "c.jpg").Outcome, TPhotoOutcome::Present);
    EXPECT_EQ(Find(report, 1, "c.jpg").Path, tree.Path(Capa + "/c.jpg"));
    // "Edicao" itself is walked before the edit folders below it, the album's among them.
    EXPECT_EQ(Find(report, 1, "e.jpg").Path, tree.Path("Edicao/e.jpg"));
    EXPECT_EQ(tree.Read(Capa + "/c.jpg"), "capa");
}

TEST(Transfer, EveryCategoryGetsItsFolderEvenWithNothingToCopy)
{
    TPhotoTree tree;
    const TTransferReport report = TransferPhotos(tree.Root(), { { Bioombo, {} }, { Capa, { "none.jpg" } } });
    EXPECT_TRUE(QFileInfo(tree.Path(Bioombo)).isDir());
    EXPECT_TRUE(QFileInfo(tree.Path(Capa)).isDir());
    EXPECT_TRUE(report.Categories[0].Photos.isEmpty());
    EXPECT_EQ(Find(report, 1, "none.jpg").Outcome, TPhotoOutcome::Missing);
    // The edit folders are part of the tree the transfer walked.
    EXPECT_TRUE(report.Folders.contains(tree.Path(Bioombo)));
    EXPECT_EQ(report.Folders.last(), tree.Root());
}

TEST(Transfer, ARootThatDoesNotExistYetIsCreatedWithTheEditFolder)
{
    TPhotoTree tree;
    const QString root = tree.Path("new/event");
    TransferPhotos(root, { { Capa, { "a.jpg" } } });
    EXPECT_TRUE(QFileInfo(root + "/" + Capa).isDir());
}

TEST(Transfer, NamesThatAreNoPlainFileNamesReachNothingOutside)
{
    TPhotoTree tree;
    QDir().mkpath(tree.Outside() + "/Edicao/Escolhidas_Capa");
    tree.File("../x.jpg", "outside");
    tree.File("a/x.jpg", "inside");
    tree.File("Edicao/x.jpg", "edicao");
    const auto outsideBefore = Snapshot(tree.Outside() + "/Edicao");

    const QStringList chosen { "../x.jpg", "a/x.jpg", "", ".", "..", "../../fotos/a/x.jpg",
        QString("x.jpg") + QChar(0) + "/../..", "../Escolhidas_Capa/x.jpg" };
    const TTransferReport report = TransferPhotos(tree.Root(), { { Capa, chosen } });
    ASSERT_EQ(report.Categories[0].Photos.size(), chosen.size());
    for (const TPhotoResult& photo : report.Categories[0].Photos)
        EXPECT_EQ(photo.Outcome, TPhotoOutcome::Failed) << photo.Name.toStdString();
    EXPECT_TRUE(EntriesOf(tree.Path(Capa)).isEmpty());
    EXPECT_EQ(Snapshot(tree.Outside() + "/Edicao"), outsideBefore);
    EXPECT_EQ(EntriesOf(tree.Outside()), QStringList({ "Edicao", "fotos", "x.jpg" }));
    EXPECT_EQ(tree.Read("../x.jpg"), "outside");
    EXPECT_EQ(tree.Read("Edicao/x.jpg"), "edicao");
}

TEST(Transfer, ANameChosenTwiceIsOnePhoto)
{
    TPhotoTree tree;
    tree.File("a/x.jpg");
    const TTransferReport report = TransferPhotos(tree.Root(), { { Capa, { "x.jpg", "y.jpg", "x.jpg" } } });
    ASSERT_EQ(report.Categories[0].Photos.size(), 2);
    EXPECT_EQ(report.Categories[0].Photos[0].Outcome, TPhotoOutcome::Copied);
    EXPECT_EQ(report.Categories[0].Photos[1].Outcome, TPhotoOutcome::Missing);
}

TEST(Transfer, AnEditFolderThatCannotBeMadeFailsItsPhotosOnly)
{
    TPhotoTree tree;
    tree.File("Edicao", "a file where the folder should be");
    tree.File("a/x.jpg");
    const TTransferReport report = TransferPhotos(tree.Root(), { { Capa, { "x.jpg", "y.jpg" } } });
    const TPhotoResult& x = Find(report, 0, "x.jpg");
    EXPECT_EQ(x.Outcome, TPhotoOutcome::Failed);
    EXPECT_TRUE(x.Reason.startsWith(tree.Path(Capa) + ": ")) << x.Reason.toStdString();
    // Nothing can be there: the category failed, not its photos went missing.
    EXPECT_EQ(Find(report, 0, "y.jpg").Outcome, TPhotoOutcome::Failed);
    EXPECT_EQ(report.Categories[0].Error, x.Reason);
    EXPECT_EQ(tree.Read("Edicao"), "a file where the folder should be");
}

TEST(Transfer, ARepeatedTransferCopiesOnlyWhatIsMissing)
{
    TPhotoTree tree;
    tree.File("a/x.jpg", "first");
    TransferPhotos(tree.Root(), { { Capa, { "x.jpg", "y.jpg" } } });
    tree.File("a/x.jpg", "later"); // edited since, to the same size: the copy there stays
    tree.File("b/y.jpg", "new");
    const TTransferReport again = TransferPhotos(tree.Root(), { { Capa, { "x.jpg", "y.jpg" } } });
    EXPECT_EQ(Find(again, 0, "x.jpg").Outcome, TPhotoOutcome::Present);
    EXPECT_EQ(Find(again, 0, "y.jpg").Outcome, TPhotoOutcome::Copied);
    EXPECT_EQ(tree.Read(Capa + "/x.jpg"), "first");
    EXPECT_EQ(tree.Read(Capa + "/y.jpg"), "new");
}

// Whatever else stands under a chosen name is neither replaced nor taken for the photo:
// the clerk reads why, and the transfer does not end as a success.
TEST(Transfer, OnlyARegularFileOfTheSourcesSizeCountsAsThere)
{
    TPhotoTree tree;
    for (const char* name : { "same.jpg", "empty.jpg", "longer.jpg", "folder.jpg", "pipe.jpg", "lonely.jpg" })
        tree.File(QString("fotos/") + name, "the photo");
    tree.File(Capa + "/same.jpg", "its copy!"); // another content of the same size: kept and counted
    tree.File(Capa + "/empty.jpg", "");
    tree.File(Capa + "/longer.jpg", "the photo, longer");
    tree.Folder(Capa + "/folder.jpg");
    ASSERT_EQ(mkfifo(QFile::encodeName(tree.Path(Capa + "/pipe.jpg")).constData(), 0644), 0);
    tree.File(Capa + "/orphan.jpg", ""); // no source anywhere, and nothing in it

    const TTransferReport report = TransferPhotos(tree.Root(),
        { { Capa, { "same.jpg", "empty.jpg", "longer.jpg", "folder.jpg", "pipe.jpg", "orphan.jpg" } } });
    EXPECT_EQ(Find(report, 0, "same.jpg").Outcome, TPhotoOutcome::Present);
    for (const char* name : { "empty.jpg", "longer.jpg", "orphan.jpg" }) {
        const TPhotoResult& photo = Find(report, 0, name);
        EXPECT_EQ(photo.Outcome, TPhotoOutcome::Failed) << name;
        EXPECT_TRUE(
            photo.Reason.startsWith(QString::fromUtf8("já existe um arquivo diferente com este nome")))
            << photo.Reason.toStdString();
    }
    EXPECT_TRUE(Find(report, 0, "folder.jpg").Reason.contains("uma pasta com este nome"));
    EXPECT_TRUE(Find(report, 0, "pipe.jpg").Reason.contains(QString::fromUtf8("não é um arquivo comum")));
    EXPECT_EQ(Find(report, 0, "pipe.jpg").Outcome, TPhotoOutcome::Failed);
    EXPECT_EQ(tree.Read(Capa + "/same.jpg"), "its copy!");
    EXPECT_EQ(tree.Read(Capa + "/empty.jpg"), "");
    EXPECT_EQ(tree.Read(Capa + "/longer.jpg"), "the photo, longer");
    EXPECT_TRUE(QFileInfo(tree.Path(Capa + "/folder.jpg")).isDir());
}

// The walk keeps its own stack: a tree far deeper than a thread's stack could recurse
// into is walked whole, holding only a few folders open on the way down.
TEST(Transfer, AVeryDeepTreeIsWalkedWhole)
{
    TPhotoTree tree;
    constexpr int kDepth = 1500;
    {
        int parent = open(QFile::encodeName(tree.Root()).constData(), O_RDONLY | O_DIRECTORY);
        ASSERT_GE(parent, 0);
        for (int i = 0; i < kDepth; ++i) {
            ASSERT_EQ(mkdirat(parent, "d", 0755), 0);
            const int next = openat(parent, "d", O_RDONLY | O_DIRECTORY);
            close(parent);
            ASSERT_GE(next, 0);
            parent = next;
        }
        const int photo = openat(parent, "deep.jpg", O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(photo, 0);
        close(photo);
        close(parent);
    }
    // A small stack and few descriptors: a recursive walk would overflow the one, a walk
    // holding every level open would run out of the other.
    struct TRun {
        QByteArray Root;
        TFolderWalk Walk;
        std::vector<qsizetype> PhotoFolders;
    } run { QFile::encodeName(tree.Root()), {}, {} };
    const auto walk = [](void* p) -> void* {
        auto* r = static_cast<TRun*>(p);
        r->Walk = WalkFolders(
            r->Root, [r](qsizetype folder, std::string_view) { r->PhotoFolders.push_back(folder); });
        return nullptr;
    };
    struct rlimit before;
    getrlimit(RLIMIT_NOFILE, &before);
    struct rlimit few = before;
    few.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &few), 0);
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, 128 * 1024);
    pthread_t thread;
    ASSERT_EQ(pthread_create(&thread, &attributes, walk, &run), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
    setrlimit(RLIMIT_NOFILE, &before);

    EXPECT_EQ(run.Walk.Folders.size(), kDepth + 1);
    EXPECT_EQ(run.Walk.UnreadableFolders, 0);
    ASSERT_EQ(run.PhotoFolders.size(), 1u);
    EXPECT_EQ(run.PhotoFolders.front(), kDepth - 1); // the deepest folder, the root last
    EXPECT_EQ(run.Walk.Folders.last().Path, run.Root);
    // Too deep for the temporary folder's removal by path: the chain is lifted one level
    // at a time and its top removed.
    const QByteArray top = QFile::encodeName(tree.Path("d"));
    const QByteArray below = top + "/d", lifted = top + ".up";
    while (rename(below.constData(), lifted.constData()) == 0 && rmdir(top.constData()) == 0
        && rename(lifted.constData(), top.constData()) == 0) { }
    QDir().rmdir(tree.Path("d"));
}
