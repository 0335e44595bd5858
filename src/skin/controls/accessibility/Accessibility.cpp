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
#include "skin/controls/vnDBGrids/SkinDBGrid.h"
#include "skin/controls/vnSkinCtrls/Button.h"
#include "skin/controls/vnSkinCtrls/CheckRadioBox.h"
#include "skin/controls/vnSkinCtrls/Gauge.h"
#include "skin/controls/vnSkinCtrls/Panel.h"
#include "skin/controls/vnSkinCtrls/ScrollBar.h"
#include "skin/controls/vndbctrls/DBCtrlGrid.h"

#include <QLineEdit>

namespace vnaccess {

namespace {

// A plain role, named as ControlName names it.
template <QAccessible::Role R> QAccessibleInterface* Plain(QWidget* w)
{
    return new TvnAccessibleControl(w, R);
}

// The line edit inside an edit carries the edit's name, for the edit's frame is
// nothing a user reaches: the name is given the first time Qt asks for the line
// edit, and Qt's own line-edit interface does the rest (text, editing, read-only).
QAccessibleInterface* NameLineEdit(QLineEdit* line)
{
    auto* edit = qobject_cast<TEdit*>(line->parentWidget());
    if (edit && line->accessibleName().isEmpty()) line->setAccessibleName(ControlName(edit));
    return nullptr;
}

QAccessibleInterface* Factory(const QString&, QObject* object)
{
    auto* w = qobject_cast<QWidget*>(object);
    if (!w) return nullptr;
    if (auto* line = qobject_cast<QLineEdit*>(w)) return NameLineEdit(line);
    if (auto* b = qobject_cast<TvnSkinButton*>(w)) return new TvnAccessibleButton(b);
    if (auto* c = qobject_cast<TvnSkinCheckRadioBox*>(w)) return new TvnAccessibleCheckBox(c);
    if (qobject_cast<TvnSkinScrollBar*>(w)) return new TvnAccessibleRange(w, QAccessible::ScrollBar);
    if (qobject_cast<TvnSkinGauge*>(w)) return new TvnAccessibleRange(w, QAccessible::ProgressBar);
    if (auto* g = qobject_cast<TvnSkinDBCtrlGrid*>(w)) return new TvnAccessibleCtrlGrid(g);
    if (qobject_cast<TvnSkinGroupBox*>(w)) return Plain<QAccessible::Grouping>(w);
    if (qobject_cast<TvnSkinPanel*>(w)) return Plain<QAccessible::Pane>(w);
    if (qobject_cast<TLabel*>(w)) return Plain<QAccessible::StaticText>(w);
    if (auto* p = qobject_cast<TPageControl*>(w)) return new TvnAccessiblePageControl(p);
    if (auto* s = qobject_cast<TTabSheet*>(w)) return new TvnAccessibleTabSheet(s);
    if (qobject_cast<TEdit*>(w)) return Plain<QAccessible::Client>(w);
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
