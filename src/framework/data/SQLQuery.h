#pragma once
// A query on a TSQLConnection: SQL lines joined with line breaks, ":name" parameters
// always bound (never pasted into the text). Opening runs it and holds every row of the
// result, positioned on the first one.
#include "DataSet.h"
#include "Params.h"
#include "SqlParams.h"

#include <QStringList>
#include <memory>

class QSqlQuery;

class TSQLConnection;

class TSQLQuery : public TDataSet {
    Q_OBJECT
    Q_PROPERTY(TSQLConnection* SQLConnection READ SQLConnection WRITE SetSQLConnection)
    Q_PROPERTY(QStringList SQL READ SQL WRITE SetSQL)
    Q_PROPERTY(TParams* Params READ Params)
public:
    explicit TSQLQuery(QObject* owner = nullptr);
    ~TSQLQuery() override;

    TSQLConnection* SQLConnection() const { return m_connection; }
    void SetSQLConnection(TSQLConnection* connection);
    const QStringList& SQL() const { return m_sql; }
    // Changing the text closes the query.
    void SetSQL(const QStringList& lines);
    // The text sent to the server, before the parameters become placeholders.
    QString SQLText() const { return m_sql.join(u'\n'); }

    TParams* Params() const { return m_params; }
    // Raises Exception when there is no parameter of that name.
    TParam& ParamByName(const QString& name) const { return m_params->ParamByName(name); }

    void Notification(QObject* component, TOperation operation) override;

protected:
    void InternalOpen(QList<TFieldDef>& defs, QList<TRow>& rows) override;
    void InternalClose() override;

private:
    TSQLConnection* m_connection = nullptr;
    QStringList m_sql;
    // The text as the driver gets it, read once per text rather than at every open.
    TParsedSql m_parsed;
    TParams* m_params;
    // The server's statement, kept while the query is open: when the connection closes
    // first, the server drops it with the session and no message of its own is sent.
    std::unique_ptr<QSqlQuery> m_statement;
};
