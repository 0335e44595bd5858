#include "ParentBackground.h"

#include "framework/Control.h"

#include <QImage>
#include <QPainter>

namespace vnctrls {

void PaintParentBackground(const QWidget* control, QPainter& painter)
{
    QWidget* parent = control->parentWidget();
    if (!parent) return;
    const QRect bounds = control->geometry().intersected(parent->rect());
    if (bounds.isEmpty()) return;
    // The parent alone (never its children, which would include this control), rendered
    // off-screen so the copy never touches the parent's own painting state.
    QImage under(bounds.size(), QImage::Format_RGB32);
    under.fill(0);
    parent->render(&under, QPoint(), QRegion(bounds), QWidget::DrawWindowBackground);
    {
        QPainter siblings(&under);
        for (QObject* child : parent->children()) {
            if (child == control) break;
            auto* sibling = qobject_cast<TControl*>(child);
            if (!sibling || !sibling->Windowless() || sibling->isHidden()) continue;
            if (!sibling->geometry().intersects(bounds)) continue;
            sibling->render(
                &siblings, sibling->pos() - bounds.topLeft(), QRegion(), QWidget::DrawWindowBackground);
        }
    }
    painter.drawImage(bounds.topLeft() - control->pos(), under);
}

QImage ParentBackgroundPicture(const QWidget* control, const QRect& area)
{
    QImage picture(area.size(), QImage::Format_RGB32);
    picture.fill(0);
    if (picture.isNull()) return picture;
    QPainter painter(&picture);
    painter.translate(-area.topLeft());
    PaintParentBackground(control, painter);
    return picture;
}

} // namespace vnctrls
