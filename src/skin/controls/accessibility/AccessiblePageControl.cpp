#include "AccessiblePageControl.h"

#include "Accessibility.h"
#include "framework/comctrls/PageControl.h"
#include "framework/comctrls/TabSheet.h"

#include <QPointer>

namespace vnaccess {

namespace {

class TvnAccessibleTab : public TvnAccessibleItem {
public:
    using TvnAccessibleItem::TvnAccessibleItem;

    TPageControl* Pages() const { return static_cast<TPageControl*>(Control()); }
    TTabSheet* Sheet() const { return Pages()->TabPage(Index()); }

    bool isValid() const override { return TvnAccessibleItem::isValid() && Sheet(); }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QString text(QAccessible::Text t) const override
    {
        TTabSheet* sheet = Sheet();
        if (t != QAccessible::Name || !sheet) return {};
        return ControlName(sheet);
    }
    QRect rect() const override { return ScreenRect(Pages()->TabRect(Index())); }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        TPageControl* pages = Pages();
        s.selectable = true;
        s.focusable = true;
        s.selected = pages->TabIndex() == Index();
        s.focused = s.selected && pages->hasFocus();
        s.disabled = !pages->isEnabled();
        s.invisible = !pages->isVisible();
        s.offscreen = rect().isEmpty();
        return s;
    }
    int childCount() const override { return Sheet() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 && Sheet() ? QAccessible::queryAccessibleInterface(Sheet()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() && child->object() == Sheet() ? 0 : -1;
    }

    QStringList actionNames() const override { return { pressAction() }; }
    void doAction(const QString& action) override
    {
        if (action != pressAction() || !Pages()->isEnabled()) return;
        QPointer<TPageControl> pages = Pages();
        const int tab = Index();
        Defer(pages, [pages, tab] {
            if (pages && tab < pages->TabCount()) pages->SelectTabByUser(tab);
        });
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

} // namespace

TvnAccessiblePageControl::TvnAccessiblePageControl(TPageControl* control)
    : TvnAccessibleItemOwner(control, QAccessible::PageTabList)
{
}

TPageControl* TvnAccessiblePageControl::PageControl() const { return static_cast<TPageControl*>(widget()); }

int TvnAccessiblePageControl::childCount() const { return PageControl()->TabCount(); }

int TvnAccessiblePageControl::indexOfChild(const QAccessibleInterface* child) const
{
    const int item = IndexOfItem(child);
    if (item >= 0) return item;
    // A page: its tab's index.
    auto* sheet = child ? qobject_cast<TTabSheet*>(child->object()) : nullptr;
    return sheet ? PageControl()->TabIndexOfPage(sheet) : -1;
}

QAccessibleInterface* TvnAccessiblePageControl::childAt(int x, int y) const
{
    const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
    const int tab = PageControl()->TabAt(local);
    if (tab >= 0) return child(tab);
    TTabSheet* page = PageControl()->ActivePage();
    return page ? QAccessible::queryAccessibleInterface(page) : nullptr;
}

QAccessibleInterface* TvnAccessiblePageControl::focusChild() const
{
    if (PageControl()->hasFocus()) return child(PageControl()->TabIndex());
    return QAccessibleWidget::focusChild();
}

TvnAccessibleItem* TvnAccessiblePageControl::MakeItem(int index) const
{
    return new TvnAccessibleTab(this, index);
}

// --- Tab sheet ------------------------------------------------------------------------

TvnAccessibleTabSheet::TvnAccessibleTabSheet(TTabSheet* sheet)
    : QAccessibleWidget(sheet, QAccessible::Pane)
{
}

QAccessibleInterface* TvnAccessibleTabSheet::parent() const
{
    auto* sheet = static_cast<TTabSheet*>(widget());
    TPageControl* pages = sheet->PageControl();
    QAccessibleInterface* owner = pages ? QAccessible::queryAccessibleInterface(pages) : nullptr;
    const int tab = pages ? pages->TabIndexOfPage(sheet) : -1;
    if (owner && tab >= 0) return owner->child(tab);
    return QAccessibleWidget::parent();
}

QString TvnAccessibleTabSheet::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name) return ControlName(widget());
    return QAccessibleWidget::text(t);
}

} // namespace vnaccess
