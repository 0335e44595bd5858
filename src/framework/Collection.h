#pragma once
// Collections of items that declared data writes between < and > (a query's
// parameters, a skin list's items). Items are QObjects owned by the collection, so
// their published properties are set by name like any component's.
#include <QList>
#include <QObject>

class TCollection : public QObject {
    Q_OBJECT
public:
    explicit TCollection(QObject* owner = nullptr)
        : QObject(owner)
    {
    }
    ~TCollection() override { Clear(); }

    // Appends a new item of the collection's item class and returns it.
    virtual QObject* Add() = 0;
    void Clear();
    int Count() const { return static_cast<int>(m_items.size()); }
    QObject* Item(int index) const { return m_items.value(index); }
    int IndexOf(const QObject* item) const
    {
        return static_cast<int>(m_items.indexOf(const_cast<QObject*>(item)));
    }
    // Gives the item at `from` the index `to`, the items between closing up.
    void Move(int from, int to)
    {
        if (from >= 0 && from < Count() && to >= 0 && to < Count()) m_items.move(from, to);
    }

protected:
    QObject* Append(QObject* item);

private:
    QList<QObject*> m_items;
};

// A collection whose items are all of one class with a constructor (TCollection*).
template <class TItem> class TOwnedCollection : public TCollection {
public:
    using TCollection::TCollection;
    QObject* Add() override { return Append(new TItem(this)); }
    TItem* At(int index) const { return static_cast<TItem*>(Item(index)); }
};
