// The browser engine as the program starts it: this test program, like the program,
// neither links the engine nor readies it before its application object. The engine's
// library comes with the first web browser control, after the shared OpenGL context the
// engine needs, and a page then loads in it.
#include "app/uVerImg/WebBrowser.h"

#include <QFile>
#include <QOpenGLContext>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

bool EngineLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}

TEST(BrowserStart, TheEngineLoadsWithTheFirstBrowserAndShowsItsPage)
{
    EXPECT_FALSE(EngineLoaded());
    EXPECT_EQ(QOpenGLContext::globalShareContext(), nullptr);

    TWebBrowser browser;
    EXPECT_TRUE(EngineLoaded());
    EXPECT_NE(QOpenGLContext::globalShareContext(), nullptr);
    auto* view = browser.findChild<QWidget*>();
    ASSERT_TRUE(view && view->inherits("QWebEngineView"));
    EXPECT_EQ(browser.focusProxy(), view);

    QSignalSpy loaded(view, SIGNAL(loadFinished(bool)));
    browser.resize(320, 200);
    browser.show();
    browser.Navigate(QStringLiteral("data:text/html,<title>Quira</title><p>Foto</p>"));
    ASSERT_TRUE(loaded.count() > 0 || loaded.wait(60000));
    EXPECT_TRUE(loaded.first().first().toBool());
    EXPECT_EQ(view->property("title").toString(), QStringLiteral("Quira"));
}

} // namespace
