#pragma once
// The parts of a control that are no widgets of their own (a page control's tabs, the
// records of a control grid): each is an accessible object of its control, known by its
// index. The control's interface keeps them (AT-SPI asks for the same object again and
// again and must get the same id) and drops them with itself.

#include <QAccessibleInterface>
#include <QAccessibleWidget>
#include <QHash>
#include <functional>

namespace vnaccess {

class TvnAccessibleItem;

// A control with item children: owns their registrations.
class TvnAccessibleItemOwner : public QAccessibleWidget {
public:
    TvnAccessibleItemOwner(QWidget* widget, QAccessible::Role role, const QString& name = QString());
    ~TvnAccessibleItemOwner() override;

    QWidget* Control() const { return widget(); }

    // The items are the children: childCount says how many there are now.
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    // The item at `index`, made on first use.
    QAccessibleInterface* Item(int index) const;
    // Whether `iface` is one of this control's items, and its index then (or -1).
    int IndexOfItem(const QAccessibleInterface* iface) const;

protected:
    virtual TvnAccessibleItem* MakeItem(int index) const = 0;

private:
    mutable QHash<int, QAccessible::Id> m_items;
};

// One item: everything is asked of the owner by index.
class TvnAccessibleItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TvnAccessibleItem(const TvnAccessibleItemOwner* owner, int index)
        : m_owner(owner)
        , m_index(index)
    {
    }

    int Index() const { return m_index; }
    QWidget* Control() const { return m_owner->Control(); }

    bool isValid() const override { return m_owner->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_owner->window(); }
    QAccessibleInterface* parent() const override { return const_cast<TvnAccessibleItemOwner*>(m_owner); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override { }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    // A rectangle in the control's coordinates, given back in the screen's.
    QRect ScreenRect(const QRect& local) const;

private:
    const TvnAccessibleItemOwner* m_owner;
    int m_index;
};

// Runs `action` after the accessibility call has returned: an action may open a modal
// window, and the assistive technology waiting for its answer would wait until that
// window closes. `guard` is the object the action needs; nothing runs once it is gone.
void Defer(QObject* guard, std::function<void()> action);

} // namespace vnaccess
