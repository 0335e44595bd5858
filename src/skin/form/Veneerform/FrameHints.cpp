// The objects' hints: which text an object shows, and the hint window opened after the
// application's pause and closed after its hide pause.
#include "HintWindow.h"
#include "Veneerform.h"
#include "skin/data/vnSkinData/ResourceStrData.h"

#include <QCursor>
#include <QTimer>
#include <utility>

namespace veneer {

QString TvnVeneerform::ObjectHint(int i) const
{
    if (i < 0 || i >= m_objects.Count() || !m_skinPresent) return {};
    const TvnLayoutObject& o = m_objects.LayoutAt(i);
    const TvnObjectRecord& r = m_objects.State(i).Record;
    const TvnDataSkinObject* record = r.Object;
    if (!record) return {};
    const bool button = o.Kind == TvnObjectKind::StdButton || o.Kind == TvnObjectKind::Animate;
    const bool restoreState = (o.Command == TvnSkinCommand::cmMaximize && FrameMaximized())
        || (o.Command == TvnSkinCommand::cmMinimize && FrameMinimized())
        || (o.Command == TvnSkinCommand::cmRollUp && m_rollUpState);
    const QString restoreHint
        = r.StdButton ? r.StdButton->RestoreHint : (r.Animate ? r.Animate->RestoreHint : QString());
    if (!button || !m_useDefaultObjectHint)
        return button && restoreState && !restoreHint.isEmpty() ? restoreHint : record->Hint;

    const TvnResourceStrData* strings = m_skinData->ResourceStrData();
    const auto text
        = [strings](const char* key, const char* builtIn) { return ResStrOr(strings, key, builtIn); };
    if (restoreState) return text("RESTORE_HINT", "Restore");
    switch (o.Command) {
    case TvnSkinCommand::cmClose:
        return text("CLOSEBUTTON_HINT", "Close");
    case TvnSkinCommand::cmMaximize:
        return text("MAXBUTTON_HINT", "Maximize");
    case TvnSkinCommand::cmMinimize:
        return text("MINBUTTON_HINT", "Minimize");
    case TvnSkinCommand::cmSysMenu:
        return text("MENUBUTTON_HINT", "System menu");
    case TvnSkinCommand::cmRollUp:
        return text("ROLLUPBUTTON_HINT", "Roll Up");
    case TvnSkinCommand::cmMinimizeToTray:
        return text("TRAYBUTTON_HINT", "Minimize to Tray");
    case TvnSkinCommand::cmDefault:
        break;
    }
    return record->Hint;
}

void TvnVeneerform::ShowObjectHint(const QString& text)
{
    HideObjectHint();
    if (!m_hintTimer) {
        m_hintTimer = new QTimer(this);
        m_hintTimer->setSingleShot(true);
        connect(m_hintTimer, &QTimer::timeout, this, [this] {
            if (m_pendingHint.isEmpty()) {
                if (m_hintWindow) m_hintWindow->ReleaseHint();
                return;
            }
            if (!m_hintWindow) m_hintWindow = std::make_unique<TvnSkinHintWindow>();
            // Just below the pointer's arrow, which the platform does not measure for
            // us: the usual arrow's height.
            constexpr int kPointerHeight = 20;
            const QPoint at = QCursor::pos() + QPoint(0, kPointerHeight);
            m_hintWindow->ActivateHint(at, std::exchange(m_pendingHint, {}), m_skinData);
            m_hintTimer->start(kHintHidePause);
        });
    }
    m_pendingHint = text;
    m_hintTimer->start(kHintPause);
}

void TvnVeneerform::HideObjectHint()
{
    m_pendingHint.clear();
    if (m_hintTimer) m_hintTimer->stop();
    if (m_hintWindow && m_hintWindow->isVisible()) m_hintWindow->ReleaseHint();
}

} // namespace veneer
