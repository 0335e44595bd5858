#pragma once
// What the contact sheet needs to draw a record as a control would: its face at a size
// by the record's resize rules, its fonts and colours, and pictures drawn with a
// transparent colour. Built on the engine's own composition.
#include "skin/data/vnSkinData/OtherControlSkins.h"
#include "skin/data/vnSkinData/SkinData.h"

#include <QFont>
#include <QImage>
#include <QPainter>

namespace sheet {

// How a custom record's face follows the control's size.
enum class TResize { Fixed, Both, Across, Down };
TResize ResizeMode(const TvnDataSkinCustomControl& record);

// The record's look `face` (one of its rectangles, in its picture) at `size`; a fixed
// record keeps its own size, one growing only one way its own height or width.
QImage ComposeFace(
    const TvnSkinData& skin, const TvnDataSkinCustomControl& record, const QRect& face, QSize size);
// The client rectangle at `size` (grown with the size, as the face is).
QRect ClientAt(const TvnDataSkinCustomControl& record, QSize size);
// The size a control of the record takes when asked for `wanted`.
QSize SizeFor(const TvnDataSkinCustomControl& record, QSize wanted);

QImage Part(const QImage& picture, const QRect& rect);
// The image horizontally stretched or tiled to `width` with fixed ends.
QImage Strip(const QImage& picture, const QRect& rect, int left, int right, int width, bool stretch);

// A skin font: name, height as the skin writes it, styles.
QFont SkinFont(const QString& name, int height, TFontStyles style);
QColor Colour(TColor colour);

// One line of text in `rect`, clipped, by `flags` (Qt alignment).
void DrawLine(QPainter& painter, const QRect& rect, const QString& text, const QFont& font, TColor colour,
    int flags = Qt::AlignCenter);

// `part` of `picture` drawn at `at`, pixels of `transparent` left out.
void DrawTransparent(
    QPainter& painter, QPoint at, const QImage& picture, const QRect& part, TColor transparent);
// The same with the colour of the part's bottom-left pixel left out.
void DrawAutoTransparent(QPainter& painter, QPoint at, const QImage& picture, const QRect& part);

// The colour of a picture's pixel, 0x00BBGGRR; 0 outside it.
TColor PixelColour(const QImage& picture, QPoint at);

// The face a child control sits on: the group box's client area, or the window's.
QColor GroupFace(const TvnSkinData& skin);
QColor WindowFace(const TvnSkinData& skin);

// A tile of `size` filled with `background`, with `margin` around the area returned.
QImage Canvas(QSize size, const QColor& background);

} // namespace sheet
