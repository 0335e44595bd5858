// The folder tree on real folders: filled when opened, in the file manager's order, with
// hidden folders; a folder that cannot be read opens to nothing; SetPath opens the way
// down; a refresh keeps what was open; new folders and renames change the disk; the
// keyboard selects by first letters; the skinned bars follow the tree.
#include "FolderTree.h"
#include "framework/Exception.h"
#include "framework/Form.h"
#include "platform/Keys.h"
#include "skin/controls/vnSkinCtrls/Panel.h"
#include "skin/controls/vnSkinCtrls/ScrollBar.h"
#include "skin/controls/vnSkinShellCtrls/DirTreeView.h"
#include "skin/controls/vnSkinShellCtrls/ToolControls.h"
#include "skin/menus/vnSkinMenus/SkinPopupMenu.h"
#include "studio_skin/StudioSkinFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <unistd.h>

using dlgtest::FolderTree;
using namespace vnshell;

namespace {

struct TreeForm {
    TForm form;
    TvnSkinDirTreeView* tree = new TvnSkinDirTreeView(&form);
    explicit TreeForm(const QString& root = QString())
    {
        form.SetBounds(80, 80, 320, 300);
        tree->SetParent(form.ClientWidget());
        tree->SetBounds(0, 0, 300, 280);
        if (!root.isEmpty()) tree->SetRoot(root);
        tree->SetObjectTypes(otFolders | otHidden);
        form.Show();
    }
    QStringList ChildTexts(TTreeNode* node) const
    {
        QStringList texts;
        for (int i = 0; i < node->Count(); ++i)
            texts << node->Item(i)->Text();
        return texts;
    }
    TTreeNode* Child(TTreeNode* node, const QString& text) const
    {
        for (int i = 0; i < node->Count(); ++i)
            if (node->Item(i)->Text() == text) return node->Item(i);
        return nullptr;
    }
};

} // namespace

TEST(DirTree, FoldersAreReadWhenOpenedAndSortedWithHiddenOnes)
{
    FolderTree photos;
    photos.MakePhotos();
    TreeForm t(photos.Path("Fotos"));
    TTreeNode* root = t.tree->RootNode();
    ASSERT_TRUE(root);
    EXPECT_EQ(root->Text(), "Fotos");
    EXPECT_TRUE(root->Expanded());
    EXPECT_EQ(t.tree->Selected(), root);
    EXPECT_EQ(t.ChildTexts(root),
        QStringList({ ".miniaturas", "Album 2", "album 3", "Album 10", "Eventos 2023", "Eventos 2024",
            "eventos antigos" }));
    TTreeNode* eventos = t.Child(root, "Eventos 2024");
    ASSERT_TRUE(eventos);
    EXPECT_TRUE(eventos->HasChildren());
    EXPECT_EQ(eventos->Count(), 0) << "not read before it is opened";
    EXPECT_FALSE(t.Child(root, "Eventos 2023")->HasChildren()) << "an empty folder shows no expander";
    t.tree->SetNodeExpanded(eventos, true);
    EXPECT_EQ(t.ChildTexts(eventos), QStringList({ "Casamento Ana e Rui", "Formatura Medicina" }));
    EXPECT_EQ(t.tree->PathOf(eventos->Item(0)), photos.Path("Fotos/Eventos 2024/Casamento Ana e Rui"));
    EXPECT_FALSE(root->Icon().isNull()) << "folders carry the desktop's folder icon";

    // Without hidden folders asked for, the hidden one is left out.
    t.tree->SetObjectTypes(otFolders);
    EXPECT_FALSE(t.ChildTexts(t.tree->RootNode()).contains(".miniaturas"));

    // A folder refused by OnAddFolder gets no node.
    t.tree->OnAddFolder = [](QObject*, const QString& path, bool& add) { add = !path.endsWith("Album 10"); };
    t.tree->CreateRoot();
    EXPECT_FALSE(t.ChildTexts(t.tree->RootNode()).contains("Album 10"));
}

TEST(DirTree, AFolderThatCannotBeReadOpensToNothing)
{
    FolderTree photos;
    photos.MakePhotos();
    const QString locked = photos.Folder("Fotos/Trancada/dentro");
    const QString lockedDir = photos.Path("Fotos/Trancada");
    TreeForm t(photos.Path("Fotos"));

    // A folder removed after it was listed: its listing fails.
    const QString gone = photos.Folder("Fotos/Sumiu/filha");
    t.tree->RefreshNode(t.tree->RootNode());
    TTreeNode* vanished = t.Child(t.tree->RootNode(), "Sumiu");
    ASSERT_TRUE(vanished && vanished->HasChildren());
    ASSERT_TRUE(QDir(photos.Path("Fotos/Sumiu")).removeRecursively());
    EXPECT_NO_THROW(t.tree->SetNodeExpanded(vanished, true));
    EXPECT_EQ(vanished->Count(), 0);
    EXPECT_FALSE(vanished->HasChildren()) << "the expander goes once nothing came of opening it";

    // A folder whose mode lets nobody read it.
    TTreeNode* node = t.Child(t.tree->RootNode(), "Trancada");
    ASSERT_TRUE(node);
    ASSERT_TRUE(QFile::setPermissions(lockedDir, QFileDevice::Permissions()));
    // Root reads any folder whatever its mode: the listing is then done as nobody, as an
    // ordinary user of the studio would be.
    const bool asRoot = geteuid() == 0;
    if (asRoot) {
        ASSERT_EQ(seteuid(65534), 0);
    }
    bool expanded = true;
    EXPECT_NO_THROW(expanded = t.tree->SetNodeExpanded(node, true));
    const int children = node->Count();
    const bool stillShown = node->HasChildren();
    if (asRoot) {
        ASSERT_EQ(seteuid(0), 0);
    }
    QFile::setPermissions(lockedDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(expanded);
    EXPECT_EQ(children, 0);
    EXPECT_FALSE(stillShown);
    EXPECT_TRUE(QFileInfo(locked).isDir()) << "nothing on the disk changed";
}

TEST(DirTree, SetPathOpensTheWayDownAndRefusesWhatIsNoFolder)
{
    FolderTree photos;
    photos.MakePhotos();
    const QString target = photos.Path("Fotos/Eventos 2024/Casamento Ana e Rui");
    TreeForm t; // the virtual root: home, "/", mounts
    TTreeNode* root = t.tree->RootNode();
    EXPECT_EQ(root->Text(), "Computer");
    EXPECT_EQ(t.tree->SelectedPath(), "") << "the virtual root is no folder";
    ASSERT_GE(root->Count(), 2);
    EXPECT_EQ(root->Item(0)->Text(), "Home");
    EXPECT_EQ(t.tree->PathOf(root->Item(1)), "/");

    t.tree->SetPath(target);
    EXPECT_EQ(t.tree->SelectedPath(), target);
    EXPECT_TRUE(t.tree->Selected()->Expanded()) << "opened to show what it holds";
    for (TTreeNode* p = t.tree->Selected()->Parent(); p && p->Parent(); p = p->Parent())
        EXPECT_TRUE(p->Expanded()) << p->Text().toStdString();
    EXPECT_GE(t.tree->RowOf(t.tree->Selected()), t.tree->TopRow());
    EXPECT_LT(t.tree->RowOf(t.tree->Selected()), t.tree->TopRow() + t.tree->VisibleRowCount() + 1);

    // A hidden folder can be reached and chosen.
    t.tree->SetPath(photos.Path("Fotos/.miniaturas/cache"));
    EXPECT_EQ(t.tree->SelectedPath(), photos.Path("Fotos/.miniaturas/cache"));

    for (const QString& bad :
        { photos.Path("Fotos/nada"), photos.Path("Fotos/capa.jpg"), QString("relativo") }) {
        try {
            t.tree->SetPath(bad);
            ADD_FAILURE() << "no error for " << bad.toStdString();
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "Error setting path: \"" + bad + "\"");
        }
    }
    EXPECT_EQ(t.tree->SelectedPath(), photos.Path("Fotos/.miniaturas/cache"))
        << "a refused path moves nothing";

    try {
        t.tree->SetRoot("rfPrinters");
        ADD_FAILURE() << "no error for a root without a folder";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Error setting path: \"rfPrinters\"");
    }
    EXPECT_EQ(t.tree->Root(), "rfDesktop") << "the root stays";
    t.tree->SetRoot("rfMyComputer");
    EXPECT_EQ(t.tree->PathOf(t.tree->RootNode()), "/");
    EXPECT_EQ(t.tree->RootNode()->Text(), "/");
}

TEST(DirTree, RefreshKeepsWhatWasOpenAndNewFoldersAreMadeOnce)
{
    FolderTree photos;
    photos.MakePhotos();
    TreeForm t(photos.Path("Fotos"));
    t.tree->SetPath(photos.Path("Fotos/Eventos 2024/Casamento Ana e Rui"));
    TTreeNode* root = t.tree->RootNode();
    photos.Folder("Fotos/Aniversario");
    t.tree->RefreshNode(root);
    EXPECT_TRUE(t.ChildTexts(root).contains("Aniversario"));
    EXPECT_EQ(t.tree->SelectedPath(), photos.Path("Fotos/Eventos 2024/Casamento Ana e Rui"));
    EXPECT_TRUE(t.Child(root, "Eventos 2024")->Expanded()) << "what was open is open again";

    t.tree->SetPath(photos.Path("Fotos/Eventos 2023"));
    EXPECT_EQ(t.tree->CreateFolder("New Folder"), photos.Path("Fotos/Eventos 2023/New Folder"));
    EXPECT_EQ(t.tree->CreateFolder("New Folder"), "") << "an existing one is left as it is";
    EXPECT_EQ(QDir(photos.Path("Fotos/Eventos 2023")).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
        QStringList({ "New Folder" }))
        << "one folder, no number added";
    TTreeNode* parent = t.tree->Selected();
    EXPECT_EQ(t.tree->SelectedPath(), photos.Path("Fotos/Eventos 2023"))
        << "the selection stays on the parent";
    EXPECT_EQ(t.ChildTexts(parent), QStringList({ "New Folder" }));
    EXPECT_EQ(t.tree->CreateFolder("a/b"), "") << "one name, never a path";
}

TEST(DirTree, RenameInPlaceChangesTheFolderOnlyWhenItSucceeds)
{
    FolderTree photos;
    photos.MakePhotos();
    TreeForm t(photos.Path("Fotos"));
    TTreeNode* node = t.Child(t.tree->RootNode(), "Eventos 2023");
    ASSERT_TRUE(node);
    EXPECT_FALSE(t.tree->CanRename(t.tree->RootNode())) << "the root is a place, not a folder to rename";

    t.tree->StartRename(node);
    ASSERT_TRUE(t.tree->Editor());
    EXPECT_EQ(t.tree->Editor()->text(), "Eventos 2023");
    t.tree->Editor()->setText("Eventos 2022");
    // Enter ends the edit in the tree (the form's dialog keys never see it).
    t.tree->Perform(msg::CN_KEYDOWN, vk::VK_RETURN, 0);
    EXPECT_FALSE(t.tree->Editor());
    EXPECT_TRUE(QFileInfo(photos.Path("Fotos/Eventos 2022")).isDir());
    EXPECT_FALSE(QFileInfo::exists(photos.Path("Fotos/Eventos 2023")));
    EXPECT_EQ(node->Text(), "Eventos 2022");
    EXPECT_EQ(t.tree->PathOf(node), photos.Path("Fotos/Eventos 2022"));
    EXPECT_EQ(t.tree->RootNode()->Item(4), node) << "sorted in again";

    // Esc keeps the old name.
    t.tree->StartRename(node);
    t.tree->Editor()->setText("Outro nome");
    t.tree->Perform(msg::CN_KEYDOWN, vk::VK_ESCAPE, 0);
    EXPECT_EQ(node->Text(), "Eventos 2022");
    EXPECT_FALSE(QFileInfo::exists(photos.Path("Fotos/Outro nome")));

    // A name taken by a sibling: the folder keeps its name and the user hears why.
    try {
        t.tree->RenameNode(node, "Album 2");
        ADD_FAILURE() << "renamed over a sibling";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().contains("Album 2"));
    }
    EXPECT_EQ(node->Text(), "Eventos 2022");
    EXPECT_TRUE(QFileInfo(photos.Path("Fotos/Album 2")).isDir());
    EXPECT_TRUE(QFileInfo(photos.Path("Fotos/Eventos 2022")).isDir());
}

TEST(DirTree, KeyboardMovesOpensAndFindsByFirstLetters)
{
    FolderTree photos;
    photos.MakePhotos();
    TreeForm t(photos.Path("Fotos"));
    t.tree->setFocus();
    QTest::keyClick(t.tree, Qt::Key_Down);
    EXPECT_EQ(t.tree->Selected()->Text(), ".miniaturas");
    QTest::keyClicks(t.tree, "eventos 2");
    EXPECT_EQ(t.tree->Selected()->Text(), "Eventos 2023") << "letters add up, case aside";
    QTest::keyClick(t.tree, Qt::Key_Down);
    EXPECT_EQ(t.tree->Selected()->Text(), "Eventos 2024");
    QTest::keyClick(t.tree, Qt::Key_Right);
    EXPECT_TRUE(t.tree->Selected()->Expanded());
    QTest::keyClick(t.tree, Qt::Key_Right);
    EXPECT_EQ(t.tree->Selected()->Text(), "Casamento Ana e Rui");
    QTest::keyClick(t.tree, Qt::Key_Left);
    EXPECT_EQ(t.tree->Selected()->Text(), "Eventos 2024");
    QTest::keyClick(t.tree, Qt::Key_Left);
    EXPECT_FALSE(t.tree->Selected()->Expanded());
}

TEST(DirTree, ContextMenuOffersNewFolderRenameAndRefreshButNoDelete)
{
    FolderTree photos;
    photos.MakePhotos();
    TreeForm t(photos.Path("Fotos"));
    t.tree->SetSkinData(studiotest::ProgramDataModule().vnSkinData1);
    t.tree->SetPath(photos.Path("Fotos/Album 2"));
    vnmenus::TvnMenuItems items = t.tree->ContextMenuItems();
    QStringList captions;
    for (const auto& item : items)
        captions << item.Caption;
    EXPECT_EQ(captions, QStringList({ "New Folder", "Rename", "-", "Refresh" }));
    for (const auto& item : items)
        EXPECT_FALSE(item.Caption.contains("Delete", Qt::CaseInsensitive));
    items[0].OnClick();
    EXPECT_TRUE(QFileInfo(photos.Path("Fotos/Album 2/New Folder")).isDir());
    ASSERT_TRUE(t.tree->Editor()) << "the new folder is there to be named";
    t.tree->Editor()->setText("Selecionadas");
    t.tree->EndEdit(true);
    EXPECT_TRUE(QFileInfo(photos.Path("Fotos/Album 2/Selecionadas")).isDir());
    EXPECT_EQ(t.tree->SelectedPath(), photos.Path("Fotos/Album 2/Selecionadas"));

    t.tree->SetSelected(t.tree->RootNode());
    items = t.tree->ContextMenuItems();
    EXPECT_FALSE(items[1].Enabled) << "the root is not renamed";
    t.tree->ShowContextMenu(t.tree->mapToGlobal(QPoint(20, 20)));
    ASSERT_TRUE(t.tree->ContextMenu());
    EXPECT_TRUE(t.tree->ContextMenu()->IsOpen());
    t.tree->ContextMenu()->CloseMenu();
}

TEST(DirTree, SkinnedBarsFollowTheTreeAndShowOnlyWhenNeeded)
{
    FolderTree photos;
    for (int i = 0; i < 40; ++i)
        photos.Folder(QString("Evento %1 com um nome bem comprido para rolar a arvore para o lado").arg(i));
    TForm form;
    form.SetBounds(80, 80, 320, 300);
    auto* hbar = new TvnSkinScrollBar(&form);
    hbar->SetKind(sbHorizontal);
    hbar->SetParent(form.ClientWidget());
    hbar->SetBounds(0, 181, 280, 19);
    auto* vbar = new TvnSkinScrollBar(&form);
    vbar->SetKind(sbVertical);
    vbar->SetParent(form.ClientWidget());
    vbar->SetBounds(261, 0, 19, 180);
    auto* tree = new TvnSkinDirTreeView(&form);
    tree->SetParent(form.ClientWidget());
    tree->SetBounds(0, 0, 260, 180);
    tree->SetRoot(photos.Root());
    tree->SetVScrollBar(vbar);
    tree->SetHScrollBar(hbar);
    form.Show();
    EXPECT_EQ(tree->ScrollListenerCount(), 3) << "the tree itself and both bars";
    EXPECT_TRUE(vbar->isVisible());
    EXPECT_TRUE(hbar->isVisible());
    EXPECT_TRUE(hbar->Both()) << "the horizontal bar leaves the corner";
    EXPECT_EQ(vbar->Max(), tree->ScrollInfo(sbVertical).Max);
    tree->SetTopRow(10);
    EXPECT_EQ(vbar->Position(), 10);
    tree->SetHorzOffset(30);
    EXPECT_EQ(hbar->Position(), 30) << "both bars follow at once";
    vbar->SetPosition(0);
    tree->Perform(msg::WM_VSCROLL, msg::SB_THUMBPOSITION, 3);
    EXPECT_EQ(tree->TopRow(), 3);

    tree->SetNodeExpanded(tree->RootNode(), false);
    EXPECT_FALSE(vbar->isVisible()) << "one row fits";
    EXPECT_FALSE(hbar->isVisible());
    delete vbar;
    EXPECT_EQ(tree->ScrollListenerCount(), 2);
    EXPECT_EQ(tree->VScrollBar(), nullptr);
}

TEST(DirTree, TakesTheColoursAndFontOfTheTreeRecord)
{
    const TvnSkinData* skin = studiotest::ProgramDataModule().vnSkinData1;
    const auto& record = studiotest::RecordNamed<TvnDataSkinTreeView>("treeview");
    TForm form;
    auto* tree = new TvnSkinDirTreeView(&form);
    tree->SetParent(form.ClientWidget());
    EXPECT_FALSE(tree->Look().Skinned);
    EXPECT_EQ(tree->Color(), clr::clWindow);
    tree->SetSkinData(const_cast<TvnSkinData*>(skin));
    EXPECT_TRUE(tree->Look().Skinned);
    EXPECT_EQ(tree->Color(), record.BGColor);
    EXPECT_EQ(tree->Font()->Color(), record.FontColor);
    EXPECT_EQ(tree->Font()->Name(), record.FontName);
    EXPECT_EQ(tree->Font()->Height(), record.FontHeight);
    tree->SetUseSkinFont(false);
    EXPECT_EQ(tree->Font()->Name(), tree->DefaultFont()->Name());
    EXPECT_EQ(tree->Font()->Color(), record.FontColor) << "the record's colour stays";

    // The skin messages the frame relays: the record is dropped before a change and
    // read again after it.
    const LPARAM store = reinterpret_cast<LPARAM>(skin);
    tree->Perform(msg::SKINMSG_BEFORE_CHANGE, static_cast<WPARAM>(store), 0);
    EXPECT_EQ(tree->SkinRecordIndex(), -1);
    tree->Perform(msg::SKINMSG_CHANGE, static_cast<WPARAM>(store), 0);
    EXPECT_GE(tree->SkinRecordIndex(), 0);
    EXPECT_EQ(tree->Color(), record.BGColor);
}

TEST(DirTree, APathSetBeforeTheTreeIsShownIsTakenWhenItIs)
{
    FolderTree photos;
    photos.MakePhotos();
    TForm form;
    auto* tree = new TvnSkinDirTreeView(&form);
    tree->SetParent(form.ClientWidget());
    tree->SetBounds(0, 0, 300, 200);
    tree->SetRoot(photos.Path("Fotos"));
    tree->SetPath(photos.Path("Fotos/Eventos 2024/Formatura Medicina"));
    EXPECT_EQ(tree->RootNode(), nullptr) << "nothing is read before the tree is shown";
    form.SetBounds(60, 60, 320, 220);
    form.Show();
    EXPECT_EQ(tree->SelectedPath(), photos.Path("Fotos/Eventos 2024/Formatura Medicina"));
    EXPECT_FALSE(tree->NodeRect(tree->Selected()).isEmpty()) << "and it is in view";
}

TEST(DirTree, AFlatToolButtonShowsItsParentUntilTheMouseIsOverIt)
{
    TForm form;
    form.SetBounds(60, 60, 200, 80);
    auto* panel = new TvnSkinPanel(&form);
    panel->SetSkinDataName("toolpanel");
    panel->SetSkinData(studiotest::ProgramDataModule().vnSkinData1);
    panel->SetParent(form.ClientWidget());
    panel->SetBounds(0, 0, 200, 25);
    auto* button = new TvnSkinSpeedButton(&form);
    button->SetSkinData(studiotest::ProgramDataModule().vnSkinData1);
    button->SetGlyph(NewFolderGlyph());
    button->SetParent(panel);
    button->SetBounds(170, 0, 27, 25);
    form.Show();
    EXPECT_EQ(button->SkinDataName(), "toolbutton");
    EXPECT_FALSE(button->CanFocused()) << "a tool button leaves the focus where it is";
    EXPECT_FALSE(button->ShowsFlat());
    button->SetFlat(true);
    EXPECT_TRUE(button->ShowsFlat());
    button->hide();
    const QImage under = panel->grab(QRect(170, 0, 27, 25)).toImage();
    button->show();
    const QImage flat = button->grab().toImage();
    EXPECT_EQ(flat.pixelColor(1, 1), under.pixelColor(1, 1)) << "the panel shows through at the corner";
    EXPECT_NE(flat.pixelColor(13, 9), under.pixelColor(13, 9)) << "the glyph is drawn";
    button->Perform(msg::CM_MOUSEENTER, 0, 0);
    EXPECT_FALSE(button->ShowsFlat()) << "hot, it shows its face";
}

TEST(DirTree, WithAutoRefreshFoldersMadeElsewhereShowUp)
{
    FolderTree photos;
    photos.MakePhotos();
    TreeForm t(photos.Path("Fotos"));
    t.tree->SetAutoRefresh(true);
    t.tree->SetPath(photos.Path("Fotos/Eventos 2024"));
    QApplication::processEvents();
    // Another program (the file manager, a card reader's copy) makes folders.
    photos.Folder("Fotos/Eventos 2024/Aniversario Joao");
    photos.Folder("Fotos/Chegou agora");
    QTRY_VERIFY_WITH_TIMEOUT(t.Child(t.tree->RootNode(), "Chegou agora") != nullptr, 5000);
    TTreeNode* eventos = t.Child(t.tree->RootNode(), "Eventos 2024");
    ASSERT_TRUE(eventos);
    QTRY_VERIFY_WITH_TIMEOUT(t.Child(eventos, "Aniversario Joao") != nullptr, 5000);
    EXPECT_EQ(t.tree->SelectedPath(), photos.Path("Fotos/Eventos 2024")) << "the selection stays";

    // Without it the tree shows what it read.
    t.tree->SetAutoRefresh(false);
    photos.Folder("Fotos/Depois");
    QTest::qWait(400);
    EXPECT_EQ(t.Child(t.tree->RootNode(), "Depois"), nullptr);
}

TEST(DirTree, OnEditedMayChangeTheTypedName)
{
    FolderTree photos;
    photos.MakePhotos();
    TreeForm t(photos.Path("Fotos"));
    t.tree->OnEdited = [](QObject*, TTreeNode*, QString& text) { text = text.toUpper(); };
    TTreeNode* node = t.Child(t.tree->RootNode(), "album 3");
    t.tree->StartRename(node);
    t.tree->Editor()->setText("album tres");
    t.tree->EndEdit(true);
    EXPECT_EQ(node->Text(), "ALBUM TRES");
    EXPECT_TRUE(QFileInfo(photos.Path("Fotos/ALBUM TRES")).isDir());
}
