#pragma once
// The control grid as a list: one item per record of its data set, named by the texts the
// grid's panel shows for that record ("Nome: ..., Data Evento: ..."), selected when it is
// the current record. Its actions are the user's: select moves to the record, press
// moves there and chooses it as a double click does.

#include "AccessibleItem.h"

class TvnSkinDBCtrlGrid;

namespace vnaccess {

class TvnAccessibleCtrlGrid : public TvnAccessibleItemOwner {
public:
    explicit TvnAccessibleCtrlGrid(TvnSkinDBCtrlGrid* grid);
    TvnSkinDBCtrlGrid* Grid() const;

    int childCount() const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text t) const override;

    // The current record's index, or -1.
    int CurrentRecord() const;
    // What the panel shows for record `index`.
    QString RecordText(int index) const;

protected:
    TvnAccessibleItem* MakeItem(int index) const override;
};

} // namespace vnaccess
