// The skinned grid's properties, its skin record and its external scroll bars.
#include "SkinCustomGrid.h"

#include "framework/StoreChanged.h"
#include "skin/data/vnSkinData/ControlSkins.h"
#include "skin/data/vnUtils/SkinRect.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

using vnutils::RectEmpty;

TvnSkinCustomGrid::TvnSkinCustomGrid(QObject* owner)
    : TCustomGrid(owner)
{
    KeepLooks({ &m_look, &m_checkImage, &m_fonts });
    SetSkinDataName(QStringLiteral("grid"));
    SetColCount(5);
    SetRowCount(5);
    SetFixedCols(1);
    SetFixedRows(1);
    SetDefaultColWidth(64);
    SetDefaultRowHeight(24);
    SetGridLineWidth(1);
    SetFixedColor(clr::clBtnFace);
    SetBorderStyle(bsSingleBorder);
    SetColor(clr::clWindow);
    SetTabStop(true);
    setFocusPolicy(Qt::StrongFocus);
}

void TvnSkinCustomGrid::SetTransparent(bool transparent)
{
    if (StoreChanged(m_transparent, transparent)) Invalidate();
}

void TvnSkinCustomGrid::SetWallpaper(const QImage& wallpaper)
{
    m_wallpaper = wallpaper.copy();
    if (!m_wallpaper.isNull()) m_transparent = true;
    Invalidate();
}

void TvnSkinCustomGrid::SetWallpaperStretch(bool stretch)
{
    if (StoreChanged(m_wallpaperStretch, stretch)) Invalidate();
}

void TvnSkinCustomGrid::SetUseSkinFont(bool use)
{
    m_useSkinFont = use;
    FontsChanged();
}

void TvnSkinCustomGrid::FontsChanged()
{
    ++m_fontGeneration;
    m_fonts.Clear();
    m_look.Clear();
    Invalidate();
}

void TvnSkinCustomGrid::SetUseSkinCellHeight(bool use)
{
    m_useSkinCellHeight = use;
    if (LoadedSkin()) SkinChanged();
    Invalidate();
}

void TvnSkinCustomGrid::SetGridLineColor(TColor color)
{
    if (StoreChanged(m_gridLineColor, color)) Invalidate();
}

void TvnSkinCustomGrid::SetDefaultCellHeight(int height)
{
    m_defaultCellHeight = height;
    if (SkinRecordIndex() == -1) SetDefaultRowHeight(height);
}

const TvnDataSkinGridControl* TvnSkinCustomGrid::GridRecord() const
{
    return Record<TvnDataSkinGridControl>();
}

void TvnSkinCustomGrid::ReadSkinRecord()
{
    TvnSkinBoundControl::ReadSkinRecord();
    // A record of another class, or one without a fixed-cell face, cannot draw a grid.
    const auto* record = GridRecord();
    if (SkinRecordIndex() != -1 && (!record || RectEmpty(record->FixedCellRect))) DropRecord();
}

void TvnSkinCustomGrid::SkinChanged()
{
    ++m_fontGeneration;
    DropLooks();
    ReadSkinRecord();
    const auto* record = GridRecord();
    if (!record) {
        SetDefaultRowHeight(m_defaultCellHeight);
    } else if (m_useSkinCellHeight) {
        const QRect select
            = RectEmpty(record->SelectCellRect) ? record->FocusCellRect : record->SelectCellRect;
        if (select.height() > 0 && select.height() != DefaultRowHeight())
            SetDefaultRowHeight(select.height());
    }
    PublishScroll();
    Invalidate();
}

void TvnSkinCustomGrid::PrepareSkinChange()
{
    ++m_fontGeneration;
    TvnSkinBoundControl::PrepareSkinChange();
}

void TvnSkinCustomGrid::FontChanged()
{
    FontsChanged();
    TCustomGrid::FontChanged();
}

void TvnSkinCustomGrid::ColorChanged()
{
    m_look.Clear();
    TCustomGrid::ColorChanged();
}

void TvnSkinCustomGrid::WndProc(TMessage& m)
{
    if (HandleBindingMessage(m, this)) return;
    TCustomGrid::WndProc(m);
}

// ---- External scroll bars ------------------------------------------------------------------

void TvnSkinCustomGrid::LinkBar(QPointer<TvnSkinScrollBar>& slot, TvnSkinScrollBar* bar)
{
    if (slot == bar) return;
    if (slot && slot->LinkedControl() == this) {
        slot->Link(nullptr);
        for (TNotifyEvent* event : { &slot->OnUpButtonClick, &slot->OnDownButtonClick, &slot->OnPageUp,
                 &slot->OnPageDown, &slot->OnLastChange, &slot->OnChange })
            *event = nullptr;
    }
    slot = bar;
    if (bar) {
        bar->SetEnabled(true);
        bar->SetVisible(false);
        bar->Link(this, false);
        TakeOverBar(bar);
    }
    PublishScroll();
}

void TvnSkinCustomGrid::TakeOverBar(TvnSkinScrollBar* bar)
{
    // The grid owns the bar's events from now on: an application's own handler would
    // otherwise replace the arrows' step and the grid would stop following the bar.
    QPointer<TvnSkinScrollBar> guarded(bar);
    const auto send = [this, guarded](int code) {
        if (!guarded) return;
        Perform(guarded->Kind() == sbVertical ? msg::WM_VSCROLL : msg::WM_HSCROLL, static_cast<WPARAM>(code),
            static_cast<LPARAM>(guarded->Position()));
    };
    // The plain engine's horizontal bar runs over 0..127: its arrows step the bar and send
    // where it stands; every other arrow scrolls by a line. The increasing arrow (right or
    // bottom) goes forward, the decreasing one back.
    const auto arrow = [guarded, send](bool forward) {
        if (!guarded) return;
        if (guarded->Kind() == sbHorizontal) {
            guarded->SetPositionQuiet(guarded->Position() + (forward ? 1 : -1) * guarded->SmallChange());
            send(msg::SB_THUMBPOSITION);
        } else {
            send(forward ? msg::SB_LINEDOWN : msg::SB_LINEUP);
        }
    };
    bar->OnUpButtonClick = [arrow](QObject*) { arrow(true); };
    bar->OnDownButtonClick = [arrow](QObject*) { arrow(false); };
    bar->OnPageUp = [send](QObject*) { send(msg::SB_PAGEUP); };
    bar->OnPageDown = [send](QObject*) { send(msg::SB_PAGEDOWN); };
    bar->OnLastChange = [send](QObject*) { send(msg::SB_THUMBPOSITION); };
    bar->OnChange = [this, guarded, send](QObject*) {
        if (guarded && guarded->Dragging() && (Options() & goThumbTracking)) send(msg::SB_THUMBTRACK);
    };
}

void TvnSkinCustomGrid::SetHScrollBar(TvnSkinScrollBar* bar) { LinkBar(m_hBar, bar); }

void TvnSkinCustomGrid::SetVScrollBar(TvnSkinScrollBar* bar) { LinkBar(m_vBar, bar); }

TvnSkinCustomGrid::TvnBarState TvnSkinCustomGrid::AxisBarState(const grid::TAxis& axis)
{
    const int span = grid::MaxFirst(axis) - axis.Fixed;
    TvnBarState s;
    s.Needed = span > 0;
    s.Info = { 0, kEngineScrollMax, 0, s.Needed ? (axis.First - axis.Fixed) * kEngineScrollMax / span : 0 };
    return s;
}

TvnSkinCustomGrid::TvnBarState TvnSkinCustomGrid::VerticalBarState() const { return AxisBarState(Rows()); }

TvnSkinCustomGrid::TvnBarState TvnSkinCustomGrid::HorizontalBarState() const { return AxisBarState(Cols()); }

void TvnSkinCustomGrid::ApplyBar(TvnSkinScrollBar* bar, const TvnBarState& state)
{
    if (!bar) return;
    const TScrollInfo& i = state.Info;
    bar->SetRange(i.Min, i.Max, i.PageSize, i.Position);
    // The bar shows only with the grid: a hidden grid (its tab not shown) keeps it hidden.
    const bool show = state.Needed && !isHidden();
    if (bar->Visible() != show) bar->SetVisible(show);
}

void TvnSkinCustomGrid::PublishScroll()
{
    const TvnBarState v = VerticalBarState(), h = HorizontalBarState();
    PublishScrollInfo(sbVertical, v.Info);
    PublishScrollInfo(sbHorizontal, h.Info);
    ApplyBar(m_vBar, v);
    ApplyBar(m_hBar, h);
    if (m_hBar) m_hBar->SetBoth(m_vBar && m_vBar->Visible());
}

void TvnSkinCustomGrid::Scrolled(TScrollBarKind kind, int code, int position)
{
    const bool vertical = kind == sbVertical;
    const grid::TAxis axis = vertical ? Rows() : Cols();
    const int first = vertical ? TopRow() : LeftCol();
    const int page = std::max(1, vertical ? VisibleRowCount() : VisibleColCount());
    const int span = grid::MaxFirst(axis) - axis.Fixed;
    int target = first;
    switch (code) {
    case msg::SB_LINEUP:
        target = first - 1;
        break;
    case msg::SB_LINEDOWN:
        target = first + 1;
        break;
    case msg::SB_PAGEUP:
        target = first - page;
        break;
    case msg::SB_PAGEDOWN:
        target = first + page;
        break;
    case msg::SB_THUMBTRACK:
        if (!(Options() & goThumbTracking)) return;
        [[fallthrough]];
    case msg::SB_THUMBPOSITION:
        target = axis.Fixed
            + (span * std::clamp(position, 0, kEngineScrollMax) + kEngineScrollMax / 2) / kEngineScrollMax;
        break;
    case msg::SB_TOP:
        target = axis.Fixed;
        break;
    case msg::SB_BOTTOM:
        target = axis.Fixed + span;
        break;
    default:
        return;
    }
    if (vertical)
        SetTopRow(target);
    else
        SetLeftCol(target);
    // The bar's own idea of its position gives way to where the grid went.
    PublishScroll();
}

bool TvnSkinCustomGrid::event(QEvent* e)
{
    const bool done = TCustomGrid::event(e);
    if (e->type() == QEvent::ShowToParent) {
        PublishScroll();
    } else if (e->type() == QEvent::HideToParent) {
        if (m_vBar) m_vBar->SetVisible(false);
        if (m_hBar) m_hBar->SetVisible(false);
    }
    return done;
}

void TvnSkinCustomGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter);
}

void TvnSkinCustomGrid::CellContent(int, int, vngrid::TvnGridCell&) const { }
