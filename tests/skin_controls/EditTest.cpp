// The skinned edit as a dialog field: read-only protection, Enter and Esc reaching the
// form's default and cancel buttons, selection on entry, its context menu, the button
// of button mode, and the default look's sizes.
#include "framework/Form.h"
#include "platform/Keys.h"
#include "skin/controls/vnSkinBoxCtrls/SkinEdit.h"
#include "skin/controls/vnSkinCtrls/Button.h"
#include "skin/data/vnSkinData/ResourceStrData.h"
#include "skin/data/vnSkinData/SkinData.h"
#include "skin/menus/vnSkinMenus/PopupMenuWindow.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Field {
    TForm form;
    TvnSkinMaskEdit edit { &form };
    TvnSkinButton ok { &form };
    TvnSkinButton cancel { &form };
    int okClicks = 0, cancelClicks = 0;

    Field()
    {
        form.SetBounds(80, 80, 320, 140);
        edit.SetParent(form.ClientWidget());
        edit.SetBounds(10, 10, 200, 21);
        for (TvnSkinButton* b : { &ok, &cancel })
            b->SetParent(form.ClientWidget());
        ok.SetBounds(10, 60, 75, 25);
        cancel.SetBounds(100, 60, 75, 25);
        ok.SetDefault(true);
        cancel.SetCancel(true);
        ok.OnClick = [this](QObject*) { ++okClicks; };
        cancel.OnClick = [this](QObject*) { ++cancelClicks; };
    }
    void Focus()
    {
        form.Show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        edit.LineEdit()->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(testenv::waitFor([&] { return edit.LineEdit()->hasFocus(); }));
    }
    // A right click, as the user opens the context menu. The click lands below the form:
    // without a window manager's grab, test clicks on a menu over the field would reach
    // the field.
    vnmenus::TvnPopupMenuWindow* RightClick()
    {
        const QPoint at(5, form.height() + 20);
        QContextMenuEvent e(QContextMenuEvent::Mouse, at, edit.LineEdit()->mapToGlobal(at));
        QApplication::sendEvent(edit.LineEdit(), &e);
        vnmenus::TvnPopupMenuWindow* menu
            = edit.ContextMenu() ? edit.ContextMenu()->Engine().TopMenu() : nullptr;
        if (menu) {
            EXPECT_EQ(menu->pos(), e.globalPos());
        }
        return menu;
    }
};

std::vector<std::pair<QString, bool>> Entries(const vnmenus::TvnMenuItems& items)
{
    std::vector<std::pair<QString, bool>> entries;
    for (const auto& i : items)
        entries.emplace_back(i.Caption, i.Enabled);
    return entries;
}

} // namespace

TEST(SkinEdit, ReadOnlyFieldRefusesChangesAndItsMenuOffersOnlyCopyAndSelectAll)
{
    Field f;
    f.edit.SetText("/fotos/evento");
    f.edit.SetReadOnly(true);
    f.Focus();
    QLineEdit* line = f.edit.LineEdit();
    QApplication::clipboard()->setText("colado");
    QTest::keyClicks(line, "xyz");
    QTest::keyClick(line, Qt::Key_Home);
    QTest::keyClick(line, Qt::Key_Delete);
    QTest::keySequence(line, QKeySequence::Paste);
    QTest::keySequence(line, QKeySequence::Cut);
    EXPECT_EQ(f.edit.Text(), "/fotos/evento");

    f.edit.SetSelStart(0);
    f.edit.SetSelLength(6);
    using Entry = std::pair<QString, bool>;
    EXPECT_EQ(Entries(f.edit.ContextMenuItems()),
        (std::vector<Entry> { { "Undo", false }, { "-", true }, { "Cut", false }, { "Copy", true },
            { "Paste", false }, { "Delete", false }, { "-", true }, { "Select All", true } }));

    // Choosing from the open menu: Delete is refused, Copy and Select All work.
    vnmenus::TvnPopupMenuWindow* menu = f.RightClick();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isWindow());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->Layout().Rows[5].center());
    EXPECT_TRUE(f.edit.ContextMenu()->IsOpen()) << "a disabled Delete does not close the menu";
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->Layout().Rows[3].center());
    EXPECT_EQ(QApplication::clipboard()->text(), "/fotos");
    EXPECT_EQ(f.edit.Text(), "/fotos/evento");
    menu = f.RightClick();
    ASSERT_NE(menu, nullptr);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->Layout().Rows[7].center());
    EXPECT_EQ(f.edit.SelText(), "/fotos/evento");
    EXPECT_FALSE(f.edit.ContextMenuItems()[7].Enabled) << "everything selected: Select All is off";
}

TEST(SkinEdit, ContextMenuOfAWritableFieldCutsAndPastesAndTakesTheStoresCaptions)
{
    Field f;
    TvnSkinData store;
    TvnResourceStrData strings;
    QStringList lines = strings.ResStrings();
    lines.replaceInStrings(QRegularExpression("^EDIT_CUT=.*"), "EDIT_CUT=Recortar");
    lines.replaceInStrings(QRegularExpression("^EDIT_PASTE=.*"), "EDIT_PASTE=");
    strings.SetResStrings(lines);
    store.SetResourceStrData(&strings);
    f.edit.SetSkinData(&store);
    f.edit.SetText("Maria Silva");
    f.Focus();
    QApplication::clipboard()->setText("Souza");

    vnmenus::TvnMenuItems items = f.edit.ContextMenuItems();
    EXPECT_EQ(items[2].Caption, "Recortar");
    EXPECT_EQ(items[4].Caption, "Paste") << "an empty resource string keeps the built-in text";
    EXPECT_TRUE(items[2].Enabled && items[4].Enabled && items[5].Enabled);

    f.edit.SetSelStart(6);
    f.edit.SetSelLength(5);
    vnmenus::TvnPopupMenuWindow* menu = f.RightClick();
    ASSERT_NE(menu, nullptr);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->Layout().Rows[2].center());
    EXPECT_EQ(f.edit.Text(), "Maria ");
    EXPECT_EQ(QApplication::clipboard()->text(), "Silva");
    menu = f.RightClick();
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->Layout().Rows[0].center());
    EXPECT_EQ(f.edit.Text(), "Maria Silva") << "Undo";
}

TEST(SkinEdit, EnterPressesTheDefaultButtonAndEscTheCancelButton)
{
    Field f;
    QList<ushort> pressed;
    f.edit.OnKeyPress = [&](QObject*, QChar& key) { pressed.append(key.unicode()); };
    f.Focus();
    QTest::keyClick(f.edit.LineEdit(), Qt::Key_Return);
    EXPECT_EQ(f.okClicks, 1);
    EXPECT_EQ(f.cancelClicks, 0);
    QTest::keyClick(f.edit.LineEdit(), Qt::Key_Escape);
    EXPECT_EQ(f.okClicks, 1);
    EXPECT_EQ(f.cancelClicks, 1);
    EXPECT_EQ(pressed, QList<ushort>({ 13, 27 })) << "OnKeyPress sees both first";
}

TEST(SkinEdit, AutoSelectSelectsTheWholeTextOnEntry)
{
    Field f;
    f.edit.SetText("Formatura 2024");
    f.Focus();
    EXPECT_EQ(f.edit.SelText(), "Formatura 2024");
    f.ok.setFocus();
    f.edit.SetAutoSelect(false);
    f.edit.LineEdit()->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(testenv::waitFor([&] { return f.edit.LineEdit()->hasFocus(); }));
    EXPECT_EQ(f.edit.SelLength(), 0);
}

TEST(SkinEdit, ButtonModeRunsOnButtonClickForAClickOnTheButtonOnly)
{
    Field f;
    int clicks = 0;
    f.edit.SetButtonMode(true);
    f.edit.OnButtonClick = [&](QObject*) { ++clicks; };
    f.Focus();
    const vnctrls::TvnEditLayout layout = f.edit.Layout();
    ASSERT_FALSE(layout.Button.isEmpty());
    EXPECT_LE(layout.Edit.right(), layout.Button.left()) << "the text stops before the button";
    QTest::mouseClick(&f.edit, Qt::LeftButton, {}, layout.Button.center());
    EXPECT_EQ(clicks, 1);
    // Pressed on the button, released elsewhere: no click.
    QTest::mousePress(&f.edit, Qt::LeftButton, {}, layout.Button.center());
    EXPECT_TRUE(f.edit.State().ButtonDown);
    QTest::mouseRelease(&f.edit, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(f.edit.State().ButtonDown);
}

TEST(SkinEdit, DefaultLookHeightFollowsTheFontWhenTheSkinFontIsOff)
{
    Field f;
    EXPECT_EQ(f.edit.Height(), 21) << "no record: the height asked for";
    f.edit.SetUseSkinFont(false);
    const int fontHeight = QFontMetrics(f.edit.Font()->ToQFont()).height();
    EXPECT_EQ(f.edit.Height(), fontHeight + 4);
    f.edit.SetHeight(40);
    EXPECT_EQ(f.edit.Height(), fontHeight + 4);
    f.edit.SetAutoSize(false);
    f.edit.SetHeight(40);
    EXPECT_EQ(f.edit.Height(), 40);
    EXPECT_EQ(f.edit.Layout().Edit, QRect(2, 2, f.edit.Width() - 4, 36)) << "a 2-pixel frame";
}

TEST(SkinEdit, ANewEditTakesItsDefaultFontWholeAndShowsItsTextInIt)
{
    const TFont plain;
    TvnSkinMaskEdit edit;
    for (const TFont* font : { edit.Font(), edit.DefaultFont() }) {
        EXPECT_EQ(font->Name(), "Arial");
        EXPECT_EQ(font->Height(), 14);
        EXPECT_EQ(font->Color(), clr::clBlack);
        EXPECT_EQ(font->Style(), plain.Style());
        EXPECT_EQ(font->Charset(), plain.Charset());
    }
    EXPECT_FALSE(edit.ParentFont());
    EXPECT_EQ(edit.font(), edit.Font()->ToQFont());
    EXPECT_EQ(edit.LineEdit()->font(), edit.Font()->ToQFont()) << "the text is laid out in the edit's font";
    EXPECT_EQ(edit.LineEdit()->palette().color(QPalette::Text), ToQColor(clr::clBlack));
    // The default font still leads the edit's own while no skin record says otherwise.
    edit.DefaultFont()->SetHeight(20);
    EXPECT_EQ(edit.Font()->Height(), 20);
    EXPECT_EQ(edit.LineEdit()->font(), edit.Font()->ToQFont());
}
