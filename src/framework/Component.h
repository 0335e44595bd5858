#pragma once
// Components: named objects with an owner, found by name, told when a component they
// refer to goes away, and aware of whether they are still being loaded from declared
// data.
//
// A component is either a plain object (TComponent, a QObject whose parent is its owner)
// or a control (a QWidget whose parent is the control that contains it, while its owner
// is the form or module that declared it). Both carry TComponentBase; AsComponent()
// finds it on any QObject.
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

enum class TOperation { opInsert, opRemove };

class TComponentBase {
public:
    explicit TComponentBase(QObject* self);
    virtual ~TComponentBase();
    TComponentBase(const TComponentBase&) = delete;
    TComponentBase& operator=(const TComponentBase&) = delete;

    QObject* Self() const { return m_self; }
    QString Name() const;
    // Names are unique (without regard to case) among the components of one owner.
    void SetName(const QString& name);

    TComponentBase* Owner() const;
    QObject* OwnerObject() const { return m_owner; }
    // Moves the component into `owner`'s list; nullptr leaves it without owner.
    void SetOwner(QObject* owner);

    // Owned components in the order they were inserted; removed ones drop out.
    QList<QObject*> Components() const;
    int ComponentCount() const { return static_cast<int>(Components().size()); }
    QObject* FindComponent(const QString& name) const;
    // The owned component of that name and class; raises Exception when there is none,
    // so a window whose declared data lost a control fails loudly at creation.
    template <class T> T* ComponentByName(const QString& name) const
    {
        T* found = qobject_cast<T*>(FindComponent(name));
        if (!found) MissingComponent(name, T::staticMetaObject.className());
        return found;
    }

    bool IsLoading() const { return m_loading; }
    void SetLoading(bool loading) { m_loading = loading; }
    // Called once after the loader has set every property of the whole declared tree
    // (references to other modules may still be pending). Clears the loading state.
    virtual void Loaded() { m_loading = false; }

    // Asks to be told (Notification with opRemove) when `other` is destroyed.
    void FreeNotification(QObject* other);
    virtual void Notification(QObject* component, TOperation operation);

private:
    [[noreturn]] void MissingComponent(const QString& name, const char* className) const;
    QObject* m_self;
    QPointer<QObject> m_owner;
    QList<QPointer<QObject>> m_components;
    QList<QPointer<QObject>> m_watched;
    bool m_loading = false;
};

// The component part of any QObject that has one, else nullptr.
TComponentBase* AsComponent(QObject* object);

// A non-visual component.
class TComponent : public QObject, public TComponentBase {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
public:
    explicit TComponent(QObject* owner = nullptr);
    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

private:
    int m_tag = 0;
};
