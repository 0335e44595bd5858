#include "FrameObjectList.h"

#include "skin/data/vnSkinData/SkinData.h"
#include "skin/data/vnUtils/SkinRect.h"

namespace veneer {

void TvnFrameObjectList::Clear()
{
    m_layout.clear();
    m_state.clear();
    m_fromSkin = false;
}

namespace {

// The kind and command the frame gives a record, or false for records it leaves out.
bool KindOf(const TvnObjectRecord& r, TvnObjectKind& kind, TvnSkinCommand& command)
{
    if (r.Caption) {
        kind = TvnObjectKind::Caption;
    } else if (dynamic_cast<const TvnDataSkinMainMenuBarButton*>(r.Object)) {
        return false;
    } else if (r.StdButton) {
        kind = TvnObjectKind::StdButton;
        command = r.StdButton->Command;
    } else if (r.Animate) {
        kind = TvnObjectKind::Animate;
        command = r.Animate->Command;
    } else if (r.Button) {
        kind = TvnObjectKind::Button;
    } else if (dynamic_cast<const TvnDataUserObject*>(r.Object)) {
        kind = TvnObjectKind::User;
    } else {
        return false; // menu items are drawn by the menus
    }
    return true;
}

QImage PictureAt(const TvnSkinData& store, int index)
{
    return index >= 0 && index < store.Pictures.size() ? store.Pictures.at(index) : QImage();
}

TvnObjectRecord Resolve(const TvnSkinData& store, const TvnDataSkinObject& record)
{
    TvnObjectRecord r;
    r.Object = &record;
    r.Button = dynamic_cast<const TvnDataSkinButton*>(&record);
    r.StdButton = dynamic_cast<const TvnDataSkinStdButton*>(&record);
    r.Animate = dynamic_cast<const TvnDataSkinAnimate*>(&record);
    r.Caption = dynamic_cast<const TvnDataSkinCaption*>(&record);
    r.Picture = PictureAt(store, record.ActivePictureIndex);
    r.Mask = PictureAt(store, record.ActiveMaskPictureIndex);
    r.NormalPicture = record.SkinRectInAPicture ? r.Picture : store.MainPicture;
    if (!r.Picture.isNull()) r.ActiveSkinRect = record.ActiveSkinRect;
    r.Morphing = record.Morphing && !vnutils::RectEmpty(r.ActiveSkinRect);
    return r;
}

} // namespace

void TvnFrameObjectList::BuildFromSkin(const TvnSkinData& store)
{
    Clear();
    m_fromSkin = true;
    const auto& records = store.FrameObjects();
    for (int i = 0; i < static_cast<int>(records.size()); ++i) {
        const TvnDataSkinObject& record = *records[i];
        TvnObjectRecord resolved = Resolve(store, record);
        TvnLayoutObject o;
        if (!KindOf(resolved, o.Kind, o.Command)) continue;
        o.SkinRectInAPicture = record.SkinRectInAPicture;
        o.SkinRect = record.SkinRect;
        o.Rect = record.SkinRect;
        m_layout.push_back(o);
        TvnFrameObjectState state;
        state.IDName = record.IDName;
        state.RecordIndex = i;
        state.Record = std::move(resolved);
        m_state.push_back(std::move(state));
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
        TvnFrameObjectState state;
        state.IDName = QString::fromLatin1(d.Name);
        m_state.push_back(std::move(state));
    }
}

void TvnFrameObjectList::ApplyBorderIcons(
    TvnBorderIcons icons, bool hideCaptionButtons, bool disableSystemMenu)
{
    for (std::size_t i = 0; i < m_layout.size(); ++i) {
        TvnLayoutObject& o = m_layout[i];
        if (!FollowsBorderIcons(i)) continue;
        const TvnObjectFlags flags = CaptionButtonFlags(
            o.Command, o.SkinRectInAPicture, icons, hideCaptionButtons, disableSystemMenu);
        o.Shown = flags.Shown;
        m_state[i].Available = flags.Available;
    }
}

bool TvnFrameObjectList::FollowsBorderIcons(std::size_t i) const
{
    const TvnObjectKind kind = m_layout.at(i).Kind;
    if (kind == TvnObjectKind::Animate) return m_state.at(i).Record.Animate->ButtonStyle;
    return kind == TvnObjectKind::StdButton;
}

int TvnFrameObjectList::IndexOf(TvnObjectKind kind) const
{
    for (std::size_t i = 0; i < m_layout.size(); ++i)
        if (m_layout[i].Kind == kind) return static_cast<int>(i);
    return -1;
}

} // namespace veneer
