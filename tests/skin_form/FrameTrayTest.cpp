// The frame's tray: what assigning a tray icon gives it, and the tray button, the
// minimize button and the system menu on a desktop without a tray (Qt's offscreen
// platform has none), where the form minimizes as usual instead of vanishing. The way
// into a real tray and back runs under X11 (tests/skin_form_x11).
#include "FrameFixture.h"
#include "skin/menus/vnSkinMenus/MenuEngine.h"
#include "skin/tray/TrayIcon.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace frametest;
using namespace veneer;

namespace {

QStringList ItemNames(const vnmenus::TvnMenuItems& items)
{
    QStringList names;
    for (const auto& item : items)
        names << (item.IsSeparator() ? QStringLiteral("-") : item.Name);
    return names;
}

// The centre of the first object of `command`, where a click lands on it.
QPoint ButtonCentre(const TvnVeneerform& frame, TvnSkinCommand command)
{
    for (int i = 0; i < frame.Objects().Count(); ++i) {
        const TvnLayoutObject& o = frame.Objects().LayoutAt(i);
        if (o.Kind == TvnObjectKind::StdButton && o.Command == command && o.Shown) return o.Rect.center();
    }
    return {};
}

} // namespace

using FrameTray = FramedFormsTest;

TEST_F(FrameTray, AnAssignedIconGetsTheTrayMenuAndTheWayBackAndLeavesTheTray)
{
    const auto f = Make();
    TvnTrayIcon icon;
    icon.SetIconVisible(true);
    icon.SetMinimizeToTray(true);
    f->Frame->SetTrayIcon(&icon);
    EXPECT_FALSE(icon.IconVisible());
    EXPECT_FALSE(icon.MinimizeToTray());
    ASSERT_EQ(icon.PopupMenu(), f->Frame->TrayMenu());
    EXPECT_EQ(
        ItemNames(icon.PopupMenu()->Items()), QStringList({ "TRAY_VNF_RESTORE", "-", "TRAY_VNF_CLOSE" }));
    EXPECT_EQ(icon.PopupMenu()->Items().front().Caption, "&Restore");
    EXPECT_EQ(icon.PopupMenu()->Items().back().Caption, "&Close");
    EXPECT_TRUE(static_cast<bool>(icon.OnDblClick));

    // With AlwaysShowInTray the icon stays; its own menu and handler are kept.
    TvnTrayIcon own;
    own.SetIconVisible(true);
    TvnSkinPopupMenu menu;
    own.SetPopupMenu(&menu);
    bool clicked = false;
    own.OnDblClick = [&](QObject*) { clicked = true; };
    f->Frame->setProperty("AlwaysShowInTray", true);
    f->Frame->SetTrayIcon(&own);
    EXPECT_TRUE(own.IconVisible());
    EXPECT_EQ(own.PopupMenu(), &menu);
    own.OnDblClick(&own);
    EXPECT_TRUE(clicked);
}

TEST_F(FrameTray, WithoutATrayTheTrayButtonMinimizesTheFormAsUsual)
{
    ASSERT_FALSE(TvnTrayIcon::SystemTrayAvailable());
    const auto f = Make(bsSizeable, { 100, 80, 416, 240 }, veneer::biMinimize | veneer::biMinimizeToTray);
    f->Form->Show();
    f->Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f->Form.get()));
    TvnTrayIcon icon;
    f->Frame->SetTrayIcon(&icon);
    bool toTray = false;
    f->Frame->OnMinimizeToTray = [&](QObject*) { toTray = true; };

    const QPoint tray = ButtonCentre(*f->Frame, TvnSkinCommand::cmMinimizeToTray);
    ASSERT_FALSE(tray.isNull()) << "the skin's tray button shows with biMinimizeToTray";
    QTest::mouseMove(f->Form.get(), tray);
    QTest::mouseClick(f->Form.get(), Qt::LeftButton, {}, tray);
    EXPECT_EQ(f->Frame->FrameWindowState(), TvnWindowState::wsMinimized);
    EXPECT_TRUE(f->Form->isVisible()) << "a hidden form would have no way back";
    EXPECT_FALSE(f->Frame->InTray());
    EXPECT_FALSE(toTray);
    EXPECT_FALSE(icon.Shown());
}

TEST_F(FrameTray, TheMinimizeButtonAndItemGoToTheTrayOnlyWithAnIcon)
{
    const auto f = Shown();
    f->Frame->setProperty("AlwaysMinimizeToTray", true);
    // Without a tray icon the request is ignored.
    f->Frame->RunCommand(TvnSkinCommand::cmMinimize);
    EXPECT_EQ(f->Frame->FrameWindowState(), TvnWindowState::wsNormal);
    f->Frame->MinimizeFormToTray();
    EXPECT_EQ(f->Frame->FrameWindowState(), TvnWindowState::wsNormal);

    TvnTrayIcon icon;
    f->Frame->SetTrayIcon(&icon);
    // The minimize item of the system menu takes the same way as the button.
    QTest::mouseClick(f->Form.get(), Qt::RightButton, {}, QPoint(200, 12));
    vnmenus::TvnMenuEngine* engine = f->Frame->MenuEngine();
    ASSERT_TRUE(engine && engine->IsOpen());
    ASSERT_EQ(engine->Items().front().Name, "VNF_MINITEM");
    engine->Chosen(engine->Items().front());
    EXPECT_EQ(f->Frame->FrameWindowState(), TvnWindowState::wsMinimized) << "no tray here: minimized";
    EXPECT_TRUE(f->Form->isVisible());
}

TEST_F(FrameTray, TheSystemMenuOffersTheTrayWithTheTrayIconAndTheTrayMenuCloses)
{
    const auto f = Make(bsSizeable, { 100, 80, 416, 240 }, veneer::biMinimize | veneer::biMinimizeToTray);
    f->Form->Show();
    TvnTrayIcon icon;
    f->Frame->SetTrayIcon(&icon);
    QStringList names;
    for (const auto& entry : f->Frame->SystemMenuEntries())
        names << entry.Name;
    EXPECT_TRUE(names.contains("VNF_MINTOTRAY"));

    // The tray menu's Restore brings a form back; its Close closes it.
    bool restored = false;
    f->Frame->OnRestoreFromTray = [&](QObject*) { restored = true; };
    f->Form->hide();
    f->Frame->TrayMenu()->Items().front().OnClick();
    EXPECT_TRUE(f->Form->isVisible());
    EXPECT_TRUE(restored);
    EXPECT_FALSE(icon.IconVisible());
    f->Frame->TrayMenu()->Items().back().OnClick();
    EXPECT_FALSE(f->Form->isVisible());
}
