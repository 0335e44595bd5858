#include "DataSetProvider.h"

#include "framework/Exception.h"

TDataSetProvider::TDataSetProvider(QObject* owner)
    : TComponent(owner)
{
}

void TDataSetProvider::SetDataSet(TDataSet* dataSet)
{
    m_dataSet = dataSet;
    if (m_dataSet) FreeNotification(m_dataSet);
}

void TDataSetProvider::Notification(QObject* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_dataSet) m_dataSet = nullptr;
}

void TDataSetProvider::GetRecords(QList<TFieldDef>& defs, QList<TRow>& rows)
{
    if (!m_dataSet) throw Exception(QStringLiteral("%1: Missing DataSet property").arg(Name()));
    m_dataSet->Open();
    defs = m_dataSet->FieldDefs();
    rows = m_dataSet->Rows();
}
