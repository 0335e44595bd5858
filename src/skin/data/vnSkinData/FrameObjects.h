#pragma once
// Frame skin object records: the caption, caption buttons, animated objects and menu
// items of a skinned window frame, one section of the skin description each, listed in
// [SKINOBJECTS] as "name:kind".
//
// Fields are named after their keys ("activeskinrect" -> ActiveSkinRect); the key
// tables in FrameObjects.cpp give each key's order and default, and a new record holds
// those defaults. Rectangles and points
// lie in MainPicture, or in Pictures[ActivePictureIndex] when SkinRectInAPicture is set.
#include "SkinFieldBlocks.h"
#include "SkinKeyTable.h"

#include <memory>

class TvnDataSkinObject {
public:
    explicit TvnDataSkinObject(const QString& idName);
    virtual ~TvnDataSkinObject() = default;
    TvnDataSkinObject(const TvnDataSkinObject&) = delete;
    TvnDataSkinObject& operator=(const TvnDataSkinObject&) = delete;

    virtual void LoadFromIni(const TMemIniFile& ini);
    // Erases the section [IDName] and writes every key in reading order.
    virtual void SaveToIni(TMemIniFile& ini) const;
    static TvnKeyTable<TvnDataSkinObject> Keys();

    QString IDName;
    QString Hint;
    int ActivePictureIndex {};
    int ActiveMaskPictureIndex {};
    bool SkinRectInAPicture {};
    QRect SkinRect;
    QRect ActiveSkinRect;
    QRect InactiveSkinRect;
    bool Morphing {};
    TvnMorphKind MorphKind {};
    int GlowLayerPictureIndex {};
    int GlowLayerMaskPictureIndex {};
    int GlowLayerOffsetX {};
    int GlowLayerOffsetY {};
    int GlowLayerAlphaBlendValue {};
};

// A user-drawn area of the frame: only its rectangle comes from the skin.
class TvnDataUserObject : public TvnDataSkinObject {
public:
    using TvnDataSkinObject::TvnDataSkinObject;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
};

class TvnDataSkinButton : public TvnSkinRecord<TvnDataSkinButton, TvnDataSkinObject> {
public:
    explicit TvnDataSkinButton(const QString& idName);
    static TvnKeyTable<TvnDataSkinButton> Keys();

    QRect DownRect;
    QRect DisableSkinRect; // key "disableskinrsect", spelt as skins spell it
};

class TvnDataSkinStdButton : public TvnSkinRecord<TvnDataSkinStdButton, TvnDataSkinButton> {
public:
    explicit TvnDataSkinStdButton(const QString& idName);
    static TvnKeyTable<TvnDataSkinStdButton> Keys();
    void AfterLoad();

    TvnSkinCommand Command {};
    // The looks while the window is maximized, minimized or rolled up.
    QRect RestoreRect;
    QRect RestoreActiveRect;
    QRect RestoreDownRect;
    QRect RestoreInactiveRect;
    QString RestoreHint;
};

class TvnDataSkinMainMenuBarButton
    : public TvnSkinRecord<TvnDataSkinMainMenuBarButton, TvnDataSkinStdButton> {
public:
    explicit TvnDataSkinMainMenuBarButton(const QString& idName)
        : TvnSkinRecord(idName)
    {
    }
    static TvnKeyTable<TvnDataSkinMainMenuBarButton> Keys() { return {}; }
};

class TvnDataSkinAnimate : public TvnSkinRecord<TvnDataSkinAnimate, TvnDataSkinObject> {
public:
    explicit TvnDataSkinAnimate(const QString& idName);
    static TvnKeyTable<TvnDataSkinAnimate> Keys();
    // Animated objects never cross-fade, whatever the text says.
    void AfterLoad();

    int CountFrames {};
    bool Cycle {};
    bool ButtonStyle {};
    int TimerInterval {};
    TvnSkinCommand Command {};
    QRect DownSkinRect;
    QRect RestoreRect;
    QRect RestoreActiveRect;
    QRect RestoreDownRect;
    QRect RestoreInactiveRect;
    QString RestoreHint;
};

class TvnDataSkinMenuItem : public TvnSkinRecord<TvnDataSkinMenuItem, TvnDataSkinObject>, public TvnSkinFont {
public:
    explicit TvnDataSkinMenuItem(const QString& idName);
    static TvnKeyTable<TvnDataSkinMenuItem> Keys();
    // An empty active check, radio or arrow image falls back on the normal one.
    void AfterLoad();

    int ItemLeftOffset {};
    int ItemRightOffset {};
    QRect DividerRect;
    int DividerLeftOffset {};
    int DividerRightOffset {};
    QRect TextRect;
    QRect ImageRect;
    TColor ActiveFontColor {};
    TColor UnenabledFontColor {};
    bool StretchEffect {};
    bool InactiveStretchEffect {};
    bool DividerStretchEffect {};
    QRect AnimateSkinRect;
    int FrameCount {};
    int AnimateInterval {};
    bool InactiveAnimation {};
    bool UseImageColor {};
    TColor ImageColor {};
    TColor ActiveImageColor {};
    bool InactiveTransparent {};
    QRect CheckImageRect;
    QRect ActiveCheckImageRect;
    QRect RadioImageRect;
    QRect ActiveRadioImageRect;
    QRect ArrowImageRect;
    QRect ActiveArrowImageRect;
};

class TvnDataSkinMainMenuItem : public TvnSkinRecord<TvnDataSkinMainMenuItem, TvnDataSkinObject>,
                                public TvnSkinFont {
public:
    explicit TvnDataSkinMainMenuItem(const QString& idName);
    static TvnKeyTable<TvnDataSkinMainMenuItem> Keys();

    int ItemLeftOffset {};
    int ItemRightOffset {};
    QRect DownRect;
    QRect TextRect;
    TColor ActiveFontColor {};
    TColor DownFontColor {};
    TColor UnenabledFontColor {};
    bool StretchEffect {};
    QRect AnimateSkinRect;
    int FrameCount {};
    int AnimateInterval {};
    bool InactiveAnimation {};
};

class TvnDataSkinMainMenuBarItem : public TvnSkinRecord<TvnDataSkinMainMenuBarItem, TvnDataSkinMainMenuItem> {
public:
    explicit TvnDataSkinMainMenuBarItem(const QString& idName)
        : TvnSkinRecord(idName)
    {
    }
    static TvnKeyTable<TvnDataSkinMainMenuBarItem> Keys() { return {}; }
};

class TvnDataSkinCaption : public TvnSkinRecord<TvnDataSkinCaption, TvnDataSkinObject>, public TvnSkinFont {
public:
    explicit TvnDataSkinCaption(const QString& idName);
    static TvnKeyTable<TvnDataSkinCaption> Keys();

    QRect TextRect;
    TColor ActiveFontColor {};
    TAlignment Alignment {};
    bool Light {};
    TColor LightColor {};
    TColor ActiveLightColor {};
    bool Shadow {};
    TColor ShadowColor {};
    TColor ActiveShadowColor {};
    QRect FrameRect;
    QRect ActiveFrameRect;
    QRect FrameTextRect;
    int FrameLeftOffset {};
    int FrameRightOffset {};
    bool StretchEffect {};
    QRect AnimateSkinRect;
    int FrameCount {};
    int AnimateInterval {};
    bool InactiveAnimation {};
    bool FullFrame {};
    bool VistaGlowEffect {};
    bool VistaGlowInactiveEffect {};
    bool GlowEffect {};
    bool GlowInactiveEffect {};
    int GlowSize {};
    TColor GlowColor {};
    TColor GlowActiveColor {};
    int GlowOffset {};
    bool ReflectionEffect {};
    TColor ReflectionColor {}; // key "reflactioncolor"
    TColor ReflectionActiveColor {}; // key "reflactionactivecolor"
    int ReflectionOffset {};
};

// The record for a [SKINOBJECTS] kind ("caption", "stdbutton", ...; compared exactly),
// or nullptr for a kind that has none.
std::unique_ptr<TvnDataSkinObject> CreateFrameObject(const QString& kind, const QString& idName);
