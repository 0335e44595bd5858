#include "Glyphs.h"

#include <QPainterPath>
#include <QPolygonF>

namespace art {

QRectF Centred(const QRectF& outer, QSizeF size)
{
    return QRectF(outer.center().x() - size.width() / 2, outer.center().y() - size.height() / 2, size.width(),
        size.height());
}

namespace {

// The three points of an arrow head pointing in `direction` around `c`.
QPolygonF ArrowPoints(QPointF c, TDirection direction, qreal s)
{
    const qreal h = s / 2;
    switch (direction) {
    case TDirection::Up:
        return { QPointF(c.x() - s, c.y() + h), QPointF(c.x(), c.y() - h), QPointF(c.x() + s, c.y() + h) };
    case TDirection::Down:
        return { QPointF(c.x() - s, c.y() - h), QPointF(c.x(), c.y() + h), QPointF(c.x() + s, c.y() - h) };
    case TDirection::Left:
        return { QPointF(c.x() + h, c.y() - s), QPointF(c.x() - h, c.y()), QPointF(c.x() + h, c.y() + s) };
    case TDirection::Right:
        break;
    }
    return { QPointF(c.x() - h, c.y() - s), QPointF(c.x() + h, c.y()), QPointF(c.x() - h, c.y() + s) };
}

QPen LinePen(QColor colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace

void Chevron(
    QPainter& painter, const QRectF& area, TDirection direction, QColor colour, qreal size, qreal width)
{
    painter.save();
    painter.setPen(LinePen(colour, width));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(ArrowPoints(area.center(), direction, size));
    painter.restore();
}

void Triangle(QPainter& painter, const QRectF& area, TDirection direction, QColor colour, qreal size)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(ArrowPoints(area.center(), direction, size));
    painter.restore();
}

void CheckMark(QPainter& painter, const QRectF& area, QColor colour, qreal width)
{
    painter.save();
    painter.setPen(LinePen(colour, width));
    const qreal w = area.width(), h = area.height();
    const QPointF points[] = { area.topLeft() + QPointF(0.15 * w, 0.52 * h),
        area.topLeft() + QPointF(0.40 * w, 0.76 * h), area.topLeft() + QPointF(0.85 * w, 0.24 * h) };
    painter.drawPolyline(points, 3);
    painter.restore();
}

void Dot(QPainter& painter, const QRectF& area, QColor colour, qreal radius)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(area.center(), radius, radius);
    painter.restore();
}

void CloseSign(QPainter& painter, const QRectF& area, QColor colour)
{
    painter.save();
    painter.setPen(LinePen(colour, 1.6));
    painter.drawLine(area.topLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomLeft());
    painter.restore();
}

void MaximizeSign(QPainter& painter, const QRectF& area, QColor colour)
{
    painter.save();
    painter.setPen(QPen(colour, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    painter.fillRect(QRectF(area.left(), area.top(), area.width(), 1.8), colour);
    painter.restore();
}

void RestoreSign(QPainter& painter, const QRectF& area, QColor colour)
{
    painter.save();
    painter.setPen(QPen(colour, 1.2));
    painter.setBrush(Qt::NoBrush);
    const qreal s = area.width() * 0.72;
    const QRectF back(area.right() - s, area.top(), s, s);
    const QRectF front(area.left(), area.bottom() - s, s, s);
    // The back window shows only where the front one does not cover it.
    QPainterPath backOutline;
    backOutline.moveTo(back.left(), front.top());
    backOutline.lineTo(back.left(), back.top());
    backOutline.lineTo(back.right(), back.top());
    backOutline.lineTo(back.right(), back.bottom());
    backOutline.lineTo(front.right(), back.bottom());
    painter.drawPath(backOutline);
    painter.drawRect(front);
    painter.fillRect(QRectF(front.left(), front.top(), front.width(), 1.6), colour);
    painter.restore();
}

void MinimizeSign(QPainter& painter, const QRectF& area, QColor colour)
{
    painter.fillRect(QRectF(area.left(), area.bottom() - 1.8, area.width(), 1.8), colour);
}

void MenuSign(QPainter& painter, const QRectF& area, QColor colour)
{
    for (int i = 0; i < 3; ++i)
        painter.fillRect(QRectF(area.left(), area.top() + 0.5 + i * 3, area.width(), 1.5), colour);
}

void TraySign(QPainter& painter, const QRectF& area, QColor colour)
{
    // A small window sitting on the bar it goes to.
    painter.fillRect(QRectF(area.left(), area.bottom() - 1.6, area.width(), 1.6), colour);
    painter.fillRect(QRectF(area.center().x() - 2, area.bottom() - 6, 4, 3.5), colour);
}

void GripDots(QPainter& painter, const QRect& area, Qt::Orientation orientation, QColor light, QColor dark)
{
    const bool across = orientation == Qt::Horizontal;
    const int length = across ? area.width() : area.height();
    const int count = length / 4;
    const int start = (length - (count * 4 - 2)) / 2;
    for (int i = 0; i < count; ++i) {
        const int along = start + 4 * i;
        const QPoint p = across ? QPoint(area.x() + along, area.y() + area.height() / 2 - 1)
                                : QPoint(area.x() + area.width() / 2 - 1, area.y() + along);
        painter.fillRect(QRect(p + QPoint(1, 1), QSize(2, 2)), dark);
        painter.fillRect(QRect(p, QSize(2, 2)), light);
    }
}

} // namespace art
