#include "Component.h"

#include "Exception.h"

TComponentBase::TComponentBase(QObject* self)
    : m_self(self)
{
}

TComponentBase::~TComponentBase() = default;

TComponentBase* AsComponent(QObject* object)
{
    // A cross-cast: the component part is a sibling base of QObject.
    return dynamic_cast<TComponentBase*>(object);
}

QString TComponentBase::Name() const { return m_self->objectName(); }

void TComponentBase::SetName(const QString& name)
{
    if (name == Name()) return;
    if (TComponentBase* owner = Owner()) {
        QObject* other = owner->FindComponent(name);
        if (!name.isEmpty() && other && other != m_self)
            throw Exception(QStringLiteral("A component named %1 already exists").arg(name));
    }
    m_self->setObjectName(name);
}

TComponentBase* TComponentBase::Owner() const { return AsComponent(m_owner); }

void TComponentBase::SetOwner(QObject* owner)
{
    if (TComponentBase* old = Owner()) old->m_components.removeAll(m_self);
    m_owner = owner;
    if (TComponentBase* now = Owner()) now->m_components.append(m_self);
}

QList<QObject*> TComponentBase::Components() const
{
    QList<QObject*> result;
    result.reserve(m_components.size());
    for (const auto& c : m_components)
        if (c) result.append(c.data());
    return result;
}

QObject* TComponentBase::FindComponent(const QString& name) const
{
    if (name.isEmpty()) return nullptr;
    for (const auto& c : m_components)
        if (c && c->objectName().compare(name, Qt::CaseInsensitive) == 0) return c.data();
    return nullptr;
}

void TComponentBase::MissingComponent(const QString& name, const char* className) const
{
    throw Exception(QStringLiteral("%1 has no %2 named %3").arg(Name(), QLatin1String(className), name));
}

void TComponentBase::FreeNotification(QObject* other)
{
    if (!other || other == m_self) return;
    for (const auto& watched : m_watched)
        if (watched == other) return;
    m_watched.append(other);
    QObject::connect(other, &QObject::destroyed, m_self,
        [this](QObject* gone) { Notification(gone, TOperation::opRemove); });
}

void TComponentBase::Notification(QObject*, TOperation) { }

TComponent::TComponent(QObject* owner)
    : QObject(owner)
    , TComponentBase(this)
{
    SetOwner(owner);
}
