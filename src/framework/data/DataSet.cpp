#include "DataSet.h"

#include "DataSource.h"
#include "framework/Exception.h"

TDataSet::TDataSet(QObject* owner)
    : TComponent(owner)
{
}

TDataSet::~TDataSet()
{
    // The sources are told here, while this is still a data set; by the time QObject
    // announces the destruction only a QObject is left.
    const auto sources = m_sources;
    for (const auto& source : sources)
        if (source) source->DataSetDestroyed(this);
}

void TDataSet::SetActive(bool active)
{
    if (IsLoading()) {
        // Declared data may open a data set before its connection or provider is set.
        m_openWhenLoaded = active;
        return;
    }
    if (active)
        Open();
    else
        Close();
}

void TDataSet::Loaded()
{
    TComponent::Loaded();
    if (m_openWhenLoaded) {
        m_openWhenLoaded = false;
        Open();
    }
}

void TDataSet::Open()
{
    if (Active()) return;
    QList<TFieldDef> defs;
    QList<TRow> rows;
    InternalOpen(defs, rows);
    BuildFields(defs);
    m_rows = std::move(rows);
    m_marks.clear();
    for (qsizetype i = 0; i < m_rows.size(); ++i)
        m_marks.append(m_nextMark++);
    m_editBuffer.clear();
    m_modified = false;
    m_current = m_rows.isEmpty() ? -1 : 0;
    m_activeRow = -1;
    m_bof = true;
    m_eof = m_rows.isEmpty();
    m_state = db::dsBrowse;
    DataEvent(TDataEvent::ActiveChange);
}

void TDataSet::Close()
{
    if (!Active()) return;
    InternalClose();
    // Edits in progress go with the rows.
    m_editBuffer.clear();
    m_modified = false;
    m_rows.clear();
    m_marks.clear();
    m_current = -1;
    m_activeRow = -1;
    m_bof = m_eof = true;
    m_state = db::dsInactive;
    DataEvent(TDataEvent::ActiveChange);
}

// Fields survive a reopen with the same columns, so controls may keep pointing at them;
// a different column list replaces them all.
void TDataSet::BuildFields(const QList<TFieldDef>& defs)
{
    if (defs == FieldDefs()) return;
    m_fields.clear();
    m_fields.reserve(defs.size());
    for (int i = 0; i < defs.size(); ++i) {
        m_fields.push_back(std::make_unique<TField>(this, defs.at(i), i));
        InitField(*m_fields.back());
    }
}

QList<TFieldDef> TDataSet::FieldDefs() const
{
    QList<TFieldDef> defs;
    defs.reserve(static_cast<qsizetype>(m_fields.size()));
    for (const auto& f : m_fields)
        defs.append(f->Def());
    return defs;
}

TField* TDataSet::Field(int index) const
{
    return index >= 0 && index < FieldCount() ? m_fields[static_cast<size_t>(index)].get() : nullptr;
}

TField* TDataSet::FindField(const QString& name) const
{
    for (const auto& f : m_fields)
        if (f->FieldName().compare(name, Qt::CaseInsensitive) == 0) return f.get();
    return nullptr;
}

TField& TDataSet::FieldByName(const QString& name)
{
    if (TField* f = FindField(name)) return *f;
    if (Active()) throw Exception(QStringLiteral("%1: Field '%2' not found").arg(Name(), name));
    auto& absent = m_absentFields[name.toLower()];
    if (!absent) absent = std::make_shared<TField>(this, TFieldDef { name, db::ftUnknown, 0, false }, -1);
    return *absent;
}

QVariant TDataSet::ActiveValue(int column) const
{
    const int row = ActiveRow();
    if (!Active() || row < 0 || row >= m_rows.size()) return {};
    if (Editing() && row == m_current) return m_editBuffer.value(column);
    return m_rows.at(row).value(column);
}

void TDataSet::First()
{
    if (!Active()) return;
    CheckBrowseMode();
    m_bof = true;
    m_eof = m_rows.isEmpty();
    if (!m_rows.isEmpty()) MoveTo(0);
}

void TDataSet::Last()
{
    if (!Active()) return;
    CheckBrowseMode();
    m_eof = true;
    m_bof = m_rows.isEmpty();
    if (!m_rows.isEmpty()) MoveTo(RecordCount() - 1);
}

int TDataSet::MoveBy(int distance)
{
    if (!Active() || distance == 0) return 0;
    CheckBrowseMode();
    if ((distance > 0 && m_eof) || (distance < 0 && m_bof)) return 0;
    m_bof = m_eof = false;
    const qint64 wanted = qint64(m_current) + distance;
    const int target = static_cast<int>(qBound(qint64(0), wanted, qint64(RecordCount() - 1)));
    if (wanted > target) m_eof = true;
    if (wanted < target) m_bof = true;
    const int moved = target - m_current;
    MoveTo(target);
    return moved;
}

void TDataSet::SetRecNo(int recNo)
{
    if (!Active() || m_rows.isEmpty()) return;
    CheckBrowseMode();
    if (m_rows.isEmpty()) return;
    m_bof = m_eof = false;
    MoveTo(qBound(0, recNo - 1, RecordCount() - 1));
}

void TDataSet::MoveTo(int row)
{
    const int distance = row - m_current;
    m_current = row;
    m_activeRow = -1;
    if (distance != 0) DataEvent(TDataEvent::DataSetScroll, distance);
}

void TDataSet::AddDataSource(TDataSource* source)
{
    if (!m_sources.contains(source)) m_sources.append(source);
}

void TDataSet::RemoveDataSource(TDataSource* source) { m_sources.removeAll(source); }

void TDataSet::DataEvent(TDataEvent event, int info)
{
    const auto sources = m_sources;
    for (const auto& source : sources)
        if (source) source->DataEvent(event, info);
}

// ---- Editing in memory -----------------------------------------------------------------------

void TDataSet::CheckEditable() const
{
    if (!Active())
        throw Exception(QStringLiteral("%1: Cannot perform this operation on a closed dataset").arg(Name()));
    if (!CanModify()) throw Exception(QStringLiteral("%1: Cannot modify a read-only dataset").arg(Name()));
}

void TDataSet::Edit()
{
    if (Editing()) return;
    CheckEditable();
    if (m_rows.isEmpty()) return Insert();
    m_editBuffer = m_rows.at(m_current);
    m_modified = false;
    m_state = db::dsEdit;
    DataEvent(TDataEvent::StateChange);
}

void TDataSet::Insert() { AddRow(m_current < 0 ? 0 : m_current, false); }

void TDataSet::Append() { AddRow(RecordCount(), true); }

void TDataSet::AddRow(int at, bool append)
{
    CheckBrowseMode();
    CheckEditable();
    if (append) at = RecordCount();
    const TRow blank(FieldCount());
    m_rows.insert(at, blank);
    m_marks.insert(at, m_nextMark++);
    m_editBuffer = blank;
    m_modified = false;
    m_current = at;
    m_activeRow = -1;
    m_bof = false;
    // A row appended stands at the end: moving on from it moves nowhere.
    m_eof = append;
    m_state = db::dsInsert;
    DataEvent(TDataEvent::DataSetChange);
    DataEvent(TDataEvent::StateChange);
}

void TDataSet::SetFieldValue(int column, const QVariant& value)
{
    if (!Editing()) throw Exception(QStringLiteral("%1: Dataset not in edit or insert mode").arg(Name()));
    if (column < 0 || column >= m_editBuffer.size()) return;
    m_editBuffer[column] = value;
    m_modified = true;
    DataEvent(TDataEvent::RecordChange, column);
}

void TDataSet::Post()
{
    if (!Editing()) return;
    // Controls holding an edit write it into their fields first.
    DataEvent(TDataEvent::UpdateRecord);
    // A value read as an empty text stays a value; a field cleared (or never set) has none.
    for (const auto& f : m_fields)
        if (f->Required() && m_editBuffer.value(f->Index()).isNull())
            throw Exception(QStringLiteral("Field '%1' must have a value").arg(f->FieldName()));
    m_rows[m_current] = m_editBuffer;
    LeaveEditing();
}

void TDataSet::Cancel()
{
    if (!Editing()) return;
    if (m_state == db::dsInsert) {
        m_rows.removeAt(m_current);
        m_marks.removeAt(m_current);
        // The row that stood there before the insert is current again.
        m_current = std::min(m_current, RecordCount() - 1);
        m_eof = m_rows.isEmpty();
        m_bof = m_rows.isEmpty();
    }
    LeaveEditing();
}

void TDataSet::LeaveEditing()
{
    m_editBuffer.clear();
    m_modified = false;
    m_activeRow = -1;
    m_state = db::dsBrowse;
    DataEvent(TDataEvent::DataSetChange);
    DataEvent(TDataEvent::StateChange);
}

void TDataSet::Delete()
{
    if (m_state == db::dsInsert) return Cancel();
    if (!Active())
        throw Exception(QStringLiteral("%1: Cannot perform this operation on a closed dataset").arg(Name()));
    if (m_rows.isEmpty())
        throw Exception(QStringLiteral("%1: Cannot perform this operation on an empty dataset").arg(Name()));
    CheckEditable();
    const bool wasEditing = Editing();
    m_rows.removeAt(m_current);
    m_marks.removeAt(m_current);
    m_current = std::min(m_current, RecordCount() - 1);
    m_bof = m_current <= 0;
    m_eof = m_rows.isEmpty();
    m_editBuffer.clear();
    m_modified = false;
    m_activeRow = -1;
    m_state = db::dsBrowse;
    DataEvent(TDataEvent::DataSetChange);
    if (wasEditing) DataEvent(TDataEvent::StateChange);
}

void TDataSet::CheckBrowseMode()
{
    if (!Editing()) return;
    DataEvent(TDataEvent::UpdateRecord);
    if (m_modified)
        Post();
    else
        Cancel();
}

TDataSet::TBookmark TDataSet::Bookmark() const
{
    return Active() && m_current >= 0 && m_current < m_marks.size() ? m_marks.at(m_current) : 0;
}

TDataSet::TBookmark TDataSet::ActiveBookmark() const
{
    const int row = ActiveRow();
    return Active() && row >= 0 && row < m_marks.size() ? m_marks.at(row) : 0;
}

int TDataSet::RowOfBookmark(TBookmark bookmark) const
{
    return bookmark == 0 ? -1 : static_cast<int>(m_marks.indexOf(bookmark));
}

bool TDataSet::GotoBookmark(TBookmark bookmark)
{
    CheckBrowseMode();
    const int row = RowOfBookmark(bookmark);
    if (row < 0) return false;
    m_bof = m_eof = false;
    MoveTo(row);
    return true;
}
