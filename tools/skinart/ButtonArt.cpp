// Push buttons, tool buttons and menu buttons: five looks each (normal, under the
// mouse, pressed, focused, disabled), drawn in one row per record, and the push
// button's glow.
#include "Glyphs.h"
#include "Painting.h"
#include "Sheet.h"
#include "StudioSkin.h"
#include "skin/data/vnUtils/SkinRect.h"

using namespace palette;
using vnutils::RectLTRB;

namespace art {

namespace {

enum class TStyle {
    Raised, // a face of its own on any background
    Tool, // flat on a tool bar until the mouse comes
};

enum TState { stNormal, stHot, stDown, stFocused, stDisabled, stCount };

struct TButtonArt {
    const char* Name;
    const char* Kind; // "button" or "menubutton"
    QSize Size;
    int Inset; // corner points and client rectangle this far in
    qreal Radius;
    TStyle Style;
    int Track; // menu buttons: width of the drop-down part at the right (< 0: height at the bottom)
    bool Arrow; // a drop-down arrow in the middle (the combo box's button)
};

// clang-format off
constexpr TButtonArt kButtons[] = {
    { "button",                 "button",     { 40, 24 }, 5, 4,   TStyle::Raised, 0,   false },
    { "toolbutton",             "button",     { 25, 25 }, 4, 3,   TStyle::Tool,   0,   false },
    { "resizebutton",           "button",     { 40, 24 }, 4, 2,   TStyle::Raised, 0,   false },
    { "bigtoolbutton",          "button",     { 40, 40 }, 5, 4,   TStyle::Tool,   0,   false },
    { "resizetoolbutton",       "button",     { 25, 25 }, 4, 3,   TStyle::Tool,   0,   false },
    { "combobutton",            "button",     { 17, 21 }, 3, 2,   TStyle::Raised, 0,   true  },
    { "officemenubutton",       "button",     { 40, 24 }, 5, 4,   TStyle::Tool,   0,   false },
    { "officegroupbutton",      "button",     { 40, 24 }, 6, 6,   TStyle::Tool,   0,   false },
    { "toolmenubutton",         "menubutton", { 36, 25 }, 4, 3,   TStyle::Tool,   12,  false },
    { "toolmenutrackbutton",    "menubutton", { 36, 25 }, 4, 3,   TStyle::Raised, 12,  false },
    { "bigtoolmenubutton",      "menubutton", { 40, 52 }, 5, 4,   TStyle::Tool,   -12, false },
    { "bigtoolmenutrackbutton", "menubutton", { 40, 52 }, 5, 4,   TStyle::Raised, -12, false },
};
// clang-format on

TFace FaceOf(TState state, qreal radius)
{
    switch (state) {
    case stHot:
        return { HotTop, HotBottom, Mix(Edge, EdgeLight, 0.5), Mix(HotTop, White, 0.12), radius };
    case stDown:
        return { DownTop, DownBottom, Shade, {}, radius };
    case stFocused:
        return { RaisedTop, RaisedBottom, Accent, Mix(RaisedTop, AccentLight, 0.25), radius };
    case stDisabled:
        return { Flat, Flat, EdgeDisabled, {}, radius };
    case stNormal:
    case stCount:
        break;
    }
    return { RaisedTop, RaisedBottom, Edge, EdgeLight, radius };
}

// The background a button is drawn on: its parent's face, so rounded corners blend in.
void PaintBackdrop(QImage& image, const QRect& cell, TStyle style)
{
    if (style == TStyle::Tool)
        FillVertical(image, cell, ToolTop, ToolBottom);
    else
        FillVertical(image, cell, Face, Face);
}

QRect TrackPart(const TButtonArt& art, const QRect& cell)
{
    if (art.Track > 0) return QRect(cell.x() + cell.width() - art.Track, cell.y(), art.Track, cell.height());
    if (art.Track < 0) return QRect(cell.x(), cell.y() + cell.height() + art.Track, cell.width(), -art.Track);
    return QRect();
}

void PaintLook(QImage& image, const TButtonArt& art, const QRect& cell, TState state)
{
    PaintBackdrop(image, cell, art.Style);
    TArtPainter painter(image);
    const bool flat = art.Style == TStyle::Tool && (state == stNormal || state == stDisabled);
    if (!flat) PaintFace(painter, cell, FaceOf(state, art.Radius));

    const QColor glyph(state == stDisabled      ? GlyphDisabled
            : state == stHot || state == stDown ? White
                                                : Glyph);
    const QRect track = TrackPart(art, cell);
    if (!track.isEmpty()) {
        // The drop-down part: a separator (when the button shows a face) and an arrow.
        if (!flat) {
            painter.setPen(QPen(QColor(state == stDown ? Shade : Edge), 1));
            if (art.Track > 0)
                painter.drawLine(
                    QPointF(track.x() + 0.5, cell.y() + 3), QPointF(track.x() + 0.5, cell.bottom() - 2));
            else
                painter.drawLine(
                    QPointF(cell.x() + 3, track.y() + 0.5), QPointF(cell.right() - 2, track.y() + 0.5));
        }
        Triangle(painter, QRectF(track), TDirection::Down, glyph, 3);
    }
    if (art.Arrow) Chevron(painter, QRectF(cell), TDirection::Down, glyph, 3.5, 1.5);
}

// The small arrow a button shows when it opens a menu, on the transparent colour.
struct TMarkers {
    QRect Flat, Normal, Active, Down;
};

TMarkers PaintMarkers(TSheet& sheet)
{
    const QSize size(9, 6);
    TMarkers m { sheet.Place(size), sheet.Place(size), sheet.Place(size), sheet.Place(size) };
    for (const QRect& r : { m.Flat, m.Normal, m.Active, m.Down })
        FillVertical(sheet.Image(), r, KeyColour, KeyColour);
    // Drawn without smoothing, so no pixel mixes the arrow with the transparent colour.
    QPainter painter(&sheet.Image());
    const QRgb colours[] = { Glyph, Glyph, White, White };
    const QRect rects[] = { m.Flat, m.Normal, m.Active, m.Down };
    for (int i = 0; i < 4; ++i) {
        const QRect& r = rects[i];
        for (int row = 0; row < 4; ++row)
            painter.fillRect(QRect(r.x() + 1 + row, r.y() + 1 + row, 7 - 2 * row, 1), QColor(colours[i]));
    }
    return m;
}

// The push button's glow: an accent ring 2 pixels round the button's outline, drawn
// over the desktop at a fixed transparency.
constexpr int kGlowMargin = 4;

void AddGlow(TSkinBuilder& skin, TvnDataSkinButtonControl& button, QSize size, qreal radius)
{
    const int m = kGlowMargin;
    const QSize glowSize = size + QSize(2 * m, 2 * m);
    QImage glow = NewPicture(glowSize, Accent);
    FillVertical(glow, glow.rect(), AccentLight, Accent);
    const QRect inner(QPoint(m, m), size);
    const QImage mask = RingMask(glowSize, inner.adjusted(-2, -2, 2, 2), radius + 2, inner, radius);
    skin.SetPicture(picButtonGlow, QStringLiteral("buttonglow.bmp"), glow);
    skin.SetPicture(picButtonGlowMask, QStringLiteral("buttonglowmask.bmp"), mask, true);

    button.GlowLayerPictureIndex = picButtonGlow;
    button.GlowLayerMaskPictureIndex = picButtonGlowMask;
    // The rounded corners of the ring stay as drawn; the straight runs stretch.
    button.GlowLayerOffsetLeft = button.GlowLayerOffsetTop = 2 * m;
    button.GlowLayerOffsetRight = button.GlowLayerOffsetBottom = 2 * m;
    button.GlowLayerShowOffsetX = button.GlowLayerShowOffsetY = m;
    button.GlowLayerAlphaBlendValue = 100;
}

} // namespace

void AddButtons(TSkinBuilder& skin)
{
    TSheet sheet(5 * 42, Face);
    const TMarkers markers = PaintMarkers(sheet);
    sheet.NextRow();
    for (const TButtonArt& art : kButtons) {
        QRect looks[stCount];
        for (int state = 0; state < stCount; ++state) {
            looks[state] = sheet.Place(art.Size);
            PaintLook(sheet.Image(), art, looks[state], TState(state));
        }
        sheet.NextRow();

        const QString name = QString::fromLatin1(art.Name);
        TvnDataSkinButtonControl& b = QLatin1String(art.Kind) == u"menubutton"
            ? skin.AddControl<TvnDataSkinMenuButtonControl>(name, art.Kind)
            : skin.AddControl<TvnDataSkinButtonControl>(name, art.Kind);
        b.PictureIndex = picButtons;
        b.SkinRect = looks[stNormal];
        SetNinePart(b, art.Size, art.Inset);
        SetFont(b, Text);
        b.ActiveFontColor = ToTColor(White);
        b.DownFontColor = ToTColor(TextBright);
        b.DisabledFontColor = ToTColor(TextDisabled);
        b.ActiveSkinRect = looks[stHot];
        b.DownSkinRect = looks[stDown];
        b.FocusedSkinRect = looks[stFocused];
        b.DisabledSkinRect = looks[stDisabled];
        b.Morphing = true;
        b.MorphKind = TvnMorphKind::mkDefault;
        b.MenuMarkerFlatRect = markers.Flat;
        b.MenuMarkerRect = markers.Normal;
        b.MenuMarkerActiveRect = markers.Active;
        b.MenuMarkerDownRect = markers.Down;
        b.MenuMarkerTransparentColor = ToTColor(KeyColour);
        if (auto* menu = dynamic_cast<TvnDataSkinMenuButtonControl*>(&b))
            menu->TrackButtonRect = TrackPart(art, QRect(QPoint(0, 0), art.Size));
        // Only the push button glows.
        if (name == u"button") AddGlow(skin, b, art.Size, art.Radius);
    }
    skin.SetPicture(picButtons, QStringLiteral("buttons.bmp"), sheet.Finished());
}

} // namespace art
