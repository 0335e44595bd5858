#pragma once
// The small controls of a skinned tool bar.
//
// TvnSkinSpeedButton: a button that never takes the focus, drawn from the "toolbutton"
// record; flat, it shows only its glyph on the parent's background until the mouse is
// over it or it is pressed.
//
// TvnSkinBevel: an empty spacer between tool bar controls; it shows its parent through.
#include "skin/controls/vnSkinCtrls/Button.h"

class TvnSkinSpeedButton : public TvnSkinButton {
    Q_OBJECT
    Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
public:
    explicit TvnSkinSpeedButton(QObject* owner = nullptr);

    bool Flat() const { return m_flat; }
    void SetFlat(bool flat);
    // Whether the face is left out now (flat, and neither hot nor pressed).
    bool ShowsFlat() const;

    void Paint(QPainter& painter) override;

private:
    bool m_flat = false;
};

class TvnSkinBevel : public TControl {
    Q_OBJECT
public:
    explicit TvnSkinBevel(QObject* owner = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The glyph of the new-folder button: a folder with a plus, drawn for the button's
// height so it needs no picture file.
QImage NewFolderGlyph(int size = 16);
