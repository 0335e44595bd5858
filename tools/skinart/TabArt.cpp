// Page controls: tabs at rest, active (and focused), under the mouse, the page's frame
// and the strip behind the tabs; a rounded style ("tab") and a flat one ("officetab").
#include "Glyphs.h"
#include "Painting.h"
#include "Sheet.h"
#include "StudioSkin.h"
#include "skin/data/vnUtils/SkinRect.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <optional>

using namespace palette;
using vnutils::RectLTRB;

namespace art {

namespace {

constexpr QSize kTab(60, 20);
constexpr QSize kActiveTab(60, 22); // reaches 2 pixels down over the page's frame
constexpr QSize kBody(60, 50);
constexpr QRgb kTabTop = 0x30353D;
constexpr QRgb kTabBottom = 0x282C33;

enum class TTabStyle { Rounded, Flat };

// A tab: rounded at the top, open at the bottom where it meets the page.
void PaintTab(QImage& image, const QRect& cell, QRgb top, QRgb bottom, QRgb border, bool joinsPage,
    TTabStyle style, std::optional<QRgb> accent)
{
    FillVertical(image, cell, Window, Window);
    if (style == TTabStyle::Flat) FillVertical(image, cell, top, bottom);
    TArtPainter painter(image);
    painter.setPen(QPen(QColor(border), 1));
    if (style == TTabStyle::Rounded) {
        const QRectF shape = QRectF(cell).adjusted(0.5, 0.5, -0.5, 6); // the bottom lies below the cell
        QPainterPath path;
        path.addRoundedRect(shape, 4, 4);
        QLinearGradient gradient(QRectF(cell).topLeft(), QRectF(cell).bottomLeft());
        gradient.setColorAt(0, QColor(top));
        gradient.setColorAt(1, QColor(bottom));
        painter.setClipRect(cell);
        painter.fillPath(path, gradient);
        painter.drawPath(path);
    }
    if (!joinsPage)
        painter.drawLine(
            QPointF(cell.x(), cell.bottom() + 0.5), QPointF(cell.right() + 1, cell.bottom() + 0.5));
    if (accent) {
        // Rounded tabs carry it along their top; flat ones under their caption, at the
        // foot of the tab row.
        const int y = style == TTabStyle::Rounded ? cell.y() + 1 : cell.y() + kTab.height() - 2;
        painter.fillRect(QRect(cell.x() + 4, y, cell.width() - 8, 2), QColor(*accent));
    }
}

struct TTabLooks {
    QRect Tab, Active, Focus, MouseIn, StripBackground, Body;
    QRect Close[3];
};

TTabLooks PaintTabs(TSheet& sheet, TTabStyle style)
{
    QImage& image = sheet.Image();
    const bool rounded = style == TTabStyle::Rounded;
    TTabLooks looks;
    looks.Tab = sheet.Place(kTab);
    looks.MouseIn = sheet.Place(kTab);
    looks.Active = sheet.Place(kActiveTab);
    looks.Focus = sheet.Place(kActiveTab);
    PaintTab(
        image, looks.Tab, rounded ? kTabTop : Window, rounded ? kTabBottom : Window, Edge, false, style, {});
    PaintTab(image, looks.MouseIn, Mix(kTabTop, HotTop, 0.5), kTabTop, Mix(Edge, EdgeLight, 0.5), false,
        style, rounded ? std::nullopt : std::optional<QRgb>(Edge));
    PaintTab(image, looks.Active, FaceBand, Face, Edge, true, style,
        rounded ? std::nullopt : std::optional<QRgb>(Accent));
    PaintTab(image, looks.Focus, FaceBand, Face, Edge, true, style, AccentLight);
    sheet.NextRow();

    looks.StripBackground = sheet.Place(QSize(10, 20));
    FillVertical(image, looks.StripBackground, Window, Window);

    // The page's frame: a one-pixel outline round a textured face, rounded at the bottom.
    looks.Body = sheet.Place(kBody);
    FillVertical(image, looks.Body, Window, Window);
    {
        TArtPainter painter(image);
        QPainterPath path;
        const QRectF shape = QRectF(looks.Body).adjusted(0.5, rounded ? -6 : 0.5, -0.5, -0.5);
        path.addRoundedRect(shape, rounded ? 4 : 0, rounded ? 4 : 0);
        painter.setClipRect(looks.Body);
        painter.fillPath(path, QColor(Face));
        painter.setPen(QPen(QColor(Edge), 1));
        painter.drawPath(path);
        painter.drawLine(QPointF(looks.Body.x(), looks.Body.y() + 0.5),
            QPointF(looks.Body.right() + 1, looks.Body.y() + 0.5));
    }
    AddNoise(image, looks.Body.adjusted(3, 3, -3, -3), 2, rounded ? 0x7AB1 : 0x7AB2);

    // The tab's close button: a cross, with a face under the mouse and when pressed.
    for (int look = 0; look < 3; ++look) {
        QRect& cell = looks.Close[look];
        cell = sheet.Place(QSize(12, 12));
        FillVertical(image, cell, kTabTop, kTabTop);
        TArtPainter painter(image);
        if (look == 1) PaintFace(painter, cell, TFace { CloseHot, CloseHot, {}, {}, 3 });
        if (look == 2) PaintFace(painter, cell, TFace { CloseDown, CloseDown, {}, {}, 3 });
        CloseSign(painter, QRectF(cell).adjusted(3.5, 3.5, -3.5, -3.5), QColor(look ? White : Glyph));
    }
    for (const QRect& cell : looks.Close)
        KeyOutsideRounded(image, cell, 3, KeyColour);
    sheet.NextRow();
    return looks;
}

void AddTabRecord(TSkinBuilder& skin, const char* name, const TTabLooks& looks)
{
    auto& t = skin.AddControl<TvnDataSkinTabControl>(QString::fromLatin1(name), "tab");
    t.PictureIndex = picTabs;
    t.SkinRect = looks.Body;
    t.TabRect = looks.Tab;
    t.ActiveTabRect = looks.Active;
    t.FocusTabRect = looks.Focus;
    t.MouseInTabRect = looks.MouseIn;
    t.Geometry.ClientRect = RectLTRB(3, 3, kBody.width() - 3, kBody.height() - 3);
    t.Geometry.Corners.LeftTop = QPoint(6, 3);
    t.Geometry.Corners.RightTop = QPoint(kBody.width() - 6, 3);
    t.Geometry.Corners.LeftBottom = QPoint(6, kBody.height() - 3);
    t.Geometry.Corners.RightBottom = QPoint(kBody.width() - 6, kBody.height() - 3);
    t.TabLeftOffset = 5;
    t.TabRightOffset = 5;
    t.TabsBGRect = looks.StripBackground;
    t.TabStretchEffect = true;
    t.Geometry.LeftStretch = t.Geometry.TopStretch = t.Geometry.RightStretch = t.Geometry.BottomStretch
        = true;
    t.Geometry.StretchEffect = false; // the page's texture is tiled
    SetFont(t, TextMuted);
    t.ActiveFontColor = ToTColor(TextBright);
    t.FocusFontColor = ToTColor(White);
    t.MouseInFontColor = ToTColor(TextBright);
    t.UpDown = QStringLiteral("updown");
    t.FocusOffsetX = t.FocusOffsetY = 3;
    t.CloseButtonRect = looks.Close[0];
    t.CloseButtonActiveRect = looks.Close[1];
    t.CloseButtonDownRect = looks.Close[2];
    t.ButtonTransparent = true;
    t.ButtonTransparentColor = ToTColor(KeyColour);
}

} // namespace

void AddTabs(TSkinBuilder& skin)
{
    TSheet sheet(4 * 62, Window);
    AddTabRecord(skin, "tab", PaintTabs(sheet, TTabStyle::Rounded));
    AddTabRecord(skin, "officetab", PaintTabs(sheet, TTabStyle::Flat));
    skin.SetPicture(picTabs, QStringLiteral("tabs.bmp"), sheet.Finished());
}

} // namespace art
