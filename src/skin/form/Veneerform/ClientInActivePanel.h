#pragma once
// TvnClientInActivePanel: while its form is inactive, a picture of the client area covers
// it, blurred or veiled by the form's background, so the inactive window reads as such.
// It takes no input: the first click activates the form, which removes the panel.
#include "FrameTypes.h"

#include <QImage>
#include <QWidget>

namespace veneer {

class TvnVeneerform;

class TvnClientInActivePanel : public QWidget {
    Q_OBJECT
public:
    // A panel over the frame's client area with that area's present look and the effect
    // applied, shown; nullptr when the client area has no size.
    static TvnClientInActivePanel* Cover(TvnVeneerform& frame, TvnClientInActiveEffect effect);

    const QImage& Buffer() const { return m_buffer; }

    // The copy averaged over a (2 * amount + 1) square around each pixel.
    static QImage Blurred(const QImage& image, int amount);
    // `veil` laid over `image` with opacity alpha / 255.
    static QImage Veiled(const QImage& image, const QImage& veil, int alpha);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TvnClientInActivePanel(QWidget* parent, QImage buffer);
    QImage m_buffer;
};

} // namespace veneer
