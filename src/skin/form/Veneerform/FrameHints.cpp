// The objects' hints: which text an object shows, shown and hidden through the frame's
// hint component (SkinHint), which keeps the pauses and the window.
#include "Veneerform.h"
#include "skin/data/vnSkinData/ResourceStrData.h"

namespace veneer {

namespace {

// The hint of a caption button that has none of its own: the skin's text, else ours.
struct TvnCommandHint {
    TvnSkinCommand Command;
    const char* Key;
    const char* BuiltIn;
};

constexpr TvnCommandHint kCommandHints[] = {
    { TvnSkinCommand::cmClose, "CLOSEBUTTON_HINT", "Close" },
    { TvnSkinCommand::cmMaximize, "MAXBUTTON_HINT", "Maximize" },
    { TvnSkinCommand::cmMinimize, "MINBUTTON_HINT", "Minimize" },
    { TvnSkinCommand::cmSysMenu, "MENUBUTTON_HINT", "System menu" },
    { TvnSkinCommand::cmRollUp, "ROLLUPBUTTON_HINT", "Roll Up" },
    { TvnSkinCommand::cmMinimizeToTray, "TRAYBUTTON_HINT", "Minimize to Tray" },
};

} // namespace

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
    if (restoreState) return ResStrOr(strings, "RESTORE_HINT", "Restore");
    for (const TvnCommandHint& h : kCommandHints)
        if (h.Command == o.Command) return ResStrOr(strings, h.Key, h.BuiltIn);
    return record->Hint;
}

void TvnVeneerform::ShowObjectHint(const QString& text)
{
    // Object hints need the hint component: without one nothing shows.
    if (m_skinHint) m_skinHint->ShowHint(text, m_skinData);
}

void TvnVeneerform::HideObjectHint()
{
    if (m_skinHint) m_skinHint->HideHint();
}

} // namespace veneer
