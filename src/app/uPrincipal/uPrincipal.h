#pragma once
// The main window. When first shown it runs the login handshake; the company's names
// then become the application title and the window's caption.
#include "framework/Form.h"

class TfrmPrincipal : public TForm {
    Q_OBJECT
public:
    explicit TfrmPrincipal(QObject* owner);

public slots:
    void FormShow(QObject* Sender);

private:
    bool m_handshakeDone = false;
};

// The one main window, as the other windows and the data module refer to it.
extern TfrmPrincipal* frmPrincipal;
