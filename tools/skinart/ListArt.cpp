// Lists: list boxes (with a caption, with check marks), tree, list and rich-text views,
// and the data grid's cells, whose places the windows' row height is laid out with.
#include "Glyphs.h"
#include "Painting.h"
#include "Sheet.h"
#include "StudioSkin.h"
#include "skin/data/vnUtils/SkinRect.h"

using namespace palette;
using vnutils::RectLTRB;

namespace art {

namespace {

// The grid's cells: 38 pixels wide with 10-pixel ends, one above the other, each 17
// pixels high (the row height of every grid).
constexpr QSize kCell(38, 17);
constexpr QPoint kFixedCell(231, 188);
constexpr QPoint kSelectCell(231, 205);
constexpr QPoint kFocusCell(231, 222);
constexpr int kCellEnd = 10;

struct TGridLooks {
    QRect Fixed, Select, Focus;
};

TGridLooks PaintGridCells(TSheet& sheet)
{
    QImage& image = sheet.Image();
    TGridLooks looks { sheet.PlaceAt(kFixedCell, kCell), sheet.PlaceAt(kSelectCell, kCell),
        sheet.PlaceAt(kFocusCell, kCell) };
    const auto right = [](const QRect& r) { return r.x() + r.width(); };
    const auto bottom = [](const QRect& r) { return r.y() + r.height(); };

    // Column titles: a raised band with a separator at the cell's right end.
    FillVertical(image, looks.Fixed, FaceBand, Face);
    HLine(image, looks.Fixed.x(), right(looks.Fixed), looks.Fixed.y(), Mix(FaceBand, EdgeLight, 0.35));
    HLine(image, looks.Fixed.x(), right(looks.Fixed), bottom(looks.Fixed) - 1, Shade);
    VLine(image, right(looks.Fixed) - 2, looks.Fixed.y() + 3, bottom(looks.Fixed) - 3, Shade);
    VLine(image, right(looks.Fixed) - 1, looks.Fixed.y() + 3, bottom(looks.Fixed) - 3,
        Mix(Face, EdgeLight, 0.3));

    // The selected row, and the same row while the grid has the focus.
    FillVertical(image, looks.Select, SelectTop, SelectBottom);
    HLine(image, looks.Select.x(), right(looks.Select), looks.Select.y(), Mix(SelectTop, White, 0.12));
    FillVertical(image, looks.Focus, FocusTop, FocusBottom);
    HLine(image, looks.Focus.x(), right(looks.Focus), looks.Focus.y(), AccentLight);
    HLine(image, looks.Focus.x(), right(looks.Focus), bottom(looks.Focus) - 1, Mix(FocusBottom, Ink, 0.3));
    return looks;
}

void AddGrid(TSkinBuilder& skin, const TGridLooks& looks)
{
    auto& g = skin.AddControl<TvnDataSkinGridControl>(QStringLiteral("grid"), "grid");
    g.PictureIndex = picLists;
    g.FixedCellRect = looks.Fixed;
    g.SelectCellRect = looks.Select;
    g.FocusCellRect = looks.Focus;
    g.FixedCellLeftOffset = g.FixedCellRightOffset = kCellEnd;
    g.FixedCellTextRect = RectLTRB(4, 0, kCell.width() - 4, kCell.height());
    g.CellLeftOffset = g.CellRightOffset = kCellEnd;
    g.CellTextRect = RectLTRB(4, 0, kCell.width() - 4, kCell.height());
    g.BGPictureIndex = -1;
    g.LinesColor = ToTColor(Line);
    g.BGColor = ToTColor(Field);
    SetFont(g, Text);
    g.SelectFontColor = ToTColor(White);
    g.FocusFontColor = ToTColor(White);
    g.FixedFontName = QString::fromLatin1(kFontName);
    g.FixedFontHeight = kFontHeight;
    g.FixedFontStyle = fsBold;
    g.FixedFontColor = ToTColor(Glyph);
    // The cells' middles are tiled: they are even along the row anyway.
    g.CellStretchEffect = false;
    g.FixedCellStretchEffect = false;
}

// A list's frame: a sunken field, with a caption band for the captioned lists.
QRect PaintListFrame(TSheet& sheet, bool caption)
{
    const QSize size = caption ? QSize(40, 60) : QSize(40, 40);
    const QRect r = sheet.Place(size);
    QImage& image = sheet.Image();
    FillVertical(image, r, Face, Face);
    {
        TArtPainter painter(image);
        PaintFace(painter, r, TFace { Field, Field, Edge, {}, 2 });
    }
    if (caption) {
        FillVertical(
            image, QRect(r.x() + 1, r.y() + 1, r.width() - 2, 19), FaceBand, Mix(FaceBand, Face, 0.5));
        HLine(image, r.x() + 1, r.x() + r.width() - 1, r.y() + 20, Shade);
    }
    return r;
}

struct TListLooks {
    QRect Frame, CaptionFrame;
    QRect Item, ActiveItem, FocusItem;
    QRect Up[3], Down[3], Check[3];
    QRect DisabledButtons;
    QRect CheckImage, UncheckImage;
};

TListLooks PaintLists(TSheet& sheet)
{
    QImage& image = sheet.Image();
    TListLooks looks;
    looks.Frame = PaintListFrame(sheet, false);
    looks.CaptionFrame = PaintListFrame(sheet, true);
    sheet.NextRow();
    looks.Item = sheet.Place(QSize(40, 18));
    looks.ActiveItem = sheet.Place(QSize(40, 18));
    looks.FocusItem = sheet.Place(QSize(40, 18));
    for (const QRect& r : { looks.Item, looks.ActiveItem, looks.FocusItem })
        FillVertical(image, r, Field, Field);
    {
        TArtPainter painter(image);
        PaintFace(
            painter, looks.ActiveItem.adjusted(1, 0, -1, 0), TFace { SelectTop, SelectBottom, {}, {}, 2 });
        PaintFace(painter, looks.FocusItem.adjusted(1, 0, -1, 0),
            TFace { FocusTop, FocusBottom, AccentLight, {}, 2 });
    }
    sheet.NextRow();

    // The caption's small buttons: scroll up, scroll down, check all.
    const TFace faces[] = { { RaisedTop, RaisedBottom, Edge, {}, 2 }, { HotTop, HotBottom, Edge, {}, 2 },
        { DownTop, DownBottom, Shade, {}, 2 } };
    for (int look = 0; look < 3; ++look) {
        looks.Up[look] = sheet.Place(QSize(16, 16));
        looks.Down[look] = sheet.Place(QSize(16, 16));
        looks.Check[look] = sheet.Place(QSize(16, 16));
        for (const QRect& r : { looks.Up[look], looks.Down[look], looks.Check[look] })
            FillVertical(image, r, FaceBand, FaceBand);
        TArtPainter painter(image);
        const QColor glyph(look ? White : Glyph);
        for (const QRect& r : { looks.Up[look], looks.Down[look], looks.Check[look] })
            PaintFace(painter, r, faces[look]);
        Chevron(painter, QRectF(looks.Up[look]), TDirection::Up, glyph, 3, 1.5);
        Chevron(painter, QRectF(looks.Down[look]), TDirection::Down, glyph, 3, 1.5);
        CheckMark(painter, QRectF(looks.Check[look]).adjusted(3, 3, -3, -3), glyph, 1.5);
    }
    looks.DisabledButtons = sheet.Place(QSize(16, 16));
    FillVertical(image, looks.DisabledButtons, FaceBand, FaceBand);
    {
        TArtPainter painter(image);
        PaintFace(painter, looks.DisabledButtons, TFace { Flat, Flat, EdgeDisabled, {}, 2 });
    }
    sheet.NextRow();
    looks.CheckImage = sheet.Place(QSize(kCheckSize, kCheckSize));
    looks.UncheckImage = sheet.Place(QSize(kCheckSize, kCheckSize));
    PaintCheckMark(image, looks.CheckImage, TCheckState::Checked, TCheckMood::Normal, Field, false);
    PaintCheckMark(image, looks.UncheckImage, TCheckState::Unchecked, TCheckMood::Normal, Field, false);
    sheet.NextRow();
    return looks;
}

template <class Record>
Record& AddListBox(
    TSkinBuilder& skin, const char* name, const char* kind, const TListLooks& looks, bool caption)
{
    auto& l = skin.AddControl<Record>(QString::fromLatin1(name), kind);
    l.PictureIndex = picLists;
    l.SkinRect = caption ? looks.CaptionFrame : looks.Frame;
    SetNinePart(l, caption ? RectLTRB(3, 21, 37, 57) : RectLTRB(3, 3, 37, 37));
    l.ItemRect = looks.Item;
    l.ActiveItemRect = looks.ActiveItem;
    l.FocusItemRect = looks.FocusItem;
    l.ItemLeftOffset = l.ItemRightOffset = 4;
    l.ItemTextRect = RectLTRB(4, 1, 36, 17);
    SetFont(l, Text);
    l.ActiveFontColor = ToTColor(White);
    l.FocusFontColor = ToTColor(White);
    if (caption) l.CaptionRect = RectLTRB(4, 2, 36, 19);
    l.CaptionFontName = QString::fromLatin1(kFontName);
    l.CaptionFontHeight = kFontHeight;
    l.CaptionFontStyle = fsBold;
    l.CaptionFontColor = ToTColor(Text);
    l.UpButtonRect = looks.Up[0];
    l.ActiveUpButtonRect = looks.Up[1];
    l.DownUpButtonRect = looks.Up[2];
    l.DownButtonRect = looks.Down[0];
    l.ActiveDownButtonRect = looks.Down[1];
    l.DownDownButtonRect = looks.Down[2];
    l.CheckButtonRect = looks.Check[0];
    l.ActiveCheckButtonRect = looks.Check[1];
    l.DownCheckButtonRect = looks.Check[2];
    l.DisabledButtonsRect = looks.DisabledButtons;
    return l;
}

template <class Record>
void AddView(TSkinBuilder& skin, const char* name, const char* kind, const QRect& frame)
{
    auto& v = skin.AddControl<Record>(QString::fromLatin1(name), kind);
    v.PictureIndex = picLists;
    v.SkinRect = frame;
    SetFont(v, Text);
    v.BGColor = ToTColor(Field);
}

} // namespace

void AddLists(TSkinBuilder& skin)
{
    TSheet sheet(kFixedCell.x() + kCell.width(), Field, 2, kFixedCell.x() - 3);
    const TListLooks looks = PaintLists(sheet);
    AddGrid(skin, PaintGridCells(sheet));
    AddListBox<TvnDataSkinListBox>(skin, "listbox", "listbox", looks, false);
    AddListBox<TvnDataSkinListBox>(skin, "captionlistbox", "listbox", looks, true);
    for (const bool caption : { false, true }) {
        auto& c = AddListBox<TvnDataSkinCheckListBox>(
            skin, caption ? "captionchecklistbox" : "checklistbox", "checklistbox", looks, caption);
        c.ItemCheckRect = RectLTRB(3, 2, 3 + kCheckSize, 2 + kCheckSize);
        c.CheckImageRect = looks.CheckImage;
        c.UncheckImageRect = looks.UncheckImage;
        c.ItemTextRect = RectLTRB(20, 1, 36, 17);
    }
    AddView<TvnDataSkinTreeView>(skin, "treeview", "treeview", looks.Frame);
    AddView<TvnDataSkinListView>(skin, "listview", "listview", looks.Frame);
    AddView<TvnDataSkinRichEdit>(skin, "richedit", "richedit", looks.Frame);
    skin.SetPicture(picLists, QStringLiteral("lists.bmp"), sheet.Finished());
}

} // namespace art
