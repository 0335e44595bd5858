#include "SkinHint.h"

#include "HintWindow.h"

#include <QCursor>
#include <QTimer>
#include <utility>

namespace veneer {

TvnSkinHint::TvnSkinHint(QObject* owner)
    : TComponent(owner)
    , m_timer(new QTimer(this))
{
    // One timer for both pauses: it shows the pending hint, then hides it.
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &TvnSkinHint::TimerFired);
}

TvnSkinHint::~TvnSkinHint() = default;

void TvnSkinHint::SetSkinData(TvnSkinData* store)
{
    m_skinData = store;
    if (store) FreeNotification(store);
}

void TvnSkinHint::Notification(QObject* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_skinData) m_skinData = nullptr;
}

void TvnSkinHint::ShowHint(const QString& text, const TvnSkinData* store)
{
    HideHint();
    m_pending = text;
    m_callerStore = store;
    m_timer->start(m_hintPause);
}

void TvnSkinHint::HideHint()
{
    m_pending.clear();
    m_timer->stop();
    if (m_window && m_window->isVisible()) m_window->ReleaseHint();
}

void TvnSkinHint::TimerFired()
{
    if (m_pending.isEmpty()) {
        if (m_window) m_window->ReleaseHint();
        return;
    }
    if (!m_window) m_window = std::make_unique<TvnSkinHintWindow>();
    // Just below the pointer's arrow, which the platform does not measure for us: the
    // usual arrow's height.
    constexpr int kPointerHeight = 20;
    const TvnSkinData* store = m_skinData ? m_skinData.data() : m_callerStore.data();
    m_window->ActivateHint(QCursor::pos() + QPoint(0, kPointerHeight), std::exchange(m_pending, {}), store);
    m_timer->start(m_hintHidePause);
}

} // namespace veneer
