#include "Button.h"

#include "framework/Form.h"
#include "framework/StoreChanged.h"
#include "platform/Keys.h"

using vnctrls::TvnResizeMode;

TvnSkinButton::TvnSkinButton(QObject* owner)
    : TvnSkinCustomControl(owner)
    , m_glow(new TvnLayerManager(this))
{
    KeepLooks({ &m_looks });
    SetSkinDataName(QStringLiteral("button"));
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
    setMouseTracking(true);
}

TvnSkinButton::~TvnSkinButton() { HideGlow(); }

// ---- Properties ----------------------------------------------------------------------------

void TvnSkinButton::SetGlyph(const QImage& glyph)
{
    if (StoreChanged(m_glyph, glyph)) Invalidate();
}

void TvnSkinButton::SetNumGlyphs(int count)
{
    m_numGlyphs = std::clamp(count, 1, 4);
    Invalidate();
}

void TvnSkinButton::SetImageList(TImageList* list)
{
    if (StoreChanged(m_imageList, list)) Invalidate();
}

void TvnSkinButton::SetImageIndex(int index)
{
    if (StoreChanged(m_imageIndex, index)) Invalidate();
}

void TvnSkinButton::SetLayout(TvnButtonLayout layout)
{
    if (StoreChanged(m_layout, layout)) Invalidate();
}

void TvnSkinButton::SetMargin(int margin)
{
    if (margin == m_margin || margin < -1) return;
    m_margin = margin;
    Invalidate();
}

void TvnSkinButton::SetSpacing(int spacing)
{
    if (StoreChanged(m_spacing, spacing)) Invalidate();
}

void TvnSkinButton::SetUseSkinSize(bool use)
{
    m_useSkinSize = use;
    SkinChanged();
}

void TvnSkinButton::SetUseSkinFontColor(bool use)
{
    if (StoreChanged(m_useSkinFontColor, use)) Invalidate();
}

void TvnSkinButton::SetGroupIndex(int index)
{
    m_groupIndex = index;
    if (index != 0) SetCanFocused(false);
}

void TvnSkinButton::SetCanFocused(bool can)
{
    m_canFocused = can;
    SetTabStop(can);
}

void TvnSkinButton::SetDown(bool down)
{
    m_down = down;
    if (down) {
        m_fader.SnapTo(true);
        KillTimer(kMorphTimer);
    } else if (CrossFadeEnabled()) {
        StartFade();
    }
    Invalidate();
    if (m_groupIndex == 0 || !down || m_allowAllUp || !parentWidget()) return;
    for (QObject* child : parentWidget()->children()) {
        auto* other = qobject_cast<TvnSkinButton*>(child);
        if (other && other != this && other->m_groupIndex == m_groupIndex && other->m_down)
            other->SetDown(false);
    }
}

void TvnSkinButton::SetDefault(bool isDefault)
{
    m_default = isDefault;
    auto* form = qobject_cast<TForm*>(window());
    if (form && m_canFocused)
        form->Perform(msg::CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
    else
        m_active = isDefault;
}

vnctrls::TvnButtonState TvnSkinButton::State() const
{
    vnctrls::TvnButtonState s;
    s.Enabled = isEnabled();
    s.Down = m_down;
    s.Focused = FocusableAndFocused();
    s.MouseIn = m_mouseIn;
    s.MouseDown = m_mouseDown;
    s.GroupIndex = m_groupIndex;
    s.Animating = m_frameStep != 0;
    s.CrossFade = CrossFadeEnabled();
    s.Morph = m_fader.Factor();
    return s;
}

// ---- Clicking ------------------------------------------------------------------------------

void TvnSkinButton::Click()
{
    if (m_clicksDisabled) return;
    if (m_canFocused)
        if (auto* form = qobject_cast<TForm*>(window())) form->SetModalResult(m_modalResult);
    events::Fire(OnClick, this);
}

bool TvnSkinButton::DialogKey(int key, TShiftState shift)
{
    if (key == vk::VK_RETURN && m_active && isEnabled()) {
        Click();
        return true;
    }
    const bool canFocus = isVisible() && isEnabled();
    if (key == vk::VK_ESCAPE && m_cancel && m_canFocused && !shift && canFocus) {
        Click();
        return true;
    }
    return false;
}

bool TvnSkinButton::DialogChar(QChar ch)
{
    if (!vnctrls::IsAccel(ch, Caption()) || !isVisible() || !isEnabled() || !m_canFocused) return false;
    setFocus(Qt::ShortcutFocusReason);
    Click();
    return true;
}

void TvnSkinButton::FocusChanged(TControl* focused)
{
    auto* button = qobject_cast<TvnSkinButton*>(focused);
    m_active = button ? button == this : m_default;
    if (!m_default || !m_canFocused || FocusableAndFocused()) return;
    // The default button looks hot while the focus is on a control that is not a
    // button, and not while another button has it.
    const bool hot = button == nullptr;
    if (hot == m_mouseIn) return;
    m_mouseIn = hot;
    StartFade();
}

// ---- Skin ----------------------------------------------------------------------------------

void TvnSkinButton::AdjustSizeToSkin(int& width, int& height)
{
    if (m_useSkinSize || ResizeMode() == TvnResizeMode::Both || SkinRecordIndex() == -1) {
        TvnSkinCustomControl::AdjustSizeToSkin(width, height);
        return;
    }
    // A skin of fixed size stretched to any size: the client rectangle grows with it.
    const vnutils::TvnNinePart& p = m_geometry.Parts;
    const int dw = width - p.SkinRect.width(), dh = height - p.SkinRect.height();
    m_current = vnctrls::AdjustSizeToSkin(m_geometry, p.SkinRect.size()).Current;
    m_current.Size = { width, height };
    m_current.ClientRect.adjust(0, 0, dw, dh);
}

void TvnSkinButton::UpdateShapeRegion()
{
    // A skin stretched beyond its size has no shape.
    if (!m_useSkinSize) {
        if (!mask().isEmpty()) clearMask();
        return;
    }
    TvnSkinCustomControl::UpdateShapeRegion();
}

void TvnSkinButton::SkinChanged()
{
    KillTimer(kMorphTimer);
    StopAnimation();
    m_fader.SnapTo(false);
    TvnSkinCustomControl::SkinChanged();
    if (CrossFadeEnabled() && (FocusableAndFocused() || m_mouseIn)) m_fader.SnapTo(true);
    if (m_mouseIn) PostMessage(kShowGlow);
}

void TvnSkinButton::PrepareSkinChange()
{
    HideGlow();
    TvnSkinCustomControl::PrepareSkinChange();
}

void TvnSkinButton::EnabledChanged()
{
    StopFade();
    m_mouseIn = false;
    Invalidate();
}

void TvnSkinButton::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case msg::CM_MOUSEENTER:
        MouseEntered();
        break;
    case msg::CM_MOUSELEAVE:
        MouseLeft();
        break;
    case msg::CM_DIALOGKEY:
        m.Result
            = DialogKey(static_cast<int>(m.WParam), TShiftState::fromInt(static_cast<int>(m.LParam))) ? 1 : 0;
        return;
    case msg::CM_DIALOGCHAR:
        m.Result = DialogChar(QChar(static_cast<char16_t>(m.WParam))) ? 1 : 0;
        return;
    case msg::CM_FOCUSCHANGED:
        FocusChanged(reinterpret_cast<TControl*>(m.LParam));
        return;
    case msg::WM_TIMER:
        OnTimer(m.WParam);
        return;
    case kShowGlow:
        ShowGlow();
        return;
    case kHideGlow:
        HideGlowOnLeave();
        return;
    case msg::WM_ERASEBKGND:
        // Painted at once when the parent erases; a paint draws it anyway.
        if (!InPaintMessage() && m.WParam) Paint(*reinterpret_cast<QPainter*>(m.WParam));
        m.Result = 1;
        return;
    default:
        break;
    }
    TvnSkinCustomControl::WndProc(m);
}
