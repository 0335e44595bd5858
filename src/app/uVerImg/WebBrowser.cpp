#include "WebBrowser.h"

#include <QUrl>
#include <QWebEngineView>

TWebBrowser::TWebBrowser(QObject* owner)
    : TControl(owner)
    , m_view(new QWebEngineView(this))
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
    m_view->setUrl(QUrl(url));
}

void TWebBrowser::resizeEvent(QResizeEvent* event)
{
    TControl::resizeEvent(event);
    m_view->setGeometry(rect());
}
