// The window frame: the main picture and its mask, the frame description, the caption
// and the caption buttons with their glow.
#include "Glyphs.h"
#include "Painting.h"
#include "StudioSkin.h"
#include "skin/data/vnUtils/SkinRect.h"

#include <QPainterPath>
#include <cmath>

using namespace palette;
using vnutils::RectLTRB;

namespace art {

namespace {

constexpr QSize kFrameSize(215, 149);
constexpr int kTopRadius = 7; // rounded top corners of the window
constexpr int kBottomRadius = 4;
constexpr int kCaptionHeight = 24;

// Whether the point lies inside the window's outline: a rectangle with rounded corners,
// rounder at the top than at the bottom.
bool InsideOutline(qreal x, qreal y)
{
    const qreal w = kFrameSize.width(), h = kFrameSize.height();
    const qreal r = y < h / 2 ? kTopRadius : kBottomRadius;
    const qreal cx = std::clamp(x, r, w - r);
    const qreal cy = std::clamp(y, r, h - r);
    return std::hypot(x - cx, y - cy) <= r;
}

QPainterPath OutlinePath(const QRectF& r)
{
    const qreal t = kTopRadius - 0.5, b = kBottomRadius - 0.5;
    QPainterPath path;
    path.moveTo(r.left() + t, r.top());
    path.lineTo(r.right() - t, r.top());
    path.arcTo(QRectF(r.right() - 2 * t, r.top(), 2 * t, 2 * t), 90, -90);
    path.lineTo(r.right(), r.bottom() - b);
    path.arcTo(QRectF(r.right() - 2 * b, r.bottom() - 2 * b, 2 * b, 2 * b), 0, -90);
    path.lineTo(r.left() + b, r.bottom());
    path.arcTo(QRectF(r.left(), r.bottom() - 2 * b, 2 * b, 2 * b), 270, -90);
    path.lineTo(r.left(), r.top() + t);
    path.arcTo(QRectF(r.left(), r.top(), 2 * t, 2 * t), 180, -90);
    return path;
}

// The caption band's colour at row y, shared by the caption buttons' backgrounds so that
// they sit on the band without a seam.
QRgb CaptionAt(int y) { return Mix(CaptionTop, CaptionBottom, qreal(y) / (kCaptionHeight - 2)); }

QImage PaintMainPicture(const QRect& client)
{
    QImage picture = NewPicture(kFrameSize, FrameBody);
    for (int y = 0; y < kCaptionHeight - 1; ++y)
        HLine(picture, 0, kFrameSize.width(), y, CaptionAt(y));
    // The client area is the tile of every window's background: fine texture, no
    // pattern, so tiles join without a seam.
    FillVertical(picture, client, Window, Window);
    AddNoise(picture, client, 2, 0x5157);

    // A thin accent under the caption, then the client area's sunken edge.
    HLine(picture, 8, 207, kCaptionHeight - 2, Mix(CaptionBottom, Accent, 0.35));
    const int left = client.x() - 1, right = vnutils::RectRight(client);
    const int top = client.y() - 1, bottom = vnutils::RectBottom(client);
    HLine(picture, left, right + 1, top, Shade);
    HLine(picture, left, right + 1, bottom, Mix(FrameBody, EdgeLight, 0.35));
    VLine(picture, left, top, bottom, Shade);
    VLine(picture, right, top, bottom, Mix(FrameBody, EdgeLight, 0.35));

    // Bevel inside the outline: light along the top and the left, dark at the bottom.
    HLine(picture, 4, kFrameSize.width() - 4, 1, FrameBevel);
    VLine(picture, 1, kTopRadius, kFrameSize.height() - kBottomRadius, Mix(FrameBody, FrameBevel, 0.45));
    VLine(picture, kFrameSize.width() - 2, kTopRadius, kFrameSize.height() - kBottomRadius,
        Mix(FrameBody, Shade, 0.4));
    HLine(picture, 3, kFrameSize.width() - 3, kFrameSize.height() - 2, Mix(FrameBody, Shade, 0.5));

    TArtPainter painter(picture);
    painter.setPen(QPen(QColor(Ink), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(OutlinePath(QRectF(0.5, 0.5, kFrameSize.width() - 1, kFrameSize.height() - 1)));
    return picture;
}

void SetFormInfo(TvnSkinFormInfo& info, const QRect& client)
{
    info.Geometry.Corners.LeftTop = QPoint(16, 24);
    info.Geometry.Corners.RightTop = QPoint(199, 24);
    info.Geometry.Corners.LeftBottom = QPoint(14, 137);
    info.Geometry.Corners.RightBottom = QPoint(200, 138);
    info.Geometry.ClientRect = client;
    info.BGPictureIndex = -1;
    info.MDIBGPictureIndex = -1;
    // Borders are even along their length, so tiling them is exact and cheap.
    info.Geometry.StretchEffect = false; // the client texture is tiled
    info.MaskRectArea = RectLTRB(4, 4, 210, 147);
    info.HitTest.LeftTop = QPoint(8, 8);
    info.HitTest.RightTop = QPoint(206, 7);
    info.HitTest.LeftBottom = QPoint(5, 142);
    info.HitTest.RightBottom = QPoint(208, 140);
    info.ButtonsRect = QRect();
    info.CaptionRect = RectLTRB(10, 3, 204, 21);
    info.ButtonsOffset = 2;
    info.BorderWidth = 4;
    info.FormMinWidth = 200;
    info.AutoRenderingInactiveImage = true;
    info.InactiveEffect = TvnInactiveEffect::ieDarkness;
}

// ---- Caption buttons --------------------------------------------------------------

using TSign = void (*)(QPainter&, const QRectF&, QColor);

void RollUpSign(QPainter& painter, const QRectF& area, QColor colour)
{
    Chevron(painter, area, TDirection::Up, colour, 3.5, 1.5);
}

void RollDownSign(QPainter& painter, const QRectF& area, QColor colour)
{
    Chevron(painter, area, TDirection::Down, colour, 3.5, 1.5);
}

struct TButtonArt {
    TCaptionButtonRow Row;
    TSign Sign;
    TSign RestoreSign; // nullptr: no restore looks
    bool Danger; // the close button turns red under the mouse
    bool OnMenuBar;
};

constexpr TButtonArt kButtonArt[] = {
    { cbClose, CloseSign, nullptr, true, false },
    { cbMaximize, MaximizeSign, RestoreSign, false, false },
    { cbMinimize, MinimizeSign, RestoreSign, false, false },
    { cbSysMenu, MenuSign, nullptr, false, false },
    { cbRollUp, RollUpSign, RollDownSign, false, false },
    { cbTray, TraySign, nullptr, false, false },
    { cbMenuBarSysMenu, MenuSign, nullptr, false, true },
    { cbMenuBarClose, CloseSign, nullptr, true, true },
    { cbMenuBarMaximize, MaximizeSign, RestoreSign, false, true },
    { cbMenuBarMinimize, MinimizeSign, RestoreSign, false, true },
};

// The band a button sits on: the caption (buttons at rows 3..20 of it) or the menu bar.
void PaintButtonBackground(QImage& picture, const QRect& cell, bool onMenuBar)
{
    for (int y = 0; y < cell.height(); ++y)
        HLine(picture, cell.x(), cell.x() + cell.width(), cell.y() + y,
            onMenuBar ? Mix(MenuBarTop, MenuBarBottom, (y + 2) / 21.0) : CaptionAt(y + 3));
}

void PaintButtonLook(QImage& picture, const TButtonArt& art, TCaptionButtonLook look)
{
    const bool restore = look >= lkRestore;
    const TSign sign = restore ? art.RestoreSign : art.Sign;
    if (!sign) return;
    const QRect cell = CaptionButtonLook(art.Row, look);
    PaintButtonBackground(picture, cell, art.OnMenuBar);

    TArtPainter painter(picture);
    QRgb glyph = Glyph;
    QPointF shift(0, 0);
    const QRect face = cell.adjusted(1, 1, -1, -1);
    switch (restore ? TCaptionButtonLook(look - lkRestore) : look) {
    case lkActive:
        PaintFace(painter, face,
            art.Danger ? TFace { Mix(CloseHot, White, 0.08), CloseHot, Mix(CloseHot, Ink, 0.35), {}, 3 }
                       : TFace { HotTop, HotBottom, Edge, {}, 3 });
        glyph = White;
        break;
    case lkDown:
        PaintFace(painter, face,
            art.Danger ? TFace { CloseDown, Mix(CloseDown, CloseHot, 0.4), Mix(CloseDown, Ink, 0.4), {}, 3 }
                       : TFace { DownTop, DownBottom, Shade, {}, 3 });
        glyph = TextBright;
        shift = QPointF(1, 1); // a whole pixel keeps the lines sharp
        break;
    case lkInactive:
        glyph = GlyphInactive;
        break;
    case lkDisabled:
        glyph = GlyphDisabled;
        break;
    default:
        break;
    }
    sign(painter, QRectF(cell.x() + 5.5, cell.y() + 5.5, 7, 7).translated(shift), QColor(glyph));
}

} // namespace

QImage PaintCaptionButtons()
{
    QImage picture
        = NewPicture(QSize(lkLookCount * kCaptionButtonSize, cbRowCount * kCaptionButtonSize), CaptionBottom);
    for (const TButtonArt& art : kButtonArt) {
        PaintButtonBackground(picture,
            QRect(0, art.Row * kCaptionButtonSize, picture.width(), kCaptionButtonSize), art.OnMenuBar);
        for (int look = 0; look < lkLookCount; ++look)
            PaintButtonLook(picture, art, TCaptionButtonLook(look));
    }
    return picture;
}

QImage PaintCaptionGlow()
{
    const int side = kCaptionButtonSize + 2 * kGlowMargin;
    QImage glow = NewPicture(QSize(side, side), Accent);
    FillVertical(glow, glow.rect(), AccentLight, Accent);
    return glow;
}

QImage PaintCaptionGlowMask()
{
    // The ring hugs the button's face (1 pixel inside its cell, radius 3).
    const int side = kCaptionButtonSize + 2 * kGlowMargin;
    const QRect face(kGlowMargin + 1, kGlowMargin + 1, kCaptionButtonSize - 2, kCaptionButtonSize - 2);
    return RingMask(QSize(side, side), face.adjusted(-2, -2, 2, 2), 5, face, 3);
}

QRect CaptionButtonLook(TCaptionButtonRow row, TCaptionButtonLook look)
{
    return QRect(look * kCaptionButtonSize, row * kCaptionButtonSize, kCaptionButtonSize, kCaptionButtonSize);
}

// Every caption button record: its looks in the caption buttons' picture, its glow and
// its command. Also used for the main menu bar's buttons.
void SetCaptionButton(
    TvnDataSkinStdButton& button, TCaptionButtonRow row, TvnSkinCommand command, const QString& hint)
{
    button.Hint = hint;
    button.ActivePictureIndex = picCaptionButtons;
    button.SkinRectInAPicture = true;
    button.SkinRect = CaptionButtonLook(row, lkNormal);
    button.ActiveSkinRect = CaptionButtonLook(row, lkActive);
    button.InactiveSkinRect = CaptionButtonLook(row, lkInactive);
    button.DownRect = CaptionButtonLook(row, lkDown);
    button.DisableSkinRect = CaptionButtonLook(row, lkDisabled);
    button.Morphing = true;
    button.MorphKind = TvnMorphKind::mkDefault;
    button.GlowLayerPictureIndex = picCaptionGlow;
    button.GlowLayerMaskPictureIndex = picCaptionGlowMask;
    button.GlowLayerOffsetX = kGlowMargin;
    button.GlowLayerOffsetY = kGlowMargin;
    button.GlowLayerAlphaBlendValue = 110;
    button.Command = command;
    const bool hasRestore = command == TvnSkinCommand::cmMaximize || command == TvnSkinCommand::cmMinimize
        || command == TvnSkinCommand::cmRollUp;
    if (hasRestore) {
        button.RestoreRect = CaptionButtonLook(row, lkRestore);
        button.RestoreActiveRect = CaptionButtonLook(row, lkRestoreActive);
        button.RestoreDownRect = CaptionButtonLook(row, lkRestoreDown);
        button.RestoreInactiveRect = CaptionButtonLook(row, lkRestoreInactive);
    }
}

void AddCaptionButton(TSkinBuilder& skin, TCaptionButtonRow row)
{
    struct TCaptionButton {
        TCaptionButtonRow Row;
        const char* Name;
        TvnSkinCommand Command;
        const char* Hint;
    };
    static constexpr TCaptionButton kButtons[] = {
        { cbMaximize, "maxbutton", TvnSkinCommand::cmMaximize, "Maximize" },
        { cbMinimize, "minbutton", TvnSkinCommand::cmMinimize, "Minimize" },
        { cbSysMenu, "sysmenubutton", TvnSkinCommand::cmSysMenu, "System menu" },
        { cbClose, "closebutton", TvnSkinCommand::cmClose, "Close" },
        { cbRollUp, "rollupbutton", TvnSkinCommand::cmRollUp, "Roll Up" },
        { cbTray, "traybutton", TvnSkinCommand::cmMinimizeToTray, "Minimize to Tray" },
    };
    for (const TCaptionButton& b : kButtons)
        if (b.Row == row)
            SetCaptionButton(skin.AddObject<TvnDataSkinStdButton>(QString::fromLatin1(b.Name), "stdbutton"),
                b.Row, b.Command, QString::fromLatin1(b.Hint));
}

void AddFrame(TSkinBuilder& skin)
{
    const QRect client = RectLTRB(8, 24, 207, 145);
    skin.MainPicture = { QStringLiteral("frame.bmp"), PaintMainPicture(client), false };
    skin.MainMask = { QStringLiteral("framemask.bmp"), ShapeMask(kFrameSize, InsideOutline), true };
    SetFormInfo(skin.FormInfo, client);
    skin.SetPicture(picCaptionButtons, QStringLiteral("captionbuttons.bmp"), PaintCaptionButtons());
    skin.SetPicture(picCaptionGlow, QStringLiteral("captionglow.bmp"), PaintCaptionGlow());
    skin.SetPicture(picCaptionGlowMask, QStringLiteral("captionglowmask.bmp"), PaintCaptionGlowMask(), true);

    auto& caption = skin.AddObject<TvnDataSkinCaption>(QStringLiteral("caption"), "caption");
    // The caption is part of the frame picture; its text runs from 6 pixels in to 6
    // pixels before the buttons, and the caption stretches with the frame.
    caption.SkinRect = skin.FormInfo.CaptionRect;
    caption.TextRect = RectLTRB(6, 0, 188, 18);
    SetFont(caption, Text, fsBold);
    caption.ActiveFontColor = ToTColor(TextBright);
    caption.Alignment = taLeftJustify;
    caption.Shadow = true;
    caption.ShadowColor = ToTColor(Ink);
    caption.ActiveShadowColor = ToTColor(Ink);

    for (TCaptionButtonRow row : { cbMaximize, cbMinimize, cbSysMenu, cbClose, cbRollUp, cbTray })
        AddCaptionButton(skin, row);
}

} // namespace art
