#pragma once
// The transfer's report window, shown instead of the success message whenever a chosen
// photo is not in its edit folder: what each category did, the photos not found and the
// failures with their reasons. The report can be saved as a text file beside the edit
// folders; nothing there is ever replaced.
#include "ReportText.h"
#include "framework/Form.h"
#include "framework/declared/DeclaredFields.h"

class TListBox;
class TvnSkinButton;
class TvnSkinStdLabel;

#define TFRMRELATORIO_FIELDS(FIELD)                                                                          \
    FIELD(TvnSkinStdLabel, lbResumo)                                                                         \
    FIELD(TListBox, lstRelatorio)                                                                            \
    FIELD(TvnSkinStdLabel, lbSalvo)                                                                          \
    FIELD(TvnSkinButton, btnSalvar)                                                                          \
    FIELD(TvnSkinButton, btnFechar)

class TfrmRelatorio : public TForm {
    Q_OBJECT
public:
    TfrmRelatorio(QObject* owner, TReportInput input);

    // Where the last save put the report, or empty.
    QString SavedPath() const { return m_savedPath; }

    DECLARED_FIELDS(TFRMRELATORIO_FIELDS)

public slots:
    void btnSalvarClick(QObject* Sender);

private:
    TReportInput m_input;
    QStringList m_lines;
    QString m_savedPath;
};
