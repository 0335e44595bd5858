#pragma once
// The component between a data set and the data-aware controls: controls hold a data
// link to a data source, and the source passes on what its data set reports.
#include "DataTypes.h"
#include "framework/Component.h"

#include <QList>
#include <QPointer>

class TDataLink;
class TDataSet;

class TDataSource : public TComponent {
    Q_OBJECT
    Q_PROPERTY(TDataSet* DataSet READ DataSet WRITE SetDataSet)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool AutoEdit READ AutoEdit WRITE SetAutoEdit)
public:
    explicit TDataSource(QObject* owner = nullptr);
    ~TDataSource() override;

    TDataSet* DataSet() const { return m_dataSet; }
    void SetDataSet(TDataSet* dataSet);
    // A disabled source shows its links an inactive data set.
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    TDataSetState State() const;
    // Whether a data-aware control that starts changing a value puts the data set into
    // editing by itself (the links' Edit).
    bool AutoEdit() const { return m_autoEdit; }
    void SetAutoEdit(bool autoEdit) { m_autoEdit = autoEdit; }

    void Notification(QObject* component, TOperation operation) override;

private:
    friend class TDataSet;
    friend class TDataLink;
    void AddLink(TDataLink* link);
    void RemoveLink(TDataLink* link);
    void DataEvent(TDataEvent event, int info);
    void DataSetDestroyed(TDataSet* dataSet);
    // Runs `change` and tells the links when it turned the data set they see on or off.
    template <class F> void ChangeActive(F change);

    TDataSet* m_dataSet = nullptr;
    bool m_enabled = true;
    bool m_autoEdit = true;
    QList<TDataLink*> m_links;
};
