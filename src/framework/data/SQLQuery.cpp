#include "SQLQuery.h"

#include "SQLConnection.h"
#include "SqlParams.h"
#include "framework/Exception.h"

#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// The server sends text in UTF-8 (utf8mb4) and states column lengths in bytes of that
// character set: up to four bytes a character.
constexpr int kBytesPerCharacter = 4;

TFieldType FieldTypeOf(QMetaType type)
{
    switch (type.id()) {
    case QMetaType::Char:
    case QMetaType::UChar:
    case QMetaType::SChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
        return db::ftInteger;
    // 64-bit integers (counts, among others) and decimals do not fit an integer field;
    // they are exact decimals, read as their decimal text.
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return db::ftFMTBcd;
    case QMetaType::QDate:
        return db::ftDate;
    default:
        return db::ftString;
    }
}

TFieldDef FieldDefOf(const QSqlField& f)
{
    TFieldDef def;
    def.name = f.name();
    def.type = FieldTypeOf(f.metaType());
    def.size
        = def.type == db::ftString && f.length() > 0 ? static_cast<int>(f.length() / kBytesPerCharacter) : 0;
    def.required = f.requiredStatus() == QSqlField::Required;
    return def;
}

QVariant valueOf(const QVariant& v, TFieldType type)
{
    if (v.isNull()) return {};
    switch (type) {
    case db::ftInteger:
        return QVariant::fromValue<qint32>(v.toInt());
    case db::ftDate:
        return v.toDate();
    default:
        return v.toString();
    }
}

QSqlError run(QSqlQuery& q, const QString& sql, const QList<QVariant>& values, QList<TFieldDef>& defs,
    QList<TRow>& rows)
{
    q.setForwardOnly(true);
    // Decimals as text: an exact decimal never passes through a double.
    q.setNumericalPrecisionPolicy(QSql::HighPrecision);
    if (!q.prepare(sql)) return q.lastError();
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec()) return q.lastError();

    const QSqlRecord record = q.record();
    for (int i = 0; i < record.count(); ++i)
        defs.append(FieldDefOf(record.field(i)));
    while (q.next()) {
        TRow row;
        row.reserve(defs.size());
        for (int i = 0; i < defs.size(); ++i)
            row.append(valueOf(q.value(i), defs.at(i).type));
        rows.append(std::move(row));
    }
    return q.lastError();
}

} // namespace

TSQLQuery::TSQLQuery(QObject* owner)
    : TDataSet(owner)
    , m_params(new TParams(this))
{
}

TSQLQuery::~TSQLQuery()
{
    if (m_connection) m_connection->QueryClosed(this);
}

void TSQLQuery::SetSQLConnection(TSQLConnection* connection)
{
    if (connection == m_connection) return;
    Close();
    m_connection = connection;
    if (m_connection) FreeNotification(m_connection);
}

void TSQLQuery::SetSQL(const QStringList& lines)
{
    Close();
    m_sql = lines;
    m_parsed = ParseSqlParams(SQLText());
}

void TSQLQuery::Notification(QObject* component, TOperation operation)
{
    TDataSet::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_connection) m_connection = nullptr;
}

void TSQLQuery::InternalOpen(QList<TFieldDef>& defs, QList<TRow>& rows)
{
    if (!m_connection) throw Exception(QStringLiteral("%1: Missing SQLConnection property").arg(Name()));
    QList<QVariant> values;
    values.reserve(m_parsed.names.size());
    for (const QString& name : m_parsed.names) {
        const TParam* p = m_params->FindParam(name);
        if (!p || p->IsNull()) throw Exception(QStringLiteral("No value for parameter '%1'").arg(name));
        values.append(p->Value());
    }
    m_connection->Open();
    auto statement = std::make_unique<QSqlQuery>(m_connection->Database());
    const QSqlError error = run(*statement, m_parsed.text, values, defs, rows);
    // The statement is gone before an error is raised, as raising may close the connection.
    if (error.isValid()) {
        statement.reset();
        m_connection->RaiseError(error);
    }
    m_statement = std::move(statement);
    m_connection->QueryOpened(this);
}

void TSQLQuery::InternalClose()
{
    m_statement.reset();
    if (m_connection) m_connection->QueryClosed(this);
}
