#pragma once
// The small line drawings of the skin: arrows, check marks, the caption buttons' signs
// and grips. Each is drawn centred in the area it is given, in one colour.
#include <QColor>
#include <QPainter>
#include <QRectF>

namespace art {

enum class TDirection { Up, Down, Left, Right };

// An open chevron of half-width `size` pointing in `direction`.
void Chevron(QPainter& painter, const QRectF& area, TDirection direction, QColor colour, qreal size = 3.5,
    qreal width = 1.6);
// A filled triangle of half-width `size`.
void Triangle(QPainter& painter, const QRectF& area, TDirection direction, QColor colour, qreal size = 3.5);
void CheckMark(QPainter& painter, const QRectF& area, QColor colour, qreal width = 1.8);
void Dot(QPainter& painter, const QRectF& area, QColor colour, qreal radius);

// The signs of the caption buttons, drawn in an 8 x 8 area.
void CloseSign(QPainter& painter, const QRectF& area, QColor colour);
void MaximizeSign(QPainter& painter, const QRectF& area, QColor colour);
void RestoreSign(QPainter& painter, const QRectF& area, QColor colour);
void MinimizeSign(QPainter& painter, const QRectF& area, QColor colour);
void MenuSign(QPainter& painter, const QRectF& area, QColor colour);
void TraySign(QPainter& painter, const QRectF& area, QColor colour);

// Raised grip dots across (Qt::Horizontal) or down the area.
void GripDots(QPainter& painter, const QRect& area, Qt::Orientation orientation, QColor light, QColor dark);

// The area of `size` centred in `outer`.
QRectF Centred(const QRectF& outer, QSizeF size);

} // namespace art
