#pragma once
// The skinned hint window: a small window that shows one line of text on the picture of
// the store's hint window description ([HINTWINDOW]), cut to its mask, or on a plain
// tool-tip box without a skin. The frame shows the hints of its objects through it.
#include <QImage>
#include <QWidget>

class TvnSkinData;

namespace veneer {

class TvnSkinHintWindow : public QWidget {
    Q_OBJECT
public:
    TvnSkinHintWindow();

    // Shows `text` with the window's top-left corner at `at` (screen coordinates),
    // never taking the focus.
    void ActivateHint(const QPoint& at, const QString& text, const TvnSkinData* store);
    void ReleaseHint() { hide(); }
    QString Text() const { return m_text; }
    // What the window shows (for the paint and for tests).
    const QImage& Picture() const { return m_image; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    QImage m_image;
};

} // namespace veneer
