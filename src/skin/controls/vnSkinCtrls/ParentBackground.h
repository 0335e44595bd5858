#pragma once
// What a transparent-looking control (flat check box, transparent panel) shows under
// itself: its parent's own painting at the control's place, with the window-less
// siblings below it in the stacking order painted on top.
#include <QImage>
#include <QRect>

class QPainter;
class QWidget;

namespace vnctrls {

// Paints into `painter`, whose origin is the control's top-left corner, what the parent
// shows under `control`. Nothing without a parent.
void PaintParentBackground(const QWidget* control, QPainter& painter);

// The same as a picture of `area` (in the control's coordinates), black where the parent
// shows nothing: what a snapshot keeps of the background it draws over.
QImage ParentBackgroundPicture(const QWidget* control, const QRect& area);

} // namespace vnctrls
