// Scroll bars (upright, lying, and lying with a corner square) and the up-down buttons.
// A bar's face shows its arrow buttons at rest; the hot and pressed buttons, the thumb
// and the thumb's grip are separate looks drawn over it.
#include "Glyphs.h"
#include "Painting.h"
#include "Sheet.h"
#include "StudioSkin.h"
#include "skin/data/vnUtils/SkinRect.h"

using namespace palette;
using vnutils::RectLTRB;

namespace art {

namespace {

constexpr int kThickness = 19; // bars are this thick
constexpr int kButton = 18; // arrow buttons are this long
constexpr int kLength = 80; // the face's length: two buttons and a track
constexpr QRgb kTrack = 0x202429;

enum TLook { lkRest, lkHot, lkPressed };

// An arrow button on the track: the arrow alone at rest, a small face under the mouse
// and when pressed.
void PaintArrowButton(QImage& image, const QRect& cell, TDirection direction, TLook look, QRgb backdrop)
{
    FillVertical(image, cell, backdrop, backdrop);
    TArtPainter painter(image);
    if (look == lkHot)
        PaintFace(painter, cell.adjusted(1, 1, -1, -1), TFace { HotTop, HotBottom, Edge, {}, 3 });
    if (look == lkPressed)
        PaintFace(painter, cell.adjusted(1, 1, -1, -1), TFace { DownTop, DownBottom, Shade, {}, 3 });
    Chevron(painter, QRectF(cell), direction, QColor(look == lkRest ? Glyph : White), 3.5, 1.6);
}

// The dark line along the side of a bar that meets the control it scrolls.
void SideLine(QImage& image, const QRect& r, bool upright)
{
    if (upright)
        VLine(image, r.x(), r.y(), r.y() + r.height(), Shade);
    else
        HLine(image, r.x(), r.x() + r.width(), r.y(), Shade);
}

struct TBarLooks {
    QRect Face;
    QRect HotDecrease, PressedDecrease, HotIncrease, PressedIncrease;
    QRect Thumb[3];
    QRect Grip[3];
};

// Looks of one bar. The decreasing button (left or top) is the one the skin calls
// "down", the increasing one (right or bottom) "up".
TBarLooks PaintBar(TSheet& sheet, bool upright, int faceLength, bool cornerSquare)
{
    QImage& image = sheet.Image();
    const auto size
        = [upright](int along, int across) { return upright ? QSize(across, along) : QSize(along, across); };
    const TDirection decrease = upright ? TDirection::Up : TDirection::Left;
    const TDirection increase = upright ? TDirection::Down : TDirection::Right;

    TBarLooks looks;
    looks.Face = sheet.Place(size(faceLength, kThickness));
    const auto part = [&](int from, int length) {
        return upright ? QRect(looks.Face.x(), looks.Face.y() + from, kThickness, length)
                       : QRect(looks.Face.x() + from, looks.Face.y(), length, kThickness);
    };
    const QRect bar = part(0, kLength);
    FillVertical(image, bar, kTrack, kTrack);
    PaintArrowButton(image, part(0, kButton), decrease, lkRest, kTrack);
    PaintArrowButton(image, part(kLength - kButton, kButton), increase, lkRest, kTrack);
    SideLine(image, bar, upright);
    if (cornerSquare) {
        const QRect corner = part(kLength, kThickness);
        FillVertical(image, corner, Face, Face);
        QPainter painter(&image);
        GripDots(painter, corner.adjusted(4, 4, -4, -4), upright ? Qt::Vertical : Qt::Horizontal,
            QColor(EdgeLight), QColor(Ink));
    }

    looks.HotDecrease = sheet.Place(size(kButton, kThickness));
    looks.PressedDecrease = sheet.Place(size(kButton, kThickness));
    looks.HotIncrease = sheet.Place(size(kButton, kThickness));
    looks.PressedIncrease = sheet.Place(size(kButton, kThickness));
    PaintArrowButton(image, looks.HotDecrease, decrease, lkHot, kTrack);
    PaintArrowButton(image, looks.PressedDecrease, decrease, lkPressed, kTrack);
    PaintArrowButton(image, looks.HotIncrease, increase, lkHot, kTrack);
    PaintArrowButton(image, looks.PressedIncrease, increase, lkPressed, kTrack);
    for (const QRect& r :
        { looks.HotDecrease, looks.PressedDecrease, looks.HotIncrease, looks.PressedIncrease })
        SideLine(image, r, upright);

    // The thumb: a rounded bar on the track, cut out with the transparent colour; its
    // grip: three short lines.
    const QRgb thumbTops[] = { RaisedTop, HotTop, Mix(Accent, Face, 0.35) };
    const QRgb thumbBottoms[] = { RaisedBottom, HotBottom, Mix(Accent, Face, 0.5) };
    for (int look = 0; look < 3; ++look) {
        QRect& thumb = looks.Thumb[look];
        thumb = sheet.Place(size(30, 11));
        FillVertical(image, thumb, kTrack, kTrack);
        {
            TArtPainter painter(image);
            PaintFace(painter, thumb, TFace { thumbTops[look], thumbBottoms[look], Edge, {}, 5 });
        }
        KeyOutsideRounded(image, thumb, 5, KeyColour);
    }
    for (int look = 0; look < 3; ++look) {
        QRect& grip = looks.Grip[look];
        grip = sheet.Place(size(7, 5));
        FillVertical(image, grip, KeyColour, KeyColour);
        const QRgb line = look == 0 ? Glyph : White;
        for (int i = 0; i < 3; ++i) {
            if (upright)
                HLine(image, grip.x(), grip.x() + 5, grip.y() + 1 + 2 * i, line);
            else
                VLine(image, grip.x() + 1 + 2 * i, grip.y(), grip.y() + 5, line);
        }
    }
    sheet.NextRow();
    return looks;
}

void AddBarRecord(TSkinBuilder& skin, const char* name, const TBarLooks& looks, bool upright)
{
    auto& s = skin.AddControl<TvnDataSkinScrollBarControl>(QString::fromLatin1(name), "scrollbar");
    s.PictureIndex = picScrollBars;
    s.SkinRect = looks.Face;
    const int trackEnd = kLength - kButton;
    // The track between the buttons grows; the increasing button lies past the last
    // fixed column or row, so it follows the bar's end.
    if (upright) {
        s.Geometry.Corners.LeftTop = QPoint(0, kButton);
        s.Geometry.Corners.LeftBottom = QPoint(0, trackEnd - 1);
        s.Geometry.ClientRect = RectLTRB(0, kButton, kThickness, trackEnd - 1);
        s.TrackArea = RectLTRB(0, kButton, kThickness, trackEnd);
        s.DownButtonRect = RectLTRB(0, 0, kThickness, kButton);
        s.UpButtonRect = RectLTRB(0, trackEnd, kThickness, kLength);
    } else {
        s.Geometry.Corners.LeftTop = QPoint(kButton, 0);
        s.Geometry.Corners.RightTop = QPoint(trackEnd - 1, 0);
        s.Geometry.ClientRect = RectLTRB(kButton, 0, trackEnd - 1, kThickness);
        s.TrackArea = RectLTRB(kButton, 0, trackEnd, kThickness);
        s.DownButtonRect = RectLTRB(0, 0, kButton, kThickness);
        s.UpButtonRect = RectLTRB(trackEnd, 0, kLength, kThickness);
    }
    s.Geometry.LeftStretch = s.Geometry.TopStretch = s.Geometry.RightStretch = s.Geometry.BottomStretch
        = true;
    s.Geometry.StretchEffect = true;
    s.ActiveUpButtonRect = looks.HotIncrease;
    s.DownUpButtonRect = looks.PressedIncrease;
    s.ActiveDownButtonRect = looks.HotDecrease;
    s.DownDownButtonRect = looks.PressedDecrease;
    s.ThumbRect = looks.Thumb[0];
    s.ActiveThumbRect = looks.Thumb[1];
    s.DownThumbRect = looks.Thumb[2];
    s.ThumbOffset1 = s.ThumbOffset2 = 6;
    s.ThumbTransparent = true;
    s.ThumbTransparentColor = ToTColor(KeyColour);
    s.ThumbStretchEffect = true;
    s.GlyphRect = looks.Grip[0];
    s.ActiveGlyphRect = looks.Grip[1];
    s.DownGlyphRect = looks.Grip[2];
    s.GlyphTransparent = true;
    s.GlyphTransparentColor = ToTColor(KeyColour);
}

// Up-down buttons: two small faces side by side or one above the other.
void AddUpDown(TSkinBuilder& skin, TSheet& sheet, const char* name, bool upright)
{
    QImage& image = sheet.Image();
    const QSize half = upright ? QSize(16, 12) : QSize(12, 16);
    const QSize whole = upright ? QSize(16, 24) : QSize(24, 16);
    const TDirection up = upright ? TDirection::Up : TDirection::Right;
    const TDirection down = upright ? TDirection::Down : TDirection::Left;
    const QRect face = sheet.Place(whole);
    // "up" is the button that increases: the upper one, or the right one.
    const QRect upPart = upright ? QRect(0, 0, 16, 12) : QRect(12, 0, 12, 16);
    const QRect downPart = upright ? QRect(0, 12, 16, 12) : QRect(0, 0, 12, 16);
    const auto paint = [&](const QRect& cell, TDirection direction, TLook look) {
        FillVertical(image, cell, Face, Face);
        TArtPainter painter(image);
        const TFace faces[] = { { RaisedTop, RaisedBottom, Edge, {}, 2 }, { HotTop, HotBottom, Edge, {}, 2 },
            { DownTop, DownBottom, Shade, {}, 2 } };
        PaintFace(painter, cell, faces[look]);
        Chevron(painter, QRectF(cell), direction, QColor(look == lkRest ? Glyph : White), 2.5, 1.4);
    };
    paint(upPart.translated(face.topLeft()), up, lkRest);
    paint(downPart.translated(face.topLeft()), down, lkRest);
    QRect looks[4];
    for (QRect& r : looks)
        r = sheet.Place(half);
    paint(looks[0], up, lkHot);
    paint(looks[1], up, lkPressed);
    paint(looks[2], down, lkHot);
    paint(looks[3], down, lkPressed);
    sheet.NextRow();

    auto& u = skin.AddControl<TvnDataSkinUpDownControl>(QString::fromLatin1(name), "updown");
    u.PictureIndex = picScrollBars;
    u.SkinRect = face;
    u.UpButtonRect = upPart;
    u.ActiveUpButtonRect = looks[0];
    u.DownUpButtonRect = looks[1];
    u.DownButtonRect = downPart;
    u.ActiveDownButtonRect = looks[2];
    u.DownDownButtonRect = looks[3];
}

} // namespace

void AddScrollBars(TSkinBuilder& skin)
{
    TSheet sheet(200, kTrack);
    AddBarRecord(skin, "vscrollbar", PaintBar(sheet, true, kLength, false), true);
    AddBarRecord(skin, "hscrollbar", PaintBar(sheet, false, kLength, false), false);
    AddBarRecord(skin, "bothhscrollbar", PaintBar(sheet, false, kLength + kThickness, true), false);
    AddUpDown(skin, sheet, "vupdown", true);
    AddUpDown(skin, sheet, "hupdown", false);
    AddUpDown(skin, sheet, "updown", false);
    skin.SetPicture(picScrollBars, QStringLiteral("scrollbars.bmp"), sheet.Finished());
}

} // namespace art
