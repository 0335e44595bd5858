#include "uVerImg.h"

#include "WebBrowser.h"
#include "framework/declared/DeclaredLoader.h"
#include "platform/Keys.h"

#include <QPointer>

#ifndef QUIRA_WEB_HOST
#error "QUIRA_WEB_HOST names the studio's web site (a build option)"
#endif

TfrmVerImg* frmVerImg = nullptr;

TfrmVerImg::TfrmVerImg(QObject* owner)
    : TForm(owner)
{
    declared::LoadRoot(this, QStringLiteral(":/forms/uVerImg.dfm"));
    BIND_DECLARED_FIELDS(TFRMVERIMG_FIELDS)
    // A dialog frame cannot be resized: the page always has the declared client area.
    setFixedSize(size());
}

void TfrmVerImg::FormKeyDown(QObject*, int& Key, TShiftState)
{
    if (Key == vk::VK_ESCAPE) Close();
}

QString PhotoPageUrl(const QString& idFotoEscolhida)
{
    return QStringLiteral("http://" QUIRA_WEB_HOST "/quira_desktop.php?id=") + idFotoEscolhida;
}

namespace {

// Gives the owner window its enabled state back and frees the preview, on every way
// out of ShowPhotoPreview.
struct PreviewScope {
    QPointer<QWidget> owner;
    bool ownerWasEnabled;
    TfrmVerImg* created = nullptr;
    // Empty when something else freed the window meanwhile.
    QPointer<TfrmVerImg> form;

    ~PreviewScope()
    {
        if (frmVerImg == created) frmVerImg = nullptr;
        delete form.data();
        if (owner) owner->setEnabled(ownerWasEnabled);
    }
};

} // namespace

int ShowPhotoPreview(QWidget* owner, const QString& idFotoEscolhida)
{
    PreviewScope scope { owner, owner ? owner->isEnabled() : true, nullptr, nullptr };
    scope.created = new TfrmVerImg(owner);
    scope.form = scope.created;
    frmVerImg = scope.created;
    frmVerImg->WebBrowser1->Navigate(PhotoPageUrl(idFotoEscolhida));
    if (owner) owner->setEnabled(false);
    return frmVerImg->ShowModal();
}
