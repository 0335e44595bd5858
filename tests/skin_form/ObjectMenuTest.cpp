// The frame's objects with menus, on the feature skin: the grip button and the spinner
// open menus of their own. A button glows on the menu's layer, which stays while its menu
// shows; an animated object holds its down image or its last frame while its menu shows
// and runs again when it closes; a long menu shows the rows the frame allows and scrolls,
// in the skin's own popup window and menu items.
#include "FeatureSkinFixture.h"
#include "FrameFixture.h"
#include "platform/Keys.h"
#include "platform/LayeredWindows.h"
#include "skin/data/vnUtils/SkinRect.h"
#include "skin/menus/vnSkinMenus/PopupMenuWindow.h"
#include "support/TestEnv.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

using namespace frametest;
using namespace veneer;

namespace {

struct MenuForm : FramedForm {
    MenuForm()
        : FramedForm(bsSizeable, nullptr)
    {
        Frame->SetBorderIcons(veneer::biSystemMenu | veneer::biMinimize | veneer::biMaximize
            | veneer::biRollUp | veneer::biMinimizeToTray);
        Frame->SetSkinData(&FeatureSkin());
        // At the screen's origin: the mouse messages' points are frame and screen points.
        Form->SetBounds(0, 0, 400, 260);
        Form->SetCaption(QString());
        Form->Perform(msg::WM_NCACTIVATE, 1, 0);
    }
    ~MenuForm()
    {
        if (vnmenus::TvnMenuEngine* engine = Frame->MenuEngine()) engine->CloseMenus();
    }
    const TvnFrameObjectState& State(const char* name) const
    {
        return Frame->Objects().State(ObjectIndex(*Frame, name));
    }
    void Tick(int n)
    {
        for (int i = 0; i < n; ++i)
            Form->Perform(msg::WM_TIMER, TvnVeneerform::kAnimateTimer, 0);
    }
    void Send(UINT message, QPoint p) { Form->Perform(message, ht::HTOBJECT, MakeLParam(p.x(), p.y())); }
    // Over the object, pressed: its menu opens on the press.
    void Press(const char* name)
    {
        // Qt closes every popup when the application goes inactive: a window an earlier
        // test freed may still have that change on its way, and it would close this menu.
        QCoreApplication::processEvents();
        const QPoint at = ObjectPlace(*Frame, name).center();
        Frame->MouseTest(at, true);
        Send(msg::WM_NCLBUTTONDOWN, at);
        Send(msg::WM_NCLBUTTONUP, at);
    }
    vnmenus::TvnMenuEngine& Engine() const { return *Frame->MenuEngine(); }
};

TvnSkinPopupMenu* Menu(QObject* owner, int count)
{
    auto* menu = new TvnSkinPopupMenu(owner);
    for (int i = 0; i < count; ++i) {
        vnmenus::TvnMenuItem item;
        item.Caption = QStringLiteral("Item %1").arg(i + 1);
        menu->Items().push_back(item);
    }
    return menu;
}

QImage Painted(TForm& form, const QRect& place)
{
    return FramePaint(form).copy(place).convertToFormat(QImage::Format_RGB32);
}

QImage ObjectFrame(int row, int k)
{
    return FeatureSkin().Pictures.at(kFeatureObjectsPicture).copy((k - 1) * 18, row * 18, 18, 18);
}

// Layers are asked for whatever the virtual screen can show, and the store shows glows.
class GlowOn {
public:
    GlowOn()
    {
        platform::OverrideLayeredWindows(platform::TLayeredOverride::On);
        FeatureSkin().SetShowCaptionButtonGlowFrames(true);
    }
    ~GlowOn()
    {
        FeatureSkin().SetShowCaptionButtonGlowFrames(m_was);
        platform::OverrideLayeredWindows(platform::TLayeredOverride::Desktop);
    }

private:
    bool m_was = FeatureSkin().ShowCaptionButtonGlowFrames();
};

bool Glowing(TvnLayerManager* layer) { return layer->LayerWindow() && layer->LayerWindow()->isVisible(); }

int RowsShown(const vnmenus::TvnPopupMenuWindow& w)
{
    int n = 0;
    for (const QRect& r : w.Layout().Rows)
        n += r.isEmpty() ? 0 : 1;
    return n;
}

} // namespace

TEST(ObjectMenu, AButtonWithAMenuGlowsOnTheMenusLayerUntilTheMenuCloses)
{
    GlowOn glow;
    MenuForm f;
    f.Frame->SetButtonMenu("gripbutton", Menu(f.Form.get(), 3));
    const QRect grip = ObjectPlace(*f.Frame, "gripbutton");
    ASSERT_FALSE(grip.isEmpty());

    // A caption button without a menu glows on the other layer.
    f.Frame->MouseTest(ObjectPlace(*f.Frame, "closebutton").center(), true);
    EXPECT_TRUE(Glowing(f.Frame->GlowLayer()));
    EXPECT_FALSE(Glowing(f.Frame->MenuGlowLayer()));
    f.Frame->MouseTest(grip.center(), true);
    EXPECT_FALSE(Glowing(f.Frame->GlowLayer())) << "left with the pointer";
    EXPECT_TRUE(Glowing(f.Frame->MenuGlowLayer()));

    f.Press("gripbutton");
    ASSERT_NE(f.Frame->MenuEngine(), nullptr);
    ASSERT_TRUE(f.Engine().IsOpen());
    EXPECT_TRUE(f.State("gripbutton").MenuOpen);
    // The pointer goes into the menu: the button stays down and lit.
    f.Frame->MouseTest(QPoint(-1, -1), false);
    EXPECT_TRUE(f.State("gripbutton").Pressed);
    EXPECT_TRUE(Glowing(f.Frame->MenuGlowLayer()));
    const QImage down
        = FeatureSkin().Pictures.at(5).copy(16, 0, 16, 16).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(Painted(*f.Form, grip), down) << "its down image while its menu shows";

    // Closed with the pointer elsewhere, the button goes up and its glow goes.
    f.Engine().CloseMenus();
    EXPECT_FALSE(f.State("gripbutton").Pressed);
    EXPECT_FALSE(f.State("gripbutton").MenuOpen);
    EXPECT_FALSE(Glowing(f.Frame->MenuGlowLayer()));

    // The frame's deactivation closes the menu and hides both layers.
    f.Press("gripbutton");
    ASSERT_TRUE(Glowing(f.Frame->MenuGlowLayer()));
    f.Form->Perform(msg::WM_NCACTIVATE, 0, 0);
    EXPECT_FALSE(f.Engine().IsOpen());
    EXPECT_FALSE(Glowing(f.Frame->MenuGlowLayer()));
    EXPECT_FALSE(Glowing(f.Frame->GlowLayer()));
}

TEST(ObjectMenu, AnAnimatedObjectHoldsItsLastFrameWhileItsMenuShows)
{
    MenuForm f;
    f.Frame->SetButtonMenu("spinner", Menu(f.Form.get(), 2));
    f.Tick(6);
    const int before = f.State("spinner").FrameIndex;
    ASSERT_LT(before, 8);

    f.Press("spinner");
    ASSERT_NE(f.Frame->MenuEngine(), nullptr);
    ASSERT_TRUE(f.Engine().IsOpen()) << "a default-command object opens its menu";
    EXPECT_EQ(f.State("spinner").FrameIndex, 8);
    f.Tick(12);
    EXPECT_EQ(f.State("spinner").FrameIndex, 8) << "it waits while the menu shows";
    EXPECT_EQ(Painted(*f.Form, ObjectPlace(*f.Frame, "spinner")), ObjectFrame(1, 8));

    f.Engine().CloseMenus();
    EXPECT_FALSE(f.State("spinner").Pressed);
    f.Tick(4);
    EXPECT_EQ(f.State("spinner").FrameIndex, 1) << "its cycle goes on from the last frame";

    // An object with a down image shows that instead: the tray button's, drawn as the
    // frame would draw it with its menu open.
    TvnFrameObjectState tray = f.State("traybutton");
    tray.MenuOpen = tray.Pressed = true;
    tray.MouseIn = false;
    const TvnLayoutObject& place = f.Frame->Objects().LayoutAt(ObjectIndex(*f.Frame, "traybutton"));
    QImage image(f.Form->size(), QImage::Format_RGB32);
    image.fill(0);
    {
        QPainter p(&image);
        TvnObjectPaintContext c;
        c.Skin = &FeatureSkin();
        DrawFrameObject(p, place, tray, c);
    }
    EXPECT_EQ(image.copy(place.Rect), ObjectFrame(0, 7).convertToFormat(QImage::Format_RGB32));
}

TEST(ObjectMenu, ALongMenuShowsTheRowsTheFrameAllowsAndScrolls)
{
    MenuForm f;
    f.Frame->setProperty("MaxMenuItemsInWindow", 5);
    f.Frame->SetButtonMenu("gripbutton", Menu(f.Form.get(), 12));
    f.Press("gripbutton");
    ASSERT_NE(f.Frame->MenuEngine(), nullptr);
    ASSERT_TRUE(f.Engine().IsOpen());
    vnmenus::TvnPopupMenuWindow* w = f.Engine().TopMenu();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    const vnmenus::TvnMenuLayout& l = w->Layout();
    EXPECT_EQ(RowsShown(*w), 5);
    EXPECT_TRUE(l.Scrolls());
    EXPECT_FALSE(l.CanScrollUp);
    EXPECT_TRUE(l.CanScrollDown);
    EXPECT_EQ(l.Rows[0].top(), vnutils::RectBottom(l.UpMarker));
    EXPECT_EQ(vnutils::RectBottom(l.Rows[4]), l.DownMarker.top());
    const QSize size = w->size();

    // Down past the last row shown scrolls a row; End shows the last five; Down from the
    // last item wraps to the first, at the top again.
    for (int i = 0; i < 6; ++i)
        f.Engine().KeyDown(vk::VK_DOWN);
    EXPECT_EQ(w->Selected(), 5);
    EXPECT_EQ(w->Layout().Top, 1);
    EXPECT_TRUE(w->Layout().Rows[0].isEmpty());
    EXPECT_EQ(w->Layout().Rows[5].bottom(), w->Layout().DownMarker.top() - 1);
    f.Engine().KeyDown(vk::VK_END);
    EXPECT_EQ(w->Layout().Top, 7);
    EXPECT_FALSE(w->Layout().CanScrollDown);
    f.Engine().KeyDown(vk::VK_DOWN);
    EXPECT_EQ(w->Selected(), 0);
    EXPECT_EQ(w->Layout().Top, 0);
    EXPECT_EQ(w->size(), size) << "one size whatever it shows";

    // A notch of the wheel down scrolls a row; the selection stays in sight.
    QWheelEvent wheel(QPointF(10, 30), w->mapToGlobal(QPointF(10, 30)), {}, QPoint(0, -120), Qt::NoButton, {},
        Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &wheel);
    EXPECT_EQ(w->Layout().Top, 1);
    EXPECT_EQ(w->Selected(), 1);
    // A click on the lower marker scrolls a row; resting on the upper one scrolls back up.
    QTest::mouseClick(w, Qt::LeftButton, {}, w->Layout().DownMarker.center());
    EXPECT_EQ(w->Layout().Top, 2);
    EXPECT_TRUE(f.Engine().IsOpen());
    QTest::mouseMove(w, w->Layout().UpMarker.center());
    EXPECT_TRUE(testenv::waitFor([&] { return w->Layout().Top == 0; }));
    f.Engine().CloseMenus();

    // Without a limit every row shows.
    f.Frame->setProperty("MaxMenuItemsInWindow", 0);
    f.Press("gripbutton");
    ASSERT_TRUE(f.Engine().IsOpen());
    EXPECT_EQ(RowsShown(*f.Engine().TopMenu()), 12);
    EXPECT_FALSE(f.Engine().TopMenu()->Layout().Scrolls());
}

TEST(ObjectMenu, TheMenuIsDrawnFromTheSkinsPopupWindowAndMenuItem)
{
    const TvnSkinData& skin = FeatureSkin();
    const QImage window = skin.Picture(skin.PopupWindow.WindowPictureIndex);
    const auto* item
        = dynamic_cast<const TvnDataSkinMenuItem*>(skin.FrameObject(skin.FindFrameObject("menuitem")));
    ASSERT_FALSE(window.isNull()) << "the skin has a popup window";
    ASSERT_NE(item, nullptr) << "the skin has a menu item look";
    const QImage items = skin.Picture(item->ActivePictureIndex);

    MenuForm f;
    f.Frame->setProperty("MaxMenuItemsInWindow", 5);
    f.Frame->SetButtonMenu("gripbutton", Menu(f.Form.get(), 12));
    f.Press("gripbutton");
    ASSERT_TRUE(f.Engine().IsOpen());
    vnmenus::TvnPopupMenuWindow* w = f.Engine().TopMenu();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    f.Engine().KeyDown(vk::VK_DOWN);
    f.Engine().KeyDown(vk::VK_DOWN);
    ASSERT_EQ(w->Selected(), 1);
    const QImage shown = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect plain = w->Layout().Rows[0], selected = w->Layout().Rows[1];
    const auto rgb = [](const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000u; };

    // The window's outline, stretched along its edges, and the row looks at their fixed
    // left ends.
    EXPECT_EQ(rgb(shown, 0, shown.height() / 2), rgb(window, 0, window.height() / 2));
    EXPECT_EQ(rgb(shown, shown.width() / 2, shown.height() - 1),
        rgb(window, window.width() / 2, window.height() - 1));
    const int x = item->ItemLeftOffset - 1;
    EXPECT_EQ(rgb(shown, selected.x() + x, selected.center().y()),
        rgb(items, item->ActiveSkinRect.x() + x, item->ActiveSkinRect.center().y()));
    EXPECT_EQ(rgb(shown, plain.x() + x, plain.center().y()),
        rgb(items, item->SkinRect.x() + x, item->SkinRect.center().y()));
    EXPECT_NE(rgb(items, item->ActiveSkinRect.x() + x, item->ActiveSkinRect.center().y()),
        rgb(items, item->SkinRect.x() + x, item->SkinRect.center().y()))
        << "the selection is seen";
    EXPECT_FALSE(w->mask().isEmpty()) << "the popup takes the shape of its mask";
    EXPECT_EQ(RowsShown(*w), 5) << "still scrolls in the skin's window";
}
