// The browser engine's side of the web browser control, built as a library of its own
// (libquira_web.so) that the program loads on its first page (StartWebEngine): linking
// Qt WebEngine into the program would start the engine's OpenGL with every start-up.
#include "app/uVerImg/WebBrowser.h"

#include <QWebEngineView>

extern "C" Q_DECL_EXPORT QWidget* QuiraNewWebView(QWidget* parent) { return new QWebEngineView(parent); }

QWebEngineView* TWebBrowser::View() const { return static_cast<QWebEngineView*>(m_view); }
