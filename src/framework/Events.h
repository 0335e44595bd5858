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

// An event value. Two handlers never compare equal: a property write always assigns.
template <class... Args> struct TEvent : std::function<void(Args...)> {
    using std::function<void(Args...)>::function;
    bool operator==(const TEvent&) const { return false; }
};

using TNotifyEvent = TEvent<QObject* /*Sender*/>;
using TKeyPressEvent = TEvent<QObject* /*Sender*/, QChar& /*Key*/>;
using TKeyEvent = TEvent<QObject* /*Sender*/, int& /*Key*/, TShiftState /*Shift*/>;
using TCloseQueryEvent = TEvent<QObject* /*Sender*/, bool& /*CanClose*/>;
// A key offered to a form as a short cut before its controls see it; setting Handled
// ends the key there.
using TShortCutEvent = TEvent<int /*Key*/, TShiftState /*Shift*/, bool& /*Handled*/>;

Q_DECLARE_METATYPE(TNotifyEvent)
Q_DECLARE_METATYPE(TKeyPressEvent)
Q_DECLARE_METATYPE(TKeyEvent)
Q_DECLARE_METATYPE(TCloseQueryEvent)
Q_DECLARE_METATYPE(TShortCutEvent)

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
