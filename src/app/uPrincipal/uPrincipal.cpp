#include "uPrincipal.h"

#include "app/uDM/uDM.h"
#include "app/uLogin/uLogin.h"
#include "framework/Application.h"
#include "framework/declared/DeclaredLoader.h"

#include <memory>

TfrmPrincipal* frmPrincipal = nullptr;

namespace {
// Dialogs are released when their modal loop ends, whatever the outcome.
struct ReleaseOnExit {
    void operator()(TForm* form) const { form->Release(); }
};
} // namespace

TfrmPrincipal::TfrmPrincipal(QObject* owner)
    : TForm(owner)
{
    declared::LoadRoot(this, QStringLiteral(":/forms/uPrincipal.dfm"));
}

void TfrmPrincipal::FormShow(QObject*)
{
    if (m_handshakeDone) return;
    m_handshakeDone = true;
    bool loggedIn = false;
    {
        std::unique_ptr<TfrmLogin, ReleaseOnExit> login(new TfrmLogin(this));
        login->ShowModal();
        loggedIn = login->Logado;
    }
    // A close without login has told the application to end already.
    if (!loggedIn) return;
    const TCompany company = DM->LoadCompany();
    Application()->SetTitle(company.NomeFantazia);
    SetCaption(company.Razao);
}
