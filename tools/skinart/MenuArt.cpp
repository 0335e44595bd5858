// Popup menus, the hint window and the main menu bar: window pictures with their masks,
// the menu item looks and the menu bar's items and buttons.
#include "MenuArt.h"

#include "Glyphs.h"
#include "Painting.h"
#include "Sheet.h"
#include "StudioSkin.h"
#include "skin/data/vnUtils/SkinRect.h"

#include <optional>

using namespace palette;
using vnutils::RectLTRB;

namespace art {

namespace {

// A small window: a face with an outline and rounded corners, and its mask.
struct TWindowArt {
    QImage Picture;
    QImage Mask;
};

TWindowArt PaintWindow(QSize size, QRgb top, QRgb bottom, const TMenuLook& look, qreal radius)
{
    TWindowArt art { NewPicture(size, bottom), NewPicture(size, 0x000000) };
    {
        TArtPainter painter(art.Picture);
        PaintFace(painter, art.Picture.rect(),
            TFace { top, bottom, look.Outline, Mix(top, look.OutlineLight, 0.5), radius });
    }
    // The shape: black inside the rounded outline.
    KeyOutsideRounded(art.Mask, art.Mask.rect(), radius, 0xFFFFFF);
    return art;
}

void SetWindowPoints(auto& window, QSize size, int corner)
{
    window.Geometry.Corners.LeftTop = QPoint(corner, corner);
    window.Geometry.Corners.RightTop = QPoint(size.width() - corner, corner);
    window.Geometry.Corners.LeftBottom = QPoint(corner, size.height() - corner);
    window.Geometry.Corners.RightBottom = QPoint(size.width() - corner, size.height() - corner);
    window.Geometry.LeftStretch = window.Geometry.RightStretch = window.Geometry.TopStretch
        = window.Geometry.BottomStretch = true;
    window.Geometry.StretchEffect = true;
    window.Geometry.StretchType = TvnStretchType::Full;
}

void AddPopupAndHint(TSkinBuilder& skin, const TMenuLook& look)
{
    const QSize popupSize(80, 60);
    const TWindowArt popup
        = PaintWindow(popupSize, Mix(look.Menu, look.OutlineLight, 0.06), look.Menu, look, 4);
    skin.SetPicture(look.PopupPicture, QStringLiteral("popup.bmp"), popup.Picture);
    skin.SetPicture(look.PopupPicture + 1, QStringLiteral("popupmask.bmp"), popup.Mask, true);
    TvnDataSkinPopupWindow& p = skin.PopupWindow;
    p.WindowPictureIndex = look.PopupPicture;
    p.MaskPictureIndex = look.PopupPicture + 1;
    SetWindowPoints(p, popupSize, 6);
    p.Geometry.ClientRect = RectLTRB(3, 3, 77, 57); // the items' area
    p.ScrollMarkerColor = ToTColor(look.Marker);
    p.ScrollMarkerActiveColor = ToTColor(look.ActiveText);

    const QSize hintSize(60, 30);
    const TWindowArt hint = PaintWindow(hintSize, look.HintTop, look.HintBottom, look, 4);
    skin.SetPicture(look.HintPicture, QStringLiteral("hint.bmp"), hint.Picture);
    skin.SetPicture(look.HintPicture + 1, QStringLiteral("hintmask.bmp"), hint.Mask, true);
    TvnDataSkinHintWindow& h = skin.HintWindow;
    h.WindowPictureIndex = look.HintPicture;
    h.MaskPictureIndex = look.HintPicture + 1;
    SetWindowPoints(h, hintSize, 6);
    h.Geometry.ClientRect = RectLTRB(4, 3, 56, 27);
    SetFont(h, look.Text);
}

// A mark (check, radio dot, arrow) on the plain item and on the highlighted one.
struct TMarkLooks {
    QRect Normal;
    QRect Active;
};

template <class Paint> TMarkLooks PaintMarks(TSheet& sheet, const TMenuLook& look, Paint paint)
{
    TMarkLooks looks { sheet.Place(QSize(14, 14)), sheet.Place(QSize(14, 14)) };
    // The highlighted item's colour where its marks stand.
    const QRgb selected = Mix(look.SelectTop, look.SelectBottom, 0.5);
    FillVertical(sheet.Image(), looks.Active, selected, selected);
    TArtPainter painter(sheet.Image());
    paint(painter, QRectF(looks.Normal), QColor(look.Text));
    paint(painter, QRectF(looks.Active), QColor(look.ActiveText));
    return looks;
}

// The main menu bar's looks: the bar and its item plain, under the pointer and down.
struct TMenuBarLooks {
    QRect Bar;
    QRect Item;
    QRect ItemActive;
    QRect ItemDown;
};

TMenuBarLooks PaintMenuBar(TSheet& sheet)
{
    QImage& image = sheet.Image();
    const TMenuBarLooks looks { sheet.Place(QSize(40, 22)), sheet.Place(QSize(40, 22)),
        sheet.Place(QSize(40, 22)), sheet.Place(QSize(40, 22)) };
    for (const QRect& r : { looks.Bar, looks.Item, looks.ItemActive, looks.ItemDown }) {
        FillVertical(image, r, MenuBarTop, MenuBarBottom);
        HLine(image, r.x(), r.x() + r.width(), r.y() + r.height() - 1, Shade);
    }
    TArtPainter painter(image);
    PaintFace(painter, looks.ItemActive.adjusted(1, 2, -1, -2), TFace { HotTop, HotBottom, Edge, {}, 3 });
    PaintFace(painter, looks.ItemDown.adjusted(1, 2, -1, -2), TFace { Menu, Menu, Edge, {}, 3 });
    return looks;
}

void AddMenuBar(TSkinBuilder& skin, const TMenuBarLooks& looks, int picture)
{
    auto& barItemRecord
        = skin.AddObject<TvnDataSkinMainMenuBarItem>(QStringLiteral("mainmenubaritem"), "mainmenubaritem");
    barItemRecord.ActivePictureIndex = picture;
    barItemRecord.SkinRectInAPicture = true;
    barItemRecord.SkinRect = looks.Item;
    barItemRecord.ActiveSkinRect = looks.ItemActive;
    barItemRecord.DownRect = looks.ItemDown;
    barItemRecord.ItemLeftOffset = 4;
    barItemRecord.ItemRightOffset = 4;
    barItemRecord.TextRect = RectLTRB(6, 0, 34, 21);
    SetFont(barItemRecord, Text);
    barItemRecord.ActiveFontColor = ToTColor(White);
    barItemRecord.DownFontColor = ToTColor(White);
    barItemRecord.UnenabledFontColor = ToTColor(TextDisabled);
    barItemRecord.StretchEffect = true;

    struct TMenuBarButton {
        const char* Name;
        TCaptionButtonRow Row;
        TvnSkinCommand Command;
        const char* Hint;
    };
    static constexpr TMenuBarButton kButtons[] = {
        { "menubarsysmenubutton", cbMenuBarSysMenu, TvnSkinCommand::cmSysMenu, "System menu" },
        { "menubarclosebutton", cbMenuBarClose, TvnSkinCommand::cmClose, "Close" },
        { "menubarmaxbutton", cbMenuBarMaximize, TvnSkinCommand::cmMaximize, "Maximize" },
        { "menubarminbutton", cbMenuBarMinimize, TvnSkinCommand::cmMinimize, "Minimize" },
    };
    for (const TMenuBarButton& b : kButtons)
        SetCaptionButton(
            skin.AddObject<TvnDataSkinMainMenuBarButton>(QString::fromLatin1(b.Name), "mainmenubarbutton"),
            b.Row, b.Command, QString::fromLatin1(b.Hint));

    auto& menuBar = skin.AddControl<TvnDataSkinMainMenuBar>(QStringLiteral("mainmenubar"), "mainmenubar");
    menuBar.PictureIndex = picture;
    menuBar.SkinRect = looks.Bar;
    menuBar.ItemsRect = RectLTRB(2, 0, 38, 21);
    menuBar.MenuBarItem = QStringLiteral("mainmenubaritem");
    menuBar.CloseButton = QStringLiteral("menubarclosebutton");
    menuBar.MinButton = QStringLiteral("menubarminbutton");
    menuBar.MaxButton = QStringLiteral("menubarmaxbutton");
    menuBar.SysMenuButton = QStringLiteral("menubarsysmenubutton");
    menuBar.TrackMarkColor = ToTColor(TextMuted);
    menuBar.TrackMarkActiveColor = ToTColor(White);
    menuBar.StretchEffect = true;
}

void AddMenuItems(TSkinBuilder& skin, const TMenuLook& look)
{
    TSheet sheet(160, look.Menu);
    QImage& image = sheet.Image();

    // Popup menu items: plain on the menu, highlighted with the selection colour.
    const QRect item = sheet.Place(QSize(60, 20));
    const QRect activeItem = sheet.Place(QSize(60, 20));
    const QRect divider = sheet.Place(QSize(30, 7));
    {
        TArtPainter painter(image);
        PaintFace(painter, activeItem.adjusted(1, 0, -1, 0),
            TFace { look.SelectTop, look.SelectBottom, look.SelectBorder, {}, 3 });
    }
    HLine(image, divider.x(), divider.x() + divider.width(), divider.y() + 3, look.Line);
    HLine(image, divider.x(), divider.x() + divider.width(), divider.y() + 4,
        Mix(look.Menu, look.OutlineLight, 0.2));
    sheet.NextRow();

    const TMarkLooks check = PaintMarks(sheet, look,
        [](QPainter& p, const QRectF& r, QColor c) { CheckMark(p, r.adjusted(2, 2, -2, -2), c, 1.6); });
    const TMarkLooks radio
        = PaintMarks(sheet, look, [](QPainter& p, const QRectF& r, QColor c) { Dot(p, r, c, 3); });
    const TMarkLooks arrow = PaintMarks(sheet, look,
        [](QPainter& p, const QRectF& r, QColor c) { Chevron(p, r, TDirection::Right, c, 3, 1.5); });
    sheet.NextRow();

    // The main menu bar and its items, where the skin has one.
    const std::optional<TMenuBarLooks> bar = look.MenuBar ? std::optional(PaintMenuBar(sheet)) : std::nullopt;
    skin.SetPicture(look.MenusPicture, QStringLiteral("menus.bmp"), sheet.Finished());

    auto& menuItem = skin.AddObject<TvnDataSkinMenuItem>(QStringLiteral("menuitem"), "menuitem");
    menuItem.ActivePictureIndex = look.MenusPicture;
    menuItem.SkinRectInAPicture = true;
    menuItem.SkinRect = item;
    menuItem.ActiveSkinRect = activeItem;
    menuItem.ItemLeftOffset = 4;
    menuItem.ItemRightOffset = 4;
    menuItem.DividerRect = divider;
    menuItem.DividerLeftOffset = 4;
    menuItem.DividerRightOffset = 4;
    menuItem.TextRect = RectLTRB(24, 0, 52, 20);
    menuItem.ImageRect = RectLTRB(3, 2, 19, 18);
    SetFont(menuItem, look.Text);
    menuItem.ActiveFontColor = ToTColor(look.ActiveText);
    menuItem.UnenabledFontColor = ToTColor(look.TextDisabled);
    menuItem.StretchEffect = true;
    menuItem.InactiveStretchEffect = true;
    menuItem.DividerStretchEffect = true;
    menuItem.CheckImageRect = check.Normal;
    menuItem.ActiveCheckImageRect = check.Active;
    menuItem.RadioImageRect = radio.Normal;
    menuItem.ActiveRadioImageRect = radio.Active;
    menuItem.ArrowImageRect = arrow.Normal;
    menuItem.ActiveArrowImageRect = arrow.Active;

    if (bar) AddMenuBar(skin, *bar, look.MenusPicture);
}

} // namespace

const TMenuLook kStudioMenus { .MenusPicture = picMenus,
    .PopupPicture = picPopup,
    .HintPicture = picHint,
    .Menu = Menu,
    .Outline = Edge,
    .OutlineLight = EdgeLight,
    .Line = Line,
    .SelectTop = SelectTop,
    .SelectBottom = SelectBottom,
    .SelectBorder = std::nullopt,
    .HintTop = FaceBand,
    .HintBottom = Mix(FaceBand, Face, 0.5),
    .Text = Text,
    .ActiveText = White,
    .TextDisabled = TextDisabled,
    .Marker = Glyph,
    .MenuBar = true };

void AddMenus(TSkinBuilder& skin, const TMenuLook& look)
{
    AddPopupAndHint(skin, look);
    AddMenuItems(skin, look);
}

} // namespace art
