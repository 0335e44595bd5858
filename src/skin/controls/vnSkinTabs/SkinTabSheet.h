#pragma once
// The skinned page control's pages. A sheet paints its own background: its WallPaper
// tiled when it has one, else the tab record's background picture or the record's client
// tile, else the button face; children that show their parent's background see it.
//
// TvnSkinTabSheet is the one the windows declare; TvnSkinCustomTabSheet is its base.
#include "framework/comctrls/TabSheet.h"

#include <QImage>

class QPainter;
class TvnSkinPageControl;

class TvnSkinCustomTabSheet : public TTabSheet {
    Q_OBJECT
    Q_PROPERTY(QImage WallPaper READ WallPaper WRITE SetWallPaper)
public:
    explicit TvnSkinCustomTabSheet(QObject* owner = nullptr);

    QImage WallPaper() const { return m_wallPaper; }
    void SetWallPaper(const QImage& picture);

    // The skinned page control the sheet belongs to, or nullptr.
    TvnSkinPageControl* SkinPageControl() const;
    // The background into `painter`, at the sheet's origin.
    void PaintBackground(QPainter& painter) const;

    void WndProc(TMessage& message) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool BackgroundStretches() const;
    void NotifyChildrenBackground();

    QImage m_wallPaper;
};

class TvnSkinTabSheet : public TvnSkinCustomTabSheet {
    Q_OBJECT
public:
    explicit TvnSkinTabSheet(QObject* owner = nullptr);
};
