// The factory: which interface each skinned control gets. Qt asks it for every object
// it has no interface for yet, before its own, walking the object's classes from the
// most derived; the first answer counts, so the most derived classes come first here.
#include "Accessibility.h"

#include "AccessibleControls.h"
#include "AccessibleCtrlGrid.h"
#include "AccessibleDBGrid.h"
#include "AccessibleForm.h"
#include "AccessiblePageControl.h"
#include "AccessibleTree.h"
#include "framework/Form.h"
#include "framework/comctrls/PageControl.h"
#include "framework/comctrls/TabSheet.h"
#include "framework/comctrls/TreeView.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/Label.h"
#include "framework/stdctrls/ListBox.h"
#include "skin/controls/vnDBGrids/SkinDBGrid.h"
#include "skin/controls/vnSkinCtrls/Button.h"
#include "skin/controls/vnSkinCtrls/CheckRadioBox.h"
#include "skin/controls/vnSkinCtrls/Gauge.h"
#include "skin/controls/vnSkinCtrls/Panel.h"
#include "skin/controls/vnSkinCtrls/ScrollBar.h"
#include "skin/controls/vndbctrls/DBCtrlGrid.h"

#include <QEvent>
#include <QLineEdit>
#include <QListWidget>

namespace vnaccess {

namespace {

// A plain role, named as ControlName names it.
template <QAccessible::Role R> QAccessibleInterface* Plain(QWidget* w)
{
    return new TvnAccessibleControl(w, R);
}

// The Qt widget inside an edit or a list box carries the control's name, for the
// control's frame around it is nothing a user reaches; Qt's own interface does the rest
// (text, editing, read-only, the list's items). Qt may ask for the inner widget while
// its window is still being loaded, before the labels and declared names are there, so
// the name is given when the widget shows.
class TvnInnerNamer : public QObject {
public:
    static void Watch(QWidget* inner)
    {
        static TvnInnerNamer namer;
        inner->removeEventFilter(&namer);
        inner->installEventFilter(&namer);
        if (inner->isVisible()) Name(inner);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) Name(static_cast<QWidget*>(watched));
        return false;
    }

private:
    static void Name(QWidget* inner)
    {
        const QString name = ControlName(inner->parentWidget());
        if (!name.isEmpty() && inner->accessibleName() != name) inner->setAccessibleName(name);
    }
};

QAccessibleInterface* NameInnerWidget(QWidget* inner)
{
    QWidget* control = inner->parentWidget();
    if (qobject_cast<TEdit*>(control) || qobject_cast<TListBox*>(control)) TvnInnerNamer::Watch(inner);
    return nullptr;
}

QAccessibleInterface* Factory(const QString&, QObject* object)
{
    auto* w = qobject_cast<QWidget*>(object);
    if (!w) return nullptr;
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QListWidget*>(w)) return NameInnerWidget(w);
    if (auto* b = qobject_cast<TvnSkinButton*>(w)) return new TvnAccessibleButton(b);
    if (auto* c = qobject_cast<TvnSkinCheckRadioBox*>(w)) return new TvnAccessibleCheckBox(c);
    if (qobject_cast<TvnSkinScrollBar*>(w)) return new TvnAccessibleRange(w, QAccessible::ScrollBar);
    if (qobject_cast<TvnSkinGauge*>(w)) return new TvnAccessibleRange(w, QAccessible::ProgressBar);
    if (auto* g = qobject_cast<TvnSkinDBCtrlGrid*>(w)) return new TvnAccessibleCtrlGrid(g);
    if (auto* g = qobject_cast<TvnSkinCustomDBGrid*>(w)) return new TvnAccessibleDBGrid(g);
    if (qobject_cast<TvnSkinGroupBox*>(w)) return Plain<QAccessible::Grouping>(w);
    if (qobject_cast<TvnSkinPanel*>(w)) return Plain<QAccessible::Pane>(w);
    if (qobject_cast<TLabel*>(w)) return Plain<QAccessible::StaticText>(w);
    if (auto* p = qobject_cast<TPageControl*>(w)) return new TvnAccessiblePageControl(p);
    if (auto* s = qobject_cast<TTabSheet*>(w)) return new TvnAccessibleTabSheet(s);
    if (auto* t = qobject_cast<TTreeView*>(w)) return new TvnAccessibleTree(t);
    if (qobject_cast<TEdit*>(w) || qobject_cast<TListBox*>(w)) return Plain<QAccessible::Client>(w);
    if (auto* f = qobject_cast<TForm*>(w)) return new TvnAccessibleForm(f);
    return nullptr;
}

} // namespace

void InstallSkinAccessibility()
{
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(Factory);
}

} // namespace vnaccess
