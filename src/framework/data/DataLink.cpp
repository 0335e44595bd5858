#include "DataLink.h"

#include "DataSet.h"
#include "DataSource.h"
#include "framework/Exception.h"

TDataLink::~TDataLink()
{
    if (m_source) m_source->RemoveLink(this);
}

void TDataLink::SetDataSource(TDataSource* source)
{
    if (source == m_source) return;
    if (m_sourceFixed) throw Exception(QStringLiteral("DataSource cannot be changed"));
    if (m_source) m_source->RemoveLink(this);
    m_source = source;
    if (m_source) m_source->AddLink(this);
    DataEvent(TDataEvent::ActiveChange, 0);
}

void TDataLink::SourceDestroyed()
{
    m_source = nullptr;
    DataEvent(TDataEvent::ActiveChange, 0);
}

TDataSet* TDataLink::DataSet() const
{
    return m_source && m_source->Enabled() ? m_source->DataSet() : nullptr;
}

void TDataLink::SetBufferCount(int count)
{
    count = qMax(1, count);
    if (count == m_bufferCount) return;
    m_bufferCount = count;
    if (m_active) UpdateWindow();
}

int TDataLink::ActiveRecord() const
{
    TDataSet* ds = DataSet();
    if (!m_active || !ds || ds->ActiveRow() < 0) return 0;
    return ds->ActiveRow() - m_first;
}

void TDataLink::SetActiveRecord(int index)
{
    if (TDataSet* ds = DataSet(); m_active && ds) ds->SetActiveRow(m_first + index);
}

int TDataLink::RecordCount() const
{
    TDataSet* ds = DataSet();
    if (!m_active || !ds) return 0;
    return qBound(0, ds->RecordCount() - m_first, m_bufferCount);
}

int TDataLink::MoveBy(int distance)
{
    TDataSet* ds = DataSet();
    return m_active && ds ? ds->MoveBy(distance) : 0;
}

void TDataLink::DataSetScrolled(int) { DataSetChanged(); }

bool TDataLink::Editing() const
{
    TDataSet* ds = DataSet();
    return m_active && ds && ds->Editing();
}

bool TDataLink::Edit()
{
    TDataSet* ds = DataSet();
    if (!m_active || !ds) return false;
    if (!ds->Editing() && m_source->AutoEdit() && ds->CanModify()) ds->Edit();
    return ds->Editing();
}

int TDataLink::UpdateWindow()
{
    TDataSet* ds = DataSet();
    const int old = m_first;
    const int current = ds ? ds->CurrentRow() : -1;
    if (current < 0) {
        m_first = 0;
    } else {
        if (current < m_first) m_first = current;
        if (current >= m_first + m_bufferCount) m_first = current - m_bufferCount + 1;
        m_first = qMax(0, qMin(m_first, ds->RecordCount() - m_bufferCount));
    }
    return m_first - old;
}

void TDataLink::DataEvent(TDataEvent event, int info)
{
    switch (event) {
    case TDataEvent::ActiveChange: {
        TDataSet* ds = DataSet();
        const bool active = ds && ds->Active();
        if (active == m_active) return;
        m_active = active;
        m_first = 0;
        if (m_active) UpdateWindow();
        ActiveChanged();
        return;
    }
    case TDataEvent::DataSetScroll:
        if (m_active) DataSetScrolled(UpdateWindow());
        return;
    case TDataEvent::DataSetChange:
        if (!m_active) return;
        UpdateWindow();
        DataSetChanged();
        return;
    case TDataEvent::RecordChange:
        if (TDataSet* ds = DataSet(); m_active && ds) RecordChanged(ds->Field(info));
        return;
    case TDataEvent::StateChange:
        if (m_active) EditingChanged();
        return;
    case TDataEvent::UpdateRecord:
        if (m_active) UpdateData();
        return;
    }
}

void TFieldDataLink::SetFieldName(const QString& name)
{
    if (name == m_fieldName) return;
    m_fieldName = name;
    UpdateField();
    DataChanged();
}

void TFieldDataLink::UpdateField()
{
    TDataSet* ds = DataSet();
    m_field = Active() && ds && !m_fieldName.isEmpty() ? ds->FindField(m_fieldName) : nullptr;
}

void TFieldDataLink::DataChanged()
{
    if (OnDataChange) OnDataChange();
}

void TFieldDataLink::ActiveChanged()
{
    UpdateField();
    if (OnActiveChange) OnActiveChange();
    DataChanged();
}

void TFieldDataLink::RecordChanged(TField* field)
{
    if (!field || field == m_field) DataChanged();
}

void TFieldDataLink::EditingChanged()
{
    if (OnEditingChange) OnEditingChange();
}

void TFieldDataLink::UpdateData()
{
    if (OnUpdateData) OnUpdateData();
}
