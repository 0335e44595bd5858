#include "AccessibleDBGrid.h"

#include "Accessibility.h"
#include "FieldText.h"
#include "framework/Events.h"
#include "framework/comctrls/TabSheet.h"
#include "framework/data/DataSet.h"
#include "framework/data/DataSource.h"
#include "skin/controls/vnDBGrids/SkinDBGrid.h"

#include <QPointer>

namespace vnaccess {

namespace {

// Cell `Index()` is row Index() / columns, column Index() % columns.
class TvnAccessibleCell : public TvnAccessibleItem, public QAccessibleTableCellInterface {
public:
    using TvnAccessibleItem::TvnAccessibleItem;

    const TvnAccessibleDBGrid* Owner() const { return static_cast<const TvnAccessibleDBGrid*>(parent()); }
    int Columns() const { return std::max(1, Owner()->columnCount()); }

    bool isValid() const override
    {
        return TvnAccessibleItem::isValid() && rowIndex() < Owner()->rowCount()
            && columnIndex() < Owner()->columnCount();
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
        return TvnAccessibleItem::interface_cast(t);
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name || t == QAccessible::Value
            ? Owner()->CellText(rowIndex(), columnIndex())
            : QString();
    }
    QRect rect() const override { return {}; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.selectable = true;
        s.focusable = true;
        s.selected = isSelected();
        s.focused = s.selected && columnIndex() == 0 && Owner()->Grid()->hasFocus();
        s.readOnly = true;
        return s;
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override { return Owner()->isRowSelected(rowIndex()); }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return Index() % Columns(); }
    int rowIndex() const override { return Index() / Columns(); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    QStringList actionNames() const override { return { QStringLiteral("select"), pressAction() }; }
    void doAction(const QString& action) override
    {
        const bool open = action == pressAction();
        if (!open && action != QLatin1String("select")) return;
        auto* owner = const_cast<TvnAccessibleDBGrid*>(Owner());
        if (!owner->selectRow(rowIndex()) || !open) return;
        QPointer<TvnSkinCustomDBGrid> grid = owner->Grid();
        Defer(grid, [grid] {
            if (grid) events::Fire(grid->OnDblClick, grid.data());
        });
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

} // namespace

TvnAccessibleDBGrid::TvnAccessibleDBGrid(TvnSkinCustomDBGrid* grid)
    : TvnAccessibleItemOwner(grid, QAccessible::Table)
{
}

TvnSkinCustomDBGrid* TvnAccessibleDBGrid::Grid() const { return static_cast<TvnSkinCustomDBGrid*>(widget()); }

TDataSet* TvnAccessibleDBGrid::Data() const
{
    TDataSet* data = Grid()->DataSet();
    return data && data->Active() ? data : nullptr;
}

int TvnAccessibleDBGrid::CurrentRecord() const
{
    TDataSet* data = Data();
    return data && !data->IsEmpty() ? data->RecNo() - 1 : -1;
}

QString TvnAccessibleDBGrid::CellText(int row, int column) const
{
    TDataSet* data = Data();
    const auto& layout = Grid()->ColumnLayout();
    if (!data || column < 0 || column >= layout.size() || !layout.at(column).Field) return {};
    return FieldText(*data, row, *layout.at(column).Field);
}

void* TvnAccessibleDBGrid::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QString TvnAccessibleDBGrid::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    // A grid alone on a page is named by it ("Ampliação (40)"), as the tab names it.
    const QString own = ControlName(widget());
    auto* page = qobject_cast<TTabSheet*>(widget()->parentWidget());
    return own.isEmpty() && page ? ControlName(page) : own;
}

int TvnAccessibleDBGrid::childCount() const { return rowCount() * columnCount(); }

QAccessibleInterface* TvnAccessibleDBGrid::focusChild() const
{
    return Grid()->hasFocus() ? cellAt(CurrentRecord(), 0) : nullptr;
}

QAccessibleInterface* TvnAccessibleDBGrid::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
    return Item(row * columnCount() + column);
}

int TvnAccessibleDBGrid::columnCount() const { return static_cast<int>(Grid()->ColumnLayout().size()); }

int TvnAccessibleDBGrid::rowCount() const
{
    TDataSet* data = Data();
    return data ? data->RecordCount() : 0;
}

QString TvnAccessibleDBGrid::columnDescription(int column) const
{
    const auto& layout = Grid()->ColumnLayout();
    return column >= 0 && column < layout.size() ? layout.at(column).Title : QString();
}

QList<QAccessibleInterface*> TvnAccessibleDBGrid::selectedCells() const
{
    QList<QAccessibleInterface*> cells;
    const int row = CurrentRecord();
    for (int column = 0; row >= 0 && column < columnCount(); ++column)
        cells += cellAt(row, column);
    return cells;
}

QList<int> TvnAccessibleDBGrid::selectedRows() const
{
    const int row = CurrentRecord();
    return row >= 0 ? QList<int> { row } : QList<int> {};
}

bool TvnAccessibleDBGrid::selectRow(int row)
{
    TDataSet* data = Data();
    if (!data || row < 0 || row >= data->RecordCount() || !Grid()->isEnabled()) return false;
    data->SetRecNo(row + 1);
    return true;
}

TvnAccessibleItem* TvnAccessibleDBGrid::MakeItem(int index) const
{
    return new TvnAccessibleCell(this, index);
}

} // namespace vnaccess
