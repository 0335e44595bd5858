// The skinned edit and the skinned popup menu in the studio skin: the field takes the
// record's height and draws its faces from the skin picture; the menu draws its window
// and rows from the popup description and the "menuitem" object. With
// QUIRA_SHOT_DIR set the tests also save what they show there.
#include "StudioSkinFixture.h"
#include "framework/Form.h"
#include "platform/Keys.h"
#include "skin/controls/vnSkinBoxCtrls/SkinEdit.h"
#include "skin/data/vnSkinData/FrameObjects.h"
#include "skin/menus/vnSkinMenus/PopupMenuWindow.h"
#include "support/TestEnv.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

using namespace studiotest;

namespace {

struct Fields {
    TForm form;
    TvnSkinEdit empty { &form }, filled { &form }, focused { &form }, readOnly { &form }, disabled { &form };

    Fields()
    {
        form.SetBounds(60, 60, 260, 190);
        form.SetColor(ProgramSkin().SkinColors.cBtnFace);
        int top = 10;
        for (TvnSkinEdit* e : All()) {
            e->SetParent(form.ClientWidget());
            e->SetBounds(10, top, 230, 18);
            e->SetSkinData(ProgramDataModule().vnSkinData1);
            top += 34;
        }
        filled.SetText("Formatura Medicina 2024");
        focused.SetText("Maria");
        readOnly.SetText("/home/estudio/fotos");
        readOnly.SetReadOnly(true);
        disabled.SetText("Desativado");
        disabled.SetEnabled(false);
    }
    std::vector<TvnSkinEdit*> All() { return { &empty, &filled, &focused, &readOnly, &disabled }; }
    void Show()
    {
        form.Show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        focused.LineEdit()->setFocus(Qt::MouseFocusReason);
        focused.LineEdit()->setCursorPosition(5);
        ASSERT_TRUE(testenv::waitFor([&] { return focused.LineEdit()->hasFocus(); }));
    }
};

QRgb SkinPixel(const QRect& skinRect, QPoint at)
{
    const TvnDataSkinEditControl& r = RecordNamed<TvnDataSkinEditControl>("edit");
    return ProgramSkin().Picture(r.PictureIndex).pixel(skinRect.topLeft() + at);
}

} // namespace

TEST(StudioEdit, FieldTakesTheRecordsHeightAndDrawsNormalAndActiveFaces)
{
    Fields f;
    f.Show();
    const TvnDataSkinEditControl& record = RecordNamed<TvnDataSkinEditControl>("edit");
    for (TvnSkinEdit* e : f.All())
        EXPECT_EQ(e->Height(), record.SkinRect.height()) << "declared 18 high";
    EXPECT_EQ(f.empty.Layout().TextArea.left(), record.Geometry.ClientRect.left());

    // The left edge column shows the normal face, and the active one while focused.
    const QImage normal = f.empty.grab().toImage();
    const QImage active = f.focused.grab().toImage();
    EXPECT_EQ(normal.pixel(0, 10), SkinPixel(record.SkinRect, QPoint(0, 10)));
    EXPECT_EQ(active.pixel(0, 10), SkinPixel(record.ActiveSkinRect, QPoint(0, 10)));
    EXPECT_EQ(f.focused.Font()->Color(), record.ActiveFontColor);
    EXPECT_EQ(f.empty.Font()->Color(), record.FontColor);
    EXPECT_EQ(f.disabled.LineEdit()->palette().color(QPalette::Disabled, QPalette::Text),
        ToQColor(record.DisabledFontColor));
    testenv::KeepPicture(&f.form, "edits_studio");
}

TEST(StudioEdit, TheActiveColourGoesWithTheFocusAndATallerFieldKeepsItsFrame)
{
    Fields f;
    f.Show();
    const TvnDataSkinEditControl& r = RecordNamed<TvnDataSkinEditControl>("edit");
    f.focused.Perform(msg::CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(f.focused.Font()->Color(), r.ActiveFontColor);
    // The focus leaves while the mouse still rests on the field: the normal colour.
    f.empty.LineEdit()->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(testenv::waitFor([&] { return f.empty.LineEdit()->hasFocus(); }));
    EXPECT_EQ(f.focused.Font()->Color(), r.FontColor);
    EXPECT_EQ(f.empty.Font()->Color(), r.ActiveFontColor);
    // The mouse coming in again lights it; leaving darkens it.
    f.focused.Perform(msg::CM_MOUSELEAVE, 0, 0);
    f.focused.Perform(msg::CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(f.focused.Font()->Color(), r.ActiveFontColor);
    f.focused.Perform(msg::CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(f.focused.Font()->Color(), r.FontColor);

    // A field higher than the skin (its own font) keeps the frame rows above and below
    // the text area as the skin has them and stretches only the part between.
    f.filled.DefaultFont()->SetHeight(24);
    f.filled.SetUseSkinFont(false);
    const int h = f.filled.Height();
    ASSERT_GT(h, r.SkinRect.height());
    const QImage shot = f.filled.grab().toImage();
    const int top = r.Geometry.ClientRect.y();
    const int bottom = r.SkinRect.height() - (r.Geometry.ClientRect.y() + r.Geometry.ClientRect.height());
    ASSERT_GT(top + bottom, 0);
    for (int y = 0; y < top; ++y)
        EXPECT_EQ(shot.pixel(0, y), SkinPixel(r.SkinRect, QPoint(0, y))) << y;
    for (int i = 1; i <= bottom; ++i)
        EXPECT_EQ(shot.pixel(0, h - i), SkinPixel(r.SkinRect, QPoint(0, r.SkinRect.height() - i))) << i;
}

TEST(StudioEdit, ContextMenuIsDrawnFromThePopupWindowAndTheMenuItemObject)
{
    Fields f;
    f.Show();
    f.filled.SetSelStart(0);
    f.filled.SetSelLength(9);
    const QPoint at = f.filled.mapToGlobal(QPoint(40, 12));
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(40, 12), at);
    QApplication::sendEvent(f.filled.LineEdit(), &e);
    ASSERT_NE(f.filled.ContextMenu(), nullptr);
    vnmenus::TvnPopupMenuWindow* menu = f.filled.ContextMenu()->Engine().TopMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    f.filled.ContextMenu()->Engine().KeyDown(vk::VK_DOWN);
    f.filled.ContextMenu()->Engine().KeyDown(vk::VK_DOWN);
    EXPECT_EQ(menu->Selected(), 3) << "Undo is disabled: Cut, then Copy";

    const TvnSkinData& skin = ProgramSkin();
    const auto& item
        = dynamic_cast<const TvnDataSkinMenuItem&>(*skin.FrameObject(skin.FindFrameObject("menuitem")));
    const QImage items = skin.Picture(item.ActivePictureIndex);
    const QImage shown = menu->grab().toImage();
    const QRect copyRow = menu->Layout().Rows[3];
    const QRect cutRow = menu->Layout().Rows[2];
    EXPECT_EQ(copyRow.height(), item.SkinRect.height());
    // A column of the rows' fixed left ends, away from the text: active and normal look.
    const int x = item.ItemLeftOffset - 1;
    EXPECT_EQ(shown.pixel(copyRow.x() + x, copyRow.center().y()),
        items.pixel(item.ActiveSkinRect.x() + x, item.ActiveSkinRect.center().y()));
    EXPECT_EQ(shown.pixel(cutRow.x() + x, cutRow.center().y()),
        items.pixel(item.SkinRect.x() + x, item.SkinRect.center().y()));
    EXPECT_FALSE(menu->mask().isEmpty()) << "the popup takes the shape of its mask";

    // The whole screen: the field and the open menu over it.
    if (!qEnvironmentVariable("QUIRA_SHOT_DIR").isEmpty()) {
        testenv::KeepPicture(menu, "context_menu");
        QCoreApplication::processEvents();
        testenv::KeepPicture(
            QGuiApplication::primaryScreen()->grabWindow(0).toImage(), "context_menu_screen");
    }
    f.filled.ContextMenu()->CloseMenu();
}

TEST(StudioEdit, DefaultLookWithoutTheStore)
{
    TForm form;
    form.SetBounds(60, 60, 260, 60);
    TvnSkinEdit edit(&form);
    edit.SetParent(form.ClientWidget());
    edit.SetBounds(10, 10, 230, 21);
    edit.SetText("Sem skin");
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QImage shown = edit.grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(edit.Width() - 5, 10)), ToQColor(clr::clWindow));
    testenv::KeepPicture(&form, "edit_default");
}
