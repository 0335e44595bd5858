#pragma once
// TvnSkinCustomEdit: the edit drawn from its skin record ("edit", or "buttonedit" in
// button mode), or in the default look without one. The face (normal, or active while
// hot or focused) fills the whole field as a three-part strip and the line edit draws
// its text over it; the record gives the font, its colours and the height. An optional
// button sits at the right end and optional images at both ends of the text area.
//
// A paint runs the control steps: look the record up (ReadSkinRecord), lay the field out
// (EditGeometry.h), take the snapshot (TakeSnapshot), draw from it (EditPaint.cpp).
#include "CustomEdit.h"
#include "EditSnapshot.h"
#include "framework/ImageList.h"
#include "skin/controls/vnSkinCtrls/SkinBinding.h"

class TvnSkinCustomEdit : public TvnCustomEdit, public TvnSkinBoundControl {
    Q_OBJECT
    TVN_SKIN_BINDING_PROPERTIES
public:
    explicit TvnSkinCustomEdit(QObject* owner = nullptr);

    TFont* DefaultFont() const { return m_defaultFont; }
    TColor DefaultColor() const { return m_defaultColor; }
    void SetDefaultColor(TColor color);
    int DefaultWidth() const { return m_defaultWidth; }
    void SetDefaultWidth(int width);
    int DefaultHeight() const { return m_defaultHeight; }
    void SetDefaultHeight(int height);
    bool UseSkinFont() const { return m_useSkinFont; }
    void SetUseSkinFont(bool use);
    bool ButtonMode() const { return m_buttonMode; }
    void SetButtonMode(bool buttonMode);
    TImageList* Images() const { return m_images; }
    void SetImages(TImageList* images);
    // Image indexes (-1: none); the hot and pressed ones replace the normal one.
    int LeftImageIndex() const { return m_imageIndexes.Left; }
    void SetLeftImageIndex(int i) { SetImageIndex(m_imageIndexes.Left, i); }
    int LeftImageHotIndex() const { return m_imageIndexes.LeftHot; }
    void SetLeftImageHotIndex(int i) { SetImageIndex(m_imageIndexes.LeftHot, i); }
    int LeftImageDownIndex() const { return m_imageIndexes.LeftDown; }
    void SetLeftImageDownIndex(int i) { SetImageIndex(m_imageIndexes.LeftDown, i); }
    int RightImageIndex() const { return m_imageIndexes.Right; }
    void SetRightImageIndex(int i) { SetImageIndex(m_imageIndexes.Right, i); }
    int RightImageHotIndex() const { return m_imageIndexes.RightHot; }
    void SetRightImageHotIndex(int i) { SetImageIndex(m_imageIndexes.RightHot, i); }
    int RightImageDownIndex() const { return m_imageIndexes.RightDown; }
    void SetRightImageDownIndex(int i) { SetImageIndex(m_imageIndexes.RightDown, i); }
    // Without a record and with the skin font off, the height follows the font.
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);

    TNotifyEvent OnButtonClick;
    TNotifyEvent OnLeftButtonClick;
    TNotifyEvent OnRightButtonClick;

    // The state and look one paint draws from.
    vnctrls::TvnEditSnapshot TakeSnapshot() const;
    vnctrls::TvnEditLayout Layout() const;
    const vnctrls::TvnEditState& State() const { return m_state; }

    void SetBounds(int left, int top, int width, int height) override;
    void SkinChanged() override;
    void WndProc(TMessage& message) override;

protected:
    QRect EditRect() const override;
    void PaintFace(QPainter& painter) override;
    void FontChanged() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    TvnSkinData* MenuStore() const override { return SkinData(); }

private:
    const TvnDataSkinEditControl* EditRecord() const;
    // Font, colours and height from the record (or the default look) after a skin change.
    void ApplySkinFont();
    // The text colour of the present state, and the disabled one.
    void ApplyTextColors();
    int HeightFor(int requested) const;
    void SetImageIndex(int& slot, int index);
    void StateChanged();
    void SetHotParts(vnctrls::TvnEditHit hit);

    TFont* m_defaultFont;
    TColor m_defaultColor = clr::clWindow;
    int m_defaultWidth = 0;
    int m_defaultHeight = 0;
    bool m_useSkinFont = true;
    bool m_buttonMode = false;
    bool m_autoSize = true;
    bool m_applyingColors = false;
    // The text shows the active colour: set by gaining the focus or by the mouse coming
    // in while unfocused, cleared by losing the focus or by the mouse leaving while
    // unfocused, so a field left by the focus while the mouse rests on it goes back.
    bool m_activeText = false;
    QPointer<TImageList> m_images;
    vnctrls::TvnEditImages m_imageIndexes;
    vnctrls::TvnEditState m_state;
    vnctrls::TvnFaceCache<QImage> m_faces;
};
