#include "TestEnv.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

namespace testenv {

QString sourceDir() { return qEnvironmentVariable("QUIRA_SOURCE_DIR", QStringLiteral(".")); }
QString buildDir() { return qEnvironmentVariable("QUIRA_BUILD_DIR", QStringLiteral(".")); }

void onNextModal(std::function<void(QWidget*)> answer, int timeoutMs)
{
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, answer, timeoutMs]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            timer->stop();
            answer(modal);
        } else if (clock->elapsed() < timeoutMs) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        delete clock;
    });
    timer->start();
}

bool waitFor(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        // Objects released outside any event loop (as tests do) are freed here too.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return done();
}

} // namespace testenv
