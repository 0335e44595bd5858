#pragma once
// The frame's objects: one per caption, caption button, animated and user object of the
// skin, in skin order, or the six default caption buttons of the frame drawn without a
// skin. Each keeps its place (TvnLayoutObject, from the pure layout functions) and its
// state (enabled, mouse over, pressed), which the mouse handling sets and painting reads.
#include "ObjectLayout.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <span>
#include <vector>

class TvnSkinData;
class TvnDataSkinObject;
class TvnDataSkinButton;
class TvnDataSkinStdButton;
class TvnDataSkinAnimate;
class TvnDataSkinCaption;

namespace veneer {

// An object's skin record, resolved once when the objects are built from a skin: its
// typed views (null where the record is not of that kind) and the pictures its indexes
// name. An index naming no picture leaves that picture null; without its own picture an
// object has no active image and does not morph.
struct TvnObjectRecord {
    const TvnDataSkinObject* Object = nullptr;
    const TvnDataSkinButton* Button = nullptr;
    const TvnDataSkinStdButton* StdButton = nullptr;
    const TvnDataSkinAnimate* Animate = nullptr;
    const TvnDataSkinCaption* Caption = nullptr;
    QImage Picture;
    QImage Mask;
    // The picture the normal image lies in: the object's own, or the frame picture.
    QImage NormalPicture;
    QRect ActiveSkinRect;
    bool Morphing = false;
};

struct TvnFrameObjectState {
    QString IDName;
    // Index of the object's record in the store's FrameObjects; -1 for a default object.
    int RecordIndex = -1;
    // Empty (no Object) for a default object.
    TvnObjectRecord Record;
    bool Available = true;
    bool MouseIn = false;
    bool Pressed = false;
    // Its menu (the system menu or a button menu) shows: it stays down, and an animated
    // object holds its down image or its last frame.
    bool MenuOpen = false;
    bool Highlighted = false;
    // How far the object's look has blended from its normal image to its active one.
    double MorphFactor = 0;
    // The caption's animation: the frame shown (0: none, the still image) and the time
    // spent on it (ms).
    int AnimFrame = 0;
    int AnimElapsed = 0;
    // An animated object's frame shown (from 1) and the way its frames run.
    int FrameIndex = 1;
    bool Forward = true;
};

class TvnFrameObjectList {
public:
    void Clear();
    bool IsEmpty() const { return m_layout.empty(); }
    int Count() const { return static_cast<int>(m_layout.size()); }

    // The objects of the store's frame records (menu items and the menu bar's buttons
    // belong to the menus and are left out).
    void BuildFromSkin(const TvnSkinData& store);
    // The six default caption buttons: close, maximize, minimize, roll-up, system menu,
    // minimize to tray.
    void BuildDefault();
    bool FromSkin() const { return m_fromSkin; }

    // Enabled and shown flags of the caption buttons from the frame's border icons.
    void ApplyBorderIcons(TvnBorderIcons icons, bool hideCaptionButtons, bool disableSystemMenu);
    // Whether object `i` is a caption button as far as the border icons go: a caption
    // button, or an animated object in button style.
    bool FollowsBorderIcons(std::size_t i) const;

    std::span<TvnLayoutObject> Layout() { return m_layout; }
    std::span<const TvnLayoutObject> Layout() const { return m_layout; }
    const TvnLayoutObject& LayoutAt(int i) const { return m_layout.at(i); }
    TvnFrameObjectState& State(int i) { return m_state.at(i); }
    const TvnFrameObjectState& State(int i) const { return m_state.at(i); }
    // The first object of the kind, or -1.
    int IndexOf(TvnObjectKind kind) const;

private:
    std::vector<TvnLayoutObject> m_layout;
    std::vector<TvnFrameObjectState> m_state;
    bool m_fromSkin = false;
};

} // namespace veneer
