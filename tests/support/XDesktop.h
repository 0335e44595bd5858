#pragma once
// The X desktop around a test's windows: the X tools (xdotool, xprop, xwininfo) run
// against the test's real X server while this process keeps answering its windows'
// events, and a window manager for as long as a test wants one.
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

class QWidget;

namespace testenv {

// Runs `program` to its end and returns what it printed (or why it did not start).
QString RunTool(const QString& program, const QStringList& args);
// xdotool with `args`: real pointer and key input through the X server.
void Xdo(const QStringList& args);
// A click of the X pointer on the middle of `w`.
void ClickOn(QWidget* w);
// The whole screen as the X server shows it, saved as <name>.png in QUIRA_SHOT_DIR for a
// person to look at (nothing without it).
void KeepScreen(const QString& name);

// What the X server says of a top-level window: its place and size, whether it is
// mapped, and whether the window manager is bypassed.
struct XWindow {
    QRect Geometry;
    bool Viewable = false;
    bool OverrideRedirect = false;
};
XWindow XState(QWidget* w);
// One property of a window as xprop prints it ("" when it is not set).
QString XProperty(QWidget* w, const char* name);

// A window manager on the test's X server, for as long as it lives.
class WindowManager {
public:
    // False when the window manager is not installed or does not come up.
    bool Start(const QString& program = QStringLiteral("openbox"),
        const QStringList& args = { QStringLiteral("--sm-disable") });
    ~WindowManager();

private:
    QProcess m_process;
};

} // namespace testenv
