// The skinned popup menu as callers use it: where it opens, which items the keys and
// the mouse reach, that a chosen item runs once and that every way of closing is told.
#include "platform/Keys.h"
#include "skin/menus/vnSkinMenus/MenuEngine.h"
#include "skin/menus/vnSkinMenus/MenuPaint.h"
#include "skin/menus/vnSkinMenus/PopupMenuWindow.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using namespace vnmenus;

namespace {

TvnMenuItem Item(const char* caption, bool enabled = true, bool visible = true)
{
    TvnMenuItem item;
    item.Caption = QString::fromUtf8(caption);
    item.Enabled = enabled;
    item.Visible = visible;
    return item;
}

struct OpenMenu {
    TvnMenuEngine engine;
    int closed = 0;
    OpenMenu()
    {
        engine.OnClose = [this](QObject*) { ++closed; };
    }
    TvnPopupMenuWindow* Window() const { return engine.TopMenu(); }
    void Open(TvnMenuItems items, const QRect& at, TvnPopupPlacement placement = TvnPopupPlacement::Below)
    {
        engine.Popup(std::move(items), at, nullptr, placement);
        ASSERT_TRUE(engine.IsOpen());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Window()));
    }
    QPoint RowCentre(int index) const { return Window()->Layout().Rows[index].center(); }
};

QRect WorkArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

} // namespace

TEST(PopupMenu, OpensBelowItsRectangleAndFlipsAboveWithoutRoom)
{
    const TvnMenuItems items = { Item("&Restaurar"), Item("&Mover"), Item("-"), Item("&Fechar") };
    const QRect area = WorkArea();
    OpenMenu m;
    const QRect button(area.x() + 40, area.y() + 30, 20, 18);
    m.Open(items, button);
    EXPECT_TRUE(m.Window()->isWindow());
    EXPECT_TRUE(m.Window()->windowFlags().testFlag(Qt::Popup))
        << "a top-level popup, not painted into its owner";
    EXPECT_EQ(m.Window()->pos(), QPoint(button.x(), button.y() + button.height()));

    const QSize size = m.Window()->size();
    const QRect low(area.x() + 40, area.y() + area.height() - 20, 20, 18);
    m.Open(items, low);
    EXPECT_EQ(m.closed, 1) << "opening again closes the first menu";
    EXPECT_EQ(m.Window()->geometry().bottom() + 1, low.y()) << "no room below: above the rectangle";

    m.Open(items, button, TvnPopupPlacement::Above);
    EXPECT_EQ(m.Window()->y(), button.y() + button.height()) << "no room above: below after all";
    const QRect middle(area.center(), QSize(20, 18));
    m.Open(items, middle, TvnPopupPlacement::Above);
    EXPECT_EQ(m.Window()->geometry(), QRect(QPoint(middle.x(), middle.y() - size.height()), size));

    // Near the right edge the menu moves left to stay on the screen.
    m.Open(items, QRect(area.right() - 5, area.y() + 30, 1, 1));
    EXPECT_EQ(m.Window()->geometry().right(), area.right());
}

TEST(PopupMenu, ChosenItemRunsOnceAfterTheMenuHasClosed)
{
    int copied = 0, pasted = 0;
    bool closedFirst = false;
    OpenMenu m;
    TvnMenuItems items = { Item("&Copiar"), Item("Co&lar"), Item("&Desativado", false) };
    items[0].OnClick = [&] {
        ++copied;
        closedFirst = m.closed == 1 && !m.engine.IsOpen();
    };
    items[1].OnClick = [&] { ++pasted; };
    int disabledRan = 0;
    items[2].OnClick = [&] { ++disabledRan; };

    m.Open(items, QRect(WorkArea().topLeft() + QPoint(50, 50), QSize(1, 1)));
    QTest::mouseClick(m.Window(), Qt::LeftButton, {}, m.RowCentre(2));
    EXPECT_TRUE(m.engine.IsOpen()) << "a disabled item is not chosen";
    QTest::mouseClick(m.Window(), Qt::LeftButton, {}, m.RowCentre(0));
    EXPECT_EQ(copied, 1);
    EXPECT_TRUE(closedFirst);
    EXPECT_FALSE(m.engine.IsOpen());

    m.Open(items, QRect(WorkArea().topLeft() + QPoint(50, 50), QSize(1, 1)));
    QTest::keyClick(m.Window(), Qt::Key_L); // the accelerator of "Co&lar"
    EXPECT_EQ(pasted, 1);
    m.Open(items, QRect(WorkArea().topLeft() + QPoint(50, 50), QSize(1, 1)));
    QTest::keyClick(m.Window(), Qt::Key_Down);
    QTest::keyClick(m.Window(), Qt::Key_Return);
    EXPECT_EQ(copied, 2);
    EXPECT_EQ(pasted, 1);
    EXPECT_EQ(disabledRan, 0);
    EXPECT_EQ(m.closed, 3) << "each menu reports its closing once";
}

TEST(PopupMenu, EscAClickOutsideAndTheFramesRequestCloseWithoutRunningAnything)
{
    int ran = 0;
    TvnMenuItems items = { Item("&Fechar") };
    items[0].OnClick = [&] { ++ran; };
    const QRect at(WorkArea().topLeft() + QPoint(60, 60), QSize(1, 1));
    OpenMenu m;

    m.Open(items, at);
    QTest::keyClick(m.Window(), Qt::Key_Escape);
    EXPECT_FALSE(m.engine.IsOpen());
    EXPECT_EQ(m.closed, 1);

    m.Open(items, at);
    QTest::mouseClick(
        m.Window(), Qt::LeftButton, {}, QPoint(m.Window()->width() + 30, m.Window()->height() + 30));
    EXPECT_FALSE(m.engine.IsOpen());
    EXPECT_EQ(m.closed, 2);

    m.Open(items, at);
    m.engine.CloseMenus();
    m.engine.CloseMenus();
    EXPECT_EQ(m.closed, 3) << "closing twice reports once";

    m.Open(items, at);
    m.Window()->hide(); // as Qt hides a popup when the application loses the focus
    EXPECT_EQ(m.closed, 4);
    EXPECT_EQ(ran, 0);
}

TEST(PopupMenu, ArrowKeysSkipDisabledInvisibleAndSeparatorItems)
{
    const TvnMenuItems items = { Item("Um"), Item("Dois", false), Item("Tres", true, false), Item("-"),
        Item("Quatro"), Item("Cinco", false) };
    OpenMenu m;
    m.Open(items, QRect(WorkArea().topLeft() + QPoint(50, 50), QSize(1, 1)));
    EXPECT_EQ(m.Window()->Selected(), -1);
    EXPECT_TRUE(m.engine.KeyDown(vk::VK_DOWN)) << "keys the frame routes to the menu";
    EXPECT_EQ(m.Window()->Selected(), 0);
    m.engine.KeyDown(vk::VK_DOWN);
    EXPECT_EQ(m.Window()->Selected(), 4);
    m.engine.KeyDown(vk::VK_DOWN);
    EXPECT_EQ(m.Window()->Selected(), 0) << "wraps round past the disabled last item";
    m.engine.KeyDown(vk::VK_UP);
    EXPECT_EQ(m.Window()->Selected(), 4);
    EXPECT_TRUE(m.Window()->Layout().Rows[2].isEmpty()) << "an invisible item takes no row";

    // The mouse does not highlight a disabled item either.
    QTest::mouseMove(m.Window(), m.RowCentre(1));
    EXPECT_EQ(m.Window()->Selected(), -1);
}

TEST(PopupMenu, SubMenusOpenBesideTheirItemAndCloseLevelByLevel)
{
    int ran = 0;
    TvnMenuItems items = { Item("&Janela"), Item("&Sair") };
    items[0].Items = { Item("&Cascata"), Item("&Lado a lado") };
    items[0].Items[1].OnClick = [&] { ++ran; };
    OpenMenu m;
    m.Open(items, QRect(WorkArea().topLeft() + QPoint(50, 50), QSize(1, 1)));
    m.engine.KeyDown(vk::VK_DOWN);
    m.engine.KeyDown(vk::VK_RIGHT);
    TvnPopupMenuWindow* sub = m.Window()->SubMenu();
    ASSERT_NE(sub, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(sub));
    EXPECT_EQ(sub->x(), m.Window()->RowOnScreen(0).right() + 1);
    EXPECT_EQ(sub->Selected(), 0);
    EXPECT_EQ(m.engine.ActiveMenu(), sub);

    m.engine.KeyDown(vk::VK_ESCAPE);
    EXPECT_EQ(m.Window()->SubMenu(), nullptr) << "Esc closes the inner level only";
    EXPECT_TRUE(m.engine.IsOpen());
    m.engine.KeyDown(vk::VK_RETURN);
    ASSERT_NE(m.Window()->SubMenu(), nullptr) << "Enter on an item with sub-items opens them";
    m.engine.KeyDown(vk::VK_DOWN);
    m.engine.KeyDown(vk::VK_RETURN);
    EXPECT_EQ(ran, 1);
    EXPECT_FALSE(m.engine.IsOpen());
    EXPECT_EQ(m.closed, 1);
}

TEST(PopupMenu, LayoutGivesEveryVisibleItemARowInsideTheMenu)
{
    TvnMenuLook look;
    look.Font = QApplication::font();
    TvnMenuItems items = { Item("Curto"), Item("-"), Item("Um texto bem mais comprido que os outros") };
    items[0].ShortCut = "Ctrl+Z";
    const TvnMenuLayout layout = LayoutMenu(look, items);
    const QFontMetrics fm(look.Font);
    EXPECT_GE(layout.Rows[2].width(), look.TextLeft + fm.horizontalAdvance(items[2].Caption));
    EXPECT_EQ(layout.Rows[1].height(), look.DividerHeight);
    EXPECT_EQ(layout.Rows[0].bottom() + 1, layout.Rows[1].y());
    EXPECT_EQ(layout.Size.height(), layout.Rows[2].bottom() + 1 + look.Margin);
    EXPECT_EQ(ItemAt(layout, layout.Rows[2].center()), 2);
    EXPECT_EQ(ItemAt(layout, QPoint(0, 0)), -1) << "the frame is no item";
    EXPECT_EQ(AccelOf("Co&lar"), QChar('L'));
    EXPECT_EQ(AccelOf("A && B"), QChar());
    EXPECT_EQ(PlainCaption("&Salvar && sair"), "Salvar & sair");
}

TEST(PopupMenu, ALongLevelShowsItsRowLimitBetweenMarkersAndCountsOnlyVisibleItems)
{
    TvnMenuLook look;
    look.Font = QApplication::font();
    look.ItemHeight = 20;
    look.DividerHeight = 8;
    // Eight visible entries (one a separator); the hidden item takes no row.
    const TvnMenuItems items = { Item("Um"), Item("Dois"), Item("Oculto", true, false), Item("Tres"),
        Item("-"), Item("Quatro"), Item("Cinco"), Item("Seis"), Item("Sete") };
    EXPECT_FALSE(LayoutMenu(look, items, 8).Scrolls()) << "no more than the limit: no scrolling";

    const TvnMenuLayout first = LayoutMenu(look, items, 3);
    ASSERT_TRUE(first.Scrolls());
    EXPECT_EQ(first.Top, 0);
    EXPECT_FALSE(first.CanScrollUp);
    EXPECT_TRUE(first.CanScrollDown);
    // The rows lie between the markers; the window is as high as three item rows.
    EXPECT_EQ(first.Rows[0].y(), first.UpMarker.bottom() + 1);
    EXPECT_EQ(first.DownMarker.y() - first.UpMarker.bottom() - 1, 3 * 20);
    EXPECT_TRUE(first.Rows[5].isEmpty());

    // Two rows down from the top skips the hidden item; a row with the separator in it
    // leaves the rest of the window empty, at the same size.
    EXPECT_EQ(ScrolledTop(items, 3, 0, 2), 3);
    const TvnMenuLayout down = LayoutMenu(look, items, 3, 3);
    EXPECT_EQ(down.Size, first.Size);
    EXPECT_EQ(down.Rows[4].height(), 8);
    EXPECT_TRUE(down.Rows[6].isEmpty());
    EXPECT_EQ(ScrolledTop(items, 3, 0, 50), 6) << "never past a full last window";
    EXPECT_EQ(ScrolledTop(items, 3, 6, -50), 0);
    EXPECT_FALSE(LayoutMenu(look, items, 3, 6).CanScrollDown);

    // Bringing an item into sight moves the window as little as it can.
    EXPECT_EQ(TopShowing(items, 3, 0, 1), 0) << "already in sight";
    EXPECT_EQ(TopShowing(items, 3, 0, 5), 3) << "down: it becomes the last row";
    EXPECT_EQ(TopShowing(items, 3, 6, 1), 1) << "up: it becomes the first row";
}

// The scroll markers take the skin's popup colours, the active one while the pointer
// rests on a marker; a marker with nothing more its way is greyed whatever the skin.
TEST(PopupMenu, ScrollMarkersAreDrawnInTheSkinsMarkerColours)
{
    TvnMenuLook look;
    look.Font = QApplication::font();
    look.Face = Qt::white;
    look.TextColor = Qt::black;
    look.DisabledTextColor = Qt::gray;
    const TvnMenuItems items = { Item("Um"), Item("Dois"), Item("Tres"), Item("Quatro"), Item("Cinco") };
    const TvnMenuLayout layout = LayoutMenu(look, items, 3);
    ASSERT_TRUE(layout.Scrolls());
    const auto markerColours = [&](int hot) {
        const QImage menu = DrawMenu({ &look, &layout, &items, -1, hot });
        return std::pair { QColor(menu.pixel(layout.UpMarker.center())),
            QColor(menu.pixel(layout.DownMarker.center())) };
    };

    EXPECT_EQ(markerColours(0), std::pair(QColor(Qt::gray), QColor(Qt::black)))
        << "without the skin's colours: the text colour";
    look.ScrollMarkerColor = QColor(200, 0, 0);
    look.ScrollMarkerActiveColor = QColor(0, 160, 0);
    EXPECT_EQ(markerColours(0), std::pair(QColor(Qt::gray), QColor(200, 0, 0)));
    EXPECT_EQ(markerColours(1), std::pair(QColor(Qt::gray), QColor(0, 160, 0)));
    EXPECT_EQ(markerColours(-1), std::pair(QColor(Qt::gray), QColor(200, 0, 0)))
        << "resting on a marker that cannot scroll lights nothing";
}
