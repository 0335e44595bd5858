// The button's input: mouse, keys and focus, and its three timers (cross-fade, frame
// animation, repeat).
#include "Button.h"
#include "platform/Keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

bool TvnSkinButton::FocusableAndFocused() const { return m_canFocused && hasFocus(); }

bool TvnSkinButton::CrossFadeEnabled() const
{
    const auto* record = Record<TvnDataSkinButtonControl>();
    return record && record->Morphing && LoadedSkin() && SkinData()->EnableSkinEffects();
}

bool TvnSkinButton::LookFollowsMouse() const
{
    if (m_groupIndex != 0) return !m_down;
    return !FocusableAndFocused() || m_down;
}

// ---- Cross-fade ----------------------------------------------------------------------------

void TvnSkinButton::StartFade()
{
    if (CrossFadeEnabled())
        SetTimer(kMorphTimer, vnctrls::TvnFader::kInterval);
    else
        Invalidate();
}

void TvnSkinButton::StopFade()
{
    KillTimer(kMorphTimer);
    m_fader.SnapTo(false);
}

// ---- Frame animation -----------------------------------------------------------------------

void TvnSkinButton::StartAnimation(bool forwards)
{
    const auto* record = Record<TvnDataSkinButtonControl>();
    if (!record || !LoadedSkin() || !SkinData()->EnableSkinEffects() || record->AnimateSkinRect.isEmpty()
        || record->FrameCount < 1)
        return;
    m_frameStep = forwards ? 1 : -1;
    m_frame = forwards ? 1 : record->FrameCount;
    SetTimer(kAnimateTimer, std::max(1, record->AnimateInterval));
    Invalidate();
}

void TvnSkinButton::StopAnimation()
{
    KillTimer(kAnimateTimer);
    if (m_frameStep == 0) return;
    m_frameStep = 0;
    Invalidate();
}

// ---- Repeat --------------------------------------------------------------------------------

void TvnSkinButton::StartRepeat()
{
    m_repeatStarted = false;
    SetTimer(kRepeatTimer, kRepeatDelay);
}

void TvnSkinButton::StopRepeat() { KillTimer(kRepeatTimer); }

void TvnSkinButton::OnTimer(WPARAM id)
{
    switch (id) {
    case kMorphTimer:
        if (!m_fader.Tick(m_mouseIn || FocusableAndFocused())) KillTimer(kMorphTimer);
        Invalidate();
        break;
    case kAnimateTimer: {
        const auto* record = Record<TvnDataSkinButtonControl>();
        m_frame += m_frameStep;
        if (!record || m_frame > record->FrameCount || m_frame <= 0) StopAnimation();
        Invalidate();
        break;
    }
    case kRepeatTimer:
        if (!m_repeatStarted) {
            m_repeatStarted = true;
            SetTimer(kRepeatTimer, std::max(1, m_repeatInterval));
        }
        if (m_down) Click();
        break;
    default:
        break;
    }
}

// ---- Mouse ---------------------------------------------------------------------------------

void TvnSkinButton::MouseEntered()
{
    if (m_mouseIn) return;
    m_mouseIn = true;
    if (LookFollowsMouse()) {
        if (m_down) {
            m_fader.SnapTo(true);
            Invalidate();
        } else {
            StartAnimation(true);
            StartFade();
        }
    }
    if (m_down && m_repeatMode && m_groupIndex == 0) StartRepeat();
    PostMessage(kShowGlow);
}

void TvnSkinButton::MouseLeft()
{
    if (!m_mouseIn) return;
    // The active default button keeps its hot look while another control has the focus.
    if (!(m_default && m_active && !FocusableAndFocused())) m_mouseIn = false;
    if (LookFollowsMouse()) {
        StartAnimation(false);
        StartFade();
    }
    if (m_down && m_repeatMode) StopRepeat();
    PostMessage(kHideGlow);
}

bool TvnSkinButton::TakeFocusForPress()
{
    if (!m_canFocused || hasFocus()) return true;
    m_clicksDisabled = true;
    setFocus(Qt::MouseFocusReason);
    m_clicksDisabled = false;
    return hasFocus();
}

void TvnSkinButton::LeftButtonDown()
{
    if (!TakeFocusForPress()) return;
    StopAnimation();
    m_mouseDown = true;
    if (!m_down) {
        m_mouseIn = true;
        SetDown(true);
        if (m_repeatMode && m_groupIndex == 0)
            StartRepeat();
        else if (m_groupIndex != 0)
            Click();
        m_allUpCheck = false;
    } else if (m_groupIndex != 0) {
        m_allUpCheck = true;
    }
}

void TvnSkinButton::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) return TvnSkinCustomControl::mousePressEvent(e);
    LeftButtonDown();
    e->accept();
}

void TvnSkinButton::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) return TvnSkinCustomControl::mouseDoubleClickEvent(e);
    LeftButtonDown();
    e->accept();
}

void TvnSkinButton::mouseMoveEvent(QMouseEvent* e)
{
    // While the button is held Qt keeps sending the moves here; leaving and coming
    // back are seen from them.
    if (e->buttons() & Qt::LeftButton) {
        const bool inside = rect().contains(e->position().toPoint());
        if (inside && !m_mouseIn)
            MouseEntered();
        else if (!inside && m_mouseIn)
            MouseLeft();
    }
    TvnSkinCustomControl::mouseMoveEvent(e);
}

void TvnSkinButton::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) return TvnSkinCustomControl::mouseReleaseEvent(e);
    e->accept();
    m_mouseDown = false;
    const bool wasDown = m_down;
    if (m_groupIndex == 0) {
        // Released outside, the press is dropped without a click.
        StopRepeat();
        SetDown(false);
        if (m_mouseIn && wasDown) Click();
    } else if (wasDown && m_allowAllUp && m_allUpCheck && m_mouseIn) {
        SetDown(false);
        Click();
    }
}

// ---- Keys and focus ------------------------------------------------------------------------

void TvnSkinButton::keyPressEvent(QKeyEvent* e)
{
    if (m_canFocused && e->key() == Qt::Key_Space) {
        StopAnimation();
        if (!e->isAutoRepeat() || !m_down) SetDown(true);
        if (m_repeatMode) Click();
        return;
    }
    if (m_canFocused && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
        Click();
        return;
    }
    TvnSkinCustomControl::keyPressEvent(e);
}

void TvnSkinButton::keyReleaseEvent(QKeyEvent* e)
{
    if (m_canFocused && e->key() == Qt::Key_Space && !e->isAutoRepeat()) {
        SetDown(false);
        Click();
        return;
    }
    TvnSkinCustomControl::keyReleaseEvent(e);
}

void TvnSkinButton::focusInEvent(QFocusEvent* e)
{
    TvnSkinCustomControl::focusInEvent(e);
    if (!m_canFocused) return;
    StartAnimation(true);
    StartFade();
}

void TvnSkinButton::hideEvent(QHideEvent* e)
{
    // The glow is a window of its own: it stays on the screen when the button's form
    // goes, over whatever comes next, unless it goes with the button.
    HideGlow();
    TvnSkinCustomControl::hideEvent(e);
}

void TvnSkinButton::focusOutEvent(QFocusEvent* e)
{
    TvnSkinCustomControl::focusOutEvent(e);
    StopRepeat();
    if (m_groupIndex == 0 && m_down) SetDown(false);
    if (!m_canFocused) return;
    StartAnimation(false);
    StartFade();
}
