#pragma once
// A list of small pictures of one size, drawn by index: the glyphs of buttons, panel
// captions and check boxes can come from one instead of a bitmap of their own.
#include "framework/Component.h"

#include <QImage>
#include <QList>

class QPainter;

class TImageList : public TComponent {
    Q_OBJECT
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
public:
    explicit TImageList(QObject* owner = nullptr);

    int Width() const { return m_width; }
    void SetWidth(int width) { m_width = width; }
    int Height() const { return m_height; }
    void SetHeight(int height) { m_height = height; }

    int Count() const { return static_cast<int>(m_images.size()); }
    // Adds a picture (scaled to the list's size when it has another) and returns its
    // index. Pixels of `transparent`, when given, become transparent.
    int Add(const QImage& image, QRgb transparent = 0, bool useTransparent = false);
    void Clear() { m_images.clear(); }
    // The picture at `index`, or a null image outside the list.
    QImage Image(int index) const { return m_images.value(index); }

    // Draws picture `index` with its top-left corner at (x, y); a disabled picture is
    // drawn greyed. Nothing for an index outside the list.
    void Draw(QPainter& painter, int x, int y, int index, bool enabled = true) const;

    // A picture as the list draws it disabled: grey, lighter, same transparency.
    static QImage Greyed(const QImage& image);

private:
    int m_width = 16;
    int m_height = 16;
    QList<QImage> m_images;
};
