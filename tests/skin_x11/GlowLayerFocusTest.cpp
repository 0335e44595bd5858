// The glow layer on a real X server: it shows where it is told, one at a time, and
// never takes the focus from the active window.
#include "platform/LayeredWindows.h"
#include "skin/data/vnUtils/LayerWindow.h"
#include "support/TestEnv.h"
#include "support/XDesktop.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

QImage Filled(int w, int h, QRgb color)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

struct ActiveForm {
    QWidget form;
    ActiveForm()
    {
        form.setGeometry(100, 100, 300, 200);
        form.show();
        form.activateWindow();
    }
    // A window manager names itself a moment before it manages windows, and on a busy
    // machine a request made in that moment is lost: the form asks until it is active.
    // openbox may also refuse a program's own request as focus stealing (the form has no
    // user time yet); after a second the request comes as a task bar's would, which it
    // honours.
    bool WaitActive()
    {
        QElapsedTimer asking;
        asking.start();
        return testenv::waitFor(
            [&] {
                if (QApplication::activeWindow() == &form) return true;
                if (asking.elapsed() > 1000 && testenv::WindowManagerRuns())
                    testenv::Xdo({ "windowactivate", QString::number(form.winId()) });
                else
                    form.activateWindow();
                return false;
            },
            15000);
    }
};

void Settle()
{
    testenv::waitFor([] { return false; }, 300);
}

} // namespace

// The virtual screen has no compositing manager: the layers are shown all the same.
class GlowLayerX11 : public ::testing::Test {
protected:
    void SetUp() override { platform::OverrideLayeredWindows(platform::TLayeredOverride::On); }
    void TearDown() override { platform::OverrideLayeredWindows(platform::TLayeredOverride::Desktop); }
};

TEST_F(GlowLayerX11, ShowsAndHidesWithoutTakingTheFocus)
{
    ASSERT_TRUE(platform::LayeredWindowsAvailable());
    ActiveForm active;
    ASSERT_TRUE(active.WaitActive());

    TvnLayerManager manager;
    manager.Show(420, 330, 100, Filled(40, 30, qRgb(255, 255, 255)), Filled(40, 30, qRgb(255, 200, 0)));
    TvnLayerWindow* layer = manager.LayerWindow();
    ASSERT_NE(layer, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(layer));
    Settle();
    EXPECT_TRUE(layer->isVisible());
    EXPECT_EQ(layer->frameGeometry().topLeft(), QPoint(420, 330));
    EXPECT_EQ(layer->size(), QSize(40, 30));
    EXPECT_EQ(QApplication::activeWindow(), &active.form);
    EXPECT_FALSE(layer->isActiveWindow());

    // Even asked to, as a click or a window manager might, the layer does not activate.
    layer->activateWindow();
    Settle();
    EXPECT_EQ(QApplication::activeWindow(), &active.form);

    manager.Hide();
    EXPECT_EQ(manager.LayerWindow(), nullptr);
    Settle();
    EXPECT_EQ(QApplication::activeWindow(), &active.form);
}

TEST_F(GlowLayerX11, ShowingAnotherLayerFreesTheOneBefore)
{
    ActiveForm active;
    ASSERT_TRUE(active.WaitActive());
    TvnLayerManager manager;
    manager.SetTopmost(false);
    manager.Show(0, 0, 255, Filled(10, 10, qRgb(255, 255, 255)), Filled(10, 10, qRgb(9, 9, 9)));
    QPointer<TvnLayerWindow> first = manager.LayerWindow();
    ASSERT_TRUE(first);
    EXPECT_FALSE(first->windowFlags() & Qt::WindowStaysOnTopHint);
    manager.Show(50, 50, 255, Filled(10, 10, qRgb(255, 255, 255)), Filled(12, 8, qRgb(9, 9, 9)));
    ASSERT_TRUE(first) << "freed once the events queued for it are handled";
    EXPECT_FALSE(first->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    ASSERT_NE(manager.LayerWindow(), nullptr);
    EXPECT_EQ(manager.LayerWindow()->size(), QSize(12, 8));
    Settle();
    EXPECT_EQ(QApplication::activeWindow(), &active.form);
}

TEST_F(GlowLayerX11, AnOrdinaryWindowShownTheSameWayWouldTakeTheFocus)
{
    // The checks above can fail: a plain tool window asked the same way becomes active.
    ActiveForm active;
    ASSERT_TRUE(active.WaitActive());
    QWidget plain(nullptr, Qt::Tool | Qt::FramelessWindowHint);
    plain.setGeometry(420, 330, 40, 30);
    plain.show();
    plain.activateWindow();
    EXPECT_TRUE(testenv::waitFor([&] { return QApplication::activeWindow() == &plain; }));
}

TEST_F(GlowLayerX11, NoWindowManagerFramesOrActivatesTheLayer)
{
    testenv::WindowManager wm;
    if (!wm.Start()) GTEST_SKIP() << "openbox is not installed (scripts/setup installs it)";
    ActiveForm active;
    ASSERT_TRUE(active.WaitActive());
    TvnLayerManager manager(&active.form);
    manager.Show(150, 140, 200, Filled(40, 30, qRgb(255, 255, 255)), Filled(40, 30, qRgb(255, 200, 0)));
    ASSERT_NE(manager.LayerWindow(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(manager.LayerWindow()));
    Settle();
    const testenv::XWindow x = testenv::XState(manager.LayerWindow());
    EXPECT_TRUE(x.OverrideRedirect) << "the window manager leaves it alone";
    EXPECT_EQ(x.Geometry, QRect(150, 140, 40, 30)) << "no frame around it, where it was put";
    EXPECT_EQ(QApplication::activeWindow(), &active.form);
}

TEST_F(GlowLayerX11, HiddenFromInsideAnEventOfItsOwnTheLayerOutlivesThatEvent)
{
    // Hidden while Qt still delivers an event to it (as an activation change can hide
    // it): the window must still exist when the delivery goes on.
    struct HideOnShow : QObject {
        TvnLayerManager* Manager = nullptr;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Show) Manager->Hide();
            return false;
        }
    } hider;
    TvnLayerManager manager;
    hider.Manager = &manager;
    // The filter goes on the window the manager makes: one shown once to learn it.
    manager.Show(10, 10, 255, Filled(8, 8, qRgb(255, 255, 255)), Filled(8, 8, qRgb(1, 2, 3)));
    ASSERT_NE(manager.LayerWindow(), nullptr);
    QPointer<TvnLayerWindow> layer = manager.LayerWindow();
    layer->hide();
    layer->installEventFilter(&hider);
    layer->show();
    EXPECT_EQ(manager.LayerWindow(), nullptr);
    EXPECT_FALSE(layer.isNull());
    Settle();
    EXPECT_TRUE(layer.isNull()) << "and is freed afterwards";
}
