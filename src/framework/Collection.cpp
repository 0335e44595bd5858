#include "Collection.h"

void TCollection::Clear()
{
    const auto items = std::exchange(m_items, {});
    qDeleteAll(items);
}

QObject* TCollection::Append(QObject* item)
{
    m_items.append(item);
    return item;
}
