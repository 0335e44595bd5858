// The frame's way into a real tray and back: a tray host (trayer, a panel holding the
// X11 system tray) runs on the test's X server, the tray button sends the form there,
// and the icon's double click and its menu bring it back, all with the X pointer.
#include "skin/menus/vnSkinMenus/MenuEngine.h"
#include "skin/tray/TrayIcon.h"
#include "skin_form/FrameFixture.h"
#include "support/TestEnv.h"
#include "support/XDesktop.h"

#include <QApplication>
#include <QProcess>
#include <QSystemTrayIcon>
#include <QTest>
#include <gtest/gtest.h>

using namespace frametest;
using namespace veneer;

namespace {

// A panel with a system tray at the screen's top right, for as long as it lives.
class TrayHost {
public:
    bool Start()
    {
        m_process.start(QStringLiteral("trayer"),
            { "--edge", "top", "--align", "right", "--widthtype", "pixel", "--width", "120", "--heighttype",
                "pixel", "--height", "32", "--SetDockType", "false" });
        return m_process.waitForStarted(5000)
            && testenv::waitFor([] { return TvnTrayIcon::SystemTrayAvailable(); }, 10000);
    }
    ~TrayHost()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) m_process.kill();
        m_process.waitForFinished(3000);
        testenv::waitFor([] { return !TvnTrayIcon::SystemTrayAvailable(); }, 3000);
    }

private:
    QProcess m_process;
};

// The window Qt docks into the tray for the icon, once the tray has taken it.
QWidget* DockedIcon()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("QSystemTrayIconSys") && w->isVisible()) return w;
    return nullptr;
}

} // namespace

using FrameTrayX11 = FramedFormsTest;

TEST_F(FrameTrayX11, TheTrayButtonHidesTheFormAndTheIconsDoubleClickOrMenuBringsItBack)
{
    TrayHost host;
    ASSERT_TRUE(host.Start()) << "trayer gives the X server a system tray";
    const auto f = Make(bsSizeable, { 200, 200, 416, 240 }, veneer::biMinimize | veneer::biMinimizeToTray);
    f->Form->setWindowTitle("Quira");
    f->Form->Show();
    f->Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f->Form.get()));
    TvnTrayIcon icon;
    icon.SetHint("Quira");
    f->Frame->SetTrayIcon(&icon);
    EXPECT_FALSE(icon.Shown()) << "out of the tray until the form goes there";
    int toTray = 0, fromTray = 0;
    f->Frame->OnMinimizeToTray = [&](QObject*) { ++toTray; };
    f->Frame->OnRestoreFromTray = [&](QObject*) { ++fromTray; };
    testenv::Shot(f->Form.get(), QRect(QPoint(0, 0), f->Form->size()), "frame_tray_button");

    // The tray button, clicked with the X pointer.
    const QRect button = testenv::PlaceOf(*f->Frame, "traybutton");
    ASSERT_FALSE(button.isEmpty());
    testenv::ClickAt(f->Form->mapToGlobal(button.center()));
    ASSERT_TRUE(testenv::waitFor([&] { return !f->Form->isVisible(); }));
    EXPECT_TRUE(f->Frame->InTray());
    EXPECT_EQ(toTray, 1);
    EXPECT_EQ(f->Frame->FrameWindowState(), TvnWindowState::wsNormal) << "the tray is not a window state";
    EXPECT_TRUE(testenv::waitFor([&] { return !testenv::XState(f->Form.get()).Viewable; }));
    ASSERT_TRUE(icon.Shown());
    QWidget* docked = nullptr;
    ASSERT_TRUE(testenv::waitFor([&] { return (docked = DockedIcon()) && docked->isVisible(); }))
        << "the tray docks the icon";
    testenv::KeepScreen("frame_in_tray");

    // The icon's double click brings the form back, active, and the icon leaves.
    // Docked, the window lies inside the tray's: only the X server knows where.
    const auto pointAtIcon = [&] {
        // The tray maps the icon, then places it: the place counts once it holds.
        QRect last;
        ASSERT_TRUE(testenv::waitFor([&] {
            const testenv::XWindow x = testenv::XState(docked);
            const bool settled = x.Viewable && !x.Geometry.isEmpty() && x.Geometry == last;
            last = x.Geometry;
            if (!settled) QTest::qWait(100);
            return settled;
        }));
        const QPoint at = last.center();
        testenv::Xdo({ "mousemove", QString::number(at.x()), QString::number(at.y()) });
    };
    pointAtIcon();
    testenv::Xdo({ "click", "--repeat", "2", "--delay", "80", "1" });
    ASSERT_TRUE(testenv::waitFor([&] { return f->Form->isVisible() && f->Form->isActiveWindow(); }));
    EXPECT_FALSE(f->Frame->InTray());
    EXPECT_EQ(fromTray, 1);
    EXPECT_TRUE(testenv::waitFor([&] { return !icon.Shown(); }));

    // Into the tray once more, through the system menu; back through the tray menu.
    f->Frame->RunCommand(TvnSkinCommand::cmMinimizeToTray);
    ASSERT_TRUE(testenv::waitFor([&] { return !f->Form->isVisible(); }));
    ASSERT_TRUE(testenv::waitFor([&] { return (docked = DockedIcon()) != nullptr; }));
    pointAtIcon();
    testenv::Xdo({ "click", "3" });
    TvnSkinPopupMenu* menu = f->Frame->TrayMenu();
    ASSERT_TRUE(testenv::waitFor([&] { return menu->IsOpen(); })) << "the icon's context click opens it";
    testenv::KeepScreen("frame_tray_menu");
    menu->Engine().Chosen(menu->Items().front());
    ASSERT_TRUE(testenv::waitFor([&] { return f->Form->isVisible(); }));
    EXPECT_EQ(fromTray, 2);

    // A form that goes while in the tray leaves no icon that would bring back nothing.
    f->Frame->MinimizeFormToTray();
    ASSERT_TRUE(icon.Shown());
    f->Form.reset();
    EXPECT_FALSE(icon.Shown());
}
