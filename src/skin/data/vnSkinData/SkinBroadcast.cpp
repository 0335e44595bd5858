// The skin notifications reach the forms through their window procedures, so a frame
// that hooked its form sees them before the form does.
#include "SkinData.h"
#include "framework/Application.h"
#include "framework/Form.h"

#include <QPointer>

void TvnSkinData::BroadcastSkinMessage(UINT msg)
{
    const auto store = reinterpret_cast<WPARAM>(this);
    TForm* ownerForm = qobject_cast<TForm*>(OwnerObject());
    if (ownerForm) ownerForm->Perform(msg, store, kNotifyTag);
    // A handler may create or close forms; walk a snapshot and skip the ones gone.
    QList<QPointer<TForm>> forms;
    for (TForm* form : Screen()->Forms())
        forms.append(form);
    for (const QPointer<TForm>& form : forms)
        if (form && form != ownerForm) form->Perform(msg, store, kNotifyTag);
}
