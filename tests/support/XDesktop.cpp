#include "XDesktop.h"

#include "CompositorPointer.h"
#include "TestEnv.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <csignal>
#include <sys/prctl.h>

namespace testenv {

QString RunTool(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted(5000)) return QStringLiteral("(%1 did not start)").arg(program);
    // A click may open a modal window whose loop runs inside processEvents until it
    // closes, long after the tool ended: its state, not waitForFinished, says so.
    while (p.state() != QProcess::NotRunning) {
        p.waitForFinished(10);
        QCoreApplication::processEvents();
    }
    QTest::qWait(30);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

void Xdo(const QStringList& args) { RunTool(QStringLiteral("xdotool"), args); }

void Wmctrl(const QStringList& args) { RunTool(QStringLiteral("wmctrl"), args); }

namespace {

// What xwininfo tells of the window of `w`, and its place and size read from that.
QString WindowInfo(QWidget* w)
{
    return RunTool(QStringLiteral("xwininfo"), { "-id", QString::number(w->winId()) });
}

QRect GeometryIn(const QString& info)
{
    const auto field = [&](const char* name) {
        return QRegularExpression(QLatin1String(name) + QStringLiteral(":\\s*(-?\\d+)"))
            .match(info)
            .captured(1)
            .toInt();
    };
    return QRect(
        field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"), field("Height"));
}

} // namespace

void ClickAt(QPoint at)
{
    // "mousemove --sync" waits for the pointer to leave where it is: already at the
    // point (a second click on one button), it polls some 15 seconds before it clicks,
    // long after a test's handler for the window that click opens gave up. A click with
    // no move at all is not the same either (a window manager may not have the window
    // under a pointer that never moved): one pixel aside first.
    if (Pointer() == at) Xdo({ "mousemove", "--sync", QString::number(at.x() + 1), QString::number(at.y()) });
    Xdo({ "mousemove", "--sync", QString::number(at.x()), QString::number(at.y()), "click", "1" });
    // Let the events of the click arrive.
    QTest::qWait(150);
}

void ClickOn(QWidget* w) { ClickAt(OnScreen(w, w->rect().center())); }

bool WaitForKeyboard(QWidget* w, int timeoutMs)
{
    const auto focused = [w] {
        const QWindow* handle = w->windowHandle();
        return handle
            && RunTool(QStringLiteral("xdotool"), { "getwindowfocus" }).trimmed().toULongLong()
            == handle->winId();
    };
    return testenv::waitFor(focused, timeoutMs);
}

QPoint OnScreen(QWidget* w, QPoint local)
{
    QWidget* top = w->window();
    return GeometryIn(WindowInfo(top)).topLeft() + w->mapTo(top, local);
}

QPoint Pointer()
{
    const QString out = RunTool(QStringLiteral("xdotool"), { "getmouselocation", "--shell" });
    return { QRegularExpression("X=(-?\\d+)").match(out).captured(1).toInt(),
        QRegularExpression("Y=(-?\\d+)").match(out).captured(1).toInt() };
}

void PointerTo(QWidget* w, QPoint framePoint)
{
    const QPoint g = w->pos() + framePoint;
    Xdo({ "mousemove", QString::number(g.x()), QString::number(g.y()) });
}

void DragBy(QPoint by, const std::function<void()>& during)
{
    const QPoint from = Pointer();
    // Under a Wayland session the window manager's move follows the compositor's pointer,
    // which xdotool cannot reach.
    if (const auto pointer = CompositorPointer::Open()) {
        pointer->MoveTo(from);
        pointer->Button(true);
        QPoint moved;
        for (int i = 1; i <= 5; ++i) {
            const QPoint step = by * i / 5;
            pointer->MoveBy(step - moved);
            moved = step;
        }
        if (during) during();
        pointer->Button(false);
        return;
    }
    Xdo({ "mousedown", "1" });
    for (int i = 1; i <= 5; ++i)
        Xdo({ "mousemove", QString::number(from.x() + by.x() * i / 5),
            QString::number(from.y() + by.y() * i / 5) });
    if (during) during();
    Xdo({ "mouseup", "1" });
}

namespace {

// Where pictures for a person go; empty when nobody asked for them.
QString ShotFile(const QString& name)
{
    const QString dir = qEnvironmentVariable("QUIRA_SHOT_DIR");
    if (dir.isEmpty()) return {};
    QDir().mkpath(dir);
    return dir + u'/' + name + QStringLiteral(".png");
}

// The screen as the X server shows it, the window manager's and the compositor's work
// included. A rootless X server (Xwayland under a Wayland compositor) has no picture of
// its root: there the program's own windows are drawn where the server has them.
QImage ScreenPicture()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    // Under a Wayland session the X server is Xwayland, whose root reads back black.
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) return screen->grabWindow(0).toImage();
    QImage composed(screen->geometry().size(), QImage::Format_RGB32);
    composed.fill(Qt::darkGray);
    QPainter painter(&composed);
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible()) painter.drawPixmap(XState(top).Geometry.topLeft(), top->grab());
    return composed;
}

} // namespace

void KeepScreen(const QString& name)
{
    const QString file = ShotFile(name);
    if (file.isEmpty()) return;
    QTest::qWait(150);
    ScreenPicture().save(file);
}

QImage Shot(QWidget* w, const QRect& r, const QString& name)
{
    QTest::qWait(150);
    const QImage image = ScreenPicture().copy(r.translated(w->pos())).convertToFormat(QImage::Format_RGB32);
    if (const QString file = ShotFile(name); !file.isEmpty()) image.save(file);
    return image;
}

XWindow XState(QWidget* w)
{
    const QString id = QString::number(w->winId());
    const QString info = WindowInfo(w);
    XWindow x;
    x.Geometry = GeometryIn(info);
    x.Viewable = info.contains(QLatin1String("IsViewable"));
    x.OverrideRedirect = info.contains(QRegularExpression(QStringLiteral("Override Redirect State:\\s*yes")));
    const QString props = RunTool(QStringLiteral("xprop"), { "-id", id, "WM_STATE", "_NET_WM_STATE" });
    x.WmState = QRegularExpression("window state: (\\w+)").match(props).captured(1);
    for (const auto& m : QRegularExpression("_NET_WM_STATE_\\w+").globalMatch(props))
        x.NetStates.append(m.captured(0));
    const QString list = RunTool(QStringLiteral("xprop"), { "-root", "_NET_CLIENT_LIST" });
    const QString hex = QStringLiteral("0x%1").arg(w->winId(), 0, 16);
    x.Listed = QRegularExpression(QRegularExpression::escape(hex) + "\\b").match(list).hasMatch();
    return x;
}

QString XProperty(QWidget* w, const char* name)
{
    const QString out
        = RunTool(QStringLiteral("xprop"), { "-id", QString::number(w->winId()), QLatin1String(name) });
    return out.contains(QLatin1String("not found")) ? QString() : out.trimmed();
}

bool WindowManagerRuns()
{
    return RunTool(QStringLiteral("xprop"), { "-root", "_NET_SUPPORTING_WM_CHECK" }).contains(u'#');
}

bool WindowManager::Start(const QString& program, const QStringList& args)
{
    // It goes with the test, even when the test dies: a window manager left behind
    // would manage the windows of the tests after it.
    m_process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_process.start(program, args);
    if (!m_process.waitForStarted(5000)) return false;
    // Ready once it names itself on the root window.
    return waitFor(WindowManagerRuns, 5000);
}

WindowManager::~WindowManager()
{
    if (m_process.state() == QProcess::NotRunning) return;
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) m_process.kill();
    m_process.waitForFinished(3000);
}

} // namespace testenv
