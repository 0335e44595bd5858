#include "DataSource.h"

#include "DataLink.h"
#include "DataSet.h"

TDataSource::TDataSource(QObject* owner)
    : TComponent(owner)
{
}

TDataSource::~TDataSource()
{
    if (m_dataSet) m_dataSet->RemoveDataSource(this);
    const auto links = m_links;
    for (TDataLink* link : links)
        link->SourceDestroyed();
}

TDataSetState TDataSource::State() const
{
    return m_dataSet && m_enabled ? m_dataSet->State() : db::dsInactive;
}

template <class F> void TDataSource::ChangeActive(F change)
{
    const bool wasActive = State() != db::dsInactive;
    change();
    if (wasActive == (State() != db::dsInactive)) return;
    const auto links = m_links;
    for (TDataLink* link : links)
        link->DataEvent(TDataEvent::ActiveChange, 0);
}

void TDataSource::SetDataSet(TDataSet* dataSet)
{
    if (dataSet == m_dataSet) return;
    ChangeActive([&] {
        if (m_dataSet) m_dataSet->RemoveDataSource(this);
        m_dataSet = dataSet;
        if (m_dataSet) {
            m_dataSet->AddDataSource(this);
            FreeNotification(m_dataSet);
        }
    });
}

void TDataSource::SetEnabled(bool enabled)
{
    if (enabled == m_enabled) return;
    ChangeActive([&] { m_enabled = enabled; });
}

void TDataSource::DataSetDestroyed(TDataSet* dataSet)
{
    if (dataSet != m_dataSet) return;
    ChangeActive([&] { m_dataSet = nullptr; });
}

void TDataSource::Notification(QObject* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    // Normally the data set has already said goodbye through DataSetDestroyed.
    if (operation == TOperation::opRemove && component == m_dataSet)
        ChangeActive([&] { m_dataSet = nullptr; });
}

void TDataSource::AddLink(TDataLink* link)
{
    if (!m_links.contains(link)) m_links.append(link);
}

void TDataSource::RemoveLink(TDataLink* link) { m_links.removeAll(link); }

void TDataSource::DataEvent(TDataEvent event, int info)
{
    if (!m_enabled) return;
    const auto links = m_links;
    for (TDataLink* link : links)
        if (m_links.contains(link)) link->DataEvent(event, info);
}
