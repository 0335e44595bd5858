#pragma once
// The glow layer: a picture shown in its own translucent top-level window over the
// screen, next to a button or caption button, whose opacity comes from a mask picture.
// The window never takes the focus nor the mouse, so showing it leaves the active window
// and the hot control as they were. No window manager frames or activates it (on X11 it
// is override-redirect, on Wayland a popup of the owner's window). A manager holds at
// most one such window.
#include "framework/Component.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

class QWindow;

// TvnBitmap: a 32-bit picture with an alpha byte per pixel (not premultiplied).
class TvnBitmap {
public:
    TvnBitmap() = default;
    // The picture's colours; alpha is the truncated average of the mask pixel's three
    // channels (white opaque, black transparent). Pixels the mask does not cover are
    // transparent.
    static TvnBitmap FromPictureAndMask(const QImage& picture, const QImage& mask);

    bool IsEmpty() const { return m_image.isNull(); }
    QSize Size() const { return m_image.size(); }
    const QImage& Image() const { return m_image; }

private:
    QImage m_image; // Format_ARGB32
};

class TvnLayerWindow : public QWidget {
    Q_OBJECT
public:
    // A hidden, frameless, non-activating tool-tip window the size of `picture`, showing
    // it with the constant opacity `alpha` (0..255) on top of its own alpha.
    TvnLayerWindow(const TvnBitmap& picture, int alpha, bool topmost);

    int Alpha() const { return m_alpha; }
    // What the window draws: the picture with both alphas applied, premultiplied.
    const QImage& Shown() const { return m_shown; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_alpha;
    QImage m_shown;
};

class TvnLayerManager : public TComponent {
    Q_OBJECT
    Q_PROPERTY(bool Topmost READ Topmost WRITE SetTopmost)
public:
    explicit TvnLayerManager(QObject* owner = nullptr);
    ~TvnLayerManager() override;

    bool Topmost() const { return m_topmost; }
    void SetTopmost(bool topmost) { m_topmost = topmost; }

    // The layer window shown now, or none.
    TvnLayerWindow* LayerWindow() const { return m_window.get(); }

    // Hides any layer shown before and shows `picture` at screen position (x, y), its
    // alpha from `mask`, with the constant opacity `alpha`, attached to the window of the
    // owner (a widget). Does nothing when the desktop cannot show layered windows or the
    // picture is empty.
    void Show(int x, int y, int alpha, const QImage& mask, const QImage& picture);
    // Hides the layer window and frees it once the events already queued for it are
    // handled (it may be hidden from inside an activation change that concerns it);
    // nothing when none is shown.
    void Hide();

private:
    // The top-level window of the widget the manager belongs to, if it has one yet.
    QWindow* OwnerWindow() const;

    bool m_topmost = true;
    QPointer<TvnLayerWindow> m_window;
};
