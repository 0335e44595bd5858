#pragma once
// How a data-aware control follows a data set: it owns a data link to a data source and
// overrides the link's notifications. A link sees a window ("buffer") of up to
// BufferCount rows around the current one — a grid shows that many rows — and may make
// any row of the window the one that fields read while it paints.
#include "DataTypes.h"

#include <QString>
#include <functional>

class TDataSet;
class TDataSource;
class TField;

class TDataLink {
public:
    TDataLink() = default;
    virtual ~TDataLink();
    TDataLink(const TDataLink&) = delete;
    TDataLink& operator=(const TDataLink&) = delete;

    TDataSource* DataSource() const { return m_source; }
    // Raises Exception while the source is fixed.
    void SetDataSource(TDataSource* source);
    // A container (a control grid) may fix the source of the links of its controls.
    bool DataSourceFixed() const { return m_sourceFixed; }
    void SetDataSourceFixed(bool fixed) { m_sourceFixed = fixed; }

    // The data set behind the source, when the source is enabled.
    TDataSet* DataSet() const;
    bool Active() const { return m_active; }

    int BufferCount() const { return m_bufferCount; }
    void SetBufferCount(int count);
    // Position in the window of the row the fields read.
    int ActiveRecord() const;
    // Makes row `index` of the window the one the fields read, without moving the data
    // set's current row and without telling anyone; set it back after painting.
    void SetActiveRecord(int index);
    // Rows in the window (at most BufferCount).
    int RecordCount() const;
    int MoveBy(int distance);
    // Whether the data set is changing a row, and asking it to: with the source's
    // AutoEdit a browsing data set that can be modified starts editing. True when it is
    // editing afterwards.
    bool Editing() const;
    bool Edit();

protected:
    // Opened or closed; a newly opened data set may have new fields.
    virtual void ActiveChanged() { }
    virtual void DataSetChanged() { RecordChanged(nullptr); }
    // `distance`: how many rows the window itself moved.
    virtual void DataSetScrolled(int distance);
    virtual void RecordChanged(TField*) { }
    // Editing began or ended.
    virtual void EditingChanged() { }
    // A post is coming: write what the control holds into the field.
    virtual void UpdateData() { }

private:
    friend class TDataSource;
    void DataEvent(TDataEvent event, int info);
    // The source goes away: the link lets go of it even while a container has fixed it,
    // since a fixed source must not outlive its component.
    void SourceDestroyed();
    // Keeps the current row inside the window and the window as full as the rows allow;
    // returns how far the window moved.
    int UpdateWindow();

    TDataSource* m_source = nullptr;
    bool m_sourceFixed = false;
    bool m_active = false;
    int m_bufferCount = 1;
    int m_first = 0;
};

// Row `index` of a link's window is the one the fields read while the scope lives
// (TDataLink::SetActiveRecord); the row they read before comes back when it ends, also
// when a handler reading the fields throws, so the fields never stay on a painted row.
class TActiveRecordScope {
public:
    TActiveRecordScope(TDataLink& link, int index)
        : m_link(link)
        , m_before(link.ActiveRecord())
    {
        link.SetActiveRecord(index);
    }
    ~TActiveRecordScope() { m_link.SetActiveRecord(m_before); }
    TActiveRecordScope(const TActiveRecordScope&) = delete;
    TActiveRecordScope& operator=(const TActiveRecordScope&) = delete;

private:
    TDataLink& m_link;
    const int m_before;
};

// A link to one field, the way a data-aware text uses it.
class TFieldDataLink : public TDataLink {
public:
    const QString& FieldName() const { return m_fieldName; }
    void SetFieldName(const QString& name);
    // The field while the data set is active and has it; otherwise nullptr.
    TField* Field() const { return m_field; }

    std::function<void()> OnDataChange;
    std::function<void()> OnActiveChange;
    std::function<void()> OnEditingChange;
    std::function<void()> OnUpdateData;

protected:
    void ActiveChanged() override;
    void RecordChanged(TField* field) override;
    void EditingChanged() override;
    void UpdateData() override;

private:
    void UpdateField();
    void DataChanged();

    QString m_fieldName;
    TField* m_field = nullptr;
};
