#include "SystemMenu.h"

#include "skin/data/vnSkinData/ResourceStrData.h"

namespace veneer {

namespace {

QString Text(const TvnResourceStrData* strings, const char* key, const char* builtIn)
{
    if (strings) {
        const QString own = strings->GetResStr(QLatin1String(key));
        if (!own.isEmpty()) return own;
    }
    return QString::fromLatin1(builtIn);
}

} // namespace

std::vector<TvnSystemMenuEntry> DefaultSystemMenu(
    const TvnSystemMenuState& s, const TvnResourceStrData* strings)
{
    using A = TvnSystemMenuAction;
    std::vector<TvnSystemMenuEntry> items;
    const bool normal = !s.Minimized && !s.Maximized;
    if (!s.Minimized && s.Icons.testFlag(biMinimize))
        items.push_back({ "VNF_MINITEM", Text(strings, "MI_MINCAPTION", "Mi&nimize"), {}, A::Minimize });
    if (!s.Maximized && s.Icons.testFlag(biMaximize))
        items.push_back({ "VNF_MAXITEM", Text(strings, "MI_MAXCAPTION", "Ma&ximize"), {}, A::Maximize });
    if (!normal || s.RolledUp)
        items.push_back({ "VNF_RESTORE", Text(strings, "MI_RESTORECAPTION", "&Restore"), {}, A::Restore });
    if (!s.RolledUp && !s.Minimized && s.Icons.testFlag(biRollUp))
        items.push_back({ "VNF_ROLLUP", Text(strings, "MI_ROLLUPCAPTION", "Ro&llUp"), {}, A::RollUp });
    if (s.Icons.testFlag(biMinimizeToTray))
        items.push_back({ "VNF_MINTOTRAY", Text(strings, "MI_MINTOTRAYCAPTION", "Minimize to &Tray"), {},
            A::MinimizeToTray });
    if (!items.empty()) items.push_back({ "-", "-", {}, A::None });
    items.push_back({ "VNF_CLOSE", Text(strings, "MI_CLOSECAPTION", "&Close"), "Alt+F4", A::Close });
    return items;
}

} // namespace veneer
