#pragma once
// The classes declared data may name. Every component class registers itself once
// (RegisterClass<T>()), and the loader creates instances by class name.
#include <QMetaObject>
#include <QObject>
#include <QString>
#include <functional>

struct TRegisteredClass {
    QString name;
    const QMetaObject* meta = nullptr;
    std::function<QObject*(QObject* owner)> create;
};

void RegisterClassInfo(TRegisteredClass info);
// nullptr when no class of that name (compared without regard to case) is registered.
const TRegisteredClass* FindRegisteredClass(const QString& name);

template <class T> void RegisterClass()
{
    RegisterClassInfo({ QString::fromLatin1(T::staticMetaObject.className()), &T::staticMetaObject,
        [](QObject* owner) -> QObject* { return new T(owner); } });
}
