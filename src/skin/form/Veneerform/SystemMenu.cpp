#include "SystemMenu.h"

#include "skin/data/vnSkinData/ResourceStrData.h"

#include <QStringList>
#include <algorithm>

namespace veneer {

std::vector<TvnSystemMenuEntry> DefaultSystemMenu(
    const TvnSystemMenuState& s, const TvnResourceStrData* strings)
{
    using A = TvnSystemMenuAction;
    std::vector<TvnSystemMenuEntry> items;
    const bool normal = !s.Minimized && !s.Maximized;
    if (!s.Minimized && s.Icons.testFlag(biMinimize))
        items.push_back({ "VNF_MINITEM", ResStrOr(strings, "MI_MINCAPTION", "Mi&nimize"), {}, A::Minimize });
    if (!s.Maximized && s.Icons.testFlag(biMaximize))
        items.push_back({ "VNF_MAXITEM", ResStrOr(strings, "MI_MAXCAPTION", "Ma&ximize"), {}, A::Maximize });
    if (!normal || s.RolledUp)
        items.push_back(
            { "VNF_RESTORE", ResStrOr(strings, "MI_RESTORECAPTION", "&Restore"), {}, A::Restore });
    if (!s.RolledUp && !s.Minimized && s.Icons.testFlag(biRollUp))
        items.push_back({ "VNF_ROLLUP", ResStrOr(strings, "MI_ROLLUPCAPTION", "Ro&llUp"), {}, A::RollUp });
    if (s.Icons.testFlag(biMinimizeToTray))
        items.push_back({ "VNF_MINTOTRAY", ResStrOr(strings, "MI_MINTOTRAYCAPTION", "Minimize to &Tray"), {},
            A::MinimizeToTray });
    if (!items.empty()) items.push_back({ "-", "-", {}, A::None });
    items.push_back({ "VNF_CLOSE", ResStrOr(strings, "MI_CLOSECAPTION", "&Close"), "Alt+F4", A::Close });
    return items;
}

vnmenus::TvnMenuItems MergeSystemMenu(const vnmenus::TvnMenuItems& own, const vnmenus::TvnMenuItems& defaults)
{
    static const QStringList kTop
        = { "VNF_MINITEM", "VNF_RESTORE", "VNF_MAXITEM", "VNF_ROLLUP", "VNF_MINTOTRAY" };
    static const QString kClose = QStringLiteral("VNF_CLOSE");
    const auto named = [&](const QString& name) {
        return std::find_if(
            defaults.begin(), defaults.end(), [&](const vnmenus::TvnMenuItem& i) { return i.Name == name; });
    };
    vnmenus::TvnMenuItems merged;
    for (const QString& name : kTop)
        if (auto it = named(name); it != defaults.end()) merged.push_back(*it);
    for (const vnmenus::TvnMenuItem& item : own)
        if (!kTop.contains(item.Name) && item.Name != kClose) merged.push_back(item);
    if (auto it = named(kClose); it != defaults.end()) merged.push_back(*it);
    return merged;
}

} // namespace veneer
