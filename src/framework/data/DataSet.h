#pragma once
// The common part of every data set: the rows of a result held in memory, a current row
// with first/next navigation and end flags, the fields that read it, and the data
// sources that pass its changes on to data-aware controls.
//
// A subclass only says where the rows come from (InternalOpen). Rows may be changed,
// added and deleted in memory (Edit, Insert, Append, Post, Cancel, Delete) when the data
// set allows it (CanModify); nothing here ever writes back to where the rows came from.
#include "DataTypes.h"
#include "Field.h"
#include "framework/Component.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <memory>
#include <vector>

class TDataSource;

class TDataSet : public TComponent {
    Q_OBJECT
    Q_PROPERTY(bool Active READ Active WRITE SetActive)
public:
    explicit TDataSet(QObject* owner = nullptr);
    ~TDataSet() override;

    bool Active() const { return m_state != db::dsInactive; }
    void SetActive(bool active);
    // Opening fetches every row and makes the first one current.
    void Open();
    // Closing discards the rows; the field list stays, reading empty values.
    void Close();
    TDataSetState State() const { return m_state; }

    void First();
    void Last();
    void Next() { MoveBy(1); }
    void Prior() { MoveBy(-1); }
    // Moves the current row and returns how far it really moved. Trying to move past the
    // last row sets Eof, past the first row Bof.
    int MoveBy(int distance);
    bool Eof() const { return m_eof; }
    bool Bof() const { return m_bof; }
    bool IsEmpty() const { return m_rows.isEmpty(); }
    int RecordCount() const { return static_cast<int>(m_rows.size()); }
    // 1-based number of the current row; 0 when closed or empty.
    int RecNo() const { return m_current + 1; }
    void SetRecNo(int recNo);
    // Record numbers are always known: the rows are in memory.
    bool IsSequenced() const { return true; }

    // ---- Editing in memory ----
    // Whether the rows may be changed: an open data set that is not read-only.
    virtual bool CanModify() const { return Active(); }
    // Starts changing the current row (an empty data set gets a new row instead). Raises
    // Exception when the data set is closed or cannot be modified.
    void Edit();
    // A new, empty row before the current one (Insert) or after the last (Append); it
    // becomes current and stays until Post or Cancel.
    void Insert();
    void Append();
    // Keeps the changed or new row, after the data-aware controls have written their
    // edits into the fields; a required field without a value raises Exception and the
    // row stays being edited.
    void Post();
    // Drops the changes, or the new row.
    void Cancel();
    // Removes the current row (a new one is cancelled).
    void Delete();
    // Leaves editing before a move: a changed row is posted, an unchanged one cancelled.
    void CheckBrowseMode();
    bool Modified() const { return m_modified; }
    bool Editing() const { return m_state == db::dsEdit || m_state == db::dsInsert; }

    // A mark that finds a row again after others came or went; 0 for none.
    using TBookmark = quint64;
    TBookmark Bookmark() const;
    // The mark of the row the fields read (a buffered row while a link paints it).
    TBookmark ActiveBookmark() const;
    bool BookmarkValid(TBookmark bookmark) const { return RowOfBookmark(bookmark) >= 0; }
    // Makes the marked row current; false when it is gone.
    bool GotoBookmark(TBookmark bookmark);

    int FieldCount() const { return static_cast<int>(m_fields.size()); }
    TField* Field(int index) const;
    TField* FindField(const QString& name) const;
    // Raises Exception when an open data set has no such field. A closed one answers
    // with a field that reads empty, as it has no row to read anyway.
    TField& FieldByName(const QString& name);
    QList<TFieldDef> FieldDefs() const;
    const QList<TRow>& Rows() const { return m_rows; }

    // The row whose values the fields read: the current row, unless a data link is
    // painting another of its buffered rows (see TDataLink::SetActiveRecord).
    int ActiveRow() const { return m_activeRow >= 0 ? m_activeRow : m_current; }
    QVariant ActiveValue(int column) const;
    // Index of the current row, -1 when there is none.
    int CurrentRow() const { return m_current; }

protected:
    // Fills the field list and every row, or raises Exception.
    virtual void InternalOpen(QList<TFieldDef>& defs, QList<TRow>& rows) = 0;
    virtual void InternalClose() { }
    // Lets a subclass adjust a field (its display width, say) once it is created.
    virtual void InitField(TField&) { }
    void Loaded() override;

private:
    friend class TDataSource;
    friend class TDataLink;
    void AddDataSource(TDataSource* source);
    void RemoveDataSource(TDataSource* source);
    void SetActiveRow(int row) { m_activeRow = row; }
    friend class TField;
    // Sets a field of the row being edited; raises Exception when not editing.
    void SetFieldValue(int column, const QVariant& value);
    void CheckEditable() const;
    void AddRow(int at, bool append);
    int RowOfBookmark(TBookmark bookmark) const;
    void LeaveEditing();
    void BuildFields(const QList<TFieldDef>& defs);
    void MoveTo(int row);
    void DataEvent(TDataEvent event, int info = 0);

    TDataSetState m_state = db::dsInactive;
    std::vector<std::unique_ptr<TField>> m_fields;
    // Stand-ins handed out by FieldByName while closed, so references stay valid.
    mutable QHash<QString, std::shared_ptr<TField>> m_absentFields;
    QList<TRow> m_rows;
    // One mark per row, parallel to m_rows.
    QList<TBookmark> m_marks;
    TBookmark m_nextMark = 1;
    // The current row's values while it is being edited or inserted.
    TRow m_editBuffer;
    bool m_modified = false;
    int m_current = -1;
    int m_activeRow = -1;
    bool m_bof = true;
    bool m_eof = true;
    bool m_openWhenLoaded = false;
    QList<QPointer<TDataSource>> m_sources;
};
