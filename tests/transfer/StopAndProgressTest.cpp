// What a transfer tells while it runs, and what it leaves when it is stopped halfway.
#include "PhotoTree.h"
#include "app/transfer/Categories.h"
#include "app/transfer/PhotoTransfer.h"

#include <gtest/gtest.h>

namespace {

const QString Ampliacao = Categorias[0].Pasta.toString();
const QString Capa = Categorias[4].Pasta.toString();

using TStep = TTransferProgress::TStep;

// Two categories over a tree of three folders; "b.jpg" is chosen twice in the first.
struct TTwoCategories {
    TPhotoTree Tree;
    QList<TCategoryRequest> Requests { { Ampliacao, { "a.jpg", "b.jpg", "b.jpg", "c.jpg" } },
        { Capa, { "c.jpg", "d.jpg" } } };

    TTwoCategories()
    {
        for (const char* name : { "a.jpg", "b.jpg", "c.jpg", "d.jpg" })
            Tree.File(QStringLiteral("fotos/") + name);
        Tree.File("fotos/sub/other.jpg");
    }
};

} // namespace

TEST(TransferProgress, EveryFolderThenEveryPhotoOnceInOrderWithOneTotal)
{
    TTwoCategories setup;
    std::vector<TTransferProgress> told;
    TTransferOptions options;
    options.OnProgress = [&](const TTransferProgress& p) { told.push_back(p); };
    const TTransferReport report = TransferPhotos(setup.Tree.Root(), setup.Requests, options);

    std::vector<TTransferProgress> searching, copying;
    for (const TTransferProgress& p : told)
        (p.Step == TStep::Searching ? searching : copying).push_back(p);
    // Searching comes first and names each folder of the report once.
    ASSERT_FALSE(searching.empty());
    EXPECT_EQ(told.front().Step, TStep::Searching);
    EXPECT_EQ(told.back().Step, TStep::Copying);
    QStringList searched;
    for (size_t i = 0; i < searching.size(); ++i) {
        EXPECT_EQ(searching[i].Done, qsizetype(i));
        searched.append(searching[i].Name);
    }
    searched.sort();
    QStringList folders = report.Folders;
    folders.sort();
    EXPECT_EQ(searched, folders);

    // Copying: the duplicate name counts once, the totals agree with the report.
    const QStringList names { "a.jpg", "b.jpg", "c.jpg", "c.jpg", "d.jpg" };
    const qsizetype categories[] = { 0, 0, 0, 1, 1 };
    ASSERT_EQ(copying.size(), size_t(names.size()));
    for (size_t i = 0; i < copying.size(); ++i) {
        EXPECT_EQ(copying[i].Done, qsizetype(i));
        EXPECT_EQ(copying[i].Total, 5);
        EXPECT_EQ(copying[i].Name, names[qsizetype(i)]);
        EXPECT_EQ(copying[i].Category, categories[i]);
    }
    EXPECT_FALSE(report.Stopped);
    EXPECT_EQ(report.Categories[0].Count(TPhotoOutcome::Copied), 3);
    EXPECT_EQ(report.Categories[1].Count(TPhotoOutcome::Copied), 2);
}

TEST(TransferProgress, StoppedWhileCopyingKeepsWhatIsDoneAndASecondRunDoesTheRest)
{
    TTwoCategories setup;
    std::atomic<bool> stop = false;
    TTransferOptions options;
    options.Stop = &stop;
    // Asked for while the fourth photo (the first of Capa) is about to be looked for.
    options.OnProgress = [&](const TTransferProgress& p) {
        if (p.Step == TStep::Copying && p.Done == 3) stop = true;
    };
    const TTransferReport stopped = TransferPhotos(setup.Tree.Root(), setup.Requests, options);
    EXPECT_TRUE(stopped.Stopped);
    EXPECT_EQ(stopped.Categories[0].Count(TPhotoOutcome::Copied), 3);
    EXPECT_EQ(stopped.Categories[1].Count(TPhotoOutcome::NotDone), 2);
    EXPECT_EQ(EntriesOf(setup.Tree.Path(Capa)), QStringList()); // nothing begun, nothing left behind
    EXPECT_EQ(EntriesOf(setup.Tree.Path(Ampliacao)), QStringList({ "a.jpg", "b.jpg", "c.jpg" }));

    const TTransferReport again = TransferPhotos(setup.Tree.Root(), setup.Requests);
    EXPECT_FALSE(again.Stopped);
    EXPECT_EQ(again.Categories[0].Count(TPhotoOutcome::Present), 3);
    EXPECT_EQ(again.Categories[1].Count(TPhotoOutcome::Copied), 2);
    EXPECT_EQ(setup.Tree.Read(Capa + "/d.jpg"), setup.Tree.Read("fotos/d.jpg"));
}

TEST(TransferProgress, StoppedWhileSearchingCopiesNothingAndClaimsNothingMissing)
{
    TTwoCategories setup;
    std::atomic<bool> stop = false;
    TTransferOptions options;
    options.Stop = &stop;
    qsizetype copyingTold = 0;
    options.OnProgress = [&](const TTransferProgress& p) {
        if (p.Step == TStep::Searching && p.Done == 1) stop = true;
        if (p.Step == TStep::Copying) ++copyingTold;
    };
    const TTransferReport report = TransferPhotos(setup.Tree.Root(), setup.Requests, options);
    EXPECT_TRUE(report.Stopped);
    EXPECT_EQ(copyingTold, 0);
    for (const TCategoryResult& category : report.Categories) {
        EXPECT_EQ(category.Count(TPhotoOutcome::NotDone), category.Photos.size());
        EXPECT_EQ(EntriesOf(setup.Tree.Path(category.Pasta)), QStringList());
    }
}
