#pragma once
// TvnSkinCustomGrid: the cell grid drawn from its skin record ("grid"): cell faces for
// fixed, selected and focused cells cut from the record's picture, the record's fonts and
// colours, an optional background picture, wallpaper or transparency. Without a record
// it draws the default look in system colours.
//
// It has no scroll bars of its own: VScrollBar and HScrollBar name skinned bars of the
// form, which the grid keeps in range and shows only while they are needed (and while the
// grid itself shows); their arrows, track and thumb scroll the grid back.
//
// A paint runs the control steps: look the record up (ReadSkinRecord), take the snapshot
// of every cell on screen (TakeSnapshot, which asks CellContent for what each holds),
// draw from it alone (SkinGridPaint.cpp). The finished picture is kept while the snapshot
// stays the same, so a repaint of an unchanged grid is one copy whatever its row count.
#include "GridSnapshot.h"
#include "framework/grids/CustomGrid.h"
#include "skin/controls/vnSkinCtrls/FaceCache.h"
#include "skin/controls/vnSkinCtrls/ScrollBar.h"
#include "skin/controls/vnSkinCtrls/SkinBinding.h"

#include <QPointer>

class TvnSkinCustomGrid : public TCustomGrid, public TvnSkinBoundControl {
    Q_OBJECT
    TVN_SKIN_BINDING_PROPERTIES
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(QImage Wallpaper READ Wallpaper WRITE SetWallpaper)
    Q_PROPERTY(bool WallpaperStretch READ WallpaperStretch WRITE SetWallpaperStretch)
    Q_PROPERTY(bool UseSkinFont READ UseSkinFont WRITE SetUseSkinFont)
    Q_PROPERTY(bool UseSkinCellHeight READ UseSkinCellHeight WRITE SetUseSkinCellHeight)
    Q_PROPERTY(TvnSkinScrollBar* HScrollBar READ HScrollBar WRITE SetHScrollBar)
    Q_PROPERTY(TvnSkinScrollBar* VScrollBar READ VScrollBar WRITE SetVScrollBar)
    Q_PROPERTY(uint GridLineColor READ GridLineColor WRITE SetGridLineColor)
    Q_PROPERTY(int DefaultCellHeight READ DefaultCellHeight WRITE SetDefaultCellHeight)
public:
    // The plain engine's bars run over this range, whatever the row count.
    static constexpr int kEngineScrollMax = 127;

    explicit TvnSkinCustomGrid(QObject* owner = nullptr);

    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    QImage Wallpaper() const { return m_wallpaper; }
    // Takes a copy; a picture makes the grid transparent.
    void SetWallpaper(const QImage& wallpaper);
    bool WallpaperStretch() const { return m_wallpaperStretch; }
    void SetWallpaperStretch(bool stretch);
    bool UseSkinFont() const { return m_useSkinFont; }
    void SetUseSkinFont(bool use);
    bool UseSkinCellHeight() const { return m_useSkinCellHeight; }
    void SetUseSkinCellHeight(bool use);
    // Not owned; a destroyed bar becomes none.
    TvnSkinScrollBar* HScrollBar() const { return m_hBar; }
    void SetHScrollBar(TvnSkinScrollBar* bar);
    TvnSkinScrollBar* VScrollBar() const { return m_vBar; }
    void SetVScrollBar(TvnSkinScrollBar* bar);
    TColor GridLineColor() const override { return m_gridLineColor; }
    void SetGridLineColor(TColor color);
    int DefaultCellHeight() const { return m_defaultCellHeight; }
    void SetDefaultCellHeight(int height);

    // Draws the grid into `painter` at its own origin, as a paint does.
    void Paint(QPainter& painter);
    vngrid::TvnGridSnapshot TakeSnapshot() const;
    // The record as the grid draws it, or nullptr (the default look).
    const TvnDataSkinGridControl* GridRecord() const;

    void ReadSkinRecord() override;
    void SkinChanged() override;
    void PrepareSkinChange() override;
    void WndProc(TMessage& message) override;

protected:
    // What a cell holds: its text and where it goes, or an indicator. The engine's cells
    // are empty.
    virtual void CellContent(int col, int row, vngrid::TvnGridCell& cell) const;
    // Handlers that draw over the default drawing: whether there are any, and running them
    // over the finished picture.
    virtual bool DrawsOverCells() const { return false; }
    virtual void DrawOverCells(QImage& picture, const vngrid::TvnGridSnapshot& snapshot)
    {
        Q_UNUSED(picture);
        Q_UNUSED(snapshot);
    }
    // The font of the fixed cells when the skin's fonts are not used.
    virtual const TFont* FixedCellFont() const;
    // Whether the grid draws its current row the data-aware way (see CellFace).
    virtual bool DataAwareFaces() const { return false; }
    // The pictures of the indicator column, in TvnIndicator order (none: nothing drawn).
    virtual QList<QImage> IndicatorImages() const { return {}; }
    // The check mark of a true Boolean cell: the skin's checked check-box image, kept
    // until the skin changes; null without one.
    QImage SkinCheckImage() const;
    // The state the vertical bar shows and whether it is needed; the engine maps its rows
    // onto 0..kEngineScrollMax.
    struct TvnBarState {
        TScrollInfo Info;
        bool Needed = false;
    };
    virtual TvnBarState VerticalBarState() const;
    TvnBarState HorizontalBarState() const;
    static TvnBarState AxisBarState(const grid::TAxis& axis);
    // Publishes both states and sets the bars from them (range, visibility, Both).
    void PublishScroll() override;
    void Scrolled(TScrollBarKind kind, int code, int position) override;

    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void FontChanged() override;
    void ColorChanged() override;

    // The fonts' sources changed (font, title font, the skin font switch, the skin).
    virtual void FontsChanged();
    // The fonts cells and fixed cells are drawn in: the record's with UseSkinFont, else
    // the grid's.
    struct TvnFonts {
        const TvnDataSkinGridControl* Record = nullptr;
        QFont Cell;
        QFont Fixed;
    };
    const TvnFonts& Fonts() const;

private:
    void LinkBar(QPointer<TvnSkinScrollBar>& slot, TvnSkinScrollBar* bar);
    // Puts the grid's own handlers on the bar's arrow, page and thumb events.
    void TakeOverBar(TvnSkinScrollBar* bar);
    void ApplyBar(TvnSkinScrollBar* bar, const TvnBarState& state);

    bool m_transparent = false;
    QImage m_wallpaper;
    bool m_wallpaperStretch = false;
    bool m_useSkinFont = true;
    bool m_useSkinCellHeight = true;
    TColor m_gridLineColor = clr::clWindowText;
    int m_defaultCellHeight = 20;
    QPointer<TvnSkinScrollBar> m_hBar;
    QPointer<TvnSkinScrollBar> m_vBar;
    vnctrls::TvnLookCache m_look;
    quint64 m_fontGeneration = 1;
    // Made once per skin (the check mark) and per font change (the fonts): a new picture
    // or font every paint would defeat the look cache.
    mutable vnctrls::TvnKeptValue<QImage> m_checkImage;
    mutable vnctrls::TvnKeptValue<TvnFonts> m_fonts;
};
