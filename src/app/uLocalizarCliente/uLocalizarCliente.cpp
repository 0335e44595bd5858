#include "uLocalizarCliente.h"

#include "app/uDM/uDM.h"
#include "framework/declared/DeclaredLoader.h"
#include "platform/Keys.h"
#include "skin/controls/vnSkinBoxCtrls/SkinEdit.h"
#include "skin/controls/vnSkinCtrls/Button.h"
#include "skin/controls/vndbctrls/DBCtrlGrid.h"

TfrmLocalizar::TfrmLocalizar(QObject* owner)
    : TForm(owner)
{
    declared::LoadRoot(this, QStringLiteral(":/forms/uLocalizarCliente.dfm"));
    BIND_DECLARED_FIELDS(TFRMLOCALIZAR_FIELDS)
}

QString TfrmLocalizar::SearchPattern(const QString& typed)
{
    QString text = typed;
    const qsizetype blank = text.indexOf(u' ');
    if (blank >= 0) text[blank] = u'%';
    return u'%' + text + u'%';
}

void TfrmLocalizar::edtLocalizarClick(QObject*) { DM->SearchEvents(SearchPattern(EdtEvento->Text())); }

void TfrmLocalizar::EdtEventoKeyDown(QObject*, int& Key, TShiftState)
{
    // Two independent tests, and the key goes on to the edit either way.
    if (Key == vk::VK_RETURN) edtLocalizarClick(EdtEvento);
    if (Key == vk::VK_DOWN) gdNova->setFocus();
}

void TfrmLocalizar::gdNovaKeyDown(QObject*, int& Key, TShiftState)
{
    if (Key == vk::VK_RETURN) Choose();
}

void TfrmLocalizar::gdNovaDblClick(QObject*) { Choose(); }

void TfrmLocalizar::Choose()
{
    // The close request sets Cancel; the choice then takes its place, so the window
    // ends with Yes even when the list is empty.
    Close();
    SetModalResult(mrYes);
}
