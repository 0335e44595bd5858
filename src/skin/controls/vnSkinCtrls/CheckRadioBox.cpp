#include "CheckRadioBox.h"

#include "framework/StoreChanged.h"
#include "platform/Announce.h"

#include <QKeyEvent>
#include <QMouseEvent>

TvnSkinCheckRadioBox::TvnSkinCheckRadioBox(QObject* owner)
    : TvnSkinCustomControl(owner)
{
    KeepLooks({ &m_looks });
    SetSkinDataName(QStringLiteral("checkbox"));
    SetBounds(0, 0, 150, 25);
    SetTabStop(false);
}

// ---- The checked state ---------------------------------------------------------------------

void TvnSkinCheckRadioBox::SetChecked(bool checked)
{
    m_checked = checked;
    if (checked)
        m_state = cbChecked;
    else if (m_state == cbChecked)
        m_state = cbUnchecked;
    Invalidate();
    announce::Checked(this);
    if (checked && m_groupIndex != 0 && parentWidget()) {
        for (QObject* child : parentWidget()->children()) {
            auto* other = qobject_cast<TvnSkinCheckRadioBox*>(child);
            if (other && other != this && other->m_groupIndex == m_groupIndex && other->m_checked)
                other->SetChecked(false);
        }
    }
    if (!m_radio || checked) events::Fire(OnClick, this);
}

void TvnSkinCheckRadioBox::SetState(TCheckBoxState state)
{
    m_state = state;
    m_checked = state == cbChecked;
    Invalidate();
    announce::Checked(this);
    events::Fire(OnClick, this);
}

void TvnSkinCheckRadioBox::Toggle()
{
    if (!m_radio)
        SetChecked(!m_checked);
    else if (!m_checked)
        SetChecked(true);
}

// ---- Properties ----------------------------------------------------------------------------

void TvnSkinCheckRadioBox::SetAllowGrayed(bool allow)
{
    if (StoreChanged(m_allowGrayed, allow)) Invalidate();
}

void TvnSkinCheckRadioBox::SetRadio(bool radio)
{
    if (StoreChanged(m_radio, radio)) Invalidate();
}

void TvnSkinCheckRadioBox::SetFlat(bool flat)
{
    m_flat = flat;
    SkinChanged();
}

void TvnSkinCheckRadioBox::SetWordWrap(bool wrap)
{
    if (StoreChanged(m_wordWrap, wrap) && m_flat) Invalidate();
}

void TvnSkinCheckRadioBox::SetImages(TImageList* images)
{
    if (StoreChanged(m_images, images)) Invalidate();
}

void TvnSkinCheckRadioBox::SetImageIndex(int index)
{
    if (StoreChanged(m_imageIndex, index)) Invalidate();
}

void TvnSkinCheckRadioBox::SetUseSkinFontColor(bool use)
{
    if (StoreChanged(m_useSkinFontColor, use)) Invalidate();
}

void TvnSkinCheckRadioBox::SetCanFocused(bool can)
{
    m_canFocused = can;
    SetTabStop(can);
}

// ---- Skin and sizing -----------------------------------------------------------------------

void TvnSkinCheckRadioBox::AdjustSizeToSkin(int& width, int& height)
{
    // A flat box is as big as it is told; only the framed one takes the skin's size.
    if (!m_flat) TvnSkinCustomControl::AdjustSizeToSkin(width, height);
}

void TvnSkinCheckRadioBox::UpdateShapeRegion()
{
    if (!m_flat) {
        TvnSkinCustomControl::UpdateShapeRegion();
        return;
    }
    if (!mask().isEmpty()) clearMask();
}

void TvnSkinCheckRadioBox::SkinChanged()
{
    if (!m_flat) {
        TvnSkinCustomControl::SkinChanged();
        return;
    }
    ForgetGeometry();
    ReadSkinRecord();
    UpdateShapeRegion();
    Invalidate();
}

bool TvnSkinCheckRadioBox::CrossFadeEnabled() const
{
    const auto* record = Record<TvnDataSkinCheckRadioControl>();
    return !m_flat && record && record->Morphing && LoadedSkin() && SkinData()->EnableSkinEffects();
}

// Fade towards the present look when the framed box cross-fades, else repaint.
void TvnSkinCheckRadioBox::Refresh()
{
    if (CrossFadeEnabled())
        SetTimer(kMorphTimer, vnctrls::TvnFader::kInterval);
    else
        Invalidate();
}

void TvnSkinCheckRadioBox::ParentBackgroundChanged()
{
    if (m_flat) Invalidate();
}

void TvnSkinCheckRadioBox::EnabledChanged()
{
    KillTimer(kMorphTimer);
    m_fader.SnapTo(false);
    m_mouseIn = false;
    Invalidate();
}

void TvnSkinCheckRadioBox::moveEvent(QMoveEvent* e)
{
    TvnSkinCustomControl::moveEvent(e);
    if (m_flat) Invalidate();
}

// ---- Input ---------------------------------------------------------------------------------

bool TvnSkinCheckRadioBox::TakeFocusForPress()
{
    if (!m_canFocused || hasFocus()) return true;
    m_clicksDisabled = true;
    setFocus(Qt::MouseFocusReason);
    m_clicksDisabled = false;
    return hasFocus();
}

void TvnSkinCheckRadioBox::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && !TakeFocusForPress()) return;
    if (!m_mouseIn) {
        m_mouseIn = true;
        Refresh();
    }
    TvnSkinCustomControl::mousePressEvent(e);
}

void TvnSkinCheckRadioBox::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && !TakeFocusForPress()) return;
    TvnSkinCustomControl::mouseDoubleClickEvent(e);
}

void TvnSkinCheckRadioBox::mouseReleaseEvent(QMouseEvent* e)
{
    TvnSkinCustomControl::mouseReleaseEvent(e);
    if (e->button() != Qt::LeftButton || m_clicksDisabled || !rect().contains(e->position().toPoint()))
        return;
    if (m_allowGrayed && !m_radio && m_state == cbUnchecked) {
        // Through the field, not the setter: Checked stays false.
        m_state = cbGrayed;
        Invalidate();
        events::Fire(OnClick, this);
        return;
    }
    Toggle();
}

void TvnSkinCheckRadioBox::keyReleaseEvent(QKeyEvent* e)
{
    if (m_canFocused && e->key() == Qt::Key_Space && !e->isAutoRepeat() && hasFocus()) {
        Toggle();
        return;
    }
    TvnSkinCustomControl::keyReleaseEvent(e);
}

void TvnSkinCheckRadioBox::focusInEvent(QFocusEvent* e)
{
    TvnSkinCustomControl::focusInEvent(e);
    if (!m_canFocused) return;
    if (m_flat)
        Invalidate();
    else
        Refresh();
}

void TvnSkinCheckRadioBox::focusOutEvent(QFocusEvent* e)
{
    TvnSkinCustomControl::focusOutEvent(e);
    if (!m_canFocused) return;
    if (m_flat)
        Invalidate();
    else
        Refresh();
}

void TvnSkinCheckRadioBox::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case msg::CM_MOUSEENTER:
        m_mouseIn = true;
        Refresh();
        break;
    case msg::CM_MOUSELEAVE:
        m_mouseIn = false;
        Refresh();
        break;
    case msg::CM_DIALOGCHAR:
        if (m_canFocused && isVisible() && isEnabled()
            && vnctrls::IsAccel(QChar(static_cast<char16_t>(m.WParam)), Caption())) {
            setFocus(Qt::ShortcutFocusReason);
            Toggle();
            m.Result = 1;
        }
        return;
    case msg::WM_TIMER:
        if (m.WParam == kMorphTimer && !m_fader.Tick(m_mouseIn || FocusableAndFocused()))
            KillTimer(kMorphTimer);
        Invalidate();
        return;
    case msg::WM_ERASEBKGND:
        // A framed box paints itself when its parent erases; a flat one never does.
        if (!m_flat && !InPaintMessage() && m.WParam) Paint(*reinterpret_cast<QPainter*>(m.WParam));
        m.Result = 1;
        return;
    default:
        break;
    }
    TvnSkinCustomControl::WndProc(m);
}
