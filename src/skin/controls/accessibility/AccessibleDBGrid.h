#pragma once
// The data-aware grid as a table: one row per record of its data set, one column per
// grid column with its title as the column's name; the current record's row is the
// selected one. A cell selects its record, and its press opens it as a double click does.

#include "AccessibleItem.h"

class TvnSkinCustomDBGrid;
class TDataSet;

namespace vnaccess {

class TvnAccessibleDBGrid : public TvnAccessibleItemOwner, public QAccessibleTableInterface {
public:
    explicit TvnAccessibleDBGrid(TvnSkinCustomDBGrid* grid);
    TvnSkinCustomDBGrid* Grid() const;
    TDataSet* Data() const;
    int CurrentRecord() const;
    QString CellText(int row, int column) const;

    void* interface_cast(QAccessible::InterfaceType t) override;
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* focusChild() const override;

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int columnCount() const override;
    int rowCount() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int) const override { return {}; }
    int selectedCellCount() const override { return selectedCells().size(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return CurrentRecord() >= 0 ? 1 : 0; }
    QList<QAccessibleInterface*> selectedCells() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override { return row >= 0 && row == CurrentRecord(); }
    bool selectRow(int row) override;
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { }

protected:
    TvnAccessibleItem* MakeItem(int index) const override;
};

} // namespace vnaccess
