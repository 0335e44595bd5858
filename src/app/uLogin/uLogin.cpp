#include "uLogin.h"

#include "app/uDM/uDM.h"
#include "framework/Application.h"
#include "framework/MessageBox.h"
#include "framework/declared/DeclaredLoader.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Edit.h"

TfrmLogin::TfrmLogin(QObject* owner)
    : TForm(owner)
{
    declared::LoadRoot(this, QStringLiteral(":/forms/uLogin.dfm"));
    BIND_DECLARED_FIELDS(TFRMLOGIN_FIELDS)
}

void TfrmLogin::btnLogarClick(QObject*)
{
    // The texts go as typed: the edits already made the login lower case and the
    // password upper case. A row with an empty login counts as no row.
    const TLoginResult login = DM->CheckLogin(edtNome->Text(), edtSenha->Text());
    if (login.Found) {
        DM->IdEmpresa = login.IdEmpresa;
        Logado = true;
        Close();
    } else {
        MessageDlg(QStringLiteral("Senha ou Login Inválido, verifique"), TMsgDlgType::mtError, mbOK);
    }
}

void TfrmLogin::FormKeyPress(QObject*, QChar& Key)
{
    // Enter moves on to the next control instead of reaching the one that has the
    // focus; on the button it has already pressed it.
    if (Key == QChar(13)) {
        Key = QChar();
        PostMessage(msg::WM_NEXTDLGCTL, 0, 0);
    }
}

void TfrmLogin::FormCloseQuery(QObject*, bool& CanClose)
{
    if (!Logado) Application()->Terminate();
    CanClose = true;
}
