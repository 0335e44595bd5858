#pragma once
// The X desktop around a test's windows, driven as a user drives it: xdotool moves and
// clicks, xprop and xwininfo read back what the X server and the window manager hold,
// and a window manager runs for as long as a test wants one. Every tool runs while this
// process keeps answering its windows' events.
#include "skin/form/Veneerform/Veneerform.h"

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace testenv {

// Runs `program` to its end and returns what it printed (or why it did not start).
QString RunTool(const QString& program, const QStringList& args);
// xdotool with `args`: real pointer and key input through the X server.
void Xdo(const QStringList& args);
// Asks the window manager through its EWMH messages (wmctrl).
void Wmctrl(const QStringList& args);
// A click of the X pointer at a point of the screen.
void ClickAt(QPoint at);
// A click of the X pointer on the middle of `w`.
void ClickOn(QWidget* w);
// Whether the X server's keyboard focus is on the top-level window `w` within the time.
// Keys typed through xdotool go where the server has the focus, and a window manager may
// move it there a moment after Qt already calls the window active.
bool WaitForKeyboard(QWidget* w, int timeoutMs = 5000);
// Where point `local` of `w` is on the screen, by the X server's place of its window. Qt's
// own mapping may still count a window manager's frame the window does not have (seen
// under openbox a while after a window shows), and a click reckoned from it misses.
QPoint OnScreen(QWidget* w, QPoint local);
// The X pointer's place on the screen.
QPoint Pointer();
// The X pointer to a point of a window's frame.
void PointerTo(QWidget* w, QPoint framePoint);
// A drag of the X pointer by `by` in small steps, as a hand would; `during` runs before
// the button is released.
void DragBy(QPoint by, const std::function<void()>& during = {});
// The whole screen as the X server shows it, saved as <name>.png in QUIRA_SHOT_DIR for a
// person to look at (nothing without it).
void KeepScreen(const QString& name);
// The screen's pixels of a rectangle of a window's frame; with QUIRA_SHOT_DIR set also
// saved there as <name>.png, the window manager's and the compositor's work included.
QImage Shot(QWidget* w, const QRect& r, const QString& name);

// What the X server and the window manager say of a top-level window.
struct XWindow {
    QRect Geometry; // its place and size on the screen
    bool Viewable = false; // mapped
    bool OverrideRedirect = false; // the window manager is bypassed
    QString WmState; // "Normal", "Iconic", "Withdrawn" or empty (no window manager)
    QStringList NetStates; // _NET_WM_STATE_HIDDEN, ..._MAXIMIZED_VERT, ...
    bool Listed = false; // in the window manager's _NET_CLIENT_LIST
};
XWindow XState(QWidget* w);
// One property of a window as xprop prints it ("" when it is not set).
QString XProperty(QWidget* w, const char* name);
// Whether a window manager runs on the display (it names itself on the root window).
bool WindowManagerRuns();

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

// Where the frame lays out the object of a skin name ("closebutton", "minbutton", ...).
inline QRect PlaceOf(const veneer::TvnVeneerform& frame, const char* name)
{
    for (int i = 0; i < frame.Objects().Count(); ++i)
        if (frame.Objects().State(i).IDName == QLatin1String(name)) return frame.Objects().LayoutAt(i).Rect;
    return {};
}

} // namespace testenv
