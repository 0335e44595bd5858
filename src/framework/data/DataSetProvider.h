#pragma once
// Hands the rows of a data set to in-memory tables: runs the data set when it is closed
// and copies its fields and every row. Only the data travel; the copy knows nothing of
// the server's constraints.
#include "DataSet.h"
#include "framework/Component.h"

class TDataSetProvider : public TComponent {
    Q_OBJECT
    Q_PROPERTY(TDataSet* DataSet READ DataSet WRITE SetDataSet)
public:
    explicit TDataSetProvider(QObject* owner = nullptr);

    TDataSet* DataSet() const { return m_dataSet; }
    void SetDataSet(TDataSet* dataSet);

    // Raises Exception when no data set is set or it fails to open. The data set is left
    // open: the action that runs it closes it (or its connection).
    void GetRecords(QList<TFieldDef>& defs, QList<TRow>& rows);

    void Notification(QObject* component, TOperation operation) override;

private:
    TDataSet* m_dataSet = nullptr;
};
