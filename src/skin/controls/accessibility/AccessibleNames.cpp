// Names of the controls that carry no caption: the label that describes them, found as a
// sighted user finds it, beside or above the control.
#include "Accessibility.h"
#include "framework/comctrls/TabSheet.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Label.h"
#include "skin/controls/vnSkinCtrls/SkinControl.h"
#include "skin/controls/vndbctrls/DBText.h"

#include <QRegularExpression>
#include <QWidget>
#include <algorithm>
#include <limits>

namespace vnaccess {

namespace {

QString OwnCaption(const QWidget* control)
{
    if (auto* c = qobject_cast<const TvnSkinControl*>(control)) return c->Caption();
    if (auto* l = qobject_cast<const TLabel*>(control)) return l->Caption();
    if (auto* t = qobject_cast<const TTabSheet*>(control)) return t->Caption();
    if (auto* b = qobject_cast<const TButton*>(control)) return b->Caption();
    return {};
}

// How far `label` is from `control`, read left to right and top to bottom: a label on
// the control's line to its left, or one above it that starts near its left edge.
// Anything else does not describe it.
int Distance(const QRect& label, const QRect& control)
{
    const int middle = label.center().y();
    const bool sameLine = middle >= control.top() && middle <= control.bottom();
    // A label's box may reach a little into the control's (an auto-sized caption's
    // margin): it still stands before it.
    if (sameLine && label.left() < control.left() && label.right() <= control.left() + 10)
        return std::max(0, control.left() - label.right());
    const bool above = middle < control.top() && control.top() - label.bottom() <= 24;
    if (above && qAbs(label.left() - control.left()) <= 40) return 1000 + control.top() - label.bottom();
    return std::numeric_limits<int>::max();
}

} // namespace

QString DescribingLabel(const QWidget* control)
{
    const QWidget* parent = control->parentWidget();
    if (!parent) return {};
    const TLabel* best = nullptr;
    int bestDistance = std::numeric_limits<int>::max();
    for (const QObject* child : parent->children()) {
        auto* label = qobject_cast<const TLabel*>(child);
        // A data-aware text shows a value, which names nothing.
        if (!label || qobject_cast<const TvnSkinDBText*>(label) || label->isHidden()
            || label->Caption().trimmed().isEmpty())
            continue;
        const int d = Distance(label->geometry(), control->geometry());
        if (d < bestDistance) {
            bestDistance = d;
            best = label;
        }
    }
    return best ? best->Caption() : QString();
}

QString ControlName(const QWidget* control)
{
    if (!control->accessibleName().isEmpty()) return control->accessibleName();
    QString name = OwnCaption(control);
    if (name.isEmpty()) name = DescribingLabel(control);
    // An accelerator's ampersand is not spoken.
    name.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return name.replace(QStringLiteral("&&"), QStringLiteral("&")).trimmed();
}

} // namespace vnaccess
