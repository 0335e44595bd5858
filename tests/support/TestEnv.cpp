#include "TestEnv.h"

#include "XDesktop.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace testenv {

QString sourceDir() { return qEnvironmentVariable("QUIRA_SOURCE_DIR", QStringLiteral(".")); }
QString buildDir() { return qEnvironmentVariable("QUIRA_BUILD_DIR", QStringLiteral(".")); }

namespace {
QString ShotDir() { return qEnvironmentVariable("QUIRA_SHOT_DIR"); }
} // namespace

bool KeepPicture(const QImage& picture, const QString& name)
{
    const QString dir = ShotDir();
    if (dir.isEmpty()) return true;
    QDir().mkpath(dir);
    return picture.save(dir + u'/' + name + QStringLiteral(".png"));
}

// The widget is grabbed only when a picture is asked for.
bool KeepPicture(QWidget* widget, const QString& name)
{
    return ShotDir().isEmpty() || KeepPicture(widget->grab().toImage(), name);
}

namespace {

// A handler that failed half-way (an assertion returns from it) leaves its modal window
// open, and the test's wait runs inside that window's loop for ever: the whole program
// hangs with nothing said. A window still shown, without a break, this long after its
// handler returned is reported and closed, so the test fails where it went wrong.
constexpr int kModalLeftOpenMs = 30000;

// Under X, where the server's keyboard focus is: the window a typed key would reach.
std::string XFocusDescription()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return {};
    const QString id = RunTool(QStringLiteral("xdotool"), { "getwindowfocus" }).trimmed();
    const QString name = RunTool(QStringLiteral("xdotool"), { "getwindowfocus", "getwindowname" }).trimmed();
    return "; X keyboard focus: window " + id.toStdString() + " \"" + name.toStdString() + "\"";
}

void WatchModalLeftOpen(QWidget* modal)
{
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(250);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, modal = QPointer<QWidget>(modal)]() {
        const bool open = modal && modal->isVisible();
        if (open && clock->elapsed() < kModalLeftOpenMs) return;
        timer->stop();
        timer->deleteLater();
        delete clock;
        if (!open) return;
        ADD_FAILURE() << "the modal window " << modal->metaObject()->className() << " (\""
                      << modal->windowTitle().toStdString() << "\") was left open by its handler; active: "
                      << (QApplication::activeWindow()
                                 ? QApplication::activeWindow()->metaObject()->className()
                                 : "none")
                      << XFocusDescription();
        // What the screen showed, for the one who reads the failure.
        if (QScreen* screen = QGuiApplication::primaryScreen())
            KeepPicture(screen->grabWindow(0).toImage(), QStringLiteral("modal-left-open"));
        modal->close();
    });
    timer->start();
}

} // namespace

void onNextModal(std::function<void(QWidget*)> answer, int timeoutMs)
{
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, answer, timeoutMs]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            timer->stop();
            QPointer<QWidget> shown(modal);
            answer(modal);
            if (shown && shown->isVisible()) WatchModalLeftOpen(shown);
        } else if (clock->elapsed() < timeoutMs) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        delete clock;
    });
    timer->start();
}

bool waitFor(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        // Objects released outside any event loop (as tests do) are freed here too.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return done();
}

} // namespace testenv
