#pragma once
// The geometry a skinned control takes from its record, as pure functions of (record,
// size): the resize mode, the size the skin allows and the geometry at that size, where a
// skin rectangle lands when the control grows, the window shape and the plain drawing.
// Painting, sizing and hit tests of every control call these; none of them keeps state.
//
// Points and rectangles are relative to the skin rectangle's top-left corner and follow
// skin/data/vnUtils/SkinRect.h (outer edges at x + width, y + height).
#include "skin/data/vnUtils/NinePart.h"

#include <QImage>
#include <QRegion>
#include <optional>

class TvnSkinData;

namespace vnctrls {

// How a control may be sized by its record.
enum class TvnResizeMode {
    None = -1, // the record's skin rectangle is empty: any size, nothing drawn from it
    Fixed = 0, // the size of the skin rectangle
    Both = 1, // stretches both ways (the record has a right-bottom point)
    Horizontal = 2, // stretches across only (a right-top point)
    Vertical = 3, // stretches down only (a left-bottom point)
};

// What a control copies from a TvnDataSkinCustomControl record.
struct TvnControlGeometry {
    vnutils::TvnNinePart Parts;
    TvnResizeMode ResizeMode = TvnResizeMode::Fixed;
    QImage Picture; // null when the record's picture index is out of range
    QImage Mask;
};

// The geometry at one size: the corner points and the client rectangle moved as the
// resize mode allows.
using TvnCurrentGeometry = vnutils::TvnNinePartTarget;

// The resize modes are tested in this order, so a record with a right-bottom point is
// always Both.
TvnResizeMode ResizeModeOf(const vnutils::TvnNinePart& parts);

// The geometry of record `index` of `store`: a record that is not a custom control
// record gives Fixed without pictures.
TvnControlGeometry ReadSkinGeometry(const TvnSkinData& store, int index);

struct TvnSkinSize {
    QSize Size;
    TvnCurrentGeometry Current;
};

// The size a request becomes and the geometry at that size. Mode None keeps the
// request; its geometry is the record's.
TvnSkinSize AdjustSizeToSkin(const TvnControlGeometry& geometry, QSize requested);

// Where rectangle `r` of the skin lands at `size`: rectangles in a corner area move with
// that corner, rectangles spanning areas grow with the parts between them.
QRect MapSkinRect(const TvnControlGeometry& geometry, QSize size, const QRect& r);

// The window shape from the mask picture at `size`, or none (no mask, nothing to cut).
std::optional<QRegion> ShapeRegion(
    const TvnControlGeometry& geometry, const TvnCurrentGeometry& current, QSize size);

// The skin's client rectangle in the picture: the tile that fills a control's middle.
QRect ClientTile(const TvnControlGeometry& geometry);

// The plain skinned look into `target` (already of the control's size): the skin
// rectangle copied (Fixed), composed in nine parts (Both, unless `frameDrawnApart`), or
// widened or heightened as a three-part strip (Horizontal, Vertical).
void DrawPlainSkin(QImage& target, const TvnControlGeometry& geometry, const TvnCurrentGeometry& current,
    bool frameDrawnApart);

} // namespace vnctrls
