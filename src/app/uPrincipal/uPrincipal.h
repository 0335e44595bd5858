#pragma once
// The main window. When first shown it runs the login handshake; the company's names
// then become the application title and the window's caption. From it the user finds a
// client's event, sees the photos chosen in each category with their counts, and
// transfers them into the edit folders.
#include "app/transfer/Categories.h"
#include "framework/Form.h"
#include "framework/declared/DeclaredFields.h"

#include <array>

class TListBox;
class TvnSkinButton;
class TvnSkinCheckRadioBox;
class TvnSkinMaskEdit;
class TvnSkinPageControl;
class TvnSkinSelectDirectoryDialog;
class TvnSkinStdLabel;
class TvnSkinTabSheet;

#define TFRMPRINCIPAL_FIELDS(FIELD)                                                                          \
    FIELD(TvnSkinPageControl, pstFotos)                                                                      \
    FIELD(TvnSkinButton, btnLocalizarCliente)                                                                \
    FIELD(TvnSkinButton, btnTransferirFoto)                                                                  \
    FIELD(TvnSkinButton, vnSkinButton3)                                                                      \
    FIELD(TvnSkinMaskEdit, edtSalvarEM)                                                                      \
    FIELD(TvnSkinStdLabel, lbDiretorio)                                                                      \
    FIELD(TvnSkinStdLabel, lbQtoFotos)                                                                       \
    FIELD(TListBox, ListBoxDiretorio)                                                                        \
    FIELD(TListBox, ListBoxCienteSelecionou)                                                                 \
    FIELD(TvnSkinSelectDirectoryDialog, vnSkinSelectDirectoryDialog1)

class TfrmPrincipal : public TForm {
    Q_OBJECT
public:
    explicit TfrmPrincipal(QObject* owner);

    DECLARED_FIELDS(TFRMPRINCIPAL_FIELDS)

    // The controls of each category, in the category table's order.
    struct TCategoryControls {
        TvnSkinTabSheet* Sheet = nullptr;
        TvnSkinCheckRadioBox* CheckBox = nullptr;
        TvnSkinStdLabel* CountLabel = nullptr;
        TvnSkinStdLabel* QuantityLabel = nullptr;
        // Where the count label ends and the check box starts as the window declares them.
        int CountRight = 0;
        int CheckBoxLeft = 0;
    };
    const TCategoryControls& Category(int tabIndex) const { return m_categories.at(tabIndex); }

    // Puts `text` into the count label of the category on tab `tabIndex`. The label ends
    // just left of its check box and grows to the left; a count too wide for the room
    // left of the box stops at the group box's frame and moves the box to the right, so
    // that no digit is lost under the frame. A shorter count puts both back.
    void ShowCount(int tabIndex, const QString& text);

    // The chosen photos of category `IdLocal` of event `IdEvento` into the data module's
    // list, and its row count onto every tab. Nothing happens for event 0.
    void CarregarFotosEscolhidas(qint32 IdEvento, qint32 IdLocal);
    // The number of chosen photos per category of event `IdEvento` onto the tab captions
    // and beside the check boxes, each load starting from the bare captions.
    void CarregarQuantidades(qint32 IdEvento);

public slots:
    void FormShow(QObject* Sender);
    void btnLocalizarClienteClick(QObject* Sender);
    void pstFotosChange(QObject* Sender);
    void vnSkinDBGrid1DblClick(QObject* Sender);
    void vnSkinButton3Click(QObject* Sender);
    void btnTransferirFotoClick(QObject* Sender);

private:
    // The event the search last chose, 0 when none (or an empty result) was chosen.
    qint32 CurrentEventId() const;

    std::array<TCategoryControls, Categorias.size()> m_categories;
    bool m_handshakeDone = false;
};

// The one main window, as the other windows and the data module refer to it.
extern TfrmPrincipal* frmPrincipal;
