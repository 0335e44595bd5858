#include "ListBox.h"

#include <QListWidget>

TListBox::TListBox(QObject* owner)
    : TControl(owner)
    , m_list(new QListWidget(this))
{
    setFocusProxy(m_list);
    SetTabStop(true);
}

QStringList TListBox::Items() const
{
    QStringList items;
    for (int i = 0; i < m_list->count(); ++i)
        items.append(m_list->item(i)->text());
    return items;
}

void TListBox::SetItems(const QStringList& items)
{
    m_list->clear();
    m_list->addItems(items);
    if (m_sorted) m_list->sortItems();
}

void TListBox::AddItem(const QString& item)
{
    m_list->addItem(item);
    if (m_sorted) m_list->sortItems();
}

void TListBox::Clear() { m_list->clear(); }

int TListBox::Count() const { return m_list->count(); }

QString TListBox::Item(int index) const
{
    const QListWidgetItem* item = m_list->item(index);
    return item ? item->text() : QString();
}

void TListBox::SetSorted(bool sorted)
{
    m_sorted = sorted;
    if (sorted) m_list->sortItems();
}

void TListBox::resizeEvent(QResizeEvent* e)
{
    TControl::resizeEvent(e);
    m_list->setGeometry(rect());
}
