#include "AccessibleCtrlGrid.h"

#include "Accessibility.h"
#include "FieldText.h"
#include "framework/Events.h"
#include "framework/data/DataSet.h"
#include "framework/data/Field.h"
#include "skin/controls/vndbctrls/DBCtrlGrid.h"
#include "skin/controls/vndbctrls/DBText.h"

#include <QPointer>
#include <algorithm>

namespace vnaccess {

namespace {

// How far apart in height texts on one line of a panel may stand.
constexpr int kLineSlack = 6;

TDataSet* DataSetOf(const TvnSkinDBCtrlGrid* grid)
{
    TDataSource* source = grid->DataSource();
    TDataSet* data = source ? source->DataSet() : nullptr;
    return data && data->Active() ? data : nullptr;
}

class TvnAccessibleRecord : public TvnAccessibleItem {
public:
    using TvnAccessibleItem::TvnAccessibleItem;

    const TvnAccessibleCtrlGrid* Owner() const { return static_cast<const TvnAccessibleCtrlGrid*>(parent()); }
    TvnSkinDBCtrlGrid* Grid() const { return static_cast<TvnSkinDBCtrlGrid*>(Control()); }

    bool isValid() const override { return TvnAccessibleItem::isValid() && Index() < Owner()->childCount(); }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? Owner()->RecordText(Index()) : QString();
    }
    QRect rect() const override
    {
        // Only the current record has a panel of its own on screen.
        QWidget* panel = Grid()->LivePanel();
        if (!panel || Owner()->CurrentRecord() != Index()) return {};
        return QRect(panel->mapToGlobal(QPoint(0, 0)), panel->size());
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.selectable = true;
        s.focusable = true;
        s.selected = Owner()->CurrentRecord() == Index();
        s.focused = s.selected && Grid()->hasFocus();
        s.disabled = !Grid()->isEnabled();
        return s;
    }

    QStringList actionNames() const override { return { QStringLiteral("select"), pressAction() }; }
    void doAction(const QString& action) override
    {
        if (!Grid()->isEnabled()) return;
        const bool choose = action == pressAction();
        if (!choose && action != QLatin1String("select")) return;
        QPointer<TvnSkinDBCtrlGrid> grid = Grid();
        const int record = Index();
        Defer(grid, [grid, record, choose] {
            TDataSet* data = grid ? DataSetOf(grid) : nullptr;
            if (!data || record >= data->RecordCount()) return;
            data->SetRecNo(record + 1);
            if (choose) events::Fire(grid->OnDblClick, grid.data());
        });
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

} // namespace

TvnAccessibleCtrlGrid::TvnAccessibleCtrlGrid(TvnSkinDBCtrlGrid* grid)
    : TvnAccessibleItemOwner(grid, QAccessible::List)
{
}

TvnSkinDBCtrlGrid* TvnAccessibleCtrlGrid::Grid() const { return static_cast<TvnSkinDBCtrlGrid*>(widget()); }

int TvnAccessibleCtrlGrid::childCount() const
{
    TDataSet* data = DataSetOf(Grid());
    return data ? data->RecordCount() : 0;
}

QAccessibleInterface* TvnAccessibleCtrlGrid::focusChild() const
{
    return Grid()->hasFocus() ? child(CurrentRecord()) : nullptr;
}

QString TvnAccessibleCtrlGrid::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name) return ControlName(widget());
    return QAccessibleWidget::text(t);
}

int TvnAccessibleCtrlGrid::CurrentRecord() const
{
    TDataSet* data = DataSetOf(Grid());
    return data && !data->IsEmpty() ? data->RecNo() - 1 : -1;
}

QString TvnAccessibleCtrlGrid::RecordText(int index) const
{
    TDataSet* data = DataSetOf(Grid());
    QWidget* panel = Grid()->LivePanel();
    if (!data || !panel || index < 0 || index >= data->RecordCount()) return {};
    // The panel's texts in reading order, each after the label that names it.
    QList<TvnSkinDBText*> texts = panel->findChildren<TvnSkinDBText*>(Qt::FindDirectChildrenOnly);
    // Texts on one line may stand a few pixels apart in height.
    std::sort(texts.begin(), texts.end(), [](const QWidget* a, const QWidget* b) {
        if (qAbs(a->y() - b->y()) > kLineSlack) return a->y() < b->y();
        return a->x() < b->x();
    });
    QStringList parts;
    for (TvnSkinDBText* text : std::as_const(texts)) {
        TField* field = data->FindField(text->DataField());
        if (!field) continue;
        const QString value = FieldText(*data, index, *field).trimmed();
        const QString label = DescribingLabel(text).trimmed();
        parts += label.isEmpty() || label == value ? value : label + QStringLiteral(": ") + value;
    }
    return parts.join(QStringLiteral(", "));
}

TvnAccessibleItem* TvnAccessibleCtrlGrid::MakeItem(int index) const
{
    return new TvnAccessibleRecord(this, index);
}

} // namespace vnaccess
