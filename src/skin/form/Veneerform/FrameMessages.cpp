// The frame's window procedure: every message of the form runs through the table below
// first; a handler that consumes its message keeps it from the form's own procedure.
#include "Veneerform.h"
#include "framework/Form.h"
#include "skin/data/vnUtils/SkinRect.h"

using namespace vnutils;

namespace veneer {

namespace {

// Messages other parts of the engine send to ask about, or paint, a form's frame.
constexpr UINT kQuerySkinned = 0xB1B2;
constexpr LRESULT kSkinned = 0x3235;
constexpr LRESULT kNotSkinned = 0x3234;
constexpr UINT kPaintFrameInto = 0xB1C9;
constexpr LRESULT kPaintedFrame = 0x3233;
constexpr UINT kPaintFrameIntoTagged = 0xBC4B;
constexpr LPARAM kPaintTag = 0x41A2;

} // namespace

void TvnVeneerform::FrameWndProc(TMessage& m)
{
    using Handler = bool (TvnVeneerform::*)(TMessage&);
    static const struct {
        UINT Msg;
        Handler Handle;
    } kTable[] = {
        { msg::WM_SIZE, &TvnVeneerform::OnSize },
        { msg::WM_ACTIVATE, &TvnVeneerform::OnActivateMessage },
        { msg::WM_SETTEXT, &TvnVeneerform::OnSetText },
        { msg::WM_ERASEBKGND, &TvnVeneerform::OnEraseBackground },
        { msg::WM_NCCALCSIZE, &TvnVeneerform::OnNcCalcSize },
        { msg::WM_NCHITTEST, &TvnVeneerform::OnNcHitTest },
        { msg::WM_NCPAINT, &TvnVeneerform::OnNcPaint },
        { msg::WM_NCACTIVATE, &TvnVeneerform::OnNcActivate },
        { msg::WM_SYSCOMMAND, &TvnVeneerform::OnSysCommand },
        { msg::SKINMSG_BEFORE_CHANGE, &TvnVeneerform::OnBeforeChange },
        { msg::SKINMSG_CHANGE, &TvnVeneerform::OnChange },
        { msg::SKINMSG_AFTER_CHANGE, &TvnVeneerform::OnAfterChange },
        { msg::SKINMSG_SKINNABLE_CHANGE, &TvnVeneerform::OnSkinnableChange },
        { kQuerySkinned, &TvnVeneerform::OnQuerySkinned },
        { kPaintFrameInto, &TvnVeneerform::OnPaintIntoContext },
        { kPaintFrameIntoTagged, &TvnVeneerform::OnPaintIntoContext },
    };
    QPointer<TvnVeneerform> self(this);
    for (const auto& row : kTable) {
        if (row.Msg != m.Msg) continue;
        if ((this->*row.Handle)(m)) return;
        break;
    }
    // A handler may have closed the form (and with it the frame).
    if (self) CallForm(m);
}

bool TvnVeneerform::OnSize(TMessage& m)
{
    if (m_inMoveSize) {
        if (!m_logo.isNull()) m_form->ClientWidget()->update();
        return false;
    }
    CallForm(m);
    TakeFrameSize();
    if (m_skinPresent) {
        if (m_skinnable && m_frameWidth >= GetMinWidth() && m_frameHeight >= GetMinHeight()) {
            RebuildAfterSize();
            RepaintFrame();
        }
    } else if (m_skinnable) {
        UpdateFrameRegion(true);
        RepaintFrame();
    }
    if (!m_logo.isNull()) m_form->ClientWidget()->update();
    return false;
}

bool TvnVeneerform::OnActivateMessage(TMessage& m)
{
    if (!m_skinnable) return false;
    CallForm(m);
    RepaintFrame();
    for (int i = 0; i < m_objects.Count(); ++i) {
        TvnFrameObjectState& s = m_objects.State(i);
        s.MouseIn = s.Pressed = s.Highlighted = false;
    }
    events::Fire(m.WParam != msg::WA_INACTIVE ? OnActivate : OnDeActivate, this);
    return true;
}

bool TvnVeneerform::OnSetText(TMessage& m)
{
    if (!m_skinnable) return false;
    CallForm(m);
    if (m_form->BorderStyle() != bsNone) RepaintFrame();
    return true;
}

bool TvnVeneerform::OnEraseBackground(TMessage& m)
{
    PaintClientBackground(*reinterpret_cast<QPainter*>(m.WParam));
    m.Result = 1;
    return true;
}

bool TvnVeneerform::OnNcCalcSize(TMessage& m)
{
    if (!m_skinnable) return false;
    if (m_form->BorderStyle() == bsNone) return true;
    auto& rect = *reinterpret_cast<QRect*>(m.LParam);
    if (m_skinPresent) {
        UpdateFrameGeometry();
        rect = SkinnedClientRect(*m_skinData, PictureSize(), rect);
    } else {
        rect = DefaultClientRect(rect, ToolWindowStyle());
    }
    return true;
}

LRESULT TvnVeneerform::HitTest(QPoint p)
{
    // Sizing zones and the objects' own areas come with the objects' mouse behaviour;
    // here the client area, and the caption, which moves the window.
    if (m_skinPresent) {
        if (m_geometry.NewClientRect.contains(p)) return ht::HTCLIENT;
        const int caption = m_objects.IndexOf(TvnObjectKind::Caption);
        if (caption != -1 && m_objects.LayoutAt(caption).Rect.contains(p)) return ht::HTCAPTION;
        return ht::HTOBJECT;
    }
    const int ch = DefaultCaptionHeight(ToolWindowStyle());
    if (DefaultCaptionTextArea().contains(p)) return ht::HTCAPTION;
    if (RectLTRB(3, ch + 3, m_frameWidth - 3, m_frameHeight - 3).contains(p)) return ht::HTCLIENT;
    return ht::HTOBJECT;
}

bool TvnVeneerform::OnNcHitTest(TMessage& m)
{
    if (!m_skinnable) return false;
    const QPoint p = m_form->mapFromGlobal(QPoint(LoWordSigned(m.LParam), HiWordSigned(m.LParam)));
    m.Result = HitTest(p);
    return true;
}

bool TvnVeneerform::OnNcPaint(TMessage& m)
{
    if (!m_skinnable) return false;
    if (m_form->BorderStyle() == bsNone) return true;
    auto& painter = *reinterpret_cast<QPainter*>(m.LParam);
    if (m_skinPresent)
        PaintFrame(painter);
    else if (!m_skinChanging)
        PaintDefaultFrame(painter);
    return true;
}

bool TvnVeneerform::OnNcActivate(TMessage& m)
{
    if (!m_skinnable) return false;
    const bool active = m.WParam != 0;
    if (!active)
        for (int i = 0; i < m_objects.Count(); ++i)
            m_objects.State(i).MouseIn = m_objects.State(i).Highlighted = false;
    m_active = active;
    // The system draws no frame of its own.
    m.Result = 1;
    if (m_form->BorderStyle() != bsNone) RepaintFrame();
    if (m_form->isVisible() && m_clientInActiveEffect) ShowInActivePanel(!active);
    return true;
}

bool TvnVeneerform::OnSysCommand(TMessage& m)
{
    switch (m.WParam & 0xFFF0) {
    case msg::SC_RESTORE:
        events::Fire(OnRestore, this);
        return false;
    case msg::SC_KEYMENU:
        // The skinned menu bar takes Alt and F10; without one there is nothing to enter.
        return true;
    default:
        return false;
    }
}

bool TvnVeneerform::OnBeforeChange(TMessage& m)
{
    if (MessageNamesOurStore(m)) {
        m_skinChanging = true;
        m_skinPresent = false;
        m_paintCache = {};
        StopTimers();
        m_objects.Clear();
    }
    // Every control drops its record before its store changes; each one checks that the
    // store is its own.
    RelayToControls(m);
    if (MessageNamesOurStore(m)) events::Fire(OnBeforeChangeSkinData, this);
    return false;
}

bool TvnVeneerform::OnChange(TMessage& m)
{
    m_skinChanging = false;
    if (MessageNamesOurStore(m)) ApplySkin();
    RelayToControls(m);
    return false;
}

bool TvnVeneerform::OnAfterChange(TMessage& m)
{
    if (MessageNamesOurStore(m)) events::Fire(OnAfterChangeSkinData, this);
    return false;
}

bool TvnVeneerform::OnSkinnableChange(TMessage& m)
{
    if (MessageNamesOurStore(m) && m_skinData->SkinnableForm() != m_skinnable)
        SetSkinnable(m_skinData->SkinnableForm());
    return false;
}

bool TvnVeneerform::OnQuerySkinned(TMessage& m)
{
    m.Result = m_skinnable ? kSkinned : kNotSkinned;
    return true;
}

bool TvnVeneerform::OnPaintIntoContext(TMessage& m)
{
    if (!m_skinnable) return false;
    const bool tagged = m.Msg == kPaintFrameIntoTagged;
    if (tagged && m.LParam != kPaintTag) return false;
    if (m.WParam != 0 && m_form->BorderStyle() != bsNone) {
        auto& painter = *reinterpret_cast<QPainter*>(m.WParam);
        if (m_skinPresent)
            PaintFrame(painter);
        else if (!m_skinChanging)
            PaintDefaultFrame(painter);
    }
    m.Result = tagged ? kPaintTag : kPaintedFrame;
    return true;
}

} // namespace veneer
