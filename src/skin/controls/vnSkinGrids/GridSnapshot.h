#pragma once
// What one paint of a skinned grid draws from, decided once at the start of the paint:
// the record (looked up once), the fonts and colours, the lines, and every cell on screen
// with its rectangle, state, face and content. The draw routines read nothing else of
// the grid, and the same state always gives the same picture (the look cache relies on
// it).
#include "framework/Types.h"
#include "framework/grids/GridTypes.h"
#include "platform/Colors.h"
#include "skin/controls/vnSkinCtrls/FaceCache.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

class TvnDataSkinGridControl;

namespace vngrid {

// Which picture a cell shows under its content.
enum class TvnCellFace {
    Plain, // filled with the background colour (or nothing over a background picture)
    Fixed, // a title or indicator cell
    Selected, // a selected cell (the current row while the grid has no focus)
    Focused, // the current cell (or the current row) while the grid has the focus
};

// The arrow and marks the indicator column shows for the current record.
enum class TvnIndicator { None = -1, Arrow = 0, Edit = 1, Insert = 2, MultiDot = 3, MultiArrow = 4 };

// What a plain cell shows besides (or instead of) its text: a data-aware grid draws a
// true Boolean field as a check mark, a false one as nothing, and a picture field as its
// picture. Selected and focused cells always show the text.
enum class TvnCellContent { Text, Check, Nothing, Picture };

struct TvnGridCell {
    int Col = -1;
    int Row = -1;
    QRect Rect;
    TGridDrawState State;
    TvnCellFace Face = TvnCellFace::Plain;
    QString Text;
    TAlignment Alignment = taLeftJustify;
    // Pixels between the cell's edge and the text, before the common two.
    int Inset = 2;
    TvnIndicator Indicator = TvnIndicator::None;
    TvnCellContent Content = TvnCellContent::Text;
    QImage Picture;
    // A background of the cell's own (a handler's choice) in place of the skin's.
    bool OwnBackground = false;
    TColor Background = 0;
    // A font and text colour of the cell's own (its column's, or a handler's choice).
    bool OwnFont = false;
    QFont Font;
    TColor FontColor = 0;
};

struct TvnGridSnapshot {
    const TvnDataSkinGridControl* Record = nullptr; // null: the default look
    int RecordIndex = -1;
    QSize Size;
    QRect GridRect;
    bool Border = false;
    bool Enabled = true;
    bool Transparent = false;
    bool RowSelect = false;
    // The focus rectangle of the default look goes round this cell (empty: none).
    QRect FocusRect;
    QImage Wallpaper;
    bool WallpaperStretch = false;
    // The record's background picture (null: none).
    QImage BackgroundPicture;
    // The record's cell picture.
    QImage CellPicture;
    // The check mark a true Boolean cell shows: the skin's checked check-box image (null:
    // the default look's drawn mark).
    QImage CheckImage;
    // The indicator column's five pictures, in TvnIndicator order.
    QList<QImage> IndicatorImages;
    bool UseSkinCellHeight = true;

    TColor Color = 0;
    TColor FixedColor = 0;
    TColor LineColor = 0;
    QList<QRect> Lines;

    QFont CellFont;
    QFont FixedFont;
    // Changes whenever the fonts may have (they are compared by it, not by value).
    quint64 FontGeneration = 0;
    TColor CellFontColor = 0;
    TColor SelectFontColor = 0;
    TColor FocusFontColor = 0;
    TColor FixedFontColor = 0;

    QList<TvnGridCell> Cells;
};

// Where a cell face comes from in the record's picture.
struct TvnCellSource {
    QRect Rect;
    int LeftOffset = 0;
    int RightOffset = 0;
    QRect TextRect;
    bool Stretch = false;
};

// The face a cell of `state` shows. The data-aware grid shows its current row with the
// focused face only while it has the focus; the plain engine with whole-row selection
// shows every selected cell so.
TvnCellFace CellFace(TGridDrawState state, bool rowSelect, bool gridFocused, bool dataAware);
// The record's rectangle, offsets and stretch flag for a face (Plain has none).
TvnCellSource CellSource(const TvnDataSkinGridControl& record, TvnCellFace face);

// Where a text `textSize` large starts in `cell`: left at left + inset + 2, right at
// right - width - 3, centred across; always centred down. Right-to-left mirrors left and
// right.
QPoint CellTextOrigin(
    const QRect& cell, QSize textSize, TAlignment alignment, int inset, bool rightToLeft = false);
// The rectangle a text over a skin face keeps to: the record's text rectangle, widened by
// what the cell is wider than the face (and, when faces are stretched down, lowered by
// what it is higher).
QRect FaceTextRect(const QRect& cell, const TvnCellSource& source, bool useSkinCellHeight);

// A cell face of the record at a cell's size (null without a picture or source).
QImage CellFaceImage(const TvnGridSnapshot& snapshot, TvnCellFace face, QSize cell);

// The finished picture of a whole grid.
QImage DrawGrid(const TvnGridSnapshot& snapshot, const QImage& parentBackground);
// The state the look cache compares, written out.
vnctrls::TvnStateWriter SnapshotState(const TvnGridSnapshot& snapshot);

} // namespace vngrid
