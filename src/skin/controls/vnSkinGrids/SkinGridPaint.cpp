// The skinned grid's two looks, drawn from one snapshot. Skinned: the background picture
// or the record's background colour, the lines in the record's colour, fixed, selected
// and focused cells as faces cut from the record's picture, texts in the record's fonts.
// Default: system colours, raised fixed cells, a highlighted selection and a dotted focus
// rectangle.
#include "SkinCustomGrid.h"
#include "framework/Edges.h"
#include "skin/controls/vnSkinCtrls/CheckImage.h"
#include "skin/controls/vnSkinCtrls/ParentBackground.h"
#include "skin/controls/vnSkinCtrls/SkinPieces.h"
#include "skin/data/vnSkinData/ControlSkins.h"
#include "skin/data/vnUtils/Marks.h"
#include "skin/data/vnUtils/NinePart.h"
#include "skin/data/vnUtils/SkinRect.h"
#include "skin/data/vnUtils/ThreePartStrip.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

using namespace vngrid;
using vnutils::RectEmpty;

TvnGridSnapshot TvnSkinCustomGrid::TakeSnapshot() const
{
    TvnGridSnapshot s;
    s.Record = GridRecord();
    s.RecordIndex = s.Record ? SkinRecordIndex() : -1;
    s.Size = size();
    s.GridRect = GridRect();
    s.Border = BorderStyle() == bsSingleBorder;
    s.Enabled = isEnabled();
    s.Transparent = m_transparent;
    s.RowSelect = Options() & goRowSelect;
    s.Wallpaper = m_wallpaper;
    s.WallpaperStretch = m_wallpaperStretch;
    s.UseSkinCellHeight = m_useSkinCellHeight;
    s.Color = Color();
    s.FixedColor = FixedColor();
    const TvnSkinData* store = LoadedSkin();
    if (s.Record && store) {
        const auto& r = *s.Record;
        s.CellPicture = store->Picture(r.PictureIndex);
        if (r.BGPictureIndex >= 0) s.BackgroundPicture = store->Picture(r.BGPictureIndex);
        s.LineColor = r.LinesColor;
        s.CellFontColor = r.FontColor;
        s.SelectFontColor = r.SelectFontColor;
        s.FocusFontColor = r.FocusFontColor;
        s.FixedFontColor = r.FixedFontColor;
    } else {
        s.LineColor = GridLineColor();
        s.CellFontColor = s.Enabled ? Font()->Color() : clr::clGrayText;
        s.SelectFontColor = s.FocusFontColor = clr::clHighlightText;
        s.FixedFontColor = s.Enabled ? FixedCellFont()->Color() : clr::clGrayText;
    }
    if (Color() == clr::clSilver) s.LineColor = clr::clGray;
    s.CheckImage = SkinCheckImage();
    s.IndicatorImages = IndicatorImages();
    const TvnFonts& fonts = Fonts();
    s.CellFont = fonts.Cell;
    s.FixedFont = fonts.Fixed;
    s.FontGeneration = m_fontGeneration;

    const grid::TAxis cols = Cols(), rows = Rows();
    const QRect area = s.GridRect;
    const QList<int> visibleCols = grid::VisibleCells(cols), visibleRows = grid::VisibleCells(rows);
    s.Lines = grid::LineRects(cols, rows, area, Options());

    const bool focused = hasFocus();
    s.Cells.reserve(visibleCols.size() * visibleRows.size());
    for (int row : visibleRows) {
        for (int col : visibleCols) {
            TvnGridCell cell;
            cell.Col = col;
            cell.Row = row;
            cell.Rect = CellRect(col, row);
            if (cell.Rect.isEmpty()) continue;
            cell.State = CellState(col, row);
            CellContent(col, row, cell);
            cell.Face = CellFace(cell.State, s.RowSelect, focused, DataAwareFaces());
            if (!s.Record && (cell.State & gdFocused) && !s.RowSelect) s.FocusRect = cell.Rect;
            s.Cells.append(std::move(cell));
        }
    }
    return s;
}

const TFont* TvnSkinCustomGrid::FixedCellFont() const { return Font(); }

QImage TvnSkinCustomGrid::SkinCheckImage() const
{
    if (const QImage* kept = m_checkImage.Find()) return *kept;
    QImage check;
    const TvnSkinData* store = LoadedSkin();
    const int index = store ? store->FindControlSkin(QStringLiteral("checkbox")) : -1;
    const auto* r = index >= 0 ? store->ControlSkinAs<TvnDataSkinCheckRadioControl>(index) : nullptr;
    if (r) {
        const QRect mark = vnctrls::CheckImages(*r).Check;
        if (!RectEmpty(mark)) check = vnctrls::TransparentPiece(store->Picture(r->PictureIndex), mark);
    }
    return m_checkImage.Keep(check);
}

const TvnSkinCustomGrid::TvnFonts& TvnSkinCustomGrid::Fonts() const
{
    // A store loaded again in place may hand the grid another record.
    const auto* r = GridRecord();
    if (const TvnFonts* kept = m_fonts.Find(); kept && kept->Record == r) return *kept;
    const bool skin = r && m_useSkinFont;
    TvnFonts fonts;
    fonts.Cell = skin ? TFont::MakeQFont(r->FontName, r->FontHeight, r->FontStyle) : Font()->ToQFont();
    fonts.Fixed = skin ? TFont::MakeQFont(r->FixedFontName, r->FixedFontHeight, r->FixedFontStyle)
                       : FixedCellFont()->ToQFont();
    fonts.Record = r;
    return m_fonts.Keep(std::move(fonts));
}

void TvnSkinCustomGrid::Paint(QPainter& painter)
{
    if (width() < 1 || height() < 1) return;
    ReadSkinRecord();
    const TvnGridSnapshot s = TakeSnapshot();
    // What shows through changes without the grid knowing: drawn anew every time.
    if (s.Transparent && s.Wallpaper.isNull()) {
        QImage picture = DrawGrid(s, vnctrls::ParentBackgroundPicture(this, rect()));
        DrawOverCells(picture, s);
        painter.drawImage(0, 0, picture);
        return;
    }
    // What handlers draw over the cells is not part of the state: drawn anew every time.
    if (DrawsOverCells()) {
        QImage picture = DrawGrid(s, QImage());
        DrawOverCells(picture, s);
        painter.drawImage(0, 0, picture);
        return;
    }
    painter.drawImage(0, 0, m_look.Get(SnapshotState(s), [&] { return DrawGrid(s, QImage()); }));
}

namespace vngrid {

namespace {

void TileImage(QPainter& p, const QRect& area, const QImage& picture)
{
    if (picture.isNull()) return;
    for (int y = area.y(); y < area.y() + area.height(); y += picture.height())
        for (int x = area.x(); x < area.x() + area.width(); x += picture.width())
            p.drawImage(x, y, picture);
}

QImage FaceImage(const TvnGridSnapshot& s, const TvnCellSource& source, QSize cell)
{
    if (RectEmpty(source.Rect) || s.CellPicture.isNull() || cell.width() < 1 || cell.height() < 1) return {};
    if (s.UseSkinCellHeight)
        return vnutils::HorizontalStrip(
            s.CellPicture, source.Rect, source.LeftOffset, source.RightOffset, cell.width(), source.Stretch);
    QImage face(cell, QImage::Format_RGB32);
    face.fill(0);
    const QRect client = vnutils::RectLTRB(source.Rect.x() + source.LeftOffset,
        source.Rect.y() + source.TextRect.y(), vnutils::RectRight(source.Rect) - source.RightOffset,
        source.Rect.y() + vnutils::RectBottom(source.TextRect));
    vnutils::StretchSkinRect(face, s.CellPicture, source.Rect, client);
    return face;
}

// Metrics made once per picture: making them is dearer than measuring with them.
struct TvnMetrics {
    QFontMetrics Cell;
    QFontMetrics Fixed;
};

void DrawText(QPainter& p, const QRect& box, const QRect& clip, const TvnGridCell& cell, const QFont& font,
    const QFontMetrics& m, TColor color, int inset)
{
    if (cell.Text.isEmpty()) return;
    const QSize size(m.horizontalAdvance(cell.Text), m.height());
    const QPoint at = CellTextOrigin(box, size, cell.Alignment, inset);
    p.save();
    p.setClipRect(clip, Qt::IntersectClip);
    p.setFont(font);
    p.setPen(ToQColor(color));
    p.drawText(at.x(), at.y() + m.ascent(), cell.Text);
    p.restore();
}

// A data cell's text in the cell's own font when it has one, else the grid's cell font.
void DrawCellText(QPainter& p, const QRect& box, const QRect& clip, const TvnGridCell& cell,
    const TvnGridSnapshot& s, const TvnMetrics& m, TColor color)
{
    if (cell.OwnFont)
        DrawText(p, box, clip, cell, cell.Font, QFontMetrics(cell.Font), color, cell.Inset);
    else
        DrawText(p, box, clip, cell, s.CellFont, m.Cell, color, cell.Inset);
}

void DrawIndicator(QPainter& p, const TvnGridSnapshot& s, const QRect& cell, TvnIndicator kind)
{
    const int index = static_cast<int>(kind);
    if (index < 0 || index >= s.IndicatorImages.size()) return;
    // At the cell's right, centred down.
    const QImage& picture = s.IndicatorImages.at(index);
    p.drawImage(cell.x() + cell.width() - picture.width() - 1,
        cell.y() + (cell.height() - picture.height()) / 2, picture);
}

// The check mark or picture of a plain cell; false when the cell shows its text instead.
bool DrawContent(
    QPainter& p, const TvnGridSnapshot& s, const TvnGridCell& cell, const QRect& clip, TColor color)
{
    switch (cell.Content) {
    case TvnCellContent::Text:
        return false;
    case TvnCellContent::Nothing:
        return true;
    case TvnCellContent::Check:
        if (!s.CheckImage.isNull()) {
            const QSize size = s.CheckImage.size();
            p.drawImage(cell.Rect.x() + (cell.Rect.width() - size.width()) / 2,
                cell.Rect.y() + (cell.Rect.height() - size.height()) / 2, s.CheckImage);
        } else {
            // The default look's mark is 7 x 7 pixels from its top-left corner.
            const QPoint at(
                cell.Rect.x() + (cell.Rect.width() - 7) / 2, cell.Rect.y() + (cell.Rect.height() - 7) / 2);
            vnutils::DrawMark(p, vnutils::TvnMark::CheckMark, at, ToQColor(color));
        }
        return true;
    case TvnCellContent::Picture:
        if (!cell.Picture.isNull()) {
            p.save();
            p.setClipRect(clip, Qt::IntersectClip);
            p.drawImage(cell.Rect.adjusted(1, 1, -1, -1), cell.Picture);
            p.restore();
        }
        return true;
    }
    return false;
}

void DrawSkinnedCell(QPainter& p, const TvnGridSnapshot& s, const TvnMetrics& m, const TvnGridCell& cell)
{
    const auto& r = *s.Record;
    const QRect clip = cell.Rect & s.GridRect;
    if (cell.Face == TvnCellFace::Plain) {
        if (cell.OwnBackground)
            p.fillRect(cell.Rect, ToQColor(cell.Background));
        else if (s.BackgroundPicture.isNull() && !s.Transparent)
            p.fillRect(cell.Rect, ToQColor(r.BGColor));
        // A cell of its own colours still shows its check mark or picture.
        const TColor color = cell.OwnFont ? cell.FontColor : s.CellFontColor;
        if (cell.Indicator != TvnIndicator::None)
            DrawIndicator(p, s, cell.Rect, cell.Indicator);
        else if (!DrawContent(p, s, cell, clip, color))
            DrawCellText(p, cell.Rect, clip, cell, s, m, color);
        return;
    }
    const TvnCellSource source = CellSource(r, cell.Face);
    const QImage face = FaceImage(s, source, cell.Rect.size());
    p.save();
    p.setClipRect(clip, Qt::IntersectClip);
    if (!face.isNull()) p.drawImage(cell.Rect.topLeft(), face);
    p.restore();
    const bool fixed = cell.Face == TvnCellFace::Fixed;
    const TColor color = fixed              ? s.FixedFontColor
        : cell.Face == TvnCellFace::Focused ? s.FocusFontColor
                                            : s.SelectFontColor;
    if (cell.Indicator != TvnIndicator::None) {
        DrawIndicator(p, s, cell.Rect, cell.Indicator);
        return;
    }
    const QFont& font = cell.OwnFont ? cell.Font : fixed ? s.FixedFont : s.CellFont;
    DrawText(p, FaceTextRect(cell.Rect, source, s.UseSkinCellHeight), clip, cell, font,
        cell.OwnFont ? QFontMetrics(cell.Font)
            : fixed  ? m.Fixed
                     : m.Cell,
        color, 0);
    if (r.ShowFocus && cell.Face == TvnCellFace::Focused && !s.RowSelect) {
        p.setPen(QPen(ToQColor(color), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(cell.Rect.adjusted(0, 0, -1, -1));
    }
}

void DrawDefaultCell(QPainter& p, const TvnGridSnapshot& s, const TvnMetrics& m, const TvnGridCell& cell)
{
    const QRect r = cell.Rect;
    const QRect clip = r & s.GridRect;
    if (cell.Face == TvnCellFace::Fixed) {
        p.fillRect(r, ToQColor(s.FixedColor));
        p.setPen(ToQColor(clr::clBtnHighlight));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(ToQColor(clr::clBtnShadow));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        if (cell.Indicator != TvnIndicator::None)
            DrawIndicator(p, s, r, cell.Indicator);
        else
            DrawText(p, r, clip, cell, s.FixedFont, m.Fixed, s.FixedFontColor, cell.Inset);
        return;
    }
    const bool highlight = cell.Face == TvnCellFace::Selected
        || (cell.Face == TvnCellFace::Focused && (cell.State & gdSelected) && s.RowSelect);
    if (highlight)
        p.fillRect(r, ToQColor(clr::clHighlight));
    else if (cell.OwnBackground)
        p.fillRect(r, ToQColor(cell.Background));
    else if (!s.Transparent)
        p.fillRect(r, ToQColor(s.Color));
    const TColor own = cell.OwnFont ? cell.FontColor : s.CellFontColor;
    const TColor color = !s.Enabled ? clr::clGrayText : highlight ? s.SelectFontColor : own;
    if (cell.Face == TvnCellFace::Plain && DrawContent(p, s, cell, clip, color)) return;
    DrawCellText(p, r, clip, cell, s, m, color);
}

} // namespace

QImage CellFaceImage(const TvnGridSnapshot& s, TvnCellFace face, QSize cell)
{
    if (!s.Record || face == TvnCellFace::Plain) return {};
    return FaceImage(s, CellSource(*s.Record, face), cell);
}

QImage DrawGrid(const TvnGridSnapshot& s, const QImage& parentBackground)
{
    QImage picture(s.Size, QImage::Format_RGB32);
    const QRect whole(QPoint(0, 0), s.Size);
    QPainter p(&picture);
    // 1. The background under everything.
    if (s.Record && !s.BackgroundPicture.isNull() && !s.Transparent) {
        TileImage(p, whole, s.BackgroundPicture);
    } else if (s.Transparent) {
        if (!s.Wallpaper.isNull()) {
            if (s.WallpaperStretch)
                p.drawImage(whole, s.Wallpaper);
            else
                TileImage(p, whole, s.Wallpaper);
        } else if (!parentBackground.isNull()) {
            p.drawImage(0, 0, parentBackground);
        } else {
            picture.fill(0);
        }
    } else {
        p.fillRect(whole, ToQColor(s.Record ? s.Record->BGColor : s.Color));
    }
    if (s.Border) {
        if (s.Record) {
            // The skin has no border of its own for grids: a line in its line colour and
            // the background inside it.
            DrawOutline(p, whole, ToQColor(s.LineColor));
        } else {
            DrawSunkenEdge(p, whole);
        }
    }
    p.setClipRect(s.GridRect);
    // 2. The lines.
    for (const QRect& line : s.Lines)
        p.fillRect(line, ToQColor(s.LineColor));
    // 3. The cells.
    const TvnMetrics metrics { QFontMetrics(s.CellFont), QFontMetrics(s.FixedFont) };
    for (const TvnGridCell& cell : s.Cells) {
        if (s.Record)
            DrawSkinnedCell(p, s, metrics, cell);
        else
            DrawDefaultCell(p, s, metrics, cell);
    }
    if (!s.FocusRect.isEmpty()) {
        p.setPen(QPen(ToQColor(clr::clWindowText), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(s.FocusRect.adjusted(0, 0, -1, -1));
    }
    return picture;
}

vnctrls::TvnStateWriter SnapshotState(const TvnGridSnapshot& s)
{
    vnctrls::TvnStateWriter w;
    w << s.RecordIndex << s.Size << s.GridRect;
    w << (s.Border | s.Enabled << 1 | s.Transparent << 2 | s.RowSelect << 3 | s.WallpaperStretch << 4
        | s.UseSkinCellHeight << 5);
    w << s.FocusRect << s.CheckImage.cacheKey() << s.Wallpaper.cacheKey() << s.BackgroundPicture.cacheKey()
      << s.CellPicture.cacheKey();
    w << s.Color << s.FixedColor << s.LineColor << s.FontGeneration;
    w << s.CellFontColor << s.SelectFontColor << s.FocusFontColor << s.FixedFontColor;
    w << s.Lines.size();
    for (const QRect& line : s.Lines)
        w << line;
    w << s.Cells.size();
    for (const TvnGridCell& c : s.Cells) {
        w << c.Rect
          << (int(c.State) | int(c.Face) << 8 | int(c.Alignment) << 16 | (int(c.Indicator) + 1) << 24
                 | int(c.OwnBackground) << 30 | int(c.OwnFont) << 31)
          << (c.Inset | int(c.Content) << 8) << c.Picture.cacheKey() << c.Text;
        if (c.OwnBackground) w << c.Background;
        if (c.OwnFont) w << c.FontColor << c.Font.key();
    }
    return w;
}

} // namespace vngrid
