#pragma once
// One entry of a skinned popup menu, as the callers hand them over: the edit's context
// menu, the frame's system menu and the menus of the frame's button objects. A caption
// of "-" is a separator; "&" marks the accelerator ("&&" shows one "&").
#include <QString>
#include <functional>
#include <vector>

namespace vnmenus {

struct TvnMenuItem {
    // Names the item for the code that merges menus (the frame's "VNF_CLOSE", ...).
    QString Name;
    QString Caption;
    QString ShortCut; // shown at the item's right end, as text
    bool Enabled = true;
    bool Visible = true;
    bool Checked = false;
    std::vector<TvnMenuItem> Items; // a sub-menu, opened beside the item
    std::function<void()> OnClick;

    bool IsSeparator() const { return Caption == QLatin1String("-"); }
    // What the arrow keys, the mouse and accelerators may land on.
    bool Selectable() const { return Visible && Enabled && !IsSeparator(); }
};

using TvnMenuItems = std::vector<TvnMenuItem>;

// The accelerator of `caption` (the character after a single "&"), upper-cased, or a
// null character.
QChar AccelOf(const QString& caption);

// The caption without its "&" marks, as it is measured.
QString PlainCaption(const QString& caption);

} // namespace vnmenus
