#pragma once
// A form: a dialog while it runs modally, else a window, named by its caption. A skinned
// form's frame is drawn, not made of widgets, so its caption buttons (close, maximize,
// minimize, roll-up, ...) are added as push buttons after the form's controls.

#include "AccessibleItem.h"

class TForm;

namespace veneer {
class TvnVeneerform;
}

namespace vnaccess {

class TvnAccessibleForm : public TvnAccessibleItemOwner {
public:
    explicit TvnAccessibleForm(TForm* form);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    veneer::TvnVeneerform* Frame() const;
    // The frame objects that are caption buttons shown now, by their place in the list.
    QList<int> CaptionButtons() const;

protected:
    TvnAccessibleItem* MakeItem(int index) const override;
};

} // namespace vnaccess
