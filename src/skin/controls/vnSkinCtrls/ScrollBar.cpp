// The scroll bar's properties, its range rules and its link to a scrolling control.
#include "ScrollBar.h"

#include "framework/StoreChanged.h"
#include "platform/Announce.h"
#include "platform/Keys.h"
#include "skin/data/vnSkinData/ControlSkins.h"

#include <algorithm>

using vnctrls::ClampScrollPosition;

namespace {
const QString kHorizontalRecord = QStringLiteral("hscrollbar");
const QString kVerticalRecord = QStringLiteral("vscrollbar");
constexpr int kDefaultThickness = 19;
} // namespace

TvnSkinScrollBar::TvnSkinScrollBar(QObject* owner)
    : TvnSkinCustomControl(owner)
{
    KeepLooks({ &m_look });
    SetSkinDataName(kHorizontalRecord);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    SetBounds(0, 0, 200, kDefaultThickness);
    SetDefaultHeight(kDefaultThickness);
}

TvnSkinScrollBar::~TvnSkinScrollBar() { Link(nullptr); }

void TvnSkinScrollBar::SetKind(TScrollBarKind kind)
{
    if (kind == m_kind) return;
    m_kind = kind;
    const bool vertical = kind == sbVertical;
    if (!IsLoading()) {
        // Created in code: the record and the shape follow the orientation, as they do
        // when a bar is turned on a form.
        if (SkinDataName() == (vertical ? kHorizontalRecord : kVerticalRecord))
            SetSkinDataName(vertical ? kVerticalRecord : kHorizontalRecord);
        if ((Width() > Height()) == vertical) SetBounds(Left(), Top(), Height(), Width());
    }
    // The default look's fixed size follows the bar's thickness, so a skin change without
    // a record never flattens an upright bar.
    const int thickness = std::max(DefaultWidth(), DefaultHeight());
    SetDefaultHeight(vertical ? 0 : thickness);
    SetDefaultWidth(vertical ? thickness : 0);
    if (!IsLoading() && LoadedSkin()) SkinChanged();
    Invalidate();
}

void TvnSkinScrollBar::SetMin(int min)
{
    m_range.Min = min;
    if (m_range.Position < min) m_range.Position = min;
    Invalidate();
}

void TvnSkinScrollBar::SetMax(int max)
{
    m_range.Max = max;
    // The position stays inside the new range (the page's last start with a page):
    // at most Max - PageSize + 1, never less than Min. Subtracting Min once more, as if
    // the range started at 0, would pull the thumb of a range such as 10..20 back by 10.
    m_range.Position = ClampScrollPosition(m_range, m_range.Position);
    Invalidate();
}

void TvnSkinScrollBar::SetPosition(int position)
{
    const int clamped = ClampScrollPosition(m_range, position);
    if (clamped == m_range.Position) return;
    m_range.Position = clamped;
    Invalidate();
    announce::Value(this, clamped);
    events::Fire(OnChange, this);
}

void TvnSkinScrollBar::SetPositionQuiet(int position)
{
    m_range.Position = ClampScrollPosition(m_range, position);
    Invalidate();
}

void TvnSkinScrollBar::SetRange(int min, int max, int pageSize, int position)
{
    vnctrls::TvnScrollRange range { min, max, 0, pageSize };
    range.Position = ClampScrollPosition(range, position);
    // The controls a bar follows publish their range on every move; only a change repaints.
    if (range == m_range) return;
    m_range = range;
    Invalidate();
}

void TvnSkinScrollBar::SetPageSize(int pageSize)
{
    // A page that would run past the range's end from the present position is refused.
    // The position counts from Min, so a range that does not start at 0 takes the same
    // pages as one that does (counting it from 0 would refuse every page of a range
    // such as 10..20).
    if (m_range.Max - m_range.Min + 1 >= pageSize + (m_range.Position - m_range.Min))
        m_range.PageSize = pageSize;
    Invalidate();
}

void TvnSkinScrollBar::SetSmallChange(int change)
{
    if (StoreChanged(m_smallChange, change)) Invalidate();
}

void TvnSkinScrollBar::SetLargeChange(int change)
{
    if (StoreChanged(m_largeChange, change)) Invalidate();
}

void TvnSkinScrollBar::SetBoth(bool both)
{
    if (both == m_both) return;
    m_both = both;
    if (both) {
        m_savedSkinDataName = SkinDataName();
        SetSkinDataName(m_bothSkinDataName);
    } else if (!m_savedSkinDataName.isEmpty()) {
        SetSkinDataName(m_savedSkinDataName);
    }
    if (LoadedSkin())
        SkinChanged();
    else
        Invalidate();
}

void TvnSkinScrollBar::SetBothMarkerWidth(int width)
{
    if (width < 0) return;
    m_bothMarkerWidth = width;
    Invalidate();
}

void TvnSkinScrollBar::SetCanFocused(bool can)
{
    m_canFocused = can;
    SetTabStop(can);
    setFocusPolicy(can ? Qt::StrongFocus : Qt::NoFocus);
}

vnctrls::TvnScrollBarLayout TvnSkinScrollBar::Layout() const
{
    if (const auto* record = Record<TvnDataSkinScrollBarControl>())
        return vnctrls::SkinnedScrollBarLayout(size(), m_kind, m_range, *record);
    const int marker = m_both && m_kind == sbHorizontal ? m_bothMarkerWidth : 0;
    return vnctrls::DefaultScrollBarLayout(size(), m_kind, m_range, marker);
}

// ---- The link to a scrolling control -------------------------------------------------------

void TvnSkinScrollBar::Link(TControl* control, bool sendScroll)
{
    m_sendScroll = sendScroll;
    if (m_linked && m_source) m_source->RemoveScrollListener(this);
    m_linked = nullptr;
    m_source = nullptr;
    auto* source = dynamic_cast<TScrollSource*>(control);
    if (!source) return;
    m_linked = control;
    m_source = source;
    source->AddScrollListener(
        this, [this](TScrollBarKind kind, const TScrollInfo& info) { SourceChanged(kind, info); });
    SourceChanged(m_kind, source->ScrollInfo(m_kind));
}

void TvnSkinScrollBar::SourceChanged(TScrollBarKind kind, const TScrollInfo& info)
{
    if (kind != m_kind) return;
    SetRange(info.Min, info.Max, info.PageSize, info.Position);
}

void TvnSkinScrollBar::SendScroll(int code)
{
    if (!m_linked || !m_source || !m_sendScroll) return;
    m_linked->Perform(m_kind == sbVertical ? msg::WM_VSCROLL : msg::WM_HSCROLL, static_cast<WPARAM>(code),
        static_cast<LPARAM>(m_range.Position));
}

void TvnSkinScrollBar::UserScroll(int position, int code)
{
    SetPosition(position);
    SendScroll(code);
}

void TvnSkinScrollBar::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case msg::WM_TIMER:
        if (m.WParam == kRepeatTimer) {
            OnTimer();
            return;
        }
        break;
    case msg::CM_MOUSELEAVE:
        MouseLeft();
        break;
    case msg::WM_ERASEBKGND:
        // Painted at once when the parent erases; a paint draws it anyway.
        if (!InPaintMessage() && m.WParam) Paint(*reinterpret_cast<QPainter*>(m.WParam));
        m.Result = 1;
        return;
    case msg::CM_WANTSPECIALKEY:
        if (m_canFocused) {
            const int key = static_cast<int>(m.WParam);
            if (key == vk::VK_LEFT || key == vk::VK_RIGHT || key == vk::VK_UP || key == vk::VK_DOWN) {
                m.Result = 1;
                return;
            }
        }
        break;
    default:
        break;
    }
    TvnSkinCustomControl::WndProc(m);
}
