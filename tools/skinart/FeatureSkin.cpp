// The feature skin's frame: its own palette (deep indigo with a cyan accent) and
// pictures, and the studio skin's caption buttons.
#include "FeatureSkin.h"

#include "Glyphs.h"
#include "MenuArt.h"
#include "Painting.h"
#include "StudioSkin.h"
#include "skin/data/vnUtils/SkinRect.h"

#include <QPainterPath>
#include <cmath>

using namespace palette;
using namespace art::feature;
using vnutils::RectLTRB;

namespace art {

namespace {

constexpr QRgb kBandTop = 0x3A2F6E;
constexpr QRgb kBandBottom = 0x231C47;
constexpr QRgb kBody = 0x231C47;
constexpr QRgb kBevel = 0x5B4FA0;
constexpr QRgb kInk = 0x0D0B1A;
constexpr QRgb kCyan = 0x3FD8F2;
constexpr QRgb kMagenta = 0xE0479E;
constexpr QRgb kClient = 0x1B1733;
constexpr QRgb kMenu = 0x1E1940;
constexpr QRgb kText = 0xD6D0F0;
constexpr QRgb kTextMuted = 0x8F88B8;
constexpr int kBandHeight = 32;
constexpr int kTopRadius = 10;
constexpr int kBottomRadius = 6;

QRgb BandAt(int y) { return Mix(kBandTop, kBandBottom, std::clamp(qreal(y) / (kBandHeight - 2), 0.0, 1.0)); }

bool InsideOutline(qreal x, qreal y)
{
    const qreal w = kFrameSize.width(), h = kFrameSize.height();
    const qreal r = y < h / 2 ? kTopRadius : kBottomRadius;
    return std::hypot(x - std::clamp(x, r, w - r), y - std::clamp(y, r, h - r)) <= r;
}

QImage PaintMainPicture()
{
    QImage picture = NewPicture(kFrameSize, kBody);
    for (int y = 0; y < kBandHeight; ++y)
        HLine(picture, 0, kFrameSize.width(), y, BandAt(y));
    // The bottom band: a glass shelf the title is reflected in.
    const int shelf = vnutils::RectBottom(kClientRect);
    FillVertical(picture, RectLTRB(0, shelf, kFrameSize.width(), kFrameSize.height()), 0x2C2458, 0x17122F);
    HLine(picture, 6, kFrameSize.width() - 6, shelf + 1, Mix(kBody, kCyan, 0.35));
    FillVertical(picture, kClientRect, kClient, kClient);
    HLine(picture, 8, kFrameSize.width() - 8, kBandHeight - 2, Mix(kBandBottom, kCyan, 0.5));
    // The grip's normal look is part of the frame picture.
    TArtPainter painter(picture);
    GripDots(painter, kGripRect.adjusted(3, 3, -3, -3), Qt::Horizontal, QColor(kBevel), QColor(kInk));
    painter.setPen(QPen(QColor(kInk), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(
        QRectF(0.5, 0.5, kFrameSize.width() - 1, kFrameSize.height() - 1), kTopRadius - 1, kTopRadius - 1);
    painter.setPen(QPen(QColor(kBevel), 1));
    painter.drawLine(QPointF(kTopRadius, 1.5), QPointF(kFrameSize.width() - kTopRadius, 1.5));
    return picture;
}

void SetFormInfo(TvnSkinFormInfo& info)
{
    const int right = vnutils::RectRight(kClientRect), bottom = vnutils::RectBottom(kClientRect);
    info.Geometry.Corners.LeftTop = QPoint(30, kClientRect.y());
    // The caption ends in the right corner part, so it stretches with the frame; the
    // buttons' row beyond it is copied as it is.
    info.Geometry.Corners.RightTop = QPoint(140, kClientRect.y());
    info.Geometry.Corners.LeftBottom = QPoint(60, bottom);
    info.Geometry.Corners.RightBottom = QPoint(240, bottom);
    info.Geometry.ClientRect = kClientRect;
    info.Geometry.StretchEffect = false;
    // The caption band is even along its length: stretched, and so are the caption's
    // animation frames, whose light sweeps across once at any width.
    info.Geometry.TopStretch = true;
    info.BGPictureIndex = fpBackground;
    info.MDIBGPictureIndex = -1;
    info.MaskRectArea = RectLTRB(kTopRadius, kTopRadius, kFrameSize.width() - kTopRadius, bottom);
    info.HitTest.LeftTop = QPoint(10, 10);
    info.HitTest.RightTop = QPoint(right - 2, 10);
    info.HitTest.LeftBottom = QPoint(6, kFrameSize.height() - 6);
    info.HitTest.RightBottom = QPoint(kFrameSize.width() - 6, kFrameSize.height() - 6);
    info.ButtonsRect = kButtonsRect;
    info.CaptionRect = kCaptionRect;
    info.ButtonsOffset = 2;
    info.BorderWidth = 6;
    info.FormMinWidth = kFrameSize.width();
    info.AutoRenderingInactiveImage = true;
    info.InactiveEffect = TvnInactiveEffect::ieGrayscale;
}

// ---- The caption: an active image, then the frames of a light sweeping across ----

QImage PaintCaption()
{
    const int w = kCaptionRect.width(), h = kCaptionRect.height();
    QImage picture = NewPicture(QSize(w, h * (1 + kCaptionFrames)), kBandBottom);
    for (int k = 0; k <= kCaptionFrames; ++k)
        for (int y = 0; y < h; ++y)
            HLine(picture, 0, w, k * h + y, BandAt(y + kCaptionRect.y()));
    // The active image: the band lit from the left in the accent, fading into the plain
    // band at its right end, so that a wider caption continues without a seam.
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const qreal t = 0.45 * (1 - qreal(x) / (w - 1)) * (1 - std::abs(y - h / 2.0) / h);
            picture.setPixel(x, y, Mix(BandAt(y + kCaptionRect.y()), kCyan, t) | 0xFF000000u);
        }
    // Frame k: a soft magenta streak at k/(n+1) of the width.
    for (int k = 1; k <= kCaptionFrames; ++k) {
        const qreal centre = w * qreal(k) / (kCaptionFrames + 1);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const qreal d = std::abs(x - centre - (y - h / 2.0) * 0.6);
                if (d > 14) continue;
                const QRgb band = picture.pixel(x, k * h + y);
                picture.setPixel(x, k * h + y, Mix(band, kMagenta, 0.7 * (1 - d / 14)) | 0xFF000000u);
            }
    }
    return picture;
}

// ---- Animated objects: one row of 18 x 18 frames each -----------------------------

enum TObjectRow : int { orTray, orSpinner, orBadge, orRowCount };
constexpr int kObjectColumns = 10;

QRect ObjectCell(TObjectRow row, int column)
{
    return QRect(column * kObjectSize, row * kObjectSize, kObjectSize, kObjectSize);
}

void PaintCellBackground(QImage& picture, const QRect& cell)
{
    for (int y = 0; y < cell.height(); ++y)
        HLine(picture, cell.x(), cell.x() + cell.width(), cell.y() + y, BandAt(y + kButtonsRect.y()));
}

QImage PaintObjects()
{
    QImage picture = NewPicture(QSize(kObjectColumns * kObjectSize, orRowCount * kObjectSize), kBandBottom);
    for (int row = 0; row < orRowCount; ++row)
        for (int c = 0; c < kObjectColumns; ++c)
            PaintCellBackground(picture, ObjectCell(TObjectRow(row), c));
    TArtPainter p(picture);
    // The tray button: its sign sinks frame by frame towards the tray, brightening; a
    // down image (pressed into the tray) and an inactive one follow.
    for (int k = 0; k < kTrayFrames; ++k) {
        const QRectF cell = ObjectCell(orTray, k);
        PaintFace(p, cell.toRect().adjusted(1, 1, -1, -1),
            TFace { Mix(kBandTop, kCyan, 0.08 * k), Mix(kBandBottom, kCyan, 0.06 * k), kBevel, {}, 3 });
        TraySign(
            p, QRectF(cell.x() + 5.5, cell.y() + 4.5 + 0.5 * k, 7, 7), QColor(Mix(Glyph, White, k / 5.0)));
    }
    PaintFace(
        p, ObjectCell(orTray, kTrayFrames).adjusted(1, 1, -1, -1), TFace { kInk, kBandBottom, kCyan, {}, 3 });
    TraySign(p, QRectF(ObjectCell(orTray, kTrayFrames).x() + 6.5, 8.5, 7, 7), QColor(kCyan));
    TraySign(p, QRectF(ObjectCell(orTray, kTrayFrames + 1).x() + 5.5, 5.5, 7, 7), QColor(GlyphInactive));
    // The spinner: eight dots round a ring, the bright one a step further each frame.
    for (int k = 0; k < kSpinnerFrames; ++k) {
        const QRectF cell = ObjectCell(orSpinner, k);
        for (int d = 0; d < 8; ++d) {
            const qreal angle = d * M_PI / 4;
            const QPointF at = cell.center() + QPointF(5.5 * std::cos(angle), 5.5 * std::sin(angle));
            const int age = (k - d + 8) % 8;
            Dot(p, QRectF(at - QPointF(1.5, 1.5), QSizeF(3, 3)), QColor(Mix(kCyan, kBandBottom, age / 8.0)),
                age == 0 ? 1.8 : 1.3);
        }
    }
    // The badge: a star that grows and lights up once.
    for (int k = 0; k < kBadgeFrames; ++k) {
        const QRectF cell = ObjectCell(orBadge, k);
        const qreal r = 2.5 + 5.5 * k / (kBadgeFrames - 1);
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const qreal a = -M_PI / 2 + i * M_PI / 5;
            const qreal len = i % 2 ? r * 0.45 : r;
            const QPointF at = cell.center() + QPointF(len * std::cos(a), len * std::sin(a));
            i ? star.lineTo(at) : star.moveTo(at);
        }
        star.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(Mix(kBevel, kMagenta, qreal(k) / (kBadgeFrames - 1))));
        p.drawPath(star);
    }
    return picture;
}

// ---- The bottom border's button: normal (in the frame picture), hot and down ------

QImage PaintBorder()
{
    const QSize cell = kGripRect.size();
    QImage picture = NewPicture(QSize(2 * cell.width(), cell.height()), kBody);
    for (int look = 0; look < 2; ++look) {
        const QRect at(look * cell.width(), 0, cell.width(), cell.height());
        // The shelf's gradient under the grip, so the looks sit on it without a seam.
        for (int y = 0; y < cell.height(); ++y) {
            const qreal t = qreal(kGripRect.y() + y - vnutils::RectBottom(kClientRect))
                / (kFrameSize.height() - vnutils::RectBottom(kClientRect));
            HLine(picture, at.x(), at.x() + at.width(), y, Mix(0x2C2458, 0x17122F, t));
        }
        TArtPainter p(picture);
        const QColor light(look ? kCyan : Mix(kCyan, White, 0.4));
        GripDots(p, at.adjusted(3, 3, -3, -3).translated(look, look), Qt::Horizontal, light, QColor(kInk));
    }
    return picture;
}

QImage PaintBackground()
{
    // A tile of fine diagonal lines on the client colour.
    QImage tile = NewPicture(QSize(24, 24), kClient);
    for (int i = 0; i < 24; ++i) {
        tile.setPixel(i, (i + 12) % 24, Mix(kClient, kBevel, 0.25) | 0xFF000000u);
        tile.setPixel(i, i, Mix(kClient, kBevel, 0.12) | 0xFF000000u);
    }
    return tile;
}

template <class Record> void SetGlow(Record& r)
{
    r.GlowLayerPictureIndex = fpCaptionGlow;
    r.GlowLayerMaskPictureIndex = fpCaptionGlowMask;
    r.GlowLayerOffsetX = kGlowMargin;
    r.GlowLayerOffsetY = kGlowMargin;
    r.GlowLayerAlphaBlendValue = 140;
}

TvnDataSkinAnimate& AddAnimate(TSkinBuilder& skin, const char* name, TObjectRow row, int frames, int interval)
{
    auto& a = skin.AddObject<TvnDataSkinAnimate>(QString::fromLatin1(name), "animate");
    a.ActivePictureIndex = fpObjects;
    a.ActiveMaskPictureIndex = -1;
    a.SkinRectInAPicture = true;
    a.SkinRect = ObjectCell(row, 0);
    a.CountFrames = frames;
    a.TimerInterval = interval;
    a.Command = TvnSkinCommand::cmDefault;
    a.GlowLayerPictureIndex = a.GlowLayerMaskPictureIndex = -1;
    return a;
}

} // namespace

void AddFeatureFrame(TSkinBuilder& skin)
{
    skin.MainPicture = { QStringLiteral("frame.bmp"), PaintMainPicture(), false };
    skin.MainMask = { QStringLiteral("framemask.bmp"), ShapeMask(kFrameSize, InsideOutline), true };
    SetFormInfo(skin.FormInfo);
    skin.SetPicture(fpCaptionButtons, QStringLiteral("captionbuttons.bmp"), PaintCaptionButtons());
    skin.SetPicture(fpCaptionGlow, QStringLiteral("captionglow.bmp"), PaintCaptionGlow());
    skin.SetPicture(fpCaptionGlowMask, QStringLiteral("captionglowmask.bmp"), PaintCaptionGlowMask(), true);
    skin.SetPicture(fpCaption, QStringLiteral("caption.bmp"), PaintCaption());
    skin.SetPicture(fpObjects, QStringLiteral("objects.bmp"), PaintObjects());
    skin.SetPicture(fpBorder, QStringLiteral("border.bmp"), PaintBorder());
    skin.SetPicture(fpBackground, QStringLiteral("background.bmp"), PaintBackground());

    // The caption: part of the frame picture; lit (active image, with a gradient morph)
    // and swept by its animation on activation; soft glow while active, glow inactive.
    auto& caption = skin.AddObject<TvnDataSkinCaption>(QStringLiteral("caption"), "caption");
    caption.SkinRect = kCaptionRect;
    caption.ActivePictureIndex = fpCaption;
    caption.ActiveMaskPictureIndex = -1;
    caption.ActiveSkinRect = QRect(0, 0, kCaptionRect.width(), kCaptionRect.height());
    caption.Morphing = true;
    caption.MorphKind = TvnMorphKind::mkLeftGradient;
    caption.AnimateSkinRect
        = QRect(0, kCaptionRect.height(), kCaptionRect.width(), kCaptionFrames * kCaptionRect.height());
    caption.FrameCount = kCaptionFrames;
    caption.AnimateInterval = 50;
    caption.InactiveAnimation = true;
    caption.TextRect = QRect(6, 0, kCaptionRect.width() - 12, kCaptionRect.height());
    SetFont(caption, 0xA89FD0, fsBold);
    caption.ActiveFontColor = ToTColor(White);
    caption.Alignment = taLeftJustify;
    caption.VistaGlowEffect = true;
    caption.GlowEffect = true;
    caption.GlowInactiveEffect = true;
    caption.GlowSize = 2;
    // A deep halo under the white text, a dark rim round the muted one.
    caption.GlowActiveColor = ToTColor(Mix(kCyan, kInk, 0.45));
    caption.GlowColor = ToTColor(kInk);

    // Caption buttons; the tray button is an animated object in button style.
    for (TCaptionButtonRow row : { cbClose, cbMaximize, cbMinimize, cbRollUp, cbSysMenu })
        AddCaptionButton(skin, row);

    auto& tray = AddAnimate(skin, "traybutton", orTray, kTrayFrames, 50);
    tray.Hint = QStringLiteral("Minimize to Tray");
    tray.ButtonStyle = true;
    tray.Command = TvnSkinCommand::cmMinimizeToTray;
    tray.DownSkinRect = ObjectCell(orTray, kTrayFrames);
    tray.InactiveSkinRect = ObjectCell(orTray, kTrayFrames + 1);
    SetGlow(tray);
    auto& spinner = AddAnimate(skin, "spinner", orSpinner, kSpinnerFrames, 100);
    spinner.Cycle = true;
    AddAnimate(skin, "badge", orBadge, kBadgeFrames, 75);

    // The bottom border: the title reflected in the shelf, a grip button at the right
    // end and a user-drawn area at the left.
    auto& status = skin.AddObject<TvnDataSkinCaption>(QStringLiteral("shelfcaption"), "caption");
    status.SkinRect = kStatusCaptionRect;
    status.ActivePictureIndex = status.ActiveMaskPictureIndex = -1;
    status.TextRect = QRect(0, 0, kStatusCaptionRect.width(), 16);
    SetFont(status, kTextMuted);
    status.ActiveFontColor = ToTColor(Mix(White, kCyan, 0.3));
    status.Alignment = taCenter;
    status.ReflectionEffect = true;
    status.ReflectionColor = ToTColor(kTextMuted);
    status.ReflectionActiveColor = ToTColor(kCyan);
    status.ReflectionOffset = 0;

    auto& grip = skin.AddObject<TvnDataSkinButton>(QStringLiteral("gripbutton"), "button");
    grip.Hint = QStringLiteral("Grip");
    grip.ActivePictureIndex = fpBorder;
    grip.ActiveMaskPictureIndex = -1;
    grip.SkinRect = kGripRect;
    grip.ActiveSkinRect = QRect(0, 0, kGripRect.width(), kGripRect.height());
    grip.DownRect = QRect(kGripRect.width(), 0, kGripRect.width(), kGripRect.height());
    // It opens a menu in the tests and the contact sheet: its glow (the caption buttons',
    // centred on its smaller square) stays while the menu shows.
    SetGlow(grip);
    grip.GlowLayerOffsetX = grip.GlowLayerOffsetY
        = kGlowMargin + (kCaptionButtonSize - kGripRect.width()) / 2;

    auto& user = skin.AddObject<TvnDataUserObject>(QStringLiteral("userarea"), "userobject");
    user.SkinRect = kUserAreaRect;
}

void AddFeatureMenus(TSkinBuilder& skin)
{
    const TMenuLook look { .MenusPicture = fpMenus,
        .PopupPicture = fpPopup,
        .HintPicture = fpHint,
        .Menu = kMenu,
        .Outline = kBevel,
        .OutlineLight = kCyan,
        .Line = kInk,
        .SelectTop = Mix(kBandTop, kCyan, 0.45),
        .SelectBottom = Mix(kBandBottom, kCyan, 0.35),
        .SelectBorder = kCyan,
        .HintTop = kBandTop,
        .HintBottom = kBandBottom,
        .Text = kText,
        .ActiveText = White,
        .TextDisabled = kTextMuted,
        .Marker = 0xA89FD0,
        .MenuBar = false };
    AddMenus(skin, look);
}

} // namespace art
