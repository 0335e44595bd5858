#include "MoveSizeLoop.h"

#include "FrameHitTest.h"
#include "WindowStates.h"
#include "framework/Form.h"
#include "platform/Desktop.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>
#include <utility>

namespace veneer {

namespace {

// How often the system's loop looks whether the button is up again (ms).
constexpr int kButtonPoll = 50;

// The WMSZ_* codes follow the sizing hit codes in the same order; a move reports the
// bottom-right corner.
WPARAM SizingEdge(LRESULT hit)
{
    return IsSizingCode(hit) ? WPARAM(hit - ht::HTLEFT) + msg::WMSZ_LEFT : msg::WMSZ_BOTTOMRIGHT;
}

TvnMinMaxInfo ToLimits(const TMinMaxInfo& info)
{
    return { QSize(info.MinTrackSize.X, info.MinTrackSize.Y),
        QSize(info.MaxTrackSize.X, info.MaxTrackSize.Y) };
}

} // namespace

TvnMoveSizeLoop::TvnMoveSizeLoop(TForm* form)
    : m_form(form)
    , m_buttonPoll(new QTimer(this))
{
    m_buttonPoll->setInterval(kButtonPoll);
    connect(m_buttonPoll, &QTimer::timeout, this, [this] {
        if (m_path == TvnPath::System && !platform::LeftButtonDown()) Finish();
    });
}

TvnMoveSizeLoop::~TvnMoveSizeLoop()
{
    if (m_path == TvnPath::Manual) QCoreApplication::instance()->removeEventFilter(this);
    if (!m_form) return;
    m_form->removeEventFilter(this);
    if (m_path == TvnPath::Manual) m_form->releaseMouse();
}

TMinMaxInfo TvnMoveSizeLoop::AskLimits(TForm& form)
{
    TMinMaxInfo info;
    info.MinTrackSize = { 1, 1 };
    info.MaxTrackSize = { QWIDGETSIZE_MAX, QWIDGETSIZE_MAX };
    form.Perform(msg::WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info;
}

bool TvnMoveSizeLoop::Start(LRESULT hit, QPoint pressedAt, QPoint now)
{
    if (!m_form || Running()) return false;
    if (hit != ht::HTCAPTION && !IsSizingCode(hit)) return false;
    QWindow* window = m_form->windowHandle();
    m_hit = hit;
    m_startCursor = pressedAt;
    m_startBounds = m_lastBounds = m_form->geometry();
    m_form->Perform(msg::WM_ENTERSIZEMOVE);

    // The window manager sizes within the window's size hints.
    const TMinMaxInfo limits = AskLimits(*m_form);
    m_limits = ToLimits(limits);
    const bool sizing = hit != ht::HTCAPTION;
    if (sizing) {
        m_form->setMinimumSize(limits.MinTrackSize.X, limits.MinTrackSize.Y);
        m_form->setMaximumSize(limits.MaxTrackSize.X, limits.MaxTrackSize.Y);
    }
    const bool bySystem = sizing ? window && window->startSystemResize(ht::SizingEdges(hit))
                                 : platform::StartWindowManagerMove(m_form, pressedAt);
    m_form->installEventFilter(this);
    if (bySystem) {
        m_path = TvnPath::System;
        m_buttonPoll->start();
    } else {
        if (sizing) {
            m_form->setMinimumSize(0, 0);
            m_form->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        }
        m_path = TvnPath::Manual;
        m_form->grabMouse();
        // Esc reaches whichever widget has the focus.
        QCoreApplication::instance()->installEventFilter(this);
        // The form catches up with the cursor's travel over the drag distance (the window
        // manager's move is told where the press was, and catches up itself).
        if (hit == ht::HTCAPTION && now != pressedAt) Track(now);
    }
    return true;
}

void TvnMoveSizeLoop::Track(QPoint global)
{
    const QPoint delta = global - m_startCursor;
    QRect proposed;
    if (m_hit == ht::HTCAPTION) {
        proposed = m_startBounds.translated(delta);
        m_form->Perform(msg::WM_MOVING, 0, reinterpret_cast<LPARAM>(&proposed));
        if (proposed.topLeft() != m_form->pos()) m_form->move(proposed.topLeft());
    } else {
        proposed = SizedRect(m_startBounds, m_hit, delta, m_limits);
        m_form->Perform(msg::WM_SIZING, SizingEdge(m_hit), reinterpret_cast<LPARAM>(&proposed));
        proposed = ClampSizing(proposed, m_hit, m_limits);
        if (proposed != m_form->geometry())
            m_form->SetBounds(proposed.x(), proposed.y(), proposed.width(), proposed.height());
    }
    m_lastBounds = m_form->geometry();
}

void TvnMoveSizeLoop::Followed(bool sized)
{
    QRect now = m_form->geometry();
    if (now == m_lastBounds) return;
    m_lastBounds = now;
    if (sized)
        m_form->Perform(msg::WM_SIZING, SizingEdge(m_hit), reinterpret_cast<LPARAM>(&now));
    else
        m_form->Perform(msg::WM_MOVING, 0, reinterpret_cast<LPARAM>(&now));
}

void TvnMoveSizeLoop::Finish()
{
    if (!Running() || !m_form) return;
    const TvnPath path = std::exchange(m_path, TvnPath::None);
    m_buttonPoll->stop();
    m_form->removeEventFilter(this);
    if (path == TvnPath::Manual) {
        QCoreApplication::instance()->removeEventFilter(this);
        m_form->releaseMouse();
    } else {
        if (m_hit != ht::HTCAPTION) {
            m_form->setMinimumSize(0, 0);
            m_form->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        } else {
            // The window manager moved the form on its own: what the frame makes of the
            // place (a magnetic edge, a maximized form kept still) is applied at the end.
            QRect settled = m_form->geometry();
            m_form->Perform(msg::WM_MOVING, 0, reinterpret_cast<LPARAM>(&settled));
            if (settled.topLeft() != m_form->pos()) m_form->move(settled.topLeft());
        }
    }
    m_form->Perform(msg::WM_EXITSIZEMOVE);
}

void TvnMoveSizeLoop::Cancel()
{
    if (!Running()) return;
    const QRect start = m_startBounds;
    Finish();
    if (m_form && m_form->geometry() != start)
        m_form->SetBounds(start.x(), start.y(), start.width(), start.height());
}

bool TvnMoveSizeLoop::eventFilter(QObject* watched, QEvent* e)
{
    if (!Running()) return false;
    if (m_path == TvnPath::Manual && e->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
        Cancel();
        return true;
    }
    if (watched != m_form) return false;
    if (m_path == TvnPath::System) {
        switch (e->type()) {
        case QEvent::Move:
            Followed(false);
            return false;
        case QEvent::Resize:
            Followed(true);
            return false;
        case QEvent::MouseButtonRelease:
        case QEvent::Enter:
        case QEvent::WindowActivate:
            Finish();
            return false;
        case QEvent::MouseMove:
            if (!(static_cast<QMouseEvent*>(e)->buttons() & Qt::LeftButton)) Finish();
            return false;
        default:
            return false;
        }
    }
    switch (e->type()) {
    case QEvent::MouseMove:
        Track(static_cast<QMouseEvent*>(e)->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(e)->button() != Qt::LeftButton) return true;
        Track(static_cast<QMouseEvent*>(e)->globalPosition().toPoint());
        Finish();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

} // namespace veneer
