#pragma once
// The photo preview window: the studio web site's page of one chosen photo, in a modal
// window with an embedded browser. It has the platform's own dialog frame (no skin).
// Each preview is a fresh window with a fresh browser; nothing is kept between them.
#include "framework/Form.h"
#include "framework/declared/DeclaredFields.h"

#include <QString>

class TWebBrowser;

#define TFRMVERIMG_FIELDS(FIELD) FIELD(TWebBrowser, WebBrowser1)

class TfrmVerImg : public TForm {
    Q_OBJECT
public:
    explicit TfrmVerImg(QObject* owner);

    DECLARED_FIELDS(TFRMVERIMG_FIELDS)

public slots:
    void FormKeyDown(QObject* Sender, int& Key, TShiftState Shift);
};

// The preview window while one is open, else nullptr.
extern TfrmVerImg* frmVerImg;

// The address of a chosen photo's page on the studio's web site, for the photo's
// id_foto_escolhida as text (empty when no row was current).
QString PhotoPageUrl(const QString& idFotoEscolhida);

// Opens the page of the chosen photo `idFotoEscolhida` in a new preview window owned by
// `owner`, modal, with `owner` disabled meanwhile; returns when the user closed it. The
// window and its browser are gone when this returns, also when opening failed (the
// error then reaches the caller). Returns the window's modal result.
int ShowPhotoPreview(QWidget* owner, const QString& idFotoEscolhida);
