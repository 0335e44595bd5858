// The main window's transfer: the folder choice, the checks, and the transfer of every
// checked category, with progress and an honest account at the end.
#include "app/uDM/uDM.h"
#include "app/uPrincipal/uPrincipal.h"
#include "app/uProgresso/uProgresso.h"
#include "app/uRelatorio/uRelatorio.h"
#include "framework/Application.h"
#include "framework/MessageBox.h"
#include "framework/data/ClientDataSet.h"
#include "framework/data/Field.h"
#include "framework/stdctrls/ListBox.h"
#include "skin/controls/vnSkinBoxCtrls/SkinEdit.h"
#include "skin/controls/vnSkinCtrls/CheckRadioBox.h"
#include "skin/controls/vnSkinCtrls/StdLabel.h"
#include "skin/controls/vnSkinShellCtrls/SelDirDlg.h"
#include "skin/controls/vnSkinTabs/SkinPageControl.h"
#include "skin/controls/vnSkinTabs/SkinTabSheet.h"

#include <QDir>
#include <memory>

namespace {

// Read from the rows themselves: walking the list would move its current row through
// every name, and the photo grid would follow each move on the screen.
QStringList ChosenNames(TClientDataSet* list)
{
    QStringList names;
    if (!list->Active()) return names;
    const int column = list->FieldByName(QStringLiteral("nome_foto")).Index();
    names.reserve(list->Rows().size());
    for (const TRow& row : list->Rows())
        names.append(row.at(column).isNull() ? QString() : row.at(column).toString());
    return names;
}

// A root the edit folders would clutter: the file system's own, or the home folder
// itself (a slip in the folder dialog, more likely than a choice).
bool IsBroadRoot(const QString& root)
{
    const QString path = QDir(root).canonicalPath();
    return path == QDir::rootPath() || path == QDir(QDir::homePath()).canonicalPath();
}

} // namespace

void TfrmPrincipal::vnSkinButton3Click(QObject*)
{
    if (!vnSkinSelectDirectoryDialog1->Execute()) return;
    edtSalvarEM->SetText(vnSkinSelectDirectoryDialog1->Directory());
    lbDiretorio->SetCaption(edtSalvarEM->Text());
}

void TfrmPrincipal::btnTransferirFotoClick(QObject*)
{
    const QString root = edtSalvarEM->Text();
    if (root.isEmpty()) {
        MessageDlg(
            QStringLiteral("Selecione uma diretório antes de proceguir"), TMsgDlgType::mtInformation, mbYes);
        return;
    }
    bool anyChecked = false;
    for (const TCategoryControls& c : m_categories)
        anyChecked = anyChecked || c.CheckBox->Checked();
    if (!anyChecked) {
        MessageDlg(QStringLiteral("Selecione uma das opções para salvar as fotos"),
            TMsgDlgType::mtInformation, mbYes);
        return;
    }
    // Enter and Esc both keep the folder from being written to.
    if (IsBroadRoot(root)
        && MessageDlg(QStringLiteral("As pastas de edição serão criadas diretamente em \"%1\". "
                                     "Deseja transferir as fotos para esta pasta?")
                          .arg(root),
               TMsgDlgType::mtConfirmation, mbYes | mbNo, mbNo)
            != mrYes)
        return;

    // The grids may still show an earlier event's list after an empty result was
    // chosen; copying that list would put another client's photos in the edit folders.
    if (CurrentEventId() == 0) {
        MessageDlg(
            QStringLiteral("Nenhum cliente selecionado: localize o cliente e escolha o evento antes de "
                           "transferir as fotos. Nenhuma foto foi copiada."),
            TMsgDlgType::mtInformation, mbOK);
        return;
    }

    // The lists are loaded on this thread, in tab order, each category's tab made
    // active in turn; a database failure ends the loading there, and what was loaded
    // before it is still transferred.
    TReportInput input;
    input.Root = root;
    QList<TCategoryRequest> requests;
    QStringList notReached;
    for (const TCategoria& c : Categorias) {
        const TCategoryControls& controls = m_categories.at(c.TabIndex);
        if (!controls.CheckBox->Checked()) continue;
        if (!input.LoadError.isEmpty()) {
            notReached.append(c.TabCaption.toString());
            continue;
        }
        try {
            pstFotos->SetTabIndex(c.TabIndex);
            CarregarFotosEscolhidas(CurrentEventId(), c.IdLocal);
        } catch (const std::exception& error) {
            input.LoadError = QString::fromUtf8(error.what());
            notReached.append(c.TabCaption.toString());
            continue;
        }
        requests.append({ c.Pasta.toString(), ChosenNames(DM->cdsFotoEscolhida) });
        input.Captions.append(c.TabCaption.toString());
    }
    input.NotReached = notReached.join(QStringLiteral(", "));

    if (!requests.isEmpty()) {
        TModalForm<TfrmProgresso> progress(new TfrmProgresso(this));
        input.Report = progress->Run(root, requests, input.Captions);
        ListBoxDiretorio->SetItems(input.Report.Folders);
        ListBoxCienteSelecionou->SetItems(input.Report.RootPhotos);
        lbQtoFotos->SetCaption(QString::number(ListBoxCienteSelecionou->Count()));
    }
    if (!input.LoadError.isEmpty()) Application()->ShowException(input.LoadError);
    if (TransferComplete(input)) {
        MessageDlg(QStringLiteral("Fotos Transferida com sucesso"), TMsgDlgType::mtInformation, mbOK);
        return;
    }
    TModalForm<TfrmRelatorio> report(new TfrmRelatorio(this, std::move(input)));
    report->ShowModal();
}
