#include "Events.h"

#include <QHash>

namespace events {

namespace {
QHash<int, TEventType>& HandlerTable()
{
    static QHash<int, TEventType> types;
    return types;
}
} // namespace

const TEventType* FindEventType(int metaTypeId)
{
    RegisterFrameworkEvents();
    auto it = HandlerTable().constFind(metaTypeId);
    return it == HandlerTable().constEnd() ? nullptr : &it.value();
}

void RegisterEventType(int metaTypeId, TEventType type)
{
    HandlerTable().insert(metaTypeId, std::move(type));
}

void RegisterFrameworkEvents()
{
    static bool done = false;
    if (done) return;
    done = true;
    RegisterEvent<QObject*>();
    RegisterEvent<QObject*, QChar&>();
    RegisterEvent<QObject*, int&, TShiftState>();
    RegisterEvent<QObject*, bool&>();
    RegisterEvent<QObject*, TMouseButton, TShiftState, int, int>();
    RegisterEvent<QObject*, TShiftState, int, int>();
    RegisterEvent<QObject*, QObject*&>();
    RegisterEvent<QObject*, QObject*, int, int, TDragState, bool&>();
    RegisterEvent<QObject*, QObject*, int, int>();
    RegisterEvent<QObject*, int, int>();
    RegisterEvent<int, TShiftState, bool&>();
    RegisterEvent<QObject*, TDragDockObject*&>();
    RegisterEvent<QObject*, TDragDockObject*, int, int, TDragState, bool&>();
    RegisterEvent<QObject*, TDragDockObject*, int, int>();
}

} // namespace events
