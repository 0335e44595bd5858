// The scroll bar's mouse, keys and repeat timer.
#include "ScrollBar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

using namespace vnctrls;

// ---- Steps -------------------------------------------------------------------------------

void TvnSkinScrollBar::StepArrow(int part)
{
    if (part == kIncreasePart) {
        if (OnUpButtonClick)
            events::Fire(OnUpButtonClick, this);
        else
            UserScroll(m_range.Position + m_smallChange, msg::SB_LINEDOWN);
    } else {
        if (OnDownButtonClick)
            events::Fire(OnDownButtonClick, this);
        else
            UserScroll(m_range.Position - m_smallChange, msg::SB_LINEUP);
    }
}

void TvnSkinScrollBar::PageStep(bool forwards)
{
    if (forwards) {
        UserScroll(m_range.Position + m_largeChange, msg::SB_PAGEDOWN);
        events::Fire(OnPageDown, this);
    } else {
        UserScroll(m_range.Position - m_largeChange, msg::SB_PAGEUP);
        events::Fire(OnPageUp, this);
    }
}

// ---- Timer -------------------------------------------------------------------------------

void TvnSkinScrollBar::StartRepeat(TimerMode mode, int period)
{
    m_timerMode = mode;
    SetTimer(kRepeatTimer, period);
}

void TvnSkinScrollBar::StopRepeat()
{
    KillTimer(kRepeatTimer);
    m_timerMode = kNoRepeat;
}

void TvnSkinScrollBar::OnTimer()
{
    if (m_waiting) {
        m_waiting = false;
        SetTimer(kRepeatTimer, kRepeatInterval);
        return;
    }
    switch (m_timerMode) {
    case kRepeatDecrease:
        StepArrow(kDecreasePart);
        break;
    case kRepeatIncrease:
        StepArrow(kIncreasePart);
        break;
    case kPageBack:
    case kPageForward: {
        UpdateHot(m_lastMouse);
        const TvnScrollBarLayout l = Layout();
        const int at = l.Along(m_lastMouse);
        const bool forwards = m_timerMode == kPageForward;
        // Paging stops by itself once the thumb has reached the mouse.
        if (forwards ? at >= l.ThumbEnd() : at < l.ThumbStart())
            PageStep(forwards);
        else
            StopRepeat();
        break;
    }
    case kNoRepeat:
        KillTimer(kRepeatTimer);
        break;
    }
}

// ---- Mouse -------------------------------------------------------------------------------

void TvnSkinScrollBar::PressArrow(int part)
{
    m_capturedPressed = true;
    Invalidate();
    StepArrow(part);
    StartRepeat(part == kIncreasePart ? kRepeatIncrease : kRepeatDecrease, kRepeatDelay);
}

void TvnSkinScrollBar::PagePress(QPoint at)
{
    const TvnScrollBarLayout l = Layout();
    if (!l.Track.contains(at)) return;
    const bool forwards = l.Along(at) >= l.ThumbStart();
    StartRepeat(forwards ? kPageForward : kPageBack, kRepeatDelay);
    PageStep(forwards);
}

void TvnSkinScrollBar::LeftButtonDown(QPoint at)
{
    if (m_canFocused && !hasFocus()) {
        setFocus(Qt::MouseFocusReason);
        // A press the bar could not take the focus for is dropped, the framework's part too.
        if (!hasFocus()) return SkipMouseEvent();
    }
    ReadSkinRecord();
    m_mousePressed = true;
    m_lastMouse = at;
    StopRepeat();
    m_waiting = true;
    const TvnScrollBarLayout l = Layout();
    const int part = ScrollPartAt(l, at);
    if (part == kNoPart) {
        PagePress(at);
        return;
    }
    m_capturedPart = part;
    m_hotPart = part;
    if (part == kThumbPart) {
        m_dragging = true;
        m_dragStart = l.Along(at);
        m_dragStartOffset = l.ThumbOffset;
        Invalidate();
        return;
    }
    PressArrow(part);
}

void TvnSkinScrollBar::mousePressEvent(QMouseEvent* e)
{
    if (!isEnabled()) return;
    if (e->button() != Qt::LeftButton) return TvnSkinCustomControl::mousePressEvent(e);
    LeftButtonDown(e->position().toPoint());
    e->accept();
}

void TvnSkinScrollBar::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (!isEnabled()) return;
    if (e->button() != Qt::LeftButton) return TvnSkinCustomControl::mouseDoubleClickEvent(e);
    LeftButtonDown(e->position().toPoint());
    e->accept();
}

void TvnSkinScrollBar::UpdateHot(QPoint at)
{
    const int under = ScrollPartAt(Layout(), at);
    int hot = under;
    // While a part is held no other part lights up.
    if (m_capturedPart != kNoPart && under != m_capturedPart) hot = kNoPart;
    if (hot == m_hotPart) return;
    const bool arrowHeld = m_capturedPart == kIncreasePart || m_capturedPart == kDecreasePart;
    if (arrowHeld && m_capturedPressed) {
        // Back on the held button it repeats again at once; off it, it rests.
        if (hot == m_capturedPart) {
            m_waiting = false;
            StartRepeat(m_capturedPart == kIncreasePart ? kRepeatIncrease : kRepeatDecrease, kRepeatInterval);
        } else {
            StopRepeat();
        }
    }
    m_hotPart = hot;
    Invalidate();
}

void TvnSkinScrollBar::DragTo(QPoint at)
{
    const TvnScrollBarLayout l = Layout();
    const int moved = l.Along(at) - m_dragStart;
    UserScroll(
        DragScrollPosition(m_range, l.Offset1, l.Offset2, m_dragStartOffset, moved), msg::SB_THUMBTRACK);
}

void TvnSkinScrollBar::mouseMoveEvent(QMouseEvent* e)
{
    TvnSkinCustomControl::mouseMoveEvent(e);
    if (!isEnabled()) return;
    m_lastMouse = e->position().toPoint();
    UpdateHot(m_lastMouse);
    if (m_dragging) DragTo(m_lastMouse);
}

void TvnSkinScrollBar::ReleaseCapture(QPoint at)
{
    const int part = m_capturedPart;
    const bool dragged = m_dragging;
    m_capturedPart = kNoPart;
    m_capturedPressed = false;
    m_dragging = false;
    if (part != kThumbPart && part != kNoPart) StopRepeat();
    if (ScrollPartAt(Layout(), at) != part) m_hotPart = kNoPart;
    Invalidate();
    if (dragged) {
        SendScroll(msg::SB_THUMBPOSITION);
        events::Fire(OnLastChange, this);
    }
}

void TvnSkinScrollBar::mouseReleaseEvent(QMouseEvent* e)
{
    TvnSkinCustomControl::mouseReleaseEvent(e);
    if (e->button() != Qt::LeftButton) return;
    m_mousePressed = false;
    if (m_timerMode == kPageBack || m_timerMode == kPageForward) StopRepeat();
    if (m_capturedPart != kNoPart) ReleaseCapture(e->position().toPoint());
    SendScroll(msg::SB_ENDSCROLL);
}

void TvnSkinScrollBar::MouseLeft()
{
    if (m_capturedPart == kNoPart && !m_dragging && m_hotPart != kNoPart) {
        m_hotPart = kNoPart;
        Invalidate();
    }
    if (m_mousePressed && (m_timerMode == kPageBack || m_timerMode == kPageForward)) StopRepeat();
}

// ---- Keys, wheel, focus --------------------------------------------------------------------

void TvnSkinScrollBar::keyPressEvent(QKeyEvent* e)
{
    if (m_canFocused) {
        switch (e->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            UserScroll(m_range.Position - m_smallChange, msg::SB_LINEUP);
            return;
        case Qt::Key_Right:
        case Qt::Key_Down:
            UserScroll(m_range.Position + m_smallChange, msg::SB_LINEDOWN);
            return;
        default:
            break;
        }
    }
    TvnSkinCustomControl::keyPressEvent(e);
}

void TvnSkinScrollBar::wheelEvent(QWheelEvent* e)
{
    if (!FocusedForInput()) return TvnSkinCustomControl::wheelEvent(e);
    if (e->angleDelta().y() > 0)
        UserScroll(m_range.Position - m_smallChange, msg::SB_LINEUP);
    else
        UserScroll(m_range.Position + m_smallChange, msg::SB_LINEDOWN);
    e->accept();
}

void TvnSkinScrollBar::focusInEvent(QFocusEvent* e)
{
    TvnSkinCustomControl::focusInEvent(e);
    Invalidate();
}

void TvnSkinScrollBar::focusOutEvent(QFocusEvent* e)
{
    TvnSkinCustomControl::focusOutEvent(e);
    Invalidate();
}
