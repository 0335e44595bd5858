#pragma once
// The client search window: finds the company's events whose search text contains what
// was typed and lets the user choose one. The results live in the data module's event
// table and outlive the window; the window only reports, through its modal result Yes,
// that the table's current row is the choice.
#include "framework/Form.h"
#include "framework/declared/DeclaredFields.h"

class TvnSkinDBCtrlGrid;
class TvnSkinEdit;
class TvnSkinButton;

#define TFRMLOCALIZAR_FIELDS(FIELD)                                                                          \
    FIELD(TvnSkinEdit, EdtEvento) FIELD(TvnSkinButton, edtLocalizar) FIELD(TvnSkinDBCtrlGrid, gdNova)

class TfrmLocalizar : public TForm {
    Q_OBJECT
public:
    explicit TfrmLocalizar(QObject* owner);

    // The LIKE pattern for a typed text: its first blank (only the first) becomes "%",
    // and the whole is wrapped in "%". Case and every other character are kept, so "%"
    // and "_" typed by the user stay wildcards.
    static QString SearchPattern(const QString& typed);

    DECLARED_FIELDS(TFRMLOCALIZAR_FIELDS)

public slots:
    void edtLocalizarClick(QObject* Sender);
    void EdtEventoKeyDown(QObject* Sender, int& Key, TShiftState Shift);
    void gdNovaKeyDown(QObject* Sender, int& Key, TShiftState Shift);
    void gdNovaDblClick(QObject* Sender);

private:
    void Choose();
};
