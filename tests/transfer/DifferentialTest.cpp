// The engine against the plain per-category transfer on many generated trees: the same
// files with the same bytes must end up everywhere below the root.
#include "PhotoTree.h"
#include "ReferenceTransfer.h"
#include "app/transfer/Categories.h"
#include "app/transfer/PhotoTransfer.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <random>

namespace {

// Few names, so that photos of one name lie in several folders; case variants, other
// extensions, hidden files and names that are no file names at all.
const QStringList PhotoNames { "a.jpg", "A.jpg", "a.JPG", "b.jpg", "c.Jpg", "d.jpg", "e.jpeg", "f.png",
    "img 1.jpg", "foto-ç.jpg", "Foto-Ç.jpg", ".h.jpg", "g.jpg", "h.jpg" };
const QStringList ChosenOnly { "", "..", "../a.jpg", "s/a.jpg", "missing.jpg" };
const QStringList FolderNames { "a", "A", "b", "B", "c", "sessão", "Sessão", "x y", ".hidden", "Edicao", "z",
    "Escolhidas_Capa", "Escolhidas_Album" };

class TGenerator {
public:
    explicit TGenerator(unsigned seed)
        : m_random(seed)
    {
    }

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool Chance(int percent) { return Below(100) < percent; }
    template <typename T> const T& Pick(const QList<T>& list) { return list[Below(int(list.size()))]; }

    // The same seed builds the same tree, so two roots can be built alike.
    void BuildTree(TPhotoTree& tree)
    {
        QStringList folders { "" };
        Fill(tree, "", 0, folders);
        // Edit folders that exist before the transfer, some with photos.
        for (const TCategoria& category : Categorias) {
            if (!Chance(30)) continue;
            const QString pasta = category.Pasta.toString();
            if (tree.Exists(pasta)) continue;
            tree.Folder(pasta);
            folders << pasta;
            for (int i = Below(3); i > 0; --i)
                tree.File(pasta + "/" + Pick(PhotoNames), Content());
        }
        if (Chance(40)) {
            // One link to a folder that is not above it, so that no loop arises.
            const QString target = Pick(folders);
            const QString at = Pick(folders);
            if (!target.isEmpty() && !(at + "/").startsWith(target + "/"))
                tree.Link(Join(at, "link"), QDir(tree.Path(at)).relativeFilePath(tree.Path(target)));
        }
        const QString photoFolder = Join(Pick(folders), Pick(PhotoNames)); // a folder named like a photo
        if (Chance(20) && !tree.Exists(photoFolder)) tree.Folder(photoFolder);
    }

    QList<TCategoryRequest> Categories()
    {
        QList<TCategoryRequest> categories;
        for (const TCategoria& category : Categorias) {
            if (!Chance(60)) continue;
            TCategoryRequest request { category.Pasta.toString(), {} };
            for (int i = Below(8); i > 0; --i)
                request.Names << (Chance(85) ? Pick(PhotoNames) : Pick(ChosenOnly));
            categories << request;
        }
        if (Chance(20)) std::shuffle(categories.begin(), categories.end(), m_random);
        return categories;
    }

private:
    static QString Join(const QString& folder, const QString& name)
    {
        return folder.isEmpty() ? name : folder + "/" + name;
    }

    QByteArray Content() { return "photo " + QByteArray::number(m_next++); }

    void Fill(TPhotoTree& tree, const QString& folder, int depth, QStringList& folders)
    {
        for (int i = Below(4); i > 0; --i)
            tree.File(Join(folder, Pick(PhotoNames)), Content());
        if (depth == 3) return;
        for (int i = Below(depth == 0 ? 5 : 4); i > 0; --i) {
            const QString sub = Join(folder, Pick(FolderNames));
            if (tree.Exists(sub)) continue;
            tree.Folder(sub);
            folders << sub;
            Fill(tree, sub, depth + 1, folders);
        }
    }

    std::mt19937 m_random;
    int m_next = 0;
};

} // namespace

TEST(TransferDifferential, SameFilesAsThePlainTransferOnGeneratedTrees)
{
    for (unsigned seed = 1; seed <= 200; ++seed) {
        TPhotoTree expected;
        TPhotoTree actual;
        TGenerator forExpected(seed);
        TGenerator forActual(seed);
        forExpected.BuildTree(expected);
        forActual.BuildTree(actual);
        ASSERT_TRUE(Snapshot(expected.Root()) == Snapshot(actual.Root())) << "seed " << seed;
        const QList<TCategoryRequest> categories = forExpected.Categories();

        ReferenceTransfer(expected.Root(), categories);
        TransferPhotos(actual.Root(), categories);
        const auto want = Snapshot(expected.Root());
        const auto got = Snapshot(actual.Root());
        if (want == got) continue;
        for (auto it = want.begin(); it != want.end(); ++it)
            EXPECT_EQ(got.value(it.key(), "<absent>").toStdString(), it.value().toStdString())
                << it.key().toStdString();
        for (auto it = got.begin(); it != got.end(); ++it)
            EXPECT_TRUE(want.contains(it.key())) << "extra " << it.key().toStdString();
        FAIL() << "seed " << seed;
    }
}
