#pragma once
// The X pointer and the X server's view of a window, for tests that drive real windows
// as a user does: xdotool moves and clicks, xprop and xwininfo read back what the server
// and the window manager hold. Every tool runs while this process keeps answering its
// window events.
#include "skin/form/Veneerform/Veneerform.h"
#include "support/TestEnv.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QWidget>

namespace xdesktop {

// Runs a program to its end; its standard output.
inline QString Run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted(5000)) return QStringLiteral("(%1 did not start)").arg(program);
    // Its end may be seen by an event loop nested in processEvents (a modal window the
    // tool's click opened); waitForFinished then never says so.
    while (p.state() != QProcess::NotRunning) {
        p.waitForFinished(10);
        QCoreApplication::processEvents();
    }
    QTest::qWait(30);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

inline void Xdo(const QStringList& args) { Run(QStringLiteral("xdotool"), args); }

// Asks the window manager through its EWMH messages (wmctrl).
inline void Wmctrl(const QStringList& args) { Run(QStringLiteral("wmctrl"), args); }

// The X pointer's place on the screen.
inline QPoint Pointer()
{
    const QString out = Run(QStringLiteral("xdotool"), { "getmouselocation", "--shell" });
    return { QRegularExpression("X=(-?\\d+)").match(out).captured(1).toInt(),
        QRegularExpression("Y=(-?\\d+)").match(out).captured(1).toInt() };
}

// The X pointer to a point of a window's frame.
inline void PointerTo(QWidget* w, QPoint framePoint)
{
    const QPoint g = w->pos() + framePoint;
    Xdo({ "mousemove", QString::number(g.x()), QString::number(g.y()) });
}

// A drag of the X pointer by `by` in small steps, as a hand would; `during` runs before
// the button is released.
inline void DragBy(QPoint by, const std::function<void()>& during = {})
{
    const QPoint from = Pointer();
    Xdo({ "mousedown", "1" });
    for (int i = 1; i <= 5; ++i)
        Xdo({ "mousemove", QString::number(from.x() + by.x() * i / 5),
            QString::number(from.y() + by.y() * i / 5) });
    if (during) during();
    Xdo({ "mouseup", "1" });
}

// What the X server and the window manager say of a window: its place and size on the
// screen, whether it is mapped, its ICCCM state and its EWMH states, and whether the
// window manager lists it among its clients.
struct XWindow {
    QRect Geometry;
    bool Viewable = false;
    QString WmState; // "Normal", "Iconic", "Withdrawn" or empty (no window manager)
    QStringList NetStates; // _NET_WM_STATE_HIDDEN, ..._MAXIMIZED_VERT, ...
    bool Listed = false; // in _NET_CLIENT_LIST
};

inline XWindow XState(QWidget* w)
{
    const QString id = QString::number(w->winId());
    const QString info = Run(QStringLiteral("xwininfo"), { "-id", id });
    const auto field = [&](const char* name) {
        return QRegularExpression(QLatin1String(name) + QStringLiteral(":\\s*(-?\\d+)"))
            .match(info)
            .captured(1)
            .toInt();
    };
    XWindow x;
    x.Geometry = QRect(
        field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"), field("Height"));
    x.Viewable = info.contains(QLatin1String("IsViewable"));
    const QString props = Run(QStringLiteral("xprop"), { "-id", id, "WM_STATE", "_NET_WM_STATE" });
    x.WmState = QRegularExpression("window state: (\\w+)").match(props).captured(1);
    for (const auto& m : QRegularExpression("_NET_WM_STATE_\\w+").globalMatch(props))
        x.NetStates.append(m.captured(0));
    const QString list = Run(QStringLiteral("xprop"), { "-root", "_NET_CLIENT_LIST" });
    const QString hex = QStringLiteral("0x%1").arg(w->winId(), 0, 16);
    x.Listed = QRegularExpression(QRegularExpression::escape(hex) + "\\b").match(list).hasMatch();
    return x;
}

// Whether a window manager runs on the display (it names itself on the root window).
inline bool WindowManagerRuns()
{
    return Run(QStringLiteral("xprop"), { "-root", "_NET_SUPPORTING_WM_CHECK" }).contains(u'#');
}

// The screen's pixels of a rectangle of a window. With QUIRA_SHOT_DIR set they are also
// saved there as <name>.png, as the X server shows them (the window manager's and the
// compositor's work included).
inline QImage Shot(QWidget* w, const QRect& r, const QString& name)
{
    QTest::qWait(150);
    const QRect g = r.translated(w->pos());
    const QImage image
        = QGuiApplication::primaryScreen()->grabWindow(0, g.x(), g.y(), g.width(), g.height()).toImage();
    const QString dir = qEnvironmentVariable("QUIRA_SHOT_DIR");
    if (!dir.isEmpty()) {
        QDir().mkpath(dir);
        Run(QStringLiteral("import"),
            { "-window", "root", "-crop",
                QStringLiteral("%1x%2+%3+%4").arg(g.width()).arg(g.height()).arg(g.x()).arg(g.y()),
                dir + u'/' + name + QStringLiteral(".png") });
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

// The whole screen, saved as <name>.png with QUIRA_SHOT_DIR set.
inline void ScreenShot(const QString& name)
{
    const QString dir = qEnvironmentVariable("QUIRA_SHOT_DIR");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    QTest::qWait(150);
    Run(QStringLiteral("import"), { "-window", "root", dir + u'/' + name + QStringLiteral(".png") });
}

// Where the frame lays out the object of a skin name ("closebutton", "maxbutton", ...).
inline QRect PlaceOf(const veneer::TvnVeneerform& frame, const char* name)
{
    for (int i = 0; i < frame.Objects().Count(); ++i)
        if (frame.Objects().State(i).IDName == QLatin1String(name)) return frame.Objects().LayoutAt(i).Rect;
    return {};
}

} // namespace xdesktop
