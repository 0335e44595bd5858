// The frame's window procedure: every message of the form runs through the table below
// first; a handler that consumes its message keeps it from the form's own procedure.
#include "FrameHitTest.h"
#include "MoveSizeLoop.h"
#include "Veneerform.h"
#include "framework/Form.h"
#include "skin/data/vnUtils/SkinRect.h"

#include <QApplication>

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
        { msg::WM_NCMOUSEMOVE, &TvnVeneerform::OnNcMouseMove },
        { msg::WM_NCLBUTTONDOWN, &TvnVeneerform::OnNcLButtonDown },
        { msg::WM_NCLBUTTONUP, &TvnVeneerform::OnNcButtonUp },
        { msg::WM_NCRBUTTONUP, &TvnVeneerform::OnNcButtonUp },
        { msg::WM_LBUTTONUP, &TvnVeneerform::OnNcButtonUp },
        { msg::WM_RBUTTONUP, &TvnVeneerform::OnNcButtonUp },
        { msg::WM_NCLBUTTONDBLCLK, &TvnVeneerform::OnNcLButtonDblClk },
        { msg::WM_NCRBUTTONDOWN, &TvnVeneerform::OnNcRButtonDown },
        { msg::WM_NCRBUTTONDBLCLK, &TvnVeneerform::OnNcRButtonDown },
        { msg::WM_TIMER, &TvnVeneerform::OnTimer },
        { msg::WM_GETMINMAXINFO, &TvnVeneerform::OnGetMinMaxInfo },
        { msg::WM_ENTERSIZEMOVE, &TvnVeneerform::OnEnterSizeMove },
        { msg::WM_EXITSIZEMOVE, &TvnVeneerform::OnExitSizeMove },
        { msg::WM_MOVING, &TvnVeneerform::OnMoving },
        { msg::WM_SIZING, &TvnVeneerform::OnSizing },
        { msg::WM_SHOWWINDOW, &TvnVeneerform::OnShowWindow },
        { msg::WM_DISPLAYCHANGE, &TvnVeneerform::OnDisplayChange },
        { msg::SKINMSG_BEFORE_CHANGE, &TvnVeneerform::OnBeforeChange },
        { msg::SKINMSG_CHANGE, &TvnVeneerform::OnChange },
        { msg::SKINMSG_AFTER_CHANGE, &TvnVeneerform::OnAfterChange },
        { msg::SKINMSG_SKINNABLE_CHANGE, &TvnVeneerform::OnSkinnableChange },
        { msg::SKINMSG_CLOSE_MENUS, &TvnVeneerform::OnCloseMenus },
        { kQuerySkinned, &TvnVeneerform::OnQuerySkinned },
        { kPaintFrameInto, &TvnVeneerform::OnPaintIntoContext },
        { kPaintFrameIntoTagged, &TvnVeneerform::OnPaintIntoContext },
    };
    // Whatever the user does to the window ends a hint and closes the frame's menus.
    switch (m.Msg) {
    case msg::WM_MOVE:
    case msg::WM_SIZE:
    case msg::WM_ACTIVATE:
    case msg::WM_KILLFOCUS:
    case msg::WM_CANCELMODE:
    case msg::WM_MOUSEACTIVATE:
    case msg::WM_PARENTNOTIFY:
    case msg::WM_NCLBUTTONDOWN:
    case msg::WM_NCRBUTTONDOWN:
    case msg::WM_NCMBUTTONDOWN:
    case msg::WM_LBUTTONDOWN:
    case msg::WM_RBUTTONDOWN:
    case msg::WM_MBUTTONDOWN:
        HideObjectHint();
        CloseSkinMenus();
        break;
    default:
        break;
    }
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
    FollowDesktopState(m.WParam);
    if (m_inMoveSize) {
        // Every step of a sizing loop reshapes the frame: a window manager applies its
        // sizes before the frame hears of them, and a manual step may end clamped.
        if (m_skinPresent && m_skinnable && m_form->size() != QSize(m_frameWidth, m_frameHeight)) {
            TakeFrameSize();
            if (FrameAtLeastMinimum()) {
                RebuildAfterSize();
                RepaintFrame();
            }
        }
        if (!m_logo.isNull()) m_form->ClientWidget()->update();
        return false;
    }
    CallForm(m);
    m_magneticState.Clear();
    TakeFrameSize();
    if (m_skinPresent) {
        if (m_skinnable && FrameAtLeastMinimum()) {
            RebuildAfterSize();
            RepaintFrame();
        }
    } else if (m_skinnable) {
        UpdateFrameRegion(true);
        RepaintFrame();
    }
    if (m_alphaBlend && m_alphaBlendValue != 255) {
        RepaintFrame();
        m_form->ClientWidget()->update();
    }
    if (!m_logo.isNull()) m_form->ClientWidget()->update();
    return false;
}

bool TvnVeneerform::OnActivateMessage(TMessage& m)
{
    if (!m_skinnable) return false;
    CallForm(m);
    RepaintFrame();
    ResetObjectMouseStates(true);
    SetCaptionsActive(true);
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

TvnFrameHitState TvnVeneerform::HitState() const
{
    TvnFrameHitState s;
    s.Resizable = IsResizable();
    s.Maximized = FrameMaximized();
    s.Minimized = FrameMinimized();
    s.RolledUp = m_rollUpState;
    s.InMoveSize = m_inMoveSize;
    // The caption under the pointer keeps no sizing zone from the border next to it:
    // pressed there within a poll's time, the border would not size.
    s.ObjectActive = m_activeObject != -1 && m_activeObject < m_objects.Count()
        && m_objects.LayoutAt(m_activeObject).Kind != TvnObjectKind::Caption;
    return s;
}

LRESULT TvnVeneerform::HitTest(QPoint p)
{
    if (m_skinPresent) {
        TvnSkinHitInput in;
        in.Frame = QSize(m_frameWidth, m_frameHeight);
        in.Geometry = m_geometry;
        in.BorderWidth = m_skinData->BorderWidth;
        if (!m_skinData->MainMask.isNull() && !m_maskStrips.Top.isNull()) in.MaskStrips = &m_maskStrips;
        const int caption = m_objects.IndexOf(TvnObjectKind::Caption);
        if (caption != -1) in.Caption = m_objects.LayoutAt(caption).Rect;
        in.State = HitState();
        return SkinHitCode(in, p);
    }
    TvnDefaultHitInput in;
    in.CaptionTextArea = DefaultCaptionTextArea();
    in.Frame = QSize(m_frameWidth, m_frameHeight);
    in.ToolWindow = ToolWindowStyle();
    in.State = HitState();
    return DefaultHitCode(in, p);
}

bool TvnVeneerform::OnNcHitTest(TMessage& m)
{
    if (!m_skinnable) return false;
    if (m_frameWidth == 0 || m_frameHeight == 0) TakeFrameSize();
    const QPoint p = FramePoint(m.LParam);
    m.Result = HitTest(p);
    if (m.Result == ht::HTOBJECT && !MouseTimerRunning()) {
        MouseTest(p, true);
        m_form->SetTimer(kMouseTimer, kMouseInterval);
    }
    return true;
}

namespace {

// The pointer's shape over a part of the frame: the sizing arrows over the borders (the
// window manager would show them over its own frame).
Qt::CursorShape CursorFor(LRESULT hit)
{
    switch (hit) {
    case ht::HTLEFT:
    case ht::HTRIGHT:
        return Qt::SizeHorCursor;
    case ht::HTTOP:
    case ht::HTBOTTOM:
        return Qt::SizeVerCursor;
    case ht::HTTOPLEFT:
    case ht::HTBOTTOMRIGHT:
        return Qt::SizeFDiagCursor;
    case ht::HTTOPRIGHT:
    case ht::HTBOTTOMLEFT:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

bool TvnVeneerform::OnNcMouseMove(TMessage& m)
{
    CallForm(m);
    if (!m_skinnable) return true;
    m_mousePoint = FramePoint(m.LParam);
    const int over = m_captureObject != -1 ? m_captureObject : m_activeObject;
    if (over != -1 && over < m_objects.Count())
        events::Fire(OnMouseMoveEvent, m_objects.State(over).IDName, m_mousePoint.x(), m_mousePoint.y(),
            m_objects.LayoutAt(over).Rect);
    if (!m_inMoveSize) {
        const Qt::CursorShape shape = m_useFormCursorInNCArea && !IsSizingCode(static_cast<LRESULT>(m.WParam))
            ? m_form->ClientWidget()->cursor().shape()
            : CursorFor(static_cast<LRESULT>(m.WParam));
        if (m_form->cursor().shape() != shape) m_form->setCursor(shape);
    }
    if (m_pendingDrag) {
        // Set from the left press to its release: the button is down.
        const QPoint global(LoWordSigned(m.LParam), HiWordSigned(m.LParam));
        if ((global - *m_pendingDrag).manhattanLength() >= QApplication::startDragDistance()) {
            const QPoint from = *m_pendingDrag;
            m_pendingDrag.reset();
            // A maximized form stays where it is.
            if (!FrameMaximized()) m_moveSize->Start(ht::HTCAPTION, from, global);
        }
    }
    return true;
}

bool TvnVeneerform::OnNcLButtonDown(TMessage& m)
{
    if (!m_skinnable) return false;
    const LRESULT hit = static_cast<LRESULT>(m.WParam);
    const QPoint global(LoWordSigned(m.LParam), HiWordSigned(m.LParam));
    m_mousePoint = FramePoint(m.LParam);
    // The form's own procedure would hand these to the window manager: the frame runs
    // them, so that its messages, limits and magnetic edges take part.
    if (IsSizingCode(hit)) {
        m_moveSize->Start(hit, global);
        return true;
    }
    if (hit != ht::HTCAPTION) CallForm(m);
    MouseTest(FramePoint(m.LParam), true);
    PressObject(mbLeft);
    if (hit == ht::HTCAPTION) {
        m_captureObject = -1;
        m_pendingDrag = global;
    }
    return true;
}

bool TvnVeneerform::OnNcButtonUp(TMessage& m)
{
    const bool client = m.Msg == msg::WM_LBUTTONUP || m.Msg == msg::WM_RBUTTONUP;
    if (!m_skinnable && !client) return false;
    CallForm(m);
    m_pendingDrag.reset();
    m_mousePoint = client ? QPoint(-1, -1) : FramePoint(m.LParam);
    const TMouseButton button = m.Msg == msg::WM_NCLBUTTONUP || m.Msg == msg::WM_LBUTTONUP ? mbLeft : mbRight;
    ReleaseObject(client ? QPoint(-1, -1) : FramePoint(m.LParam), button);
    return true;
}

bool TvnVeneerform::OnNcLButtonDblClk(TMessage& m)
{
    if (!m_skinnable) return false;
    CallForm(m);
    m_pendingDrag.reset();
    m_mousePoint = FramePoint(m.LParam);
    MouseTest(m_mousePoint, true);
    PressObject(mbLeft);
    if (m_activeObject != -1) ObjectDoubleClick(m_activeObject);
    if (static_cast<LRESULT>(m.WParam) == ht::HTCAPTION) {
        m_captureObject = -1;
        CaptionDoubleClick();
    }
    return true;
}

bool TvnVeneerform::OnNcRButtonDown(TMessage& m)
{
    if (!m_skinnable) return false;
    CallForm(m);
    m_mousePoint = FramePoint(m.LParam);
    MouseTest(m_mousePoint, true);
    PressObject(mbRight);
    if (static_cast<LRESULT>(m.WParam) != ht::HTCAPTION) return true;
    m_captureObject = -1;
    if (m.Msg == msg::WM_NCRBUTTONDOWN && !m_disableSystemMenu)
        ShowSystemMenu(QRect(QPoint(LoWordSigned(m.LParam), HiWordSigned(m.LParam)), QSize(1, 1)));
    return true;
}

bool TvnVeneerform::OnTimer(TMessage& m)
{
    switch (m.WParam) {
    case kFadeTimer:
        FadeStep();
        return true;
    case kMouseTimer:
        MouseTimerTick();
        return true;
    case kMorphTimer:
        MorphTimerTick();
        return true;
    case kAnimateTimer:
        AnimateTimerTick();
        return true;
    default:
        return false;
    }
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

bool TvnVeneerform::OnCloseMenus(TMessage&)
{
    CloseSkinMenus();
    return false;
}

bool TvnVeneerform::OnNcActivate(TMessage& m)
{
    if (!m_skinnable) return false;
    CloseSkinMenus();
    HideGlows();
    const bool active = m.WParam != 0;
    m_active = active;
    if (!active) LeaveAllObjects();
    // The system draws no frame of its own.
    m.Result = 1;
    if (m_form->BorderStyle() != bsNone) RepaintFrame();
    SetCaptionsActive(m_form->BorderStyle() != bsNone);
    if (m_form->isVisible() && m_clientInActiveEffect) ShowInActivePanel(!active);
    return true;
}

bool TvnVeneerform::OnSysCommand(TMessage& m)
{
    switch (m.WParam & 0xFFF0) {
    case msg::SC_RESTORE:
        // The frame's own states: the form's would maximize a frameless window by the
        // window manager's rules, behind the frame's back.
        if (m_skinnable) {
            SetFrameWindowState(TvnWindowState::wsNormal);
            return true;
        }
        events::Fire(OnRestore, this);
        return false;
    case msg::SC_MINIMIZE:
        if (!m_skinnable) return false;
        SetFrameWindowState(TvnWindowState::wsMinimized);
        return true;
    case msg::SC_MAXIMIZE:
        if (!m_skinnable) return false;
        SetFrameWindowState(TvnWindowState::wsMaximized);
        return true;
    case msg::SC_KEYMENU:
        // The keyboard's menu command closes the skin menus open; Alt+Space then opens
        // the system menu. A skinned menu bar would enter its menu mode here; the frame
        // has none (see the class's note).
        CloseSkinMenus();
        if (m_skinnable && m.LParam == ' ') ShowSystemMenuFromKeyboard();
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
        m_activeObject = m_captureObject = m_menuObject = -1;
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
    if (MessageNamesOurStore(m)) {
        GiveSizeLimits();
        events::Fire(OnAfterChangeSkinData, this);
    }
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
