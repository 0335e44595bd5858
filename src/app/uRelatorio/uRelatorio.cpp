#include "uRelatorio.h"

#include "framework/MessageBox.h"
#include "framework/declared/DeclaredLoader.h"
#include "framework/stdctrls/ListBox.h"
#include "skin/controls/vnSkinCtrls/Button.h"
#include "skin/controls/vnSkinCtrls/StdLabel.h"

#include <QDateTime>

TfrmRelatorio::TfrmRelatorio(QObject* owner, TReportInput input)
    : TForm(owner)
    , m_input(std::move(input))
    , m_lines(ReportLines(m_input))
{
    declared::LoadRoot(this, QStringLiteral(":/forms/uRelatorio.dfm"));
    BIND_DECLARED_FIELDS(TFRMRELATORIO_FIELDS)
    lstRelatorio->SetItems(m_lines);
}

void TfrmRelatorio::btnSalvarClick(QObject*)
{
    QString error;
    const QString path = SaveReport(m_input.Root, m_lines, QDateTime::currentDateTime(), &error);
    if (path.isEmpty()) {
        MessageDlg(
            QStringLiteral("Não foi possível salvar o relatório: ") + error, TMsgDlgType::mtError, mbOK);
        return;
    }
    m_savedPath = path;
    lbSalvo->SetCaption(QStringLiteral("Relatório salvo em ") + path);
}
