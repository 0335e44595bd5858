#pragma once
// Finds the ":name" parameters of an SQL text and turns them into the driver's "?"
// placeholders, so values always travel as bound parameters and never as SQL.
#include <QString>
#include <QStringList>

struct TParsedSql {
    QString text; // the SQL with every parameter replaced by "?"
    QStringList names; // the parameter of each "?", in order (a name may repeat)
};

// Quoted strings, quoted identifiers and comments are copied unchanged; ":=" is MySQL's
// assignment, not a parameter.
TParsedSql ParseSqlParams(const QString& sql);
