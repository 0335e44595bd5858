// Containers: panels, group boxes, tool bars, the status bar and their relatives, the
// panel-like labels, splitters and the control bar.
#include "Glyphs.h"
#include "Painting.h"
#include "Sheet.h"
#include "StudioSkin.h"
#include "skin/data/vnUtils/SkinRect.h"

#include <QPainterPath>
#include <algorithm>

using namespace palette;
using vnutils::RectLTRB;

namespace art {

namespace {

// Each texture's seed comes from where it lies, so every face has its own grain and the
// artwork does not depend on the order it is painted in.
quint32 SeedOf(const QRect& r)
{
    return 0x9A11u ^ (quint32(r.x()) * 73856093u) ^ (quint32(r.y()) * 19349663u);
}

// A container face: `fill` inside a one-pixel outline, the middle (client) textured.
void PaintContainer(
    QImage& image, const QRect& r, QRgb fill, QRgb border, const QRect& client, qreal radius, QRgb backdrop)
{
    FillVertical(image, r, backdrop, backdrop);
    {
        TArtPainter painter(image);
        PaintFace(painter, r, TFace { fill, fill, border, {}, radius });
    }
    AddNoise(image, client.translated(r.topLeft()), 2, SeedOf(r));
}

// Group box: rounded outline, a caption band across the top and a textured client area.
struct TGroupArt {
    QRect Face;
    QRect CaptionFrame; // the tag behind the caption text
};

constexpr QSize kGroupSize(60, 54);
constexpr QRect kGroupClient(3, 21, 54, 30); // 3,21 .. 57,51
constexpr int kBandBottom = 19;

TGroupArt PaintGroup(TSheet& sheet)
{
    TGroupArt art { sheet.Place(kGroupSize), sheet.Place(QSize(30, 15)) };
    QImage& image = sheet.Image();
    const QRect& r = art.Face;
    FillVertical(image, r, Window, Window);
    {
        TArtPainter painter(image);
        PaintFace(painter, r, TFace { Face, Face, Edge, {}, 4 });
    }
    FillVertical(image, QRect(r.x() + 1, r.y() + 3, r.width() - 2, kBandBottom - 3), FaceBand,
        Mix(FaceBand, Face, 0.5));
    HLine(image, r.x() + 1, r.x() + r.width() - 1, r.y() + kBandBottom, Shade);
    HLine(image, r.x() + 1, r.x() + r.width() - 1, r.y() + kBandBottom + 1, Mix(Face, EdgeLight, 0.2));
    {
        // The band's top rows follow the rounded outline.
        TArtPainter painter(image);
        QPainterPath top;
        top.addRoundedRect(QRectF(r).adjusted(1, 1, -1, 0), 3, 3);
        painter.setClipRect(QRect(r.x() + 1, r.y() + 1, r.width() - 2, 2));
        painter.fillPath(top, QColor(FaceBand));
    }
    AddNoise(image, kGroupClient.translated(r.topLeft()), 2, SeedOf(r));

    // The caption's tag: a lighter rounded strip with an accent bar before the text.
    const QRect& tag = art.CaptionFrame;
    FillVertical(image, tag, FaceBand, Mix(FaceBand, Face, 0.5));
    {
        TArtPainter painter(image);
        PaintFace(
            painter, tag, TFace { Mix(FaceBand, EdgeLight, 0.28), Mix(FaceBand, EdgeLight, 0.2), {}, {}, 3 });
        painter.fillRect(QRect(tag.x() + 2, tag.y() + 3, 2, tag.height() - 6), QColor(Accent));
    }
    return art;
}

void SetPanelRecord(TvnDataSkinPanelControl& p, const QRect& face, int picture = picPanels)
{
    p.PictureIndex = picture;
    p.SkinRect = face;
    SetFont(p, Text, fsBold);
}

void AddGroupBoxes(TSkinBuilder& skin, TSheet& sheet)
{
    const TGroupArt group = PaintGroup(sheet);
    auto& g = skin.AddControl<TvnDataSkinPanelControl>(QStringLiteral("groupbox"), "panel");
    SetPanelRecord(g, group.Face);
    SetNinePart(g, RectLTRB(6, 21, 54, 51), true);
    g.Geometry.ClientRect = kGroupClient;
    g.CaptionRect = RectLTRB(3, 3, 57, 18);
    g.Alignment = taLeftJustify;
    g.FrameRect = group.CaptionFrame;
    g.FrameTextRect = RectLTRB(8, 0, 24, 15);
    g.FrameLeftOffset = 6;
    g.FrameRightOffset = 5;

    // The expandable panel: a group box that rolls up to its caption band.
    const TGroupArt ex = PaintGroup(sheet);
    const QRect rollH = sheet.Place(QSize(60, 21));
    const QRect rollV = sheet.Place(QSize(21, 60));
    QImage& image = sheet.Image();
    // The rolled-up looks are the caption band alone, lying and standing.
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 60; ++x) {
            const QRgb band = image.pixel(ex.Face.x() + x, ex.Face.y() + std::min(y, kBandBottom));
            image.setPixel(rollH.x() + x, rollH.y() + y, band);
            image.setPixel(rollV.x() + y, rollV.y() + x, band);
        }
    sheet.NextRow();
    struct TExButton {
        QRect* Looks;
        TDirection Direction;
        bool Cross;
    };
    QRect close[3], hRoll[3], hRestore[3], vRoll[3], vRestore[3];
    const TExButton buttons[] = { { close, TDirection::Up, true }, { hRoll, TDirection::Up, false },
        { hRestore, TDirection::Down, false }, { vRoll, TDirection::Left, false },
        { vRestore, TDirection::Right, false } };
    for (const TExButton& b : buttons)
        for (int look = 0; look < 3; ++look) {
            const QRect cell = sheet.Place(QSize(14, 14));
            b.Looks[look] = cell;
            // Painted on the caption band they stand on; only the cut corners are left out.
            FillVertical(image, cell, FaceBand, FaceBand);
            TArtPainter painter(image);
            if (look == 1) PaintFace(painter, cell, TFace { HotTop, HotBottom, Edge, {}, 3 });
            if (look == 2) PaintFace(painter, cell, TFace { DownTop, DownBottom, Shade, {}, 3 });
            const QColor glyph(look > 0 ? White : Glyph);
            if (b.Cross)
                CloseSign(painter, QRectF(cell).adjusted(4, 4, -4, -4), glyph);
            else
                Chevron(painter, QRectF(cell), b.Direction, glyph, 3, 1.5);
        }
    sheet.NextRow();
    for (QRect* looks : { close, hRoll, hRestore, vRoll, vRestore })
        for (int look = 0; look < 3; ++look)
            KeyOutsideRounded(image, looks[look], 3, KeyColour);

    auto& e = skin.AddControl<TvnDataSkinExPanelControl>(QStringLiteral("expanel"), "expanel");
    e.PictureIndex = picPanels;
    e.SkinRect = ex.Face;
    SetNinePart(e, RectLTRB(6, 21, 54, 51), true);
    e.Geometry.ClientRect = kGroupClient;
    e.RollHSkinRect = rollH;
    e.RollVSkinRect = rollV;
    e.RollLeftOffset = e.RollRightOffset = e.RollTopOffset = e.RollBottomOffset = 6;
    e.RollHCaptionRect = RectLTRB(6, 3, 40, 18);
    e.RollVCaptionRect = RectLTRB(3, 6, 18, 40);
    e.CloseButtonRect = close[0];
    e.CloseButtonActiveRect = close[1];
    e.CloseButtonDownRect = close[2];
    e.HRollButtonRect = hRoll[0];
    e.HRollButtonActiveRect = hRoll[1];
    e.HRollButtonDownRect = hRoll[2];
    e.HRestoreButtonRect = hRestore[0];
    e.HRestoreButtonActiveRect = hRestore[1];
    e.HRestoreButtonDownRect = hRestore[2];
    e.VRollButtonRect = vRoll[0];
    e.VRollButtonActiveRect = vRoll[1];
    e.VRollButtonDownRect = vRoll[2];
    e.VRestoreButtonRect = vRestore[0];
    e.VRestoreButtonActiveRect = vRestore[1];
    e.VRestoreButtonDownRect = vRestore[2];
    e.CaptionRect = RectLTRB(6, 3, 40, 18);
    SetFont(e, Text, fsBold);
    e.ButtonsTransparent = true;
    e.ButtonsTransparentColor = ToTColor(KeyColour);
}

// Panels and bars without a caption: a face, its nine-part cut and, for bars, a grip.
struct TPanelArt {
    const char* Name;
    QSize Size;
    QRgb Top, Bottom;
    QRgb Border; // 0: no outline, only a shade line along the bottom
    int Inset;
    bool Textured;
};

// clang-format off
const TPanelArt kPanels[] = {
    { "panel",           { 40, 40 }, Face,                      Face,       0x3A414B, 3, true  },
    { "toolpanel",       { 40, 25 }, ToolTop,                   ToolBottom, 0,        1, false },
    { "statusbar",       { 40, 22 }, MenuBarTop,                MenuBarBottom, 0,     2, false },
    { "bigtoolpanel",    { 40, 44 }, ToolTop,                   ToolBottom, 0,        1, false },
    { "resizetoolpanel", { 40, 25 }, ToolTop,                   ToolBottom, 0,        1, false },
    { "officegroup",     { 40, 40 }, Mix(Face, FaceBand, 0.5),  Face,       Edge,     3, true  },
    { "officetoolbar",   { 40, 30 }, FaceBand,                  ToolBottom, Edge,     3, false },
};
// clang-format on

void PaintPanel(QImage& image, const QRect& r, const TPanelArt& art)
{
    FillVertical(image, r, art.Top, art.Bottom);
    if (art.Border) {
        TArtPainter painter(image);
        painter.setPen(QPen(QColor(art.Border), 1));
        painter.drawRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
        HLine(image, r.x() + 1, r.x() + r.width() - 1, r.y() + 1, Mix(art.Top, EdgeLight, 0.25));
    } else {
        HLine(image, r.x(), r.x() + r.width(), r.y() + r.height() - 1, Shade);
        HLine(image, r.x(), r.x() + r.width(), r.y(), Mix(art.Top, EdgeLight, 0.2));
    }
    if (art.Textured) AddNoise(image, r.adjusted(art.Inset, art.Inset, -art.Inset, -art.Inset), 2, SeedOf(r));
}

QRect PaintGrip(TSheet& sheet, QSize size, Qt::Orientation orientation)
{
    const QRect grip = sheet.Place(size);
    FillVertical(sheet.Image(), grip, KeyColour, KeyColour);
    QPainter painter(&sheet.Image());
    GripDots(painter, grip, orientation, QColor(EdgeLight), QColor(Ink));
    return grip;
}

void AddPlainPanels(TSkinBuilder& skin, TSheet& sheet)
{
    const QRect vGrip = PaintGrip(sheet, QSize(4, 17), Qt::Vertical);
    const QRect hGrip = PaintGrip(sheet, QSize(17, 4), Qt::Horizontal);
    sheet.NextRow();
    for (const TPanelArt& art : kPanels) {
        const QRect face = sheet.Place(art.Size);
        PaintPanel(sheet.Image(), face, art);
        auto& p = skin.AddControl<TvnDataSkinPanelControl>(QString::fromLatin1(art.Name), "panel");
        SetPanelRecord(p, face);
        SetNinePart(p, art.Size, art.Inset, art.Textured);
        p.Alignment = taLeftJustify;
        p.GripperRect = vGrip;
        p.GripperTransparent = true;
        p.GripperTransparentColor = ToTColor(KeyColour);
    }
    sheet.NextRow();

    // Labels with a face of their own, and the scroll box.
    struct TBox {
        const char* Name;
        const char* Kind;
        QRgb Fill;
    };
    const TBox kBoxes[] = {
        { "label", "label", Field },
        { "statuspanel", "label", Mix(MenuBarBottom, Field, 0.5) },
        { "scrollbox", "scrollbox", Field },
    };
    for (const TBox& box : kBoxes) {
        const bool label = QLatin1String(box.Kind) == u"label";
        const QSize size = label ? QSize(40, 20) : QSize(40, 40);
        const QRect face = sheet.Place(size);
        PaintContainer(
            sheet.Image(), face, box.Fill, Edge, QRect(2, 2, size.width() - 4, size.height() - 4), 2, Face);
        TvnDataSkinCustomControl* record = nullptr;
        if (label) {
            auto& l = skin.AddControl<TvnDataSkinLabelControl>(QString::fromLatin1(box.Name), box.Kind);
            SetFont(l, Text);
            record = &l;
        } else {
            record = &skin.AddControl<TvnDataSkinScrollBoxControl>(QString::fromLatin1(box.Name), box.Kind);
        }
        record->PictureIndex = picPanels;
        record->SkinRect = face;
        SetNinePart(*record, size, 2, true);
    }
    sheet.NextRow();

    // Splitters: a bar with a grip in the middle, growing along its length.
    const QRect vSplitter = sheet.Place(QSize(5, 40));
    const QRect hSplitter = sheet.Place(QSize(40, 5));
    FillHorizontal(sheet.Image(), vSplitter, Face, Mix(Face, Window, 0.5));
    FillVertical(sheet.Image(), hSplitter, Face, Mix(Face, Window, 0.5));
    auto& v = skin.AddControl<TvnDataSkinSplitterControl>(QStringLiteral("vsplitter"), "splitter");
    v.PictureIndex = picPanels;
    v.SkinRect = vSplitter;
    v.Geometry.Corners.LeftTop = QPoint(0, 5);
    v.Geometry.Corners.LeftBottom = QPoint(0, 35);
    v.Geometry.ClientRect = RectLTRB(0, 5, 5, 35);
    v.Geometry.LeftStretch = v.Geometry.RightStretch = v.Geometry.StretchEffect = true;
    v.GripperRect = vGrip;
    v.GripperTransparent = true;
    v.GripperTransparentColor = ToTColor(KeyColour);
    auto& h = skin.AddControl<TvnDataSkinSplitterControl>(QStringLiteral("hsplitter"), "splitter");
    h.PictureIndex = picPanels;
    h.SkinRect = hSplitter;
    h.Geometry.Corners.LeftTop = QPoint(5, 0);
    h.Geometry.Corners.RightTop = QPoint(35, 0);
    h.Geometry.ClientRect = RectLTRB(5, 0, 35, 5);
    h.Geometry.TopStretch = h.Geometry.BottomStretch = h.Geometry.StretchEffect = true;
    h.GripperRect = hGrip;
    h.GripperTransparent = true;
    h.GripperTransparentColor = ToTColor(KeyColour);

    // The control bar: bands on the window's background, each with a grip.
    const QRect bar = sheet.Place(QSize(60, 40));
    const QRect item = sheet.Place(QSize(40, 26));
    FillVertical(sheet.Image(), bar, Window, Window);
    {
        FillVertical(sheet.Image(), item, Window, Window);
        TArtPainter painter(sheet.Image());
        PaintFace(painter, item, TFace { ToolTop, ToolBottom, Edge, Mix(ToolTop, EdgeLight, 0.3), 3 });
    }
    auto& c = skin.AddControl<TvnDataSkinControlBar>(QStringLiteral("controlbar"), "controlbar");
    c.PictureIndex = picPanels;
    c.SkinRect = bar;
    SetNinePart(c, QSize(60, 40), 2);
    c.ItemRect = item;
    c.HGripRect = vGrip; // a band lying across has its grip standing upright
    c.VGripRect = hGrip;
    c.GripOffset1 = c.GripOffset2 = 3;
    c.ItemStretchEffect = true;
    c.GripTransparent = true;
    c.GripTransparentColor = ToTColor(KeyColour);
}

} // namespace

void AddPanels(TSkinBuilder& skin)
{
    TSheet sheet(160, Face);
    AddGroupBoxes(skin, sheet);
    sheet.NextRow();
    AddPlainPanels(skin, sheet);
    skin.SetPicture(picPanels, QStringLiteral("panels.bmp"), sheet.Finished());
}

} // namespace art
