#pragma once
// Drawing the frame's objects from their place and state: caption buttons from their
// skin images (or the default buttons' glyphs), and the caption text of the skin's
// caption object. Reads only what it is given.
#include "FrameObjectList.h"
#include "framework/Events.h"

#include <QPoint>
#include <QString>

class QPainter;
class TvnSkinData;

namespace veneer {

// OnCaptionPaint: the application draws the caption into `Cnvs` at `R` instead of the
// frame.
using TvnCaptionPaintEvent = TEvent<QObject* /*Sender*/, QPainter* /*Cnvs*/, QRect /*R*/, bool /*AActive*/>;

// The frame objects' events: the object's IDName, points in frame coordinates.
using TvnObjectEvent = TEvent<QString /*IDName*/>;
using TvnObjectMouseEvent
    = TEvent<QString /*IDName*/, int /*X*/, int /*Y*/, QRect /*ObjectRect*/, TMouseButton /*Button*/>;
using TvnObjectMouseMoveEvent = TEvent<QString /*IDName*/, int /*X*/, int /*Y*/, QRect /*ObjectRect*/>;
// A user object is drawn by the application.
using TvnObjectPaintEvent = TEvent<QString /*IDName*/, QPainter* /*Canvas*/, QRect /*ObjectRect*/>;
// Whether a caption button of the default command shows.
using TvnActivateCustomObjectEvent = TEvent<QString /*IDName*/, bool& /*ObjectVisible*/>;

struct TvnObjectPaintContext {
    const TvnSkinData* Skin = nullptr; // nullptr: the objects of the default frame
    bool Active = true;
    // False while painting the frame picture itself: objects whose image is part of that
    // picture are not drawn again in their normal state.
    bool DrawNormal = true;
    QString Caption;
    const TvnCaptionPaintEvent* OnCaptionPaint = nullptr;
    const TvnObjectPaintEvent* OnPaintEvent = nullptr;
    QObject* Sender = nullptr;
    int Charset = 1;
    bool Maximized = false;
    bool Minimized = false;
    bool RolledUp = false;
    // The form's small icon, which the system-menu button shows instead of its image
    // (ShowIcon); nullptr when it shows its own.
    const QImage* SmallIcon = nullptr;
};

// Whether the object is the system-menu button that shows the form's icon: one whose
// image lies in a picture of its own (the frame picture would show its image anyway).
bool ShowsIcon(const TvnLayoutObject& o, bool showIcon);

// Draws one object at its Rect; the painter's origin is the frame's top-left corner.
void DrawFrameObject(QPainter& painter, const TvnLayoutObject& o, const TvnFrameObjectState& s,
    const TvnObjectPaintContext& c);

// The caption text of the skin's caption object (a record with its Caption view) drawn
// inside `objectRect`.
void DrawCaptionText(QPainter& painter, const TvnObjectRecord& record, const TvnSkinData& skin,
    const QRect& objectRect, const TvnObjectPaintContext& c);

} // namespace veneer

Q_DECLARE_METATYPE(veneer::TvnCaptionPaintEvent)
Q_DECLARE_METATYPE(veneer::TvnObjectEvent)
Q_DECLARE_METATYPE(veneer::TvnObjectMouseEvent)
Q_DECLARE_METATYPE(veneer::TvnObjectMouseMoveEvent)
Q_DECLARE_METATYPE(veneer::TvnObjectPaintEvent)
Q_DECLARE_METATYPE(veneer::TvnActivateCustomObjectEvent)
