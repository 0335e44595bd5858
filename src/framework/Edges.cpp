#include "Edges.h"

#include "platform/Colors.h"

#include <QPainter>

void DrawShallowEdge(QPainter& painter, const QRect& r)
{
    painter.setPen(ToQColor(clr::clBtnShadow));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(ToQColor(clr::clBtnHighlight));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

void DrawSunkenEdge(QPainter& painter, const QRect& r)
{
    DrawShallowEdge(painter, r);
    painter.setPen(ToQColor(clr::cl3DDkShadow));
    painter.drawLine(r.topLeft() + QPoint(1, 1), r.topRight() + QPoint(-1, 1));
    painter.drawLine(r.topLeft() + QPoint(1, 1), r.bottomLeft() + QPoint(1, -1));
}

void DrawOutline(QPainter& painter, const QRect& r, const QColor& color)
{
    painter.fillRect(QRect(r.x(), r.y(), r.width(), 1), color);
    painter.fillRect(QRect(r.x(), r.bottom(), r.width(), 1), color);
    painter.fillRect(QRect(r.x(), r.y(), 1, r.height()), color);
    painter.fillRect(QRect(r.right(), r.y(), 1, r.height()), color);
}
