// Progress gauges, track bars and the slider: grooves with an accent fill or a thumb.
#include "Glyphs.h"
#include "Painting.h"
#include "Sheet.h"
#include "StudioSkin.h"
#include "skin/data/vnUtils/SkinRect.h"

using namespace palette;
using vnutils::RectLTRB;

namespace art {

namespace {

// A sunken groove.
void PaintGroove(QImage& image, const QRect& r, qreal radius)
{
    FillVertical(image, r, Face, Face);
    TArtPainter painter(image);
    PaintFace(painter, r, TFace { Mix(Field, Shade, 0.4), Field, Edge, {}, radius });
}

// The fill of a gauge: the selection's deep blue, so the percentage drawn over it reads
// as well as over the empty groove, with a light edge along its top (or left) side.
void PaintProgress(QImage& image, const QRect& r, bool upright)
{
    if (upright) {
        FillHorizontal(image, r, SelectTop, SelectBottom);
        VLine(image, r.x(), r.y(), r.y() + r.height(), AccentLight);
    } else {
        FillVertical(image, r, SelectTop, SelectBottom);
        HLine(image, r.x(), r.x() + r.width(), r.y(), AccentLight);
    }
}

// A thumb on the transparent colour, its rim painted on the face it moves over.
QRect PaintThumb(TSheet& sheet, QSize size, bool hot)
{
    const QRect r = sheet.Place(size);
    FillVertical(sheet.Image(), r, Face, Face);
    {
        TArtPainter painter(sheet.Image());
        PaintFace(painter, r,
            hot ? TFace { HotTop, HotBottom, AccentLight, {}, 3 }
                : TFace { RaisedTop, RaisedBottom, Edge, EdgeLight, 3 });
    }
    KeyOutsideRounded(sheet.Image(), r, 3, KeyColour);
    return r;
}

void AddGauge(TSkinBuilder& skin, TSheet& sheet, const char* name, QSize size, bool upright)
{
    const QRect groove = sheet.Place(size);
    PaintGroove(sheet.Image(), groove, 3);
    const QRect progress = sheet.Place(upright ? QSize(size.width() - 4, 20) : QSize(20, size.height() - 4));
    PaintProgress(sheet.Image(), progress, upright);
    sheet.NextRow();

    auto& g = skin.AddControl<TvnDataSkinGaugeControl>(QString::fromLatin1(name), "gauge");
    g.PictureIndex = picGauges;
    g.SkinRect = groove;
    if (upright) {
        g.Geometry.Corners.LeftTop = QPoint(0, 3);
        g.Geometry.Corners.LeftBottom = QPoint(0, size.height() - 3);
        g.Geometry.ClientRect = RectLTRB(0, 3, size.width(), size.height() - 3);
    } else {
        g.Geometry.Corners.LeftTop = QPoint(3, 0);
        g.Geometry.Corners.RightTop = QPoint(size.width() - 3, 0);
        g.Geometry.ClientRect = RectLTRB(3, 0, size.width() - 3, size.height());
    }
    g.Geometry.LeftStretch = g.Geometry.TopStretch = g.Geometry.RightStretch = g.Geometry.BottomStretch
        = g.Geometry.StretchEffect = true;
    g.ProgressArea = RectLTRB(2, 2, size.width() - 2, size.height() - 2);
    g.ProgressRect = progress;
    g.Vertical = upright;
    SetFont(g, TextBright);
    g.ProgressStretch = true;
}

void AddTrackBar(TSkinBuilder& skin, TSheet& sheet, const char* name, bool upright)
{
    const QSize size = upright ? QSize(20, 80) : QSize(80, 20);
    const QRect face = sheet.Place(size);
    FillVertical(sheet.Image(), face, Face, Face);
    const QRect groove = upright ? QRect(8, 6, 4, 68) : QRect(6, 8, 68, 4);
    PaintGroove(sheet.Image(), groove.translated(face.topLeft()), 2);
    const QSize thumb = upright ? QSize(18, 11) : QSize(11, 18);
    const QRect normal = PaintThumb(sheet, thumb, false);
    const QRect hot = PaintThumb(sheet, thumb, true);
    sheet.NextRow();

    auto& t = skin.AddControl<TvnDataSkinTrackBarControl>(QString::fromLatin1(name), "trackbar");
    t.PictureIndex = picGauges;
    t.SkinRect = face;
    t.ActiveSkinRect = face;
    if (upright) {
        t.Geometry.Corners.LeftTop = QPoint(0, 8);
        t.Geometry.Corners.LeftBottom = QPoint(0, 72);
    } else {
        t.Geometry.Corners.LeftTop = QPoint(8, 0);
        t.Geometry.Corners.RightTop = QPoint(72, 0);
    }
    t.Geometry.ClientRect = upright ? RectLTRB(0, 8, 20, 72) : RectLTRB(8, 0, 72, 20);
    t.Geometry.LeftStretch = t.Geometry.TopStretch = t.Geometry.RightStretch = t.Geometry.BottomStretch
        = t.Geometry.StretchEffect = true;
    t.TrackArea = groove;
    t.ButtonRect = normal;
    t.ActiveButtonRect = hot;
    t.Vertical = upright;
    t.ButtonTransparent = true;
    t.ButtonTransparentColor = ToTColor(KeyColour);
}

void AddSlider(TSkinBuilder& skin, TSheet& sheet)
{
    const QRect hRuler = sheet.Place(QSize(60, 8));
    const QRect vRuler = sheet.Place(QSize(8, 60));
    PaintGroove(sheet.Image(), hRuler, 3);
    PaintGroove(sheet.Image(), vRuler, 3);
    const QRect hThumb = PaintThumb(sheet, QSize(11, 16), false);
    const QRect vThumb = PaintThumb(sheet, QSize(16, 11), false);
    sheet.NextRow();
    auto& s = skin.AddControl<TvnDataSkinSlider>(QStringLiteral("slider"), "slider");
    s.PictureIndex = picGauges;
    s.BGColor = ToTColor(Face);
    s.HRulerRect = hRuler;
    s.HThumbRect = hThumb;
    s.VRulerRect = vRuler;
    s.VThumbRect = vThumb;
    s.EdgeSize = 4;
    s.PointsColor = ToTColor(Mix(Edge, EdgeLight, 0.5));
}

} // namespace

void AddGauges(TSkinBuilder& skin)
{
    TSheet sheet(120, Face);
    AddGauge(skin, sheet, "gauge", QSize(60, 18), false);
    AddGauge(skin, sheet, "vgauge", QSize(18, 60), true);
    AddGauge(skin, sheet, "statusgauge", QSize(60, 14), false);
    AddTrackBar(skin, sheet, "trackbar", true);
    AddTrackBar(skin, sheet, "htrackbar", false);
    AddSlider(skin, sheet);
    skin.SetPicture(picGauges, QStringLiteral("gauges.bmp"), sheet.Finished());

    // Bevels draw two lines in the skin's colours; they have no picture.
    auto& b = skin.AddControl<TvnDataSkinBevel>(QStringLiteral("bevel"), "bevel");
    b.LightColor = ToTColor(Mix(Face, EdgeLight, 0.45));
    b.DarkColor = ToTColor(Shade);
}

} // namespace art
