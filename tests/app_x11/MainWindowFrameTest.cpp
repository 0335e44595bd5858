// The logged-in main window on a real X server: the studio skin's frame around the
// declared client area, and the window cut to the skin's mask. With QUIRA_SHOT_DIR set
// the test also saves what the screen shows of the window (active and inactive, with
// and without the skin) there, for a person to look at.
#include "app/Registration.h"
#include "app/uDM/uDM.h"
#include "app/uLogin/uLogin.h"
#include "app/uPrincipal/uPrincipal.h"
#include "framework/Application.h"
#include "framework/data/SQLConnection.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Edit.h"
#include "skin/form/Veneerform/Veneerform.h"
#include "support/MainWindowSession.h"
#include "support/TestDb.h"
#include "support/TestEnv.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTest>

namespace {

constexpr QRgb kBehind = 0xFFFF00FF;

class MainWindowFrameTest : public MainWindowSession { };

// What the screen shows where the window is.
QImage OnScreen(QWidget* window)
{
    QTest::qWait(100);
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, window->x(), window->y(), window->width(), window->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST_F(MainWindowFrameTest, TheLoggedInMainWindowWearsTheStudioSkinCutToItsMask)
{
    auto* frame = frmPrincipal->ComponentByName<TvnVeneerform>("vnVeneerform1");
    EXPECT_EQ(frame->SkinData(), DM->vnSkinData1);
    EXPECT_EQ(frame->BorderIcons(), veneer::TvnBorderIcons(veneer::biMinimize));
    EXPECT_TRUE(frame->SkinPresent());
    EXPECT_EQ(frmPrincipal->size(), QSize(816, 379));

    ASSERT_TRUE(LogIn());
    // A window of a colour the skin never uses, behind the main window (which the first
    // show has centred on the desktop).
    QWidget behind;
    behind.setWindowFlags(Qt::FramelessWindowHint);
    behind.setAutoFillBackground(true);
    QPalette palette = behind.palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(kBehind));
    behind.setPalette(palette);
    behind.setGeometry(frmPrincipal->geometry().adjusted(-20, -20, 20, 20));
    behind.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&behind));
    frmPrincipal->raise();
    frmPrincipal->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frmPrincipal));
    EXPECT_EQ(frmPrincipal->Caption(), QString::fromUtf8("Foto Estúdio Ação Ltda."));
    EXPECT_EQ(frmPrincipal->size(), QSize(816, 379));
    EXPECT_EQ(frmPrincipal->ClientWidget()->geometry(), QRect(8, 24, 800, 351));

    const QImage active = OnScreen(frmPrincipal);
    testenv::KeepPicture(active, "main-skin-active");
    // The corners show what lies behind; the edges' middles are the frame's.
    for (const QPoint corner : { QPoint(0, 0), QPoint(815, 0), QPoint(0, 378), QPoint(815, 378) })
        EXPECT_EQ(active.pixel(corner), kBehind) << corner.x() << "," << corner.y();
    for (const QPoint edge : { QPoint(408, 1), QPoint(1, 190), QPoint(814, 190), QPoint(408, 377) })
        EXPECT_NE(active.pixel(edge), kBehind) << edge.x() << "," << edge.y();

    behind.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&behind));
    frmPrincipal->raise();
    const QImage inactive = OnScreen(frmPrincipal);
    testenv::KeepPicture(inactive, "main-skin-inactive");
    EXPECT_FALSE(frame->IsFrameActive());
    EXPECT_NE(inactive.pixel(408, 1), active.pixel(408, 1)) << "the inactive frame is darker";

    // Without a skin: the default frame, a rectangle again.
    frame->SetSkinData(nullptr);
    EXPECT_EQ(frmPrincipal->ClientWidget()->geometry(), QRect(3, 22, 810, 354));
    testenv::KeepPicture(OnScreen(frmPrincipal), "main-default-inactive");
    frmPrincipal->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frmPrincipal));
    const QImage plain = OnScreen(frmPrincipal);
    testenv::KeepPicture(plain, "main-default-active");
    EXPECT_NE(plain.pixel(0, 0), kBehind);
    frame->SetSkinData(DM->vnSkinData1);
    EXPECT_EQ(frmPrincipal->ClientWidget()->geometry(), QRect(8, 24, 800, 351));
}
