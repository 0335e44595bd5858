#pragma once
// A tree view as a tree of its visible rows, each row an item named by its node's text,
// with its level, expanded or collapsed (when it can be), selected when it is the
// selected node. Its actions are the user's: select, and expand or collapse (which fills
// a folder's children the first time, as the tree does for a click on its button).

#include "AccessibleItem.h"

class TTreeView;
class TTreeNode;

namespace vnaccess {

class TvnAccessibleTree : public TvnAccessibleItemOwner {
public:
    explicit TvnAccessibleTree(TTreeView* tree);
    TTreeView* Tree() const;
    // The node shown on row `row` now, or none.
    TTreeNode* NodeOfRow(int row) const;

    int childCount() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text t) const override;

protected:
    TvnAccessibleItem* MakeItem(int index) const override;
};

} // namespace vnaccess
