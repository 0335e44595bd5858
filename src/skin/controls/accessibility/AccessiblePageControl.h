#pragma once
// The page control as a list of page tabs: each tab is named by its caption (the main
// window's carry their counts), is selected when its page shows, and is selected by its
// default action as a click on it would. The tab's page is the tab's one child.

#include "AccessibleItem.h"

class TPageControl;
class TTabSheet;

namespace vnaccess {

class TvnAccessiblePageControl : public TvnAccessibleItemOwner {
public:
    explicit TvnAccessiblePageControl(TPageControl* control);
    TPageControl* PageControl() const;

    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

protected:
    TvnAccessibleItem* MakeItem(int index) const override;
};

// A tab sheet answers to its tab as its parent.
class TvnAccessibleTabSheet : public QAccessibleWidget {
public:
    explicit TvnAccessibleTabSheet(TTabSheet* sheet);
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
};

} // namespace vnaccess
