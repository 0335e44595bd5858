#include "DBCtrlGrid.h"

#include "DBText.h"
#include "framework/StoreChanged.h"
#include "framework/data/DataSet.h"
#include "framework/data/DataSource.h"
#include "platform/Announce.h"
#include "skin/controls/vnSkinCtrls/ScrollBar.h"

#include <QApplication>
#include <QChildEvent>
#include <QMouseEvent>
#include <algorithm>
#include <cstdlib>

namespace {

const QString kVerticalBar = QStringLiteral("vscrollbar");
const QString kHorizontalBar = QStringLiteral("hscrollbar");

} // namespace

// ---- The link -----------------------------------------------------------------------------

void TvnDBCtrlGridLink::ActiveChanged()
{
    m_lastWindowMove = 0;
    m_grid->LinkActiveChanged();
}

void TvnDBCtrlGridLink::DataSetChanged() { m_grid->LinkDataSetChanged(); }

void TvnDBCtrlGridLink::DataSetScrolled(int distance)
{
    m_lastWindowMove = distance;
    DataSetChanged();
    m_lastWindowMove = 0;
    if (TDataSet* data = DataSet()) announce::Selected(m_grid, data->RecNo() - 1);
}

// ---- The live panel -----------------------------------------------------------------------

TvnDBCtrlPanel::TvnDBCtrlPanel(TvnSkinDBCtrlGrid* grid)
    : TvnSkinPanel(grid)
    , m_grid(grid)
{
    SetName(QString());
    SetForceBackground(false);
    SetParent(grid);
    SetMouseThrough(true);
    KeepLooks({ &m_face, &m_focusedFace });
}

void TvnDBCtrlPanel::childEvent(QChildEvent* e)
{
    TvnSkinPanel::childEvent(e);
    // A control being destroyed is no control any more by now; only whole ones are told.
    if (auto* control = qobject_cast<TControl*>(e->child())) {
        if (e->type() == QEvent::ChildAdded) m_grid->FixLinks(control, true);
        if (e->type() == QEvent::ChildRemoved) m_grid->FixLinks(control, false);
    }
}

// A click on the panel's empty parts is the grid's: ignored events go on to the parent,
// and the framework's mouse events are the grid's too (SetMouseThrough).
void TvnDBCtrlPanel::mousePressEvent(QMouseEvent* e) { e->ignore(); }
void TvnDBCtrlPanel::mouseReleaseEvent(QMouseEvent* e) { e->ignore(); }
void TvnDBCtrlPanel::mouseDoubleClickEvent(QMouseEvent* e) { e->ignore(); }
void TvnDBCtrlPanel::mouseMoveEvent(QMouseEvent* e) { e->ignore(); }

// ---- The grid: construction and properties ------------------------------------------------

TvnSkinDBCtrlGrid::TvnSkinDBCtrlGrid(QObject* owner)
    : TvnSkinWinControl(owner)
    , m_link(this)
    , m_panel(new TvnDBCtrlPanel(this))
    , m_scrollBar(new TvnSkinScrollBar(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetTabStop(true);
    m_scrollBar->SetName(QString());
    m_scrollBar->SetParent(this);
    m_scrollBar->SetVisible(false);
    m_scrollBar->OnLastChange
        = [this](QObject*) { ScrollRequest(msg::SB_THUMBPOSITION, m_scrollBar->Position()); };
    m_scrollBar->OnUpButtonClick = [this](QObject*) { ScrollRequest(msg::SB_LINEDOWN); };
    m_scrollBar->OnDownButtonClick = [this](QObject*) { ScrollRequest(msg::SB_LINEUP); };
    m_scrollBar->OnPageUp = [this](QObject*) { ScrollRequest(msg::SB_PAGEUP); };
    m_scrollBar->OnPageDown = [this](QObject*) { ScrollRequest(msg::SB_PAGEDOWN); };
    m_panel->SetVisible(false);
    m_panel->KeepLooks({ &m_panelCopies });
    FitSize();
}

TvnSkinDBCtrlGrid::~TvnSkinDBCtrlGrid()
{
    // The panel's controls go first, while the grid can still hear them leave.
    m_link.SetDataSource(nullptr);
    FixLinks(m_panel, false);
}

QWidget* TvnSkinDBCtrlGrid::ClientContainer() const { return m_panel; }

void TvnSkinDBCtrlGrid::SetDataSource(TDataSource* source)
{
    if (source == m_link.DataSource()) return;
    m_link.SetDataSource(source);
    if (source) FreeNotification(source);
    FixLinks(m_panel, true);
}

void TvnSkinDBCtrlGrid::Notification(QObject* component, TOperation operation)
{
    TvnSkinWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_link.DataSource()) SetDataSource(nullptr);
}

void TvnSkinDBCtrlGrid::FixLinks(QWidget* container, bool fix)
{
    auto fixOne = [&](QWidget* w) {
        auto* control = qobject_cast<TControl*>(w);
        if (!control) return;
        auto* link = reinterpret_cast<TDataLink*>(control->Perform(msg::CM_GETDATALINK, 0, 0));
        if (!link) return;
        link->SetDataSourceFixed(false);
        if (fix) {
            link->SetDataSource(m_link.DataSource());
            link->SetDataSourceFixed(true);
        }
    };
    if (container != m_panel) fixOne(container);
    for (QWidget* w : container->findChildren<QWidget*>())
        fixOne(w);
}

void TvnSkinDBCtrlGrid::SetLayoutField(int vndb::TvnGridLayout::*field, int value)
{
    vndb::TvnGridLayout l = m_layout;
    l.*field = value;
    SetLayout(l);
}

void TvnSkinDBCtrlGrid::SetLayout(const vndb::TvnGridLayout& layout)
{
    const bool changed = layout.ColCount != m_layout.ColCount || layout.RowCount != m_layout.RowCount
        || layout.PanelWidth != m_layout.PanelWidth || layout.PanelHeight != m_layout.PanelHeight
        || layout.Orientation != m_layout.Orientation;
    if (!changed) return;
    m_layout = layout;
    FitSize();
}

TvnDBCtrlGridOrientation TvnSkinDBCtrlGrid::Orientation() const
{
    return m_layout.Vertical() ? vngoVertical : vngoHorizontal;
}

void TvnSkinDBCtrlGrid::SetOrientation(TvnDBCtrlGridOrientation orientation)
{
    vndb::TvnGridLayout l = m_layout;
    l.Orientation = orientation == vngoVertical ? vndb::TvnGridOrientation::Vertical
                                                : vndb::TvnGridOrientation::Horizontal;
    SetLayout(l);
}

void TvnSkinDBCtrlGrid::SetShowFocus(bool show)
{
    if (StoreChanged(m_showFocus, show)) m_panel->Invalidate();
}

void TvnSkinDBCtrlGrid::SetSelectedColor(TColor color)
{
    m_selectedColorSet = color != Color();
    m_selectedColor = color;
    Invalidate();
    m_panel->Invalidate();
}

void TvnSkinDBCtrlGrid::SetSkinData(TvnSkinData* store)
{
    TvnSkinWinControl::SetSkinData(store);
    m_panel->DropLooks();
    m_panel->SetSkinData(store);
    m_scrollBar->SetSkinData(store);
    FitSize();
    Invalidate();
}

void TvnSkinDBCtrlGrid::Loaded()
{
    TvnSkinWinControl::Loaded();
    TControl::ApplyTabOrder(m_panel);
    SyncPanel(false);
}

// ---- Layout ------------------------------------------------------------------------------

static int BarThickness(const TvnSkinScrollBar& bar, bool vertical)
{
    const int t = vertical ? bar.Width() : bar.Height();
    return t > 0 ? t : vndb::kScrollBarThickness;
}

void TvnSkinDBCtrlGrid::PlaceScrollBar()
{
    const bool vertical = m_layout.Vertical();
    m_scrollBar->SetKind(vertical ? sbVertical : sbHorizontal);
    m_scrollBar->SetSkinDataName(vertical ? kVerticalBar : kHorizontalBar);
    m_scrollBar->SetDefaultWidth(vertical ? vndb::kScrollBarThickness : 0);
    m_scrollBar->SetDefaultHeight(vertical ? 0 : vndb::kScrollBarThickness);
    const QRect r = vndb::ScrollBarRect(m_layout, size(), BarThickness(*m_scrollBar, vertical));
    m_scrollBar->SetBounds(r.x(), r.y(), r.width(), r.height());
    m_scrollBar->SetVisible(true);
}

void TvnSkinDBCtrlGrid::FitSize()
{
    if (m_fitting) return;
    m_fitting = true;
    PlaceScrollBar();
    const QSize fitted = vndb::FittedSize(m_layout, BarThickness(*m_scrollBar, m_layout.Vertical()));
    TControl::SetBounds(Left(), Top(), fitted.width(), fitted.height());
    PlaceScrollBar();
    m_fitting = false;
    m_link.SetBufferCount(m_layout.PanelCount());
    SyncPanel(false);
}

void TvnSkinDBCtrlGrid::SetBounds(int left, int top, int width, int height)
{
    if (!m_fitting) {
        const QSize panel = vndb::PanelSizeFor(
            m_layout, QSize(width, height), BarThickness(*m_scrollBar, m_layout.Vertical()));
        if (panel != QSize(m_layout.PanelWidth, m_layout.PanelHeight)) {
            m_layout.PanelWidth = panel.width();
            m_layout.PanelHeight = panel.height();
            m_link.SetBufferCount(m_layout.PanelCount());
            SyncPanel(false);
        }
    }
    TControl::SetBounds(left, top, width, height);
    if (!m_fitting) PlaceScrollBar();
}

void TvnSkinDBCtrlGrid::resizeEvent(QResizeEvent* e)
{
    TvnSkinWinControl::resizeEvent(e);
    Invalidate();
}

// ---- Following the data set ---------------------------------------------------------------

void TvnSkinDBCtrlGrid::LinkActiveChanged() { SyncPanel(true); }

void TvnSkinDBCtrlGrid::LinkDataSetChanged() { SyncPanel(true); }

void TvnSkinDBCtrlGrid::SyncPanel(bool fullRefresh)
{
    int index = 0;
    int count = 0;
    if (m_link.Active()) {
        index = m_link.ActiveRecord();
        count = std::max(1, m_link.RecordCount());
    }
    const QRect r = PanelRect(index);
    const int previous = m_currentPanel;
    const bool wasShown = m_filledPanels > 0;
    // The live panel is painted again, whole, and its controls with it, which show
    // another row and mark themselves too. Marked before the grid and the live panel,
    // they make Qt paint the live panel once with them: Qt paints an opaque widget marked
    // first on a pass of its own, with its children, and paints it again under every
    // later mark inside it (the texts' places alone, a region of a dozen rectangles
    // whose face copy Qt hands to its thread pool).
    for (QObject* child : m_panel->children())
        if (auto* w = qobject_cast<QWidget*>(child); w && !w->isHidden()) w->update();
    // Only the panels whose picture changed are painted again: when the buffer's window
    // stayed, the old place of the live panel; when it moved by less than a screen, the
    // rows still shown are moved on the screen first, while the live panel is still
    // where its pixels are, and only the uncovered rows are painted.
    const int moved = fullRefresh ? m_link.LastWindowMove() : 0;
    const bool scrolled = moved != 0 && m_filledPanels == count && ScrollPanels(moved, previous);
    if (m_panel->geometry() != r) m_panel->SetBounds(r.x(), r.y(), r.width(), r.height());
    m_currentPanel = index;
    m_filledPanels = count;
    m_panel->SetVisible(count > 0);
    m_panel->Invalidate();
    if (fullRefresh && !scrolled) {
        if (moved == 0 && wasShown == (count > 0)) {
            if (previous != index) update(PanelRect(previous));
        } else {
            update();
        }
    }
    UpdateScrollBar();
}

bool TvnSkinDBCtrlGrid::ScrollPanels(int moved, int livePanel)
{
    // A painting handler may draw a panel by its place; and only a grid whose every panel
    // shows a row before and after shows the same rows moved.
    const int panels = PanelCount();
    if (OnPaintPanel || !isVisible() || m_filledPanels != panels || std::abs(moved) >= panels) return false;
    // Panel i now shows what panel i + moved showed: one shift for every panel kept. The
    // live panel's pixels are left where they are: the panel they would land on shows a
    // copy of its row, painted anyway.
    const int first = std::max(0, -moved);
    const QPoint shift = PanelRect(first).topLeft() - PanelRect(first + moved).topLeft();
    QRect area;
    for (int i = first; i < panels && i + moved < panels; ++i) {
        const QRect from = PanelRect(i + moved);
        if (from.translated(shift) != PanelRect(i)) return false;
        if (i + moved != livePanel) area |= from | PanelRect(i);
    }
    if (area.isEmpty()) return false;
    const QRect live = PanelRect(livePanel);
    // Qt paints the uncovered panels.
    scroll(shift.x(), shift.y(), area);
    const QRect panelsArea(
        0, 0, m_layout.ColCount * m_layout.PanelWidth, m_layout.RowCount * m_layout.PanelHeight);
    update(live.translated(shift) & panelsArea);
    return true;
}

void TvnSkinDBCtrlGrid::UpdateScrollBar()
{
    TDataSet* ds = m_link.DataSet();
    if (!m_link.Active() || !ds) return;
    const vndb::TvnGridScrollRange range = vndb::ScrollRangeFor(m_layout, ds->RecordCount(), ds->RecNo());
    m_scrollBar->SetRange(range.Min, range.Max, range.PageSize, range.Position);
}

// ---- Messages ------------------------------------------------------------------------------

void TvnSkinDBCtrlGrid::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case msg::CM_CHILDKEY:
        if (ChildKey(reinterpret_cast<TControl*>(m.LParam), static_cast<int>(m.WParam))) {
            m.Result = 1;
            return;
        }
        break;
    case msg::WM_GETDLGCODE:
        m.Result = 0x81;
        return;
    case msg::WM_VSCROLL:
    case msg::WM_HSCROLL:
        ScrollRequest(static_cast<int>(m.WParam & 0xFFFF), static_cast<int>(m.LParam));
        return;
    // The copies hold drawings of the panel's controls, which follow their own stores:
    // any store's change drops them, not only a change of the grid's own store.
    case msg::SKINMSG_BEFORE_CHANGE:
    case msg::SKINMSG_CHANGE:
        m_panel->DropLooks();
        break;
    case msg::SKINMSG_AFTER_CHANGE:
        m_panel->DropLooks();
        TvnSkinWinControl::WndProc(m);
        FitSize();
        Invalidate();
        return;
    default:
        break;
    }
    TvnSkinWinControl::WndProc(m);
}
