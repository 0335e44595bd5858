#include "WebBrowser.h"

#include "app/WebEngine.h"

#include <QUrl>

TWebBrowser::TWebBrowser(QObject* owner)
    : TControl(owner)
    , m_view(StartWebEngine()(this))
{
    // The view takes the focus for the control: keys typed while it has it belong to
    // the page, as in any browser.
    setFocusProxy(m_view);
    SetTabStop(true);
    m_view->setGeometry(rect());
}

TWebBrowser::~TWebBrowser()
{
    // The view, its page and with them the page's render process end with the control,
    // also while the page still loads.
    delete m_view;
}

void TWebBrowser::Navigate(const QString& url)
{
    m_location = url;
    m_view->setProperty("url", QUrl(url));
}

void TWebBrowser::WndProc(TMessage& message)
{
    // Enter and Esc typed into the page are the page's (a form, a video, a dialog of the
    // site), never the window's default or cancel key.
    if (message.Msg == msg::WM_GETDLGCODE) {
        message.Result = dlgc::DLGC_WANTALLKEYS;
        return;
    }
    TControl::WndProc(message);
}

void TWebBrowser::resizeEvent(QResizeEvent* event)
{
    TControl::resizeEvent(event);
    m_view->setGeometry(rect());
}
