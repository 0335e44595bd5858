// The desktop's folders as the tree sees them: names in the file manager's order, the
// listing of one folder (hidden folders on request, no files, no zip), the way from the
// virtual root down to a folder, and the special folders of the Windows design.
#include "skin/controls/vnSkinShellCtrls/ShellFolder.h"

#include "FolderTree.h"

#include <QDir>
#include <QFileInfo>

using namespace vnshell;
using dlgtest::FolderTree;

namespace {

QStringList Names(const QStringList& paths)
{
    QStringList names;
    for (const QString& p : paths)
        names << QFileInfo(p).fileName();
    return names;
}

} // namespace

TEST(ShellFolder, NamesSortLikeTheFileManager)
{
    QStringList names { "Album 10", "album 3", "Album 2", "Zeta", "alfa", "Beta", "beta" };
    SortNames(names);
    EXPECT_EQ(names, QStringList({ "Album 2", "album 3", "Album 10", "alfa", "Beta", "beta", "Zeta" }));
    EXPECT_TRUE(NameLess("foto 9", "foto 10")) << "digits compare as numbers";
    EXPECT_FALSE(NameLess("foto 10", "foto 9"));
    EXPECT_TRUE(NameLess("Beta", "beta") != NameLess("beta", "Beta"))
        << "one order even for names equal but for case";
}

TEST(ShellFolder, ListingHoldsFoldersAndHiddenOnesOnRequest)
{
    FolderTree tree;
    tree.MakePhotos();
    bool ok = false;
    QStringList plain = Names(ListFolder(tree.Path("Fotos"), otFolders, &ok));
    EXPECT_TRUE(ok);
    SortNames(plain);
    EXPECT_EQ(plain,
        QStringList({ "Album 2", "album 3", "Album 10", "Eventos 2023", "Eventos 2024", "eventos antigos" }))
        << "no file, no zip, no hidden folder";
    QStringList hidden = Names(ListFolder(tree.Path("Fotos"), otFolders | otHidden, &ok));
    EXPECT_TRUE(hidden.contains(".miniaturas"));
    EXPECT_FALSE(hidden.contains("capa.jpg"));
    EXPECT_FALSE(IsFolder(tree.Path("Fotos/pacote.zip")));
    EXPECT_FALSE(IsFolder(tree.Path("Fotos/capa.jpg")));
    EXPECT_TRUE(IsFolder(tree.Path("Fotos/Album 2")));
    EXPECT_TRUE(HasSubItems(tree.Path("Fotos/Eventos 2024"), otFolders));
    EXPECT_FALSE(HasSubItems(tree.Path("Fotos/Eventos 2023"), otFolders));
    EXPECT_FALSE(HasSubItems(tree.Path("Fotos/.miniaturas/cache"), otFolders | otHidden));

    const QStringList gone = ListFolder(tree.Path("nao existe"), otFolders, &ok);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(gone.isEmpty());
}

TEST(ShellFolder, TheWayDownStartsAtTheNearestPlaceOfTheVirtualRoot)
{
    FolderTree tree;
    tree.MakePhotos();
    const QString target = tree.Path("Fotos/Eventos 2024/Formatura Medicina");
    // A temporary folder outside the home hangs from "/".
    const QStringList chain = ChainTo(QString(), target);
    ASSERT_FALSE(chain.isEmpty());
    if (!target.startsWith(QDir::homePath() + '/')) {
        EXPECT_EQ(chain.front(), "/");
    }
    EXPECT_EQ(chain.back(), target);
    for (int i = 1; i < chain.size(); ++i)
        EXPECT_EQ(QFileInfo(chain[i]).absolutePath(), QDir::cleanPath(chain[i - 1]))
            << "each step one folder down";
    // A folder of the home goes through the home.
    const QStringList home = ChainTo(QString(), QDir::homePath() + "/x/y");
    ASSERT_EQ(home.size(), 3);
    EXPECT_EQ(home[0], QDir::cleanPath(QDir::homePath()));
    // Rooted at a folder, the way starts below it; outside it there is none.
    EXPECT_EQ(ChainTo(tree.Path("Fotos"), target), QStringList({ tree.Path("Fotos/Eventos 2024"), target }));
    EXPECT_TRUE(ChainTo(tree.Path("Fotos"), "/usr").isEmpty());
    EXPECT_TRUE(ChainTo(tree.Path("Fotos"), tree.Path("Fotos")).isEmpty());
    EXPECT_TRUE(ChainTo(tree.Path("Fot"), target).isEmpty()) << "a name that only begins alike is no parent";
}

TEST(ShellFolder, VirtualRootAndSpecialFolders)
{
    const QStringList places = VirtualRootPaths();
    ASSERT_GE(places.size(), 2);
    EXPECT_EQ(places[0], QDir::cleanPath(QDir::homePath()));
    EXPECT_TRUE(places.contains("/"));
    EXPECT_EQ(DisplayName(places[0], true), "Home");
    EXPECT_EQ(DisplayName("/", true), "File System");
    EXPECT_EQ(DisplayName("/usr/share", false), "share");

    EXPECT_EQ(ResolveRoot("rfDesktop"), QString());
    EXPECT_EQ(ResolveRoot("rfMyComputer"), QString("/"));
    EXPECT_EQ(ResolveRoot("rfPersonal"), QDir::cleanPath(QDir::homePath()));
    EXPECT_FALSE(ResolveRoot("rfPrinters")) << "no Linux desktop folder of printers";
    EXPECT_FALSE(ResolveRoot("rfNaoExiste"));
    EXPECT_EQ(ResolveRoot("/usr/"), QString("/usr"));
    EXPECT_FALSE(ResolveRoot("relativo/pasta"));
    EXPECT_EQ(ParseFolderPath("~"), QDir::cleanPath(QDir::homePath()));
    EXPECT_FALSE(ParseFolderPath(""));
}
