#include "Events.h"

#include <QHash>

namespace events {

namespace {
QHash<int, TEventType>& table()
{
    static QHash<int, TEventType> types;
    return types;
}
} // namespace

const TEventType* FindEventType(int metaTypeId)
{
    RegisterFrameworkEvents();
    auto it = table().constFind(metaTypeId);
    return it == table().constEnd() ? nullptr : &it.value();
}

void RegisterEventType(int metaTypeId, TEventType type) { table().insert(metaTypeId, std::move(type)); }

void RegisterFrameworkEvents()
{
    static bool done = false;
    if (done) return;
    done = true;
    RegisterEvent<QObject*>();
    RegisterEvent<QObject*, QChar&>();
    RegisterEvent<QObject*, int&, TShiftState>();
    RegisterEvent<QObject*, bool&>();
}

} // namespace events
