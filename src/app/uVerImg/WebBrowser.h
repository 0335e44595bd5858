#pragma once
// The embedded web browser control: a Chromium view (Qt WebEngine) that fills the
// control. The windows ask it for one thing only, to go to an address; what the page
// then does (loading, failing, showing the engine's own error page) is the engine's.
// The first control made starts the engine (StartWebEngine).
#include "framework/Control.h"

#include <QString>

class QWebEngineView;

class TWebBrowser : public TControl {
    Q_OBJECT
public:
    explicit TWebBrowser(QObject* owner = nullptr);
    ~TWebBrowser() override;

    // Starts loading `url` and returns at once.
    void Navigate(const QString& url);

    // The address last asked for (empty before the first Navigate).
    QString LocationURL() const { return m_location; }
    // The engine's view; defined with the engine (app/web), so only a program linking the
    // engine library can ask for it.
    QWebEngineView* View() const;

protected:
    void WndProc(TMessage& message) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* m_view;
    QString m_location;
};
