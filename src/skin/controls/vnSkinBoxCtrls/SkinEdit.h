#pragma once
// The published skinned edits: TvnSkinEdit (a search text, for instance) and
// TvnSkinMaskEdit, which also publishes the mask and the size rule.
#include "SkinCustomEdit.h"

class TvnSkinEdit : public TvnSkinCustomEdit {
    Q_OBJECT
    Q_PROPERTY(TFont* DefaultFont READ DefaultFont)
    Q_PROPERTY(uint DefaultColor READ DefaultColor WRITE SetDefaultColor)
    Q_PROPERTY(int DefaultWidth READ DefaultWidth WRITE SetDefaultWidth)
    Q_PROPERTY(int DefaultHeight READ DefaultHeight WRITE SetDefaultHeight)
    Q_PROPERTY(bool UseSkinFont READ UseSkinFont WRITE SetUseSkinFont)
    Q_PROPERTY(bool ButtonMode READ ButtonMode WRITE SetButtonMode)
    Q_PROPERTY(TImageList* Images READ Images WRITE SetImages)
    Q_PROPERTY(int LeftImageIndex READ LeftImageIndex WRITE SetLeftImageIndex)
    Q_PROPERTY(int LeftImageHotIndex READ LeftImageHotIndex WRITE SetLeftImageHotIndex)
    Q_PROPERTY(int LeftImageDownIndex READ LeftImageDownIndex WRITE SetLeftImageDownIndex)
    Q_PROPERTY(int RightImageIndex READ RightImageIndex WRITE SetRightImageIndex)
    Q_PROPERTY(int RightImageHotIndex READ RightImageHotIndex WRITE SetRightImageHotIndex)
    Q_PROPERTY(int RightImageDownIndex READ RightImageDownIndex WRITE SetRightImageDownIndex)
    Q_PROPERTY(TNotifyEvent OnButtonClick MEMBER OnButtonClick)
    Q_PROPERTY(TNotifyEvent OnLeftButtonClick MEMBER OnLeftButtonClick)
    Q_PROPERTY(TNotifyEvent OnRightButtonClick MEMBER OnRightButtonClick)
public:
    using TvnSkinCustomEdit::TvnSkinCustomEdit;
};

class TvnSkinMaskEdit : public TvnSkinEdit {
    Q_OBJECT
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
public:
    using TvnSkinEdit::TvnSkinEdit;
};
