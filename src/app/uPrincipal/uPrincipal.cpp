#include "uPrincipal.h"

#include "app/uDM/uDM.h"
#include "app/uLocalizarCliente/uLocalizarCliente.h"
#include "app/uLogin/uLogin.h"
#include "app/uVerImg/uVerImg.h"
#include "framework/Application.h"
#include "framework/data/ClientDataSet.h"
#include "framework/data/Field.h"
#include "framework/declared/DeclaredLoader.h"
#include "framework/stdctrls/ListBox.h"
#include "skin/controls/vnSkinBoxCtrls/SkinEdit.h"
#include "skin/controls/vnSkinCtrls/Button.h"
#include "skin/controls/vnSkinCtrls/CheckRadioBox.h"
#include "skin/controls/vnSkinCtrls/StdLabel.h"
#include "skin/controls/vnSkinShellCtrls/SelDirDlg.h"
#include "skin/controls/vnSkinTabs/SkinPageControl.h"
#include "skin/controls/vnSkinTabs/SkinTabSheet.h"

#include <algorithm>
#include <memory>

TfrmPrincipal* frmPrincipal = nullptr;

TfrmPrincipal::TfrmPrincipal(QObject* owner)
    : TForm(owner)
{
    declared::LoadRoot(this, QStringLiteral(":/forms/uPrincipal.dfm"));
    BIND_DECLARED_FIELDS(TFRMPRINCIPAL_FIELDS)
    for (const TCategoria& c : Categorias) {
        TCategoryControls& controls = m_categories.at(c.TabIndex);
        controls.Sheet = ComponentByName<TvnSkinTabSheet>(QLatin1String(c.TabSheet));
        controls.CheckBox = ComponentByName<TvnSkinCheckRadioBox>(QLatin1String(c.CheckBox));
        controls.CountLabel = ComponentByName<TvnSkinStdLabel>(QLatin1String(c.CountLabel));
        controls.QuantityLabel = ComponentByName<TvnSkinStdLabel>(QLatin1String(c.QuantityLabel));
        controls.CountRight = controls.CountLabel->Left() + controls.CountLabel->Width();
        controls.CheckBoxLeft = controls.CheckBox->Left();
    }
}

void TfrmPrincipal::ShowCount(int tabIndex, const QString& text)
{
    // The group box's frame line stays clear of the text.
    constexpr int kFrameMargin = 2;
    const TCategoryControls& c = m_categories.at(tabIndex);
    TvnSkinStdLabel* label = c.CountLabel;
    label->SetLeft(c.CountRight - label->Width());
    label->SetCaption(text);
    const int shift = std::max(0, kFrameMargin - label->Left());
    label->SetLeft(label->Left() + shift);
    c.CheckBox->SetLeft(c.CheckBoxLeft + shift);
}

void TfrmPrincipal::FormShow(QObject*)
{
    if (m_handshakeDone) return;
    m_handshakeDone = true;
    bool loggedIn = false;
    {
        TModalForm<TfrmLogin> login(new TfrmLogin(this));
        login->ShowModal();
        loggedIn = login->Logado;
    }
    // A close without login has told the application to end already.
    if (!loggedIn) return;
    const TCompany company = DM->LoadCompany();
    Application()->SetTitle(company.NomeFantazia);
    SetCaption(company.Razao);
}

qint32 TfrmPrincipal::CurrentEventId() const { return DM->ChosenEventId(); }

void TfrmPrincipal::btnLocalizarClienteClick(QObject*)
{
    TModalForm<TfrmLocalizar> search(new TfrmLocalizar(this));
    // Only a choice changes the event: a search closed without one leaves the texts,
    // lists and counts of the event chosen before exactly as they were.
    if (search->ShowModal() != mrYes) return;
    DM->ChooseCurrentEvent();
    const qint32 idEvento = CurrentEventId();
    // The first category is loaded whatever tab is active; the tab stays as it is.
    CarregarFotosEscolhidas(idEvento, Categorias.front().IdLocal);
    CarregarQuantidades(idEvento);
    btnTransferirFoto->SetEnabled(true);
}

void TfrmPrincipal::CarregarFotosEscolhidas(qint32 IdEvento, qint32 IdLocal)
{
    if (IdEvento == 0) return;
    DM->LoadChosenPhotos(IdEvento, IdLocal);
    // Every tab shows the count of the list just loaded, whichever category it is.
    const QString count = QString::number(DM->cdsFotoEscolhida->RecordCount());
    for (const TCategoryControls& c : m_categories)
        c.QuantityLabel->SetCaption(count);
}

void TfrmPrincipal::CarregarQuantidades(qint32 IdEvento)
{
    DM->LoadCounts(IdEvento);
    for (const TCategoria& c : Categorias) {
        m_categories.at(c.TabIndex).Sheet->SetCaption(c.TabCaption.toString());
        ShowCount(c.TabIndex, QStringLiteral("(0)"));
    }
    TClientDataSet* counts = DM->cdsQtoFtosEscohidas;
    for (counts->First(); !counts->Eof(); counts->Next()) {
        const TCategoria* c = CategoriaPorId(counts->FieldByName(QStringLiteral("id_x9_local")).AsInteger());
        if (!c) continue;
        const QString qto = counts->FieldByName(QStringLiteral("qto")).AsString();
        const TCategoryControls& controls = m_categories.at(c->TabIndex);
        ShowCount(c->TabIndex, u'(' + qto + u')');
        controls.Sheet->SetCaption(controls.Sheet->Caption() + QStringLiteral(" (") + qto + u')');
    }
}

void TfrmPrincipal::pstFotosChange(QObject*)
{
    const int tab = pstFotos->TabIndex();
    if (tab < 0 || tab >= static_cast<int>(Categorias.size())) return;
    CarregarFotosEscolhidas(CurrentEventId(), Categorias.at(tab).IdLocal);
}

void TfrmPrincipal::vnSkinDBGrid1DblClick(QObject*)
{
    // A closed or empty list gives an empty id: the page then says there is no photo.
    const QString id = DM->cdsFotoEscolhida->FieldByName(QStringLiteral("id_foto_escolhida")).AsString();
    ShowPhotoPreview(this, id);
}
