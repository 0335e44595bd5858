// The folder dialog as the main window runs it: each Execute builds the window, shows it
// modally and frees it. A timer plays the user inside the modal loop: keys to the focused
// control, clicks on the buttons, closing the window.
#include "FolderTree.h"
#include "framework/declared/DeclaredLoader.h"
#include "skin/controls/vnSkinBoxCtrls/SkinEdit.h"
#include "skin/controls/vnSkinCtrls/Button.h"
#include "skin/controls/vnSkinCtrls/Panel.h"
#include "skin/controls/vnSkinCtrls/ScrollBar.h"
#include "skin/controls/vnSkinShellCtrls/SelDirDlg.h"
#include "skin/controls/vnSkinShellCtrls/ToolControls.h"
#include "skin/form/Veneerform/Veneerform.h"
#include "studio_skin/StudioSkinFixture.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

using dlgtest::FolderTree;

namespace {

TvnSkinData* Skin() { return studiotest::ProgramDataModule().vnSkinData1; }

// The main window's dialog: its title, no tool bar, the program's skin for the controls.
struct Dialog {
    TvnSkinSelectDirectoryDialog dialog;
    Dialog()
    {
        dialog.SetCtrlSkinData(Skin());
        dialog.SetSkinData(Skin());
    }
    // Runs Execute with `user` acting on the shown window; the window is closed with
    // Cancel (and the test fails) when the user leaves it open too long.
    bool Run(const std::function<void(TvnSelDirDlgForm*)>& user)
    {
        bool acted = false;
        QTimer::singleShot(0, [&] {
            TvnSelDirDlgForm* form = dialog.Form();
            ASSERT_TRUE(form && form->isVisible());
            QApplication::setActiveWindow(form);
            form->Tree()->setFocus(Qt::OtherFocusReason);
            acted = true;
            user(form);
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            ADD_FAILURE() << "the dialog stayed open";
            if (dialog.Form()) dialog.Form()->SetModalResult(mrCancel);
        });
        watchdog.start(8000);
        const bool result = dialog.Execute();
        EXPECT_TRUE(acted);
        EXPECT_EQ(dialog.Form(), nullptr) << "the window is freed after the run";
        return result;
    }
};

void Key(Qt::Key key, const QString& text = {})
{
    QWidget* focused = QApplication::focusWidget();
    ASSERT_TRUE(focused);
    if (text.isEmpty())
        QTest::keyClick(focused, key);
    else
        QTest::keyClicks(focused, text);
}

} // namespace

TEST(SelectDirectory, AnExistingFolderOpensSelectedAndEnterConfirmsIt)
{
    FolderTree photos;
    photos.MakePhotos();
    const QString target = photos.Path("Fotos/Eventos 2024/Casamento Ana e Rui");
    Dialog d;
    d.dialog.SetDirectory(target);
    int shows = 0, closes = 0;
    d.dialog.OnShow = [&](QObject*) {
        ++shows;
        EXPECT_EQ(d.dialog.Form(), nullptr) << "OnShow runs before the window is built";
    };
    d.dialog.OnClose = [&](QObject*) { ++closes; };
    QString caption;
    bool selectedOpen = false, parentsOpen = true, okEnabled = false, okDefault = false;
    const bool ok = d.Run([&](TvnSelDirDlgForm* form) {
        caption = form->Caption();
        TvnSkinDirTreeView* tree = form->Tree();
        EXPECT_EQ(tree->SelectedPath(), target);
        selectedOpen = tree->Selected()->Expanded();
        for (TTreeNode* p = tree->Selected()->Parent(); p && p->Parent(); p = p->Parent())
            parentsOpen = parentsOpen && p->Expanded();
        okEnabled = form->OkButton()->isEnabled();
        okDefault = form->OkButton()->Default();
        EXPECT_EQ(QApplication::focusWidget(), tree);
        Key(Qt::Key_Return);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(d.dialog.Directory(), target);
    EXPECT_EQ(caption, "Select folder");
    EXPECT_TRUE(selectedOpen);
    EXPECT_TRUE(parentsOpen);
    EXPECT_TRUE(okEnabled);
    EXPECT_TRUE(okDefault);
    EXPECT_EQ(shows, 1);
    EXPECT_EQ(closes, 1);
}

TEST(SelectDirectory, AFolderThatIsGoneFallsBackToTheFileSystemRoot)
{
    FolderTree photos;
    photos.MakePhotos();
    const QString gone = photos.Path("Fotos/Evento apagado");
    Dialog d;
    d.dialog.SetDirectory(gone);
    QString selected;
    bool open = false;
    const bool ok = d.Run([&](TvnSelDirDlgForm* form) {
        selected = form->Tree()->SelectedPath();
        open = form->Tree()->Selected()->Expanded();
        form->OkButton()->Click();
    });
    EXPECT_EQ(selected, "/");
    EXPECT_TRUE(open) << "the drives folder is shown opened";
    EXPECT_TRUE(ok);
    EXPECT_EQ(d.dialog.Directory(), "/");
}

TEST(SelectDirectory, AHiddenFolderIsListedAndCanBeChosenByTypingItsName)
{
    FolderTree photos;
    photos.MakePhotos();
    Dialog d;
    d.dialog.SetDirectory(photos.Path("Fotos"));
    bool listed = false;
    QString typed;
    const bool ok = d.Run([&](TvnSelDirDlgForm* form) {
        TTreeNode* fotos = form->Tree()->Selected();
        for (int i = 0; i < fotos->Count(); ++i)
            listed = listed || fotos->Item(i)->Text() == ".miniaturas";
        // Into the folder, then the first letters of the hidden one.
        Key(Qt::Key_Right);
        Key(Qt::Key_unknown, ".min");
        typed = form->Tree()->SelectedPath();
        Key(Qt::Key_Return);
    });
    EXPECT_TRUE(listed);
    EXPECT_EQ(typed, photos.Path("Fotos/.miniaturas"));
    EXPECT_TRUE(ok);
    EXPECT_EQ(d.dialog.Directory(), photos.Path("Fotos/.miniaturas"));
}

TEST(SelectDirectory, TypingAWholeNameFindsItAmongNamesSharingItsStart)
{
    FolderTree photos;
    for (const char* name : { "quira-bench.1F", "quira-benchdb.nv", "quira-demo", "qdb.Ah" })
        photos.Folder(QStringLiteral("tmp/") + name + "/x");
    Dialog d;
    d.dialog.SetDirectory(photos.Path("tmp"));
    QString typed;
    d.Run([&](TvnSelDirDlgForm* form) {
        Key(Qt::Key_Right);
        Key(Qt::Key_unknown, "quira-demo");
        typed = form->Tree()->SelectedPath();
        Key(Qt::Key_Escape);
    });
    EXPECT_EQ(typed.toStdString(), photos.Path("tmp/quira-demo").toStdString());
}

TEST(SelectDirectory, CancelEscAndClosingLeaveTheDirectoryAsItWas)
{
    FolderTree photos;
    photos.MakePhotos();
    const QString before = photos.Path("Fotos/Album 2");
    const std::vector<std::pair<const char*, std::function<void(TvnSelDirDlgForm*)>>> ways {
        { "Esc", [](TvnSelDirDlgForm*) { Key(Qt::Key_Escape); } },
        { "Cancel", [](TvnSelDirDlgForm* f) { f->CancelButton()->Click(); } },
        { "closing", [](TvnSelDirDlgForm* f) { f->Close(); } },
    };
    for (const auto& [name, way] : ways) {
        Dialog d;
        d.dialog.SetDirectory(before);
        const bool ok = d.Run([&](TvnSelDirDlgForm* form) {
            // The user moved elsewhere before giving up.
            form->Tree()->SetPath(photos.Path("Fotos/Eventos 2023"));
            way(form);
        });
        EXPECT_FALSE(ok) << name;
        EXPECT_EQ(d.dialog.Directory(), before) << name;
    }
}

TEST(SelectDirectory, TheVirtualRootCannotBeConfirmed)
{
    Dialog d;
    d.dialog.SetDirectory("/usr");
    bool okEnabled = true;
    const bool ok = d.Run([&](TvnSelDirDlgForm* form) {
        form->Tree()->SetSelected(form->Tree()->RootNode());
        okEnabled = form->OkButton()->isEnabled();
        Key(Qt::Key_Return);
        // Enter did nothing: the window is still up, so it is cancelled.
        if (d.dialog.Form()) form->CancelButton()->Click();
    });
    EXPECT_FALSE(okEnabled);
    EXPECT_FALSE(ok);
    EXPECT_EQ(d.dialog.Directory(), "/usr");
}

TEST(SelectDirectory, TheSizeDefaultsTo280AndTheUsersSizeIsKept)
{
    FolderTree photos;
    photos.MakePhotos();
    Dialog d;
    d.dialog.SetSkinData(nullptr); // the skin's own minimum aside
    d.dialog.SetDialogWidth(-5);
    d.dialog.SetDirectory(photos.Path("Fotos"));
    QSize first;
    d.Run([&](TvnSelDirDlgForm* form) {
        first = QSize(form->ClientWidth(), form->ClientHeight());
        // The user makes it wider.
        form->SetClientWidth(400);
        form->SetClientHeight(330);
        form->CancelButton()->Click();
    });
    EXPECT_EQ(first, QSize(280, 280));
    EXPECT_EQ(d.dialog.DialogWidth(), 400);
    EXPECT_EQ(d.dialog.DialogHeight(), 330);
    QSize second;
    QRect okRect, bottom, main;
    d.Run([&](TvnSelDirDlgForm* form) {
        second = QSize(form->ClientWidth(), form->ClientHeight());
        okRect = form->OkButton()->geometry();
        bottom = form->BottomPanel()->geometry();
        main = form->MainPanel()->geometry();
        form->CancelButton()->Click();
    });
    EXPECT_EQ(second, QSize(400, 330));
    EXPECT_EQ(okRect, QRect(20, 15, 70, 25));
    EXPECT_EQ(bottom, QRect(0, 280, 400, 50)) << "the buttons' panel along the bottom";
    EXPECT_EQ(main, QRect(0, 0, 400, 280)) << "the tree's panel fills the rest";

    // With the skin, the window is never smaller than the skin's frame allows.
    Dialog skinned;
    skinned.dialog.SetDialogWidth(10);
    skinned.dialog.SetDialogHeight(10);
    int minWidth = 0, width = 0;
    skinned.Run([&](TvnSelDirDlgForm* form) {
        minWidth = form->Frame()->GetMinWidth();
        width = form->ClientWidth();
        form->CancelButton()->Click();
    });
    EXPECT_GE(width, minWidth);
    EXPECT_GT(width, 10);
}

TEST(SelectDirectory, NewFolderButtonTwiceMakesOneNewFolder)
{
    FolderTree photos;
    photos.MakePhotos();
    Dialog d;
    d.dialog.SetShowToolBar(true);
    d.dialog.SetDirectory(photos.Path("Fotos/Eventos 2023"));
    QString hint, pathText, typedTo;
    bool hasEdit = false;
    const bool ok = d.Run([&](TvnSelDirDlgForm* form) {
        ASSERT_TRUE(form->ToolPanel());
        hint = form->NewFolderButton()->Hint();
        hasEdit = form->PathEdit() != nullptr;
        pathText = form->PathEdit()->Text();
        form->NewFolderButton()->Click();
        form->NewFolderButton()->Click();
        // A path typed into the field, confirmed with Enter, moves the tree there
        // without closing the window.
        form->PathEdit()->SetText(photos.Path("Fotos/Album 10"));
        form->PathEdit()->LineEdit()->setFocus();
        Key(Qt::Key_Return);
        typedTo = form->Tree()->SelectedPath();
        EXPECT_TRUE(d.dialog.Form() && d.dialog.Form()->isVisible());
        form->OkButton()->Click();
    });
    EXPECT_EQ(hint, "Create New Folder");
    EXPECT_TRUE(hasEdit);
    EXPECT_EQ(pathText, photos.Path("Fotos/Eventos 2023")) << "the field shows the selected folder";
    EXPECT_EQ(QDir(photos.Path("Fotos/Eventos 2023")).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
        QStringList({ "New Folder" }));
    EXPECT_EQ(typedTo, photos.Path("Fotos/Album 10"));
    EXPECT_TRUE(ok);
    EXPECT_EQ(d.dialog.Directory(), photos.Path("Fotos/Album 10"));
}

TEST(SelectDirectory, BuildsItsWindowFromTheControlSkin)
{
    Dialog d;
    d.dialog.SetDirectory("/");
    QString okText, cancelText, treeRecord, vRecord, hRecord;
    bool noToolBar = false, frameSkin = false, noIcons = false;
    int okResult = 0, cancelResult = 0;
    d.Run([&](TvnSelDirDlgForm* form) {
        okText = form->OkButton()->Caption();
        cancelText = form->CancelButton()->Caption();
        okResult = form->OkButton()->ModalResult();
        cancelResult = form->CancelButton()->ModalResult();
        treeRecord = form->Tree()->SkinDataName();
        vRecord = form->VScrollBar()->SkinDataName();
        hRecord = form->HScrollBar()->SkinDataName();
        noToolBar = form->ToolPanel() == nullptr;
        frameSkin = form->Frame()->SkinData() == Skin() && form->Frame()->SkinPresent();
        noIcons = form->Frame()->BorderIcons() == veneer::TvnBorderIcons();
        form->CancelButton()->Click();
    });
    EXPECT_EQ(okText, "OK");
    EXPECT_EQ(cancelText, "Cancel");
    EXPECT_EQ(okResult, mrOk);
    EXPECT_EQ(cancelResult, mrCancel);
    EXPECT_EQ(treeRecord, "treeview");
    EXPECT_EQ(vRecord, "vscrollbar");
    EXPECT_EQ(hRecord, "hscrollbar");
    EXPECT_TRUE(noToolBar);
    EXPECT_TRUE(frameSkin);
    EXPECT_TRUE(noIcons);
}

TEST(SelectDirectory, DeclaredAsTheMainWindowDeclaresIt)
{
    studiotest::ProgramDataModule(); // the program's classes are registered with it
    TForm form;
    declared::LoadRootFromText(&form, R"(object frmTeste: TForm
  object vnSkinData1: TvnSkinData
  end
  object vnSkinSelectDirectoryDialog1: TvnSkinSelectDirectoryDialog
    Title = 'Select folder'
    ShowToolBar = False
    DialogWidth = 320
    DialogMinWidth = 200
    AlphaBlendValue = 180
    CtrlSkinData = vnSkinData1
  end
end
)",
        "frmTeste.dfm");
    auto* dialog = form.ComponentByName<TvnSkinSelectDirectoryDialog>("vnSkinSelectDirectoryDialog1");
    EXPECT_EQ(dialog->Title(), "Select folder");
    EXPECT_FALSE(dialog->ShowToolBar());
    EXPECT_EQ(dialog->DialogWidth(), 320);
    EXPECT_EQ(dialog->DialogMinWidth(), 200);
    EXPECT_EQ(dialog->AlphaBlendValue(), 180);
    EXPECT_EQ(dialog->CtrlSkinData(), form.FindComponent("vnSkinData1"));
    EXPECT_EQ(dialog->SkinData(), nullptr);
    delete form.FindComponent("vnSkinData1");
    EXPECT_EQ(dialog->CtrlSkinData(), nullptr) << "a removed store leaves no reference";
    EXPECT_EQ(dialog->DefaultFont()->Name(), "Arial");
    EXPECT_EQ(dialog->DefaultFont()->Height(), 14);

    // The main window names the data module's store.
    TForm principal;
    declared::LoadRootFromText(&principal, R"(object frmTeste: TForm
  object vnSkinSelectDirectoryDialog1: TvnSkinSelectDirectoryDialog
    Title = 'Select folder'
    ShowToolBar = False
    CtrlSkinData = DM.vnSkinData1
  end
end
)",
        "frmPrincipalTeste.dfm");
    auto* fromMain = principal.ComponentByName<TvnSkinSelectDirectoryDialog>("vnSkinSelectDirectoryDialog1");
    EXPECT_EQ(fromMain->CtrlSkinData(), Skin());
}

TEST(SelectDirectory, PictureOnAPhotoTreeInTheStudioSkin)
{
    FolderTree photos;
    photos.MakePhotos();
    for (const char* event : { "Batizado Clara", "Bodas de Prata", "Casamento Lia e Davi",
             "Festa Junina Escola", "Formatura Direito", "Quinze Anos Bia" })
        photos.Folder(QString("Fotos/Eventos 2024/") + event + "/alta");
    const auto& record = studiotest::RecordNamed<TvnDataSkinTreeView>("treeview");
    for (const bool toolBar : { false, true }) {
        Dialog d;
        d.dialog.SetShowToolBar(toolBar);
        d.dialog.SetDialogWidth(360);
        d.dialog.SetDialogHeight(340);
        d.dialog.SetDirectory(photos.Path("Fotos/Eventos 2024/Casamento Ana e Rui"));
        QImage picture, screen;
        QColor background, selection;
        QPoint treeAt;
        bool barShown = false;
        d.Run([&](TvnSelDirDlgForm* form) {
            QApplication::processEvents();
            picture = form->grab().toImage();
            // What the screen shows there, frame shape and all (a real X server only).
            if (QGuiApplication::platformName() == "xcb" && form->screen())
                screen = form->screen()
                             ->grabWindow(0, form->x(), form->y(), form->width(), form->height())
                             .toImage();
            TvnSkinDirTreeView* tree = form->Tree();
            treeAt = tree->mapTo(form, QPoint(0, 0));
            const QRect row = tree->NodeRect(tree->Selected());
            const QRect label = tree->NodeLabelRect(tree->Selected());
            background = picture.pixelColor(treeAt + QPoint(tree->width() - 4, row.center().y()));
            selection = picture.pixelColor(treeAt + label.topLeft() + QPoint(1, 2));
            barShown = form->VScrollBar()->isVisible();
            form->CancelButton()->Click();
        });
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(background, ToQColor(record.BGColor)) << "the tree's background from its record";
        EXPECT_EQ(selection, ToQColor(record.FontColor))
            << "the selected folder stands out in the text colour";
        EXPECT_TRUE(barShown) << "the opened photo tree outgrows the window";
        testenv::KeepPicture(picture, toolBar ? "seldir-toolbar" : "seldir");
        if (!screen.isNull())
            testenv::KeepPicture(screen, toolBar ? "seldir-toolbar-screen" : "seldir-screen");
    }
}

TEST(SelectDirectory, PictureOfARenameInPlace)
{
    FolderTree photos;
    photos.MakePhotos();
    Dialog d;
    d.dialog.SetDirectory(photos.Path("Fotos/Eventos 2023"));
    QImage picture;
    QColor fieldBack;
    const bool ok = d.Run([&](TvnSelDirDlgForm* form) {
        TvnSkinDirTreeView* tree = form->Tree();
        tree->StartRename(tree->Selected());
        ASSERT_TRUE(tree->Editor());
        tree->Editor()->setText("Eventos 2023 entregues");
        QApplication::processEvents();
        picture = form->grab().toImage();
        fieldBack = tree->Editor()->palette().color(QPalette::Base);
        // Enter ends the edit; it does not press OK.
        Key(Qt::Key_Return);
        EXPECT_TRUE(d.dialog.Form() && d.dialog.Form()->isVisible());
        Key(Qt::Key_Return);
    });
    EXPECT_EQ(fieldBack, ToQColor(studiotest::RecordNamed<TvnDataSkinTreeView>("treeview").BGColor))
        << "the name is typed in the tree's colours";
    EXPECT_TRUE(ok);
    EXPECT_EQ(d.dialog.Directory(), photos.Path("Fotos/Eventos 2023 entregues"));
    testenv::KeepPicture(picture, "seldir-rename");
}
