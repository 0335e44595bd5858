#pragma once
// The window messages the product's components exchange. Values are the classic ones,
// so tables and traces read as the design describes them; delivery is ours (a form's
// window procedure, Perform, PostMessage), carried on Qt events.
#include <QtCore/qnamespace.h>
#include <cstdint>

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using UINT = std::uint32_t;

struct TPoint {
    int X = 0;
    int Y = 0;
};

// What WM_GETMINMAXINFO asks for: the maximized size and place, and the smallest and
// largest size a window may be given while it is moved or sized.
struct TMinMaxInfo {
    TPoint Reserved;
    TPoint MaxSize;
    TPoint MaxPosition;
    TPoint MinTrackSize;
    TPoint MaxTrackSize;
};

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

namespace msg {

// Window manager messages.
inline constexpr UINT WM_NULL = 0x0000;
inline constexpr UINT WM_CREATE = 0x0001;
inline constexpr UINT WM_DESTROY = 0x0002;
inline constexpr UINT WM_MOVE = 0x0003;
inline constexpr UINT WM_SIZE = 0x0005;
inline constexpr UINT WM_ACTIVATE = 0x0006;
inline constexpr UINT WM_SETFOCUS = 0x0007;
inline constexpr UINT WM_KILLFOCUS = 0x0008;
inline constexpr UINT WM_ENABLE = 0x000A;
inline constexpr UINT WM_SETTEXT = 0x000C;
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_ERASEBKGND = 0x0014;
inline constexpr UINT WM_SHOWWINDOW = 0x0018;
inline constexpr UINT WM_CANCELMODE = 0x001F;
inline constexpr UINT WM_SETCURSOR = 0x0020;
inline constexpr UINT WM_MOUSEACTIVATE = 0x0021;
// lParam: a TMinMaxInfo* the handler fills in.
inline constexpr UINT WM_GETMINMAXINFO = 0x0024;
inline constexpr UINT WM_NEXTDLGCTL = 0x0028;
inline constexpr UINT WM_DISPLAYCHANGE = 0x007E;
inline constexpr UINT WM_NCCALCSIZE = 0x0083;
inline constexpr UINT WM_NCHITTEST = 0x0084;
inline constexpr UINT WM_NCPAINT = 0x0085;
inline constexpr UINT WM_NCACTIVATE = 0x0086;
inline constexpr UINT WM_GETDLGCODE = 0x0087;
inline constexpr UINT WM_SYNCPAINT = 0x0088;
inline constexpr UINT WM_NCMOUSEMOVE = 0x00A0;
inline constexpr UINT WM_NCLBUTTONDOWN = 0x00A1;
inline constexpr UINT WM_NCLBUTTONUP = 0x00A2;
inline constexpr UINT WM_NCLBUTTONDBLCLK = 0x00A3;
inline constexpr UINT WM_NCRBUTTONDOWN = 0x00A4;
inline constexpr UINT WM_NCRBUTTONUP = 0x00A5;
inline constexpr UINT WM_NCRBUTTONDBLCLK = 0x00A6;
inline constexpr UINT WM_NCMBUTTONDOWN = 0x00A7;
inline constexpr UINT WM_NCMBUTTONUP = 0x00A8;
inline constexpr UINT WM_KEYDOWN = 0x0100;
inline constexpr UINT WM_KEYUP = 0x0101;
inline constexpr UINT WM_CHAR = 0x0102;
inline constexpr UINT WM_SYSKEYDOWN = 0x0104;
inline constexpr UINT WM_SYSCOMMAND = 0x0112;
inline constexpr UINT WM_TIMER = 0x0113;
// wParam: the scroll code; lParam: the position for the thumb codes (the whole value,
// since row ranges outgrow the classic 16-bit high word).
inline constexpr UINT WM_HSCROLL = 0x0114;
inline constexpr UINT WM_VSCROLL = 0x0115;
inline constexpr UINT WM_MOUSEMOVE = 0x0200;
inline constexpr UINT WM_LBUTTONDOWN = 0x0201;
inline constexpr UINT WM_LBUTTONUP = 0x0202;
inline constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
inline constexpr UINT WM_RBUTTONDOWN = 0x0204;
inline constexpr UINT WM_RBUTTONUP = 0x0205;
inline constexpr UINT WM_MBUTTONDOWN = 0x0207;
inline constexpr UINT WM_MBUTTONUP = 0x0208;
inline constexpr UINT WM_PARENTNOTIFY = 0x0210;
// WM_SIZING: wParam the dragged edge (WMSZ_*); WM_MOVING: wParam 0. lParam of both: the
// proposed window rectangle (a QRect*, screen coordinates), which the handler may change.
inline constexpr UINT WM_SIZING = 0x0214;
inline constexpr UINT WM_CAPTURECHANGED = 0x0215;
inline constexpr UINT WM_MOVING = 0x0216;
inline constexpr UINT WM_ENTERSIZEMOVE = 0x0231;
inline constexpr UINT WM_EXITSIZEMOVE = 0x0232;
inline constexpr UINT WM_USER = 0x0400;

// Framework notifications between controls (component messages).
inline constexpr UINT CM_BASE = 0xB000;
inline constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
inline constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
inline constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
inline constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
inline constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
inline constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
inline constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
inline constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
inline constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
inline constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
inline constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
inline constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
// The focus entered (left) the control or a control inside it; sent by its form, to
// the controls it leaves innermost first, then to those it enters outermost first.
inline constexpr UINT CM_ENTER = CM_BASE + 26;
inline constexpr UINT CM_EXIT = CM_BASE + 27;
inline constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 30;
// A key went down in a control inside this one: wParam the virtual key, lParam the
// control (a TControl*). A non-zero result swallows the key.
inline constexpr UINT CM_CHILDKEY = CM_BASE + 37;
// Asks a data-aware control for its data link: the result is a TDataLink*, or 0.
inline constexpr UINT CM_GETDATALINK = CM_BASE + 45;

// Notifications a control receives about its own window (control notifications).
inline constexpr UINT CN_BASE = 0xBC00;
// A key goes down while the control has the focus, before it becomes a character:
// wParam the virtual key, lParam the shift state. A non-zero result swallows the key.
inline constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;

// The skinning engine's notifications.
inline constexpr UINT SKINMSG_BEFORE_CHANGE = WM_USER + 201;
inline constexpr UINT SKINMSG_CHANGE = WM_USER + 202;
inline constexpr UINT SKINMSG_AFTER_CHANGE = WM_USER + 203;
inline constexpr UINT SKINMSG_CLOSE_MENUS = WM_USER + 204;
inline constexpr UINT SKINMSG_MDI_CHILD_FIT = WM_USER + 206;
inline constexpr UINT SKINMSG_MDI_CHILD_MAXIMIZED = WM_USER + 207;
inline constexpr UINT SKINMSG_MDI_CHILD_RESTORED = WM_USER + 208;
inline constexpr UINT SKINMSG_STRINGS_CHANGE = WM_USER + 250;
inline constexpr UINT SKINMSG_PARENT_BACKGROUND = WM_USER + 260;
inline constexpr UINT SKINMSG_SKINNABLE_CHANGE = WM_USER + 270;

// WM_SIZING edges.
inline constexpr WPARAM WMSZ_LEFT = 1;
inline constexpr WPARAM WMSZ_RIGHT = 2;
inline constexpr WPARAM WMSZ_TOP = 3;
inline constexpr WPARAM WMSZ_TOPLEFT = 4;
inline constexpr WPARAM WMSZ_TOPRIGHT = 5;
inline constexpr WPARAM WMSZ_BOTTOM = 6;
inline constexpr WPARAM WMSZ_BOTTOMLEFT = 7;
inline constexpr WPARAM WMSZ_BOTTOMRIGHT = 8;

// WM_SIZE kinds.
inline constexpr WPARAM SIZE_RESTORED = 0;
inline constexpr WPARAM SIZE_MINIMIZED = 1;
inline constexpr WPARAM SIZE_MAXIMIZED = 2;

// WM_ACTIVATE states.
inline constexpr WPARAM WA_INACTIVE = 0;
inline constexpr WPARAM WA_ACTIVE = 1;
inline constexpr WPARAM WA_CLICKACTIVE = 2;

// Scroll codes (the low word of WM_HSCROLL's and WM_VSCROLL's wParam).
inline constexpr int SB_LINEUP = 0;
inline constexpr int SB_LINEDOWN = 1;
inline constexpr int SB_PAGEUP = 2;
inline constexpr int SB_PAGEDOWN = 3;
inline constexpr int SB_THUMBPOSITION = 4;
inline constexpr int SB_THUMBTRACK = 5;
inline constexpr int SB_TOP = 6;
inline constexpr int SB_BOTTOM = 7;
inline constexpr int SB_ENDSCROLL = 8;

// System commands (WM_SYSCOMMAND's wParam).
inline constexpr WPARAM SC_SIZE = 0xF000;
inline constexpr WPARAM SC_MOVE = 0xF010;
inline constexpr WPARAM SC_MINIMIZE = 0xF020;
inline constexpr WPARAM SC_MAXIMIZE = 0xF030;
inline constexpr WPARAM SC_CLOSE = 0xF060;
inline constexpr WPARAM SC_KEYMENU = 0xF100;
inline constexpr WPARAM SC_RESTORE = 0xF120;

} // namespace msg

// What a control answers to WM_GETDLGCODE: the keys it keeps from the dialog's handling.
namespace dlgc {
// Every key, Enter and Esc included, goes to the control (a browser's page).
inline constexpr LRESULT DLGC_WANTALLKEYS = 0x0004;
} // namespace dlgc

// Hit-test codes answered to WM_NCHITTEST.
namespace ht {
inline constexpr LRESULT HTERROR = -2;
inline constexpr LRESULT HTTRANSPARENT = -1;
inline constexpr LRESULT HTNOWHERE = 0;
inline constexpr LRESULT HTCLIENT = 1;
inline constexpr LRESULT HTCAPTION = 2;
inline constexpr LRESULT HTSYSMENU = 3;
inline constexpr LRESULT HTMINBUTTON = 8;
inline constexpr LRESULT HTMAXBUTTON = 9;
inline constexpr LRESULT HTLEFT = 10;
inline constexpr LRESULT HTRIGHT = 11;
inline constexpr LRESULT HTTOP = 12;
inline constexpr LRESULT HTTOPLEFT = 13;
inline constexpr LRESULT HTTOPRIGHT = 14;
inline constexpr LRESULT HTBOTTOM = 15;
inline constexpr LRESULT HTBOTTOMLEFT = 16;
inline constexpr LRESULT HTBOTTOMRIGHT = 17;
inline constexpr LRESULT HTBORDER = 18;
// The frame's own code for areas drawn by a frame object (caption buttons and such).
inline constexpr LRESULT HTOBJECT = 19;

// The edges a sizing code (HTLEFT ... HTBOTTOMRIGHT) drags; none for any other code.
inline Qt::Edges SizingEdges(LRESULT hit)
{
    switch (hit) {
    case HTLEFT:
        return Qt::LeftEdge;
    case HTRIGHT:
        return Qt::RightEdge;
    case HTTOP:
        return Qt::TopEdge;
    case HTTOPLEFT:
        return Qt::TopEdge | Qt::LeftEdge;
    case HTTOPRIGHT:
        return Qt::TopEdge | Qt::RightEdge;
    case HTBOTTOM:
        return Qt::BottomEdge;
    case HTBOTTOMLEFT:
        return Qt::BottomEdge | Qt::LeftEdge;
    case HTBOTTOMRIGHT:
        return Qt::BottomEdge | Qt::RightEdge;
    default:
        return {};
    }
}
inline constexpr LRESULT HTCLOSE = 20;
} // namespace ht

// Packing helpers for point and size parameters, as the classic messages carry them.
inline constexpr LPARAM MakeLParam(int lo, int hi)
{
    return static_cast<LPARAM>(static_cast<std::uint32_t>((static_cast<std::uint16_t>(lo))
        | (static_cast<std::uint32_t>(static_cast<std::uint16_t>(hi)) << 16)));
}
inline constexpr int LoWordSigned(LPARAM v) { return static_cast<std::int16_t>(v & 0xFFFF); }
inline constexpr int HiWordSigned(LPARAM v) { return static_cast<std::int16_t>((v >> 16) & 0xFFFF); }
