#pragma once
// The login window: the first thing a user sees. A frameless picture with two edits
// and a button; it checks a login against the studio's user table and stores the
// user's company for every later query. Closing it without a login ends the program.
#include "framework/Form.h"
#include "framework/declared/DeclaredFields.h"

class TEdit;
class TButton;

#define TFRMLOGIN_FIELDS(FIELD) FIELD(TEdit, edtNome) FIELD(TEdit, edtSenha) FIELD(TButton, btnLogar)

class TfrmLogin : public TForm {
    Q_OBJECT
public:
    explicit TfrmLogin(QObject* owner);

    // Set by a successful login; read by the close rule and by the main window.
    bool Logado = false;

    DECLARED_FIELDS(TFRMLOGIN_FIELDS)

public slots:
    void btnLogarClick(QObject* Sender);
    void FormKeyPress(QObject* Sender, QChar& Key);
    void FormCloseQuery(QObject* Sender, bool& CanClose);
};
