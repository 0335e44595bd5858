#pragma once
// The plain list box: a list of strings in the order they were added. The main window
// uses two invisible ones as working lists.
#include "framework/Control.h"

#include <QStringList>

class QListWidget;

class TListBox : public TControl {
    Q_OBJECT
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(bool Sorted READ Sorted WRITE SetSorted)
public:
    explicit TListBox(QObject* owner = nullptr);

    QStringList Items() const;
    void SetItems(const QStringList& items);
    void AddItem(const QString& item);
    void Clear();
    int Count() const;
    QString Item(int index) const;
    bool Sorted() const { return m_sorted; }
    void SetSorted(bool sorted);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QListWidget* m_list;
    bool m_sorted = false;
};
