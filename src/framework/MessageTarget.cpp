#include "MessageTarget.h"

#include <QCoreApplication>
#include <QTimerEvent>

QEvent::Type TPostedMessageEvent::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

TMessageTarget::TMessageTarget(QObject* self)
    : m_self(self)
{
    m_windowProc = [this](TMessage& m) { WndProc(m); };
}

void TMessageTarget::SetWindowProc(TWndMethod proc)
{
    m_windowProc = proc ? std::move(proc) : TWndMethod([this](TMessage& m) { WndProc(m); });
}

LRESULT TMessageTarget::Perform(UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage m { msg, wParam, lParam, 0 };
    m_windowProc(m);
    return m.Result;
}

void TMessageTarget::PostMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    QCoreApplication::postEvent(m_self, new TPostedMessageEvent(TMessage { msg, wParam, lParam, 0 }));
}

void TMessageTarget::SetTimer(WPARAM id, int ms)
{
    KillTimer(id);
    const int qtId = m_self->startTimer(ms);
    m_timers.insert(id, qtId);
    m_timerIds.insert(qtId, id);
}

void TMessageTarget::KillTimer(WPARAM id)
{
    auto it = m_timers.find(id);
    if (it == m_timers.end()) return;
    m_self->killTimer(it.value());
    m_timerIds.remove(it.value());
    m_timers.erase(it);
}

void TMessageTarget::WndProc(TMessage&) { }

bool TMessageTarget::HandleMessageEvent(QEvent* event)
{
    if (event->type() == TPostedMessageEvent::EventType()) {
        TMessage m = static_cast<TPostedMessageEvent*>(event)->message;
        m_windowProc(m);
        return true;
    }
    if (event->type() == QEvent::Timer) {
        auto it = m_timerIds.constFind(static_cast<QTimerEvent*>(event)->timerId());
        if (it == m_timerIds.constEnd()) return false;
        Perform(msg::WM_TIMER, it.value(), 0);
        return true;
    }
    return false;
}
