#include "FrameObjectList.h"

#include "skin/data/vnSkinData/SkinData.h"

namespace veneer {

void TvnFrameObjectList::Clear()
{
    m_layout.clear();
    m_state.clear();
    m_fromSkin = false;
}

namespace {

// The kind and command the frame gives a record, or false for records it leaves out.
bool KindOf(const TvnDataSkinObject& record, TvnObjectKind& kind, TvnSkinCommand& command)
{
    if (dynamic_cast<const TvnDataSkinCaption*>(&record)) {
        kind = TvnObjectKind::Caption;
    } else if (dynamic_cast<const TvnDataSkinMainMenuBarButton*>(&record)) {
        return false;
    } else if (const auto* b = dynamic_cast<const TvnDataSkinStdButton*>(&record)) {
        kind = TvnObjectKind::StdButton;
        command = b->Command;
    } else if (const auto* a = dynamic_cast<const TvnDataSkinAnimate*>(&record)) {
        kind = TvnObjectKind::Animate;
        command = a->Command;
    } else if (dynamic_cast<const TvnDataSkinButton*>(&record)) {
        kind = TvnObjectKind::Button;
    } else if (dynamic_cast<const TvnDataUserObject*>(&record)) {
        kind = TvnObjectKind::User;
    } else {
        return false; // menu items are drawn by the menus
    }
    return true;
}

} // namespace

void TvnFrameObjectList::BuildFromSkin(const TvnSkinData& store)
{
    Clear();
    m_fromSkin = true;
    const auto& records = store.FrameObjects();
    for (int i = 0; i < static_cast<int>(records.size()); ++i) {
        const TvnDataSkinObject& record = *records[i];
        TvnLayoutObject o;
        if (!KindOf(record, o.Kind, o.Command)) continue;
        o.SkinRectInAPicture = record.SkinRectInAPicture;
        o.SkinRect = record.SkinRect;
        o.Rect = record.SkinRect;
        m_layout.push_back(o);
        m_state.push_back({ record.IDName, i });
    }
}

void TvnFrameObjectList::BuildDefault()
{
    static const struct {
        const char* Name;
        TvnSkinCommand Command;
    } kDefaults[] = {
        { "closebutton", TvnSkinCommand::cmClose },
        { "maxbutton", TvnSkinCommand::cmMaximize },
        { "minbutton", TvnSkinCommand::cmMinimize },
        { "rollupbutton", TvnSkinCommand::cmRollUp },
        { "sysmenubutton", TvnSkinCommand::cmSysMenu },
        { "traybutton", TvnSkinCommand::cmMinimizeToTray },
    };
    Clear();
    for (const auto& d : kDefaults) {
        TvnLayoutObject o;
        o.Kind = TvnObjectKind::StdButton;
        o.Command = d.Command;
        o.SkinRectInAPicture = true;
        o.SkinRect = o.Rect = QRect(0, 0, 1, 1);
        m_layout.push_back(o);
        m_state.push_back({ QString::fromLatin1(d.Name), -1 });
    }
}

void TvnFrameObjectList::ApplyBorderIcons(
    TvnBorderIcons icons, bool hideCaptionButtons, bool disableSystemMenu)
{
    for (std::size_t i = 0; i < m_layout.size(); ++i) {
        TvnLayoutObject& o = m_layout[i];
        if (o.Kind != TvnObjectKind::StdButton && o.Kind != TvnObjectKind::Animate) continue;
        const TvnObjectFlags flags = CaptionButtonFlags(
            o.Command, o.SkinRectInAPicture, icons, hideCaptionButtons, disableSystemMenu);
        o.Shown = flags.Shown;
        m_state[i].Available = flags.Available;
    }
}

int TvnFrameObjectList::IndexOf(TvnObjectKind kind) const
{
    for (std::size_t i = 0; i < m_layout.size(); ++i)
        if (m_layout[i].Kind == kind) return static_cast<int>(i);
    return -1;
}

} // namespace veneer
