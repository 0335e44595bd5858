#pragma once
// Event properties: a component publishes `OnClick` and the like as a std::function
// property; declared data names a method of the form (or module) that declared the
// component, and the loader binds the two.
//
// A handler is an ordinary slot of the root class whose parameters match the event,
// references included: `void edtLoginKeyPress(QObject* Sender, QChar& Key);`.
#include "framework/Types.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMetaType>
#include <QObject>
#include <QVariant>
#include <functional>

class TDragDockObject;

// An event value. Two handlers never compare equal: a property write always assigns.
template <class... Args> struct TEvent : std::function<void(Args...)> {
    using std::function<void(Args...)>::function;
    bool operator==(const TEvent&) const { return false; }
};

using TNotifyEvent = TEvent<QObject* /*Sender*/>;
using TKeyPressEvent = TEvent<QObject* /*Sender*/, QChar& /*Key*/>;
using TKeyEvent = TEvent<QObject* /*Sender*/, int& /*Key*/, TShiftState /*Shift*/>;
using TCloseQueryEvent = TEvent<QObject* /*Sender*/, bool& /*CanClose*/>;
using TMouseEvent
    = TEvent<QObject* /*Sender*/, TMouseButton /*Button*/, TShiftState /*Shift*/, int /*X*/, int /*Y*/>;
using TMouseMoveEvent = TEvent<QObject* /*Sender*/, TShiftState /*Shift*/, int /*X*/, int /*Y*/>;
// The handler may hand over an object of its own to travel as the drag's source.
using TStartDragEvent = TEvent<QObject* /*Sender*/, QObject*& /*DragObject*/>;
using TDragOverEvent = TEvent<QObject* /*Sender*/, QObject* /*Source*/, int /*X*/, int /*Y*/,
    TDragState /*State*/, bool& /*Accept*/>;
// A drop (the second object is the source) and a drag's end (the target, nullptr
// when the drag was cancelled or nobody took it) carry the same values.
using TDragDropEvent = TEvent<QObject* /*Sender*/, QObject* /*SourceOrTarget*/, int /*X*/, int /*Y*/>;
using TEndDragEvent = TDragDropEvent;
// A dock drag's start: the handler may hand over a dock object of its own (see
// framework/Dock.h); the framework makes one when it does not.
using TStartDockEvent = TEvent<QObject* /*Sender*/, TDragDockObject*& /*DragObject*/>;
// A dock site asked whether it takes the control the dock object carries.
using TDockOverEvent = TEvent<QObject* /*Sender*/, TDragDockObject* /*Source*/, int /*X*/, int /*Y*/,
    TDragState /*State*/, bool& /*Accept*/>;
using TDockDropEvent = TEvent<QObject* /*Sender*/, TDragDockObject* /*Source*/, int /*X*/, int /*Y*/>;
// A dock drag's end carries the new host (a dock site, or the floating window), nullptr
// when cancelled, like a drag's end.
using TEndDockEvent = TDragDropEvent;
// Something at index `from` went to index `to` (a grid's column).
using TMovedEvent = TEvent<QObject* /*Sender*/, int /*FromIndex*/, int /*ToIndex*/>;
// A key offered to a form as a short cut before its controls see it; setting Handled
// ends the key there.
using TShortCutEvent = TEvent<int /*Key*/, TShiftState /*Shift*/, bool& /*Handled*/>;

Q_DECLARE_METATYPE(TNotifyEvent)
Q_DECLARE_METATYPE(TKeyPressEvent)
Q_DECLARE_METATYPE(TKeyEvent)
Q_DECLARE_METATYPE(TCloseQueryEvent)
Q_DECLARE_METATYPE(TMouseEvent)
Q_DECLARE_METATYPE(TMouseMoveEvent)
Q_DECLARE_METATYPE(TStartDragEvent)
Q_DECLARE_METATYPE(TDragOverEvent)
Q_DECLARE_METATYPE(TDragDropEvent)
Q_DECLARE_METATYPE(TMovedEvent)
Q_DECLARE_METATYPE(TShortCutEvent)
Q_DECLARE_METATYPE(TStartDockEvent)
Q_DECLARE_METATYPE(TDockOverEvent)
Q_DECLARE_METATYPE(TDockDropEvent)

namespace events {

// Makes the value of an event property that calls `method` of `root`.
using TBinder = std::function<QVariant(QObject* root, int methodIndex)>;

struct TEventType {
    int parameterCount = 0;
    TBinder bind;
};

// nullptr when `metaTypeId` is not an event type.
const TEventType* FindEventType(int metaTypeId);
void RegisterEventType(int metaTypeId, TEventType type);

template <class... Args> void RegisterEvent()
{
    using Fn = TEvent<Args...>;
    RegisterEventType(QMetaType::fromType<Fn>().id(),
        { static_cast<int>(sizeof...(Args)), [](QObject* root, int methodIndex) {
             QPointer<QObject> target(root);
             return QVariant::fromValue(Fn([target, methodIndex](Args... args) {
                 if (!target) return;
                 void* argv[] = { nullptr, const_cast<void*>(static_cast<const void*>(&args))... };
                 QMetaObject::metacall(target.data(), QMetaObject::InvokeMetaMethod, methodIndex, argv);
             }));
         } });
}

// Registers the framework's own event types; called by the loader before first use.
void RegisterFrameworkEvents();

// Calls an event if it is assigned.
template <class Fn, class... Args> void Fire(const Fn& handler, Args&&... args)
{
    if (handler) handler(std::forward<Args>(args)...);
}

} // namespace events
