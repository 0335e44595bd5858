#include "AccessibleItem.h"

#include <QTimer>
#include <QWidget>

namespace vnaccess {

TvnAccessibleItemOwner::TvnAccessibleItemOwner(QWidget* widget, QAccessible::Role role, const QString& name)
    : QAccessibleWidget(widget, role, name)
{
}

TvnAccessibleItemOwner::~TvnAccessibleItemOwner()
{
    for (QAccessible::Id id : std::as_const(m_items))
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* TvnAccessibleItemOwner::Item(int index) const
{
    if (index < 0) return nullptr;
    if (auto found = m_items.constFind(index); found != m_items.constEnd())
        return QAccessible::accessibleInterface(*found);
    TvnAccessibleItem* item = MakeItem(index);
    if (!item) return nullptr;
    m_items.insert(index, QAccessible::registerAccessibleInterface(item));
    return item;
}

int TvnAccessibleItemOwner::IndexOfItem(const QAccessibleInterface* iface) const
{
    for (auto it = m_items.constBegin(); it != m_items.constEnd(); ++it)
        if (QAccessible::accessibleInterface(it.value()) == iface) return it.key();
    return -1;
}

QAccessibleInterface* TvnAccessibleItemOwner::child(int index) const
{
    return index < childCount() ? Item(index) : nullptr;
}

int TvnAccessibleItemOwner::indexOfChild(const QAccessibleInterface* child) const
{
    return IndexOfItem(child);
}

QRect TvnAccessibleItem::ScreenRect(const QRect& local) const
{
    QWidget* control = Control();
    if (!control || local.isEmpty()) return {};
    return QRect(control->mapToGlobal(local.topLeft()), local.size());
}

void Defer(QObject* guard, std::function<void()> action) { QTimer::singleShot(0, guard, std::move(action)); }

} // namespace vnaccess
