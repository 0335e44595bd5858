#pragma once
// Small text routines of the frame and the controls: placing a single line in a
// rectangle, measuring it, and shortening it with "..." to a width.
//
// Texts are Unicode throughout, so the one drawing call serves every platform.
#include <QFontMetrics>
#include <QRect>
#include <QString>

class QPainter;

namespace vnutils {

// Width and height of a single line as the drawing routines below lay it out.
int TextWidth(const QFontMetrics& metrics, const QString& text);
int TextHeight(const QFontMetrics& metrics, const QString& text);

// A single line at the rectangle's left edge, centred vertically
// (top + (height - text height) div 2), clipped to the rectangle.
void DrawTextVCentered(QPainter& painter, const QRect& rect, const QString& text);

// A single line at the rectangle's left + 2 + `indent`, at
// top + height div 2 - text height div 2, clipped to the rectangle.
void DrawTextLeft(QPainter& painter, const QRect& rect, const QString& text, int indent = 0);

// `text` when it fits in `width`; otherwise its last characters are dropped until what
// is left followed by "..." fits, or nothing is left, and "..." is appended.
QString ShortenText(const QFontMetrics& metrics, const QString& text, int width);

} // namespace vnutils
