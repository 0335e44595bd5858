#pragma once
// The transfer's report as the clerk reads it and as it is saved beside the edit
// folders: per category the numbers copied, already there, not found, failed and not
// reached, then the names not found and the failures with their reasons.
#include "app/transfer/TransferReport.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

struct TReportInput {
    QString Root;
    TTransferReport Report;
    QStringList Captions; // the categories' tab captions, in the report's order
    QString LoadError; // a database failure that ended the transfer early, or empty
    QString NotReached; // the captions of the categories it left out, "Outros, Capa"
};

// True when every chosen photo of every category was copied or was already there, and
// nothing ended the transfer early: only then is the plain success message right.
bool TransferComplete(const TReportInput& input);

// The report's lines, ready to show and to save.
QStringList ReportLines(const TReportInput& input);

// Writes `lines` as a UTF-8 text file into the root's "Edicao" folder under a name no
// earlier report has ("Relatorio_Transferencia_<date>_<time>.txt", then "..._2.txt",
// ...); an existing file is never replaced. Returns the path written; on failure
// returns an empty text and sets `error` to the reason.
QString SaveReport(const QString& root, const QStringList& lines, const QDateTime& when, QString* error);
