#include "ClassRegistry.h"

#include <QHash>

namespace {
QHash<QString, TRegisteredClass>& Registry()
{
    static QHash<QString, TRegisteredClass> classes;
    return classes;
}
} // namespace

void RegisterClassInfo(TRegisteredClass info)
{
    const QString key = info.name.toLower();
    Registry().insert(key, std::move(info));
}

const TRegisteredClass* FindRegisteredClass(const QString& name)
{
    auto& r = Registry();
    auto it = r.constFind(name.toLower());
    return it == r.constEnd() ? nullptr : &it.value();
}
