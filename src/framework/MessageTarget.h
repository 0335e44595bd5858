#pragma once
// What forms and controls share: a window procedure that another component can save,
// replace and chain to ("hooking"), synchronous Perform, posted messages and
// window-message timers.
#include "platform/Messages.h"

#include <QEvent>
#include <QHash>
#include <QObject>
#include <functional>

using TWndMethod = std::function<void(TMessage&)>;

class TMessageTarget {
public:
    explicit TMessageTarget(QObject* self);
    virtual ~TMessageTarget() = default;

    // The procedure messages go through. A hook saves the current one, installs its
    // own, and calls the saved one to pass a message on.
    TWndMethod WindowProc() const { return m_windowProc; }
    void SetWindowProc(TWndMethod proc);

    // Delivers a message synchronously through WindowProc and returns its result.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    void Dispatch(TMessage& message) { m_windowProc(message); }

    // Queues a message for the event loop; it arrives through WindowProc.
    void PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

    // Window-message timers: WM_TIMER with the timer's id arrives every `ms`. Setting an
    // id again restarts it.
    void SetTimer(WPARAM id, int ms);
    void KillTimer(WPARAM id);
    bool HasTimer(WPARAM id) const { return m_timers.contains(id); }

    // The default handling of a message: the end of every chain.
    virtual void WndProc(TMessage& message);

protected:
    // Forms and controls call these from their QObject::event overrides.
    bool HandleMessageEvent(QEvent* event);

private:
    QObject* m_self;
    TWndMethod m_windowProc;
    QHash<WPARAM, int> m_timers; // our id -> Qt's timer id
    QHash<int, WPARAM> m_timerIds; // Qt's timer id -> our id
};

// The event that carries a posted message.
class TPostedMessageEvent : public QEvent {
public:
    static QEvent::Type EventType();
    explicit TPostedMessageEvent(const TMessage& message)
        : QEvent(EventType())
        , message(message)
    {
    }
    TMessage message;
};
