#include "SkinDBGrid.h"

#include "framework/StoreChanged.h"
#include "framework/data/DataSet.h"
#include "skin/data/vnSkinData/ControlSkins.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

static void InitGridImages() { Q_INIT_RESOURCE(DBGridImages); }

QList<QImage> TvnSkinCustomDBGrid::IndicatorImages() const
{
    static const QList<QImage> images = [] {
        InitGridImages();
        QList<QImage> list;
        for (const char* name :
            { "VNDBGARROW", "VNDBEDIT", "VNDBINSERT", "VNDBMULTIDOT", "VNDBMULTIARROW" }) {
            QImage picture = QImage(QStringLiteral(":/vndbgrid/") + QLatin1String(name))
                                 .convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < picture.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
                for (int x = 0; x < picture.width(); ++x)
                    if ((line[x] & 0xFFFFFF) == 0xFFFFFF) line[x] = 0;
            }
            list.append(picture);
        }
        return list;
    }();
    return images;
}

void TvnSkinCustomDBGrid::RegisterEvents()
{
    events::RegisterEvent<TvnColumn*>();
    events::RegisterEvent<QObject*, QPainter*, QRect, int, TvnColumn*, TGridDrawState>();
    events::RegisterEvent<QObject*, QPainter*, QRect, TField*, TGridDrawState>();
    events::RegisterEvent<QObject*, TvnColumn*, TGridDrawState, TColor&, TFont*>();
}

void TvnGridDataLink::ActiveChanged() { m_grid.LinkActiveChanged(); }

void TvnGridDataLink::DataSetChanged() { m_grid.LinkDataChanged(); }

namespace {

TGridOptions EngineOptions(TvnDBGridOptions o)
{
    TGridOptions e;
    if (o & dgColLines) e |= goVertLine | goFixedVertLine;
    if (o & dgRowLines) e |= goHorzLine | goFixedHorzLine;
    if (o & dgColumnResize) e |= goColSizing | goColMoving;
    // Kept for the engine's options, but Tab always leaves the grid: the main window's
    // grids declare dgTabs with whole-row selection, where moving between columns would
    // trap a keyboard user inside the grid with nothing to choose.
    if (o & dgTabs) e |= goTabs;
    if (o & dgRowSelect) e |= goRowSelect;
    // A whole-row selection has no cell to edit.
    else if (o & dgEditing)
        e |= goEditing;
    if ((o & dgAlwaysShowEditor) && !(o & dgRowSelect)) e |= goAlwaysShowEditor;
    if (o & dgAlwaysShowSelection) e |= goAlwaysShowSelection;
    return e;
}

} // namespace

TvnSkinCustomDBGrid::TvnSkinCustomDBGrid(QObject* owner)
    : TvnSkinCustomGrid(owner)
    , m_link(std::make_unique<TvnGridDataLink>(*this))
    , m_columns(new TvnDBGridColumns(this))
    , m_fieldColumns(new TvnDBGridColumns(this))
    , m_titleFont(new TFont(this))
{
    m_options = dgEditing | dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines | dgTabs
        | dgConfirmDelete | dgCancelOnExit;
    // Korean input edits in place from the first key.
    if (QLocale::system().language() == QLocale::Korean) m_options |= dgAlwaysShowEditor;
    m_titleFont->Assign(*Font());
    connect(m_titleFont, &TFont::Changed, this, [this] { FontsChanged(); });
    SetOptions(m_options);
}

TvnSkinCustomDBGrid::~TvnSkinCustomDBGrid()
{
    // The grid lays nothing out any more once it is going.
    m_updating = true;
    m_link->SetDataSource(nullptr);
}

void TvnSkinCustomDBGrid::SetDataSource(TDataSource* source)
{
    if (source == m_link->DataSource()) return;
    m_link->SetDataSource(source);
    // An inactive source to another inactive one says nothing: lay out anyway.
    LinkActiveChanged();
}

void TvnSkinCustomDBGrid::SetOptions(TvnDBGridOptions options)
{
    m_options = options;
    TCustomGrid::SetOptions(EngineOptions(options));
    LinkActiveChanged();
}

void TvnSkinCustomDBGrid::SetDrawGraphicFields(bool on)
{
    if (StoreChanged(m_drawGraphicFields, on)) Invalidate();
}

void TvnSkinCustomDBGrid::SetUseColumnsFont(bool on)
{
    // Other fonts, other column widths.
    if (StoreChanged(m_useColumnsFont, on)) LinkActiveChanged();
}

void TvnSkinCustomDBGrid::Loaded()
{
    TvnSkinCustomGrid::Loaded();
    LinkActiveChanged();
}

void TvnSkinCustomDBGrid::LayoutColumns() { LinkActiveChanged(); }

void TvnSkinCustomDBGrid::FontsChanged()
{
    TvnSkinCustomGrid::FontsChanged();
    LinkActiveChanged();
}

void TvnSkinCustomDBGrid::SkinChanged()
{
    TvnSkinCustomGrid::SkinChanged();
    // Other fonts, other column widths.
    LinkActiveChanged();
}

int TvnSkinCustomDBGrid::DataColumn(int col) const
{
    const int index = col - ((m_options & dgIndicator) ? 1 : 0);
    return index >= 0 && index < m_layout.size() ? index : -1;
}

int TvnSkinCustomDBGrid::VisibleDataRows() const
{
    // The room below the titles as if the rows never ran out.
    grid::TAxis rows = Rows();
    rows.Count = rows.Fixed + std::max(1, rows.Extent);
    rows.First = rows.Fixed;
    return std::max(1, grid::FullyVisibleCount(rows));
}

const TFont* TvnSkinCustomDBGrid::CellFont(const TvnColumnLayout& l) const
{
    if (m_useColumnsFont) return l.Column && l.Column->FontAssigned() ? l.Column->Font() : Font();
    const auto* r = GridRecord();
    if (!r || !UseSkinFont()) return Font();
    m_skinCellFont.SetName(r->FontName);
    m_skinCellFont.SetHeight(r->FontHeight);
    m_skinCellFont.SetStyle(r->FontStyle);
    m_skinCellFont.SetColor(r->FontColor);
    return &m_skinCellFont;
}

int TvnSkinCustomDBGrid::DefaultColumnWidth(const TvnColumnLayout& l) const
{
    if (!l.Field) return DefaultColWidth();
    // Measured in the fonts the cells are drawn in (the skin's, with UseSkinFont, or the
    // column's, with UseColumnsFont), so a field's characters and its title fit. Qt fonts
    // report no overhang, so the classic width rule loses that term.
    const QFontMetrics cell(m_useColumnsFont ? CellFont(l)->ToQFont() : Fonts().Cell);
    int width = cell.horizontalAdvance(QLatin1Char('0')) * l.Field->DisplayWidth() + 4;
    if (m_options & dgTitles) {
        const QFontMetrics titles(Fonts().Fixed);
        width = std::max(width, titles.horizontalAdvance(l.Title) + 4);
    }
    return width;
}

void TvnSkinCustomDBGrid::BuildColumns()
{
    m_widthsDirty = true;
    m_layout.clear();
    TDataSet* ds = DataSet();
    if (m_columns->Count() > 0) {
        for (int i = 0; i < m_columns->Count(); ++i) {
            const TvnColumn* c = m_columns->At(i);
            if (!c->Visible()) continue;
            TvnColumnLayout l;
            l.Column = const_cast<TvnColumn*>(c);
            l.FieldName = c->FieldName();
            l.Field = ds ? ds->FindField(c->FieldName()) : nullptr;
            l.Title = c->TitleText();
            l.TitleAlignment = c->Title()->Alignment();
            l.Alignment = c->AlignmentSet() || !l.Field ? c->Alignment() : l.Field->Alignment();
            l.Width = c->Width() > 0 ? c->Width() : DefaultColumnWidth(l);
            m_layout.append(l);
        }
        return;
    }
    m_fieldColumns->Clear();
    if (!ds) return;
    for (int i = 0; i < ds->FieldCount(); ++i) {
        TField* f = ds->Field(i);
        if (!f || !f->Visible()) continue;
        TvnColumnLayout l;
        l.Column = static_cast<TvnColumn*>(m_fieldColumns->Add());
        l.Column->SetFieldName(f->FieldName());
        l.Field = f;
        l.FieldName = f->FieldName();
        l.Title = f->FieldName();
        l.Alignment = f->Alignment();
        l.Width = DefaultColumnWidth(l);
        m_layout.append(l);
    }
}

void TvnSkinCustomDBGrid::LinkActiveChanged()
{
    // While the declared data are read every property set would lay out again; Loaded
    // lays out once with all of them.
    if (IsLoading()) return;
    BuildColumns();
    UpdateLayout();
}

void TvnSkinCustomDBGrid::LinkDataChanged()
{
    UpdateLayout();
    // The editor follows its cell while the record is edited and goes with a move.
    TDataSet* ds = DataSet();
    if (!EditorMode()) return;
    if (ds && (ds->Editing() || (m_options & dgAlwaysShowEditor)))
        PlaceEditor();
    else
        HideEditor();
}

void TvnSkinCustomDBGrid::LayoutChanged()
{
    // The room changed (size, row height, lines): the buffer follows.
    if (!m_updating) UpdateLayout();
}

void TvnSkinCustomDBGrid::ColumnSized(int col)
{
    const int data = DataColumn(col);
    if (data < 0) return;
    m_layout[data].Width = ColWidth(col);
    // A declared column keeps the width it was given by hand.
    if (m_columns->Count() > 0) m_layout[data].Column->SetWidth(ColWidth(col));
}

void TvnSkinCustomDBGrid::ColumnMoved(int from, int to)
{
    const int dataFrom = DataColumn(from), dataTo = DataColumn(to);
    if (dataFrom < 0 || dataTo < 0) return;
    // The collection keeps the new order over the next layout (declared columns), the
    // layout has it now.
    TvnDBGridColumns* owner = m_columns->Count() > 0 ? m_columns : m_fieldColumns;
    const int itemFrom = owner->IndexOf(m_layout[dataFrom].Column);
    const int itemTo = owner->IndexOf(m_layout[dataTo].Column);
    owner->Move(itemFrom, itemTo);
    m_layout.move(dataFrom, dataTo);
    UpdateLayout();
    events::Fire(OnColumnMoved, this, itemFrom, itemTo);
}

void TvnSkinCustomDBGrid::UpdateLayout()
{
    if (m_updating || IsLoading()) return;
    m_updating = true;
    const int titles = FirstDataRow();
    const int indicator = (m_options & dgIndicator) ? 1 : 0;
    const int columns = std::max<int>(1, m_layout.size());
    if (ColCount() != indicator + columns || FixedCols() != indicator) m_widthsDirty = true;
    // Each change reshapes the grid; a record move changes none of these.
    if (ColCount() != indicator + columns) SetColCount(indicator + columns);
    if (FixedCols() != indicator) SetFixedCols(indicator);
    if (m_widthsDirty) {
        if (indicator) SetColWidth(0, kIndicatorWidth);
        for (int i = 0; i < columns; ++i)
            SetColWidth(indicator + i, i < m_layout.size() ? m_layout[i].Width : DefaultColWidth());
        m_widthsDirty = false;
    }
    m_link->SetBufferCount(VisibleDataRows());
    const int rows = titles + std::max(1, m_link->RecordCount());
    if (RowCount() != rows) SetRowCount(rows);
    if (FixedRows() != titles) SetFixedRows(titles);
    SetTopRow(titles);
    m_syncing = true;
    SetCurrentQuiet(std::max(Col(), indicator), titles + m_link->ActiveRecord());
    m_syncing = false;
    m_updating = false;
    PublishScroll();
    Invalidate();
}

void TvnSkinCustomDBGrid::CellContent(int col, int row, vngrid::TvnGridCell& cell) const
{
    const int titles = FirstDataRow();
    const int data = DataColumn(col);
    if (row < titles) {
        if (data < 0) return;
        cell.Text = m_layout[data].Title;
        cell.Alignment = m_layout[data].TitleAlignment;
        return;
    }
    TDataSet* ds = DataSet();
    const int record = row - titles;
    if (!ds || ds->IsEmpty() || record >= m_link->RecordCount()) {
        // Nothing to select in an empty or closed table.
        cell.State &= ~TGridDrawState(gdSelected | gdFocused);
        return;
    }
    // Gathered into the snapshot before anything is drawn, in the order the grid's
    // drawing has always had: the row being gathered is made the link's active record
    // and the current one comes back after. It has to be: an OnGetCellParam handler is
    // told the column and the state, not the record, and chooses a cell's look by
    // reading the fields (a row coloured by one of its values, say), which read the
    // active record. Only the link's window index moves, never the data set's
    // current record: no scroll, no data set event, no handler sees a move.
    auto& link = const_cast<TvnGridDataLink&>(*m_link);
    const int active = link.ActiveRecord();
    const TActiveRecordScope reading(link, record);
    const bool marked = (m_options & dgMultiSelect) && RecordSelected(ds->ActiveBookmark());
    if (col < FixedCols()) {
        if (record == active) {
            switch (ds->State()) {
            case db::dsEdit:
                cell.Indicator = vngrid::TvnIndicator::Edit;
                break;
            case db::dsInsert:
                cell.Indicator = vngrid::TvnIndicator::Insert;
                break;
            default:
                cell.Indicator = marked ? vngrid::TvnIndicator::MultiArrow : vngrid::TvnIndicator::Arrow;
                break;
            }
        } else if (marked) {
            cell.Indicator = vngrid::TvnIndicator::MultiDot;
        }
        return;
    }
    // A record chosen in multi-select shows the selected face.
    if (marked) cell.State |= gdSelected;
    if (data < 0) return;
    if (!DefaultDrawing()) {
        // The handlers draw the data cells; the grid only clears them.
        cell.State &= ~TGridDrawState(gdSelected | gdFocused);
        return;
    }
    const TvnColumnLayout& l = m_layout[data];
    cell.Alignment = l.Alignment;
    cell.Inset = 2;
    if (!l.Field) return;
    // The editor stands over the current cell and shows its text itself.
    if (EditorMode() && col == Col() && row == Row()) return;
    cell.Text = l.Field->DisplayText();
    // On a plain face a Boolean field shows the check mark (when true) and a picture
    // field its picture; the selected and focused faces show the text.
    if (l.Field->DataType() == db::ftBoolean) {
        cell.Content = l.Field->AsBoolean() ? vngrid::TvnCellContent::Check : vngrid::TvnCellContent::Nothing;
    } else if (l.Field->DataType() == db::ftGraphic && m_drawGraphicFields) {
        cell.Picture = l.Field->AsImage();
        cell.Content = vngrid::TvnCellContent::Picture;
    }
    if (m_useColumnsFont || OnGetCellParam) {
        TFont font;
        font.Assign(*CellFont(l));
        cell.OwnFont = true;
        if (OnGetCellParam) {
            const auto* r = GridRecord();
            TColor background = r ? r->BGColor : Color();
            OnGetCellParam(const_cast<TvnSkinCustomDBGrid*>(this), l.Column, cell.State, background, &font);
            cell.OwnBackground = true;
            cell.Background = background;
        }
        cell.Font = font.ToQFont();
        cell.FontColor = font.Color();
    }
}

TvnSkinCustomGrid::TvnBarState TvnSkinCustomDBGrid::VerticalBarState() const
{
    TvnBarState s;
    TDataSet* ds = DataSet();
    if (!ds) return s;
    const int visible = VisibleDataRows();
    const int count = ds->RecordCount();
    s.Needed = count > 0 && count >= visible;
    if (!ds->IsSequenced()) {
        // Only where the record stands: at the start, at the end or between.
        s.Info = { 0, 4, 0, ds->Bof() ? 0 : ds->Eof() ? 4 : 2 };
        return s;
    }
    s.Info = { 1, std::max(1, count + visible - 1), visible, std::max(1, ds->RecNo()) };
    return s;
}

void TvnSkinCustomDBGrid::MoveRecord(int distance)
{
    if (TDataSet* ds = DataSet()) ds->MoveBy(distance);
}

void TvnSkinCustomDBGrid::Scrolled(TScrollBarKind kind, int code, int position)
{
    TDataSet* ds = DataSet();
    if (kind != sbVertical || !ds) return TvnSkinCustomGrid::Scrolled(kind, code, position);
    if (!hasFocus() && isVisible()) setFocus(Qt::OtherFocusReason);
    const int visible = VisibleDataRows();
    switch (code) {
    case msg::SB_LINEUP:
        MoveRecord(-m_link->ActiveRecord() - 1);
        break;
    case msg::SB_LINEDOWN:
        MoveRecord(m_link->RecordCount() - m_link->ActiveRecord());
        break;
    case msg::SB_PAGEUP:
        MoveRecord(-visible);
        break;
    case msg::SB_PAGEDOWN:
        MoveRecord(visible);
        break;
    case msg::SB_THUMBTRACK:
        if (!(TCustomGrid::Options() & goThumbTracking)) return;
        [[fallthrough]];
    case msg::SB_THUMBPOSITION:
        if (ds->IsSequenced()) {
            if (position <= 1)
                ds->First();
            else if (position < ds->RecordCount())
                ds->SetRecNo(position);
            else
                ds->Last();
        } else {
            if (position == 0) ds->First();
            if (position == 1) MoveRecord(-visible);
            if (position == 3) MoveRecord(visible);
            if (position == 4) ds->Last();
        }
        break;
    case msg::SB_TOP:
        ds->First();
        break;
    case msg::SB_BOTTOM:
        ds->Last();
        break;
    default:
        return;
    }
    // A move that changed nothing still puts the bar back where the record is.
    PublishScroll();
}

bool TvnSkinCustomDBGrid::SelectCell(int col, int row)
{
    if (m_syncing) return true;
    TDataSet* ds = DataSet();
    const int wanted = ds && !ds->IsEmpty() ? row - FirstDataRow() - m_link->ActiveRecord() : 0;
    if (wanted != 0 && m_link->MoveBy(wanted) != wanted) return false;
    if (col != Col()) {
        m_leavingCol = true;
        events::Fire(OnColExit, this);
    }
    return true;
}

void TvnSkinCustomDBGrid::SelectionChanged()
{
    TvnSkinCustomGrid::SelectionChanged();
    // Only a column the user moved to is entered; the record following the data set
    // changes rows, not columns.
    if (!m_leavingCol) return;
    m_leavingCol = false;
    events::Fire(OnColEnter, this);
}

void TvnSkinCustomDBGrid::DrawOverCells(QImage& picture, const vngrid::TvnGridSnapshot& s)
{
    TDataSet* ds = DataSet();
    if (!ds) return;
    QPainter painter(&picture);
    painter.setClipRect(s.GridRect);
    // The handlers draw a cell reading its row's fields, so the link's active record
    // points at each row in turn while they draw, as in the snapshot, and back after:
    // the one paint-time move, since what they draw is theirs, not the snapshot's.
    for (const vngrid::TvnGridCell& cell : s.Cells) {
        const int data = DataColumn(cell.Col);
        const int record = cell.Row - FirstDataRow();
        if (data < 0 || record < 0 || record >= m_link->RecordCount()) continue;
        const TvnColumnLayout& l = m_layout[data];
        const TActiveRecordScope reading(*m_link, record);
        painter.save();
        if (OnDrawDataCell && m_columns->Count() == 0)
            OnDrawDataCell(this, &painter, cell.Rect, l.Field, cell.State);
        painter.restore();
        painter.save();
        if (OnDrawColumnCell) OnDrawColumnCell(this, &painter, cell.Rect, data, l.Column, cell.State);
        painter.restore();
    }
}

void TvnSkinCustomDBGrid::mouseReleaseEvent(QMouseEvent* e)
{
    // A release that ends sizing or moving a column is no click on a cell.
    const bool sizedOrMoved = Sizing() || MovingColumn();
    const TGridCoord cell = MouseCoord(e->position().toPoint());
    TvnSkinCustomGrid::mouseReleaseEvent(e);
    if (e->button() != Qt::LeftButton || sizedOrMoved) return;
    const int data = DataColumn(cell.X);
    if (data < 0 || cell.Y < 0) return;
    if (cell.Y < FirstDataRow())
        events::Fire(OnTitleClick, m_layout[data].Column);
    else
        events::Fire(OnCellClick, m_layout[data].Column);
}

void TvnSkinCustomDBGrid::keyPressEvent(QKeyEvent* e)
{
    TDataSet* ds = DataSet();
    if (!ds) return TvnSkinCustomGrid::keyPressEvent(e);
    if (EditingKey(e)) return;
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    const bool rows = (m_options & dgRowSelect) || ctrl;
    const bool vertical = e->key() == Qt::Key_Up || e->key() == Qt::Key_Down;
    // Shift with the arrows takes records into a multi-selection; a plain move drops it.
    if (vertical && (m_options & dgMultiSelect)) {
        if (shift)
            SetCurrentSelected(true);
        else if (!m_saveMultiSelection)
            ClearSelection();
    }
    switch (e->key()) {
    case Qt::Key_Up:
        // Up from a new record at the end that nobody typed into only drops it.
        if (ds->State() == db::dsInsert && !ds->Modified() && ds->Eof())
            ds->Cancel();
        else
            MoveRecord(-1);
        break;
    case Qt::Key_Down:
        // Down from the last record appends one where records may be added, unless the
        // record there is a new one nobody has typed into.
        if (ds->RecNo() == ds->RecordCount() && CanModifyRecords() && (m_options & dgEditing)
            && !(ds->State() == db::dsInsert && !ds->Modified()))
            ds->Append();
        else
            MoveRecord(1);
        break;
    case Qt::Key_PageUp:
        MoveRecord(-VisibleDataRows());
        return;
    case Qt::Key_PageDown:
        MoveRecord(VisibleDataRows());
        return;
    case Qt::Key_Home:
        if (!rows) return TvnSkinCustomGrid::keyPressEvent(e);
        ds->First();
        return;
    case Qt::Key_End:
        if (!rows) return TvnSkinCustomGrid::keyPressEvent(e);
        ds->Last();
        return;
    default:
        TvnSkinCustomGrid::keyPressEvent(e);
        return;
    }
    if (vertical && shift && (m_options & dgMultiSelect)) SetCurrentSelected(true);
}

void TvnSkinCustomDBGrid::wheelEvent(QWheelEvent* e)
{
    TDataSet* ds = DataSet();
    const int delta = e->angleDelta().y();
    // Without the support the wheel is the framework grid's: one row down or up within
    // the rows on screen (which moves the record too).
    if (!m_mouseWheelSupport) return TvnSkinCustomGrid::wheelEvent(e);
    if (!ds || delta == 0) {
        e->ignore();
        return;
    }
    if (delta > 0)
        ds->Prior();
    else
        ds->Next();
    e->accept();
}
