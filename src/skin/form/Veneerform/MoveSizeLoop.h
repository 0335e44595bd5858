#pragma once
// The move and size loop of a frameless form. The desktop's window manager runs it when
// it can (QWindow::startSystemMove / startSystemResize); where it cannot (an X server
// without a window manager) the loop runs here, from the form's mouse events with the
// pointer grabbed. Both ways the form's window procedure hears WM_ENTERSIZEMOVE,
// WM_MOVING or WM_SIZING, and WM_EXITSIZEMOVE, and the limits of WM_GETMINMAXINFO hold.
#include "WindowStates.h"
#include "platform/Messages.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>

class TForm;
class QTimer;

namespace veneer {

class TvnMoveSizeLoop : public QObject {
    Q_OBJECT
public:
    explicit TvnMoveSizeLoop(TForm* form);
    ~TvnMoveSizeLoop() override;

    enum class TvnPath { None, System, Manual };

    // Starts moving (HTCAPTION) or sizing (a sizing code) from a press at `pressedAt`,
    // the cursor being at `now` (a move waits for the drag distance; both loops catch
    // up with the cursor's travel since the press). False when the code starts nothing.
    bool Start(LRESULT hit, QPoint pressedAt, QPoint now);
    bool Start(LRESULT hit, QPoint pressedAt) { return Start(hit, pressedAt, pressedAt); }
    bool Running() const { return m_path != TvnPath::None; }
    TvnPath Path() const { return m_path; }
    // The cursor is at `global` now: the manual loop moves or sizes the form.
    void Track(QPoint global);
    // Ends the loop where the form is now.
    void Finish();
    // Ends the loop and puts the form back where the loop found it.
    void Cancel();

    // The limits the form's window procedure answers to WM_GETMINMAXINFO.
    static TMinMaxInfo AskLimits(TForm& form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The system's loop: what the window manager did, told to the form after the fact.
    void Followed(bool sized);

    QPointer<TForm> m_form;
    TvnPath m_path = TvnPath::None;
    LRESULT m_hit = 0;
    QPoint m_startCursor;
    QRect m_startBounds;
    // The size limits the form gave when the loop started; a manual sizing keeps to them.
    TvnMinMaxInfo m_limits;
    QRect m_lastBounds;
    QTimer* m_buttonPoll;
};

} // namespace veneer
