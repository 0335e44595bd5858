// Text fields: edits (plain, with a button, on tool and status bars), memos, combo boxes
// and spin edits. A field's face shows its buttons at rest; their hot, pressed and
// disabled looks are separate, and the records' button rectangles say where on the face
// each button lies.
#include "Glyphs.h"
#include "Painting.h"
#include "Sheet.h"
#include "StudioSkin.h"
#include "skin/data/vnUtils/SkinRect.h"

#include <array>
#include <vector>

using namespace palette;
using vnutils::RectLTRB;

namespace art {

namespace {

enum class TSign { Dots, Down, Up };

struct TFieldButton {
    QRect Place; // on the face
    TSign Sign;
};

struct TFieldArt {
    const char* Name;
    const char* Kind;
    QSize Size;
    QRect Client;
    QRgb Fill;
    QRgb Border;
    std::vector<TFieldButton> Buttons;
};

enum TLook { blRest, blHot, blPressed, blDisabled, blCount };

void PaintButton(QImage& image, const QRect& cell, TSign sign, TLook look)
{
    FillVertical(image, cell, Field, Field);
    TArtPainter painter(image);
    const TFace faces[]
        = { { RaisedTop, RaisedBottom, Edge, {}, 2 }, { HotTop, HotBottom, Mix(Edge, EdgeLight, 0.5), {}, 2 },
              { DownTop, DownBottom, Shade, {}, 2 }, { Flat, Flat, EdgeDisabled, {}, 2 } };
    PaintFace(painter, cell, faces[look]);
    const QColor glyph(look == blDisabled ? GlyphDisabled : look == blRest ? Glyph : White);
    switch (sign) {
    case TSign::Dots:
        for (int i = -1; i <= 1; ++i)
            Dot(painter, QRectF(cell).translated(4 * i, 2), glyph, 1.1);
        break;
    case TSign::Down:
        Chevron(painter, QRectF(cell), TDirection::Down, glyph, cell.height() > 12 ? 3.5 : 2.5, 1.5);
        break;
    case TSign::Up:
        Chevron(painter, QRectF(cell), TDirection::Up, glyph, 2.5, 1.4);
        break;
    }
}

// The field's face: a sunken rounded box, its border in the accent colour when active.
void PaintField(QImage& image, const QRect& cell, const TFieldArt& art, bool active)
{
    FillVertical(image, cell, Face, Face);
    {
        TArtPainter painter(image);
        PaintFace(painter, cell,
            TFace { Mix(art.Fill, Shade, 0.35), art.Fill, active ? Accent : art.Border, {}, 2 });
    }
    for (const TFieldButton& b : art.Buttons)
        PaintButton(image, b.Place.translated(cell.topLeft()), b.Sign, blRest);
}

QRect Ltrb(int l, int t, int r, int b) { return RectLTRB(l, t, r, b); }

std::vector<TFieldArt> Fields()
{
    const QRgb statusFill = Mix(Field, MenuBarBottom, 0.4);
    const QRgb toolBorder = Mix(Edge, ToolTop, 0.3);
    return {
        { "edit", "edit", { 57, 21 }, Ltrb(3, 3, 54, 18), Field, Edge, {} },
        { "buttonedit", "edit", { 75, 21 }, Ltrb(3, 3, 54, 18), Field, Edge,
            { { Ltrb(55, 2, 73, 19), TSign::Dots } } },
        { "tooledit", "edit", { 57, 23 }, Ltrb(3, 4, 54, 19), Field, toolBorder, {} },
        { "statusedit", "edit", { 57, 19 }, Ltrb(3, 2, 54, 17), statusFill, Edge, {} },
        { "statusbuttonedit", "edit", { 75, 19 }, Ltrb(3, 2, 54, 17), statusFill, Edge,
            { { Ltrb(56, 2, 73, 17), TSign::Dots } } },
        { "memo", "memo", { 40, 40 }, Ltrb(3, 3, 37, 37), Field, Edge, {} },
        { "combobox", "combobox", { 80, 21 }, Ltrb(3, 3, 61, 18), Field, Edge,
            { { Ltrb(62, 2, 78, 19), TSign::Down } } },
        { "captioncombobox", "combobox", { 80, 21 }, Ltrb(3, 3, 61, 18), Field, Edge,
            { { Ltrb(62, 2, 78, 19), TSign::Down } } },
        { "statuscombobox", "combobox", { 80, 19 }, Ltrb(3, 2, 61, 17), statusFill, Edge,
            { { Ltrb(63, 2, 78, 17), TSign::Down } } },
        { "spinedit", "spinedit", { 57, 21 }, Ltrb(3, 3, 42, 18), Field, Edge,
            { { Ltrb(43, 2, 55, 10), TSign::Up }, { Ltrb(43, 11, 55, 19), TSign::Down } } },
        { "statusspinedit", "spinedit", { 57, 19 }, Ltrb(3, 2, 42, 17), statusFill, Edge,
            { { Ltrb(43, 2, 55, 9), TSign::Up }, { Ltrb(43, 10, 55, 17), TSign::Down } } },
    };
}

template <class Record>
void SetFieldGeometry(Record& r, const TFieldArt& art, const QRect& face, const QRect& activeFace)
{
    r.PictureIndex = picEdits;
    r.SkinRect = face;
    r.ActiveSkinRect = activeFace;
    // Fields grow only across: fixed ends left and right of the client area.
    r.Geometry.Corners.LeftTop = QPoint(art.Client.x(), 0);
    r.Geometry.Corners.RightTop = QPoint(vnutils::RectRight(art.Client), 0);
    r.Geometry.ClientRect = art.Client;
    r.Geometry.LeftStretch = r.Geometry.TopStretch = r.Geometry.RightStretch = r.Geometry.BottomStretch
        = true;
    r.Geometry.StretchEffect = true;
    SetFont(r, Text);
    r.ActiveFontColor = ToTColor(TextBright);
}

// The item looks of a drop-down list: at rest, under the mouse (selected) and focused.
struct TItemLooks {
    QRect Item, Active, Focus;
};

TItemLooks PaintItems(TSheet& sheet)
{
    TItemLooks looks { sheet.Place(QSize(40, 18)), sheet.Place(QSize(40, 18)), sheet.Place(QSize(40, 18)) };
    QImage& image = sheet.Image();
    FillVertical(image, looks.Item, Field, Field);
    FillVertical(image, looks.Active, Field, Field);
    FillVertical(image, looks.Focus, Field, Field);
    TArtPainter painter(image);
    PaintFace(painter, looks.Active.adjusted(1, 0, -1, 0), TFace { SelectTop, SelectBottom, {}, {}, 2 });
    PaintFace(
        painter, looks.Focus.adjusted(1, 0, -1, 0), TFace { FocusTop, FocusBottom, AccentLight, {}, 2 });
    return looks;
}

} // namespace

void AddEdits(TSkinBuilder& skin)
{
    TSheet sheet(170, Face);
    const TItemLooks items = PaintItems(sheet);
    sheet.NextRow();
    for (const TFieldArt& art : Fields()) {
        const QRect face = sheet.Place(art.Size);
        const QRect activeFace = sheet.Place(art.Size);
        PaintField(sheet.Image(), face, art, false);
        PaintField(sheet.Image(), activeFace, art, true);
        sheet.NextRow();
        // Each button's hot, pressed and disabled looks.
        std::vector<std::array<QRect, blCount>> buttonLooks;
        for (const TFieldButton& b : art.Buttons) {
            std::array<QRect, blCount> looks;
            for (int look = blHot; look < blCount; ++look) {
                looks[look] = sheet.Place(b.Place.size());
                PaintButton(sheet.Image(), looks[look], b.Sign, TLook(look));
            }
            looks[blRest] = b.Place;
            buttonLooks.push_back(looks);
        }
        if (!art.Buttons.empty()) sheet.NextRow();

        const QString name = QString::fromLatin1(art.Name);
        const QLatin1String kind(art.Kind);
        if (kind == u"edit" || kind == u"memo") {
            TvnDataSkinEditControl& e = kind == u"memo"
                ? skin.AddControl<TvnDataSkinMemoControl>(name, art.Kind)
                : skin.AddControl<TvnDataSkinEditControl>(name, art.Kind);
            SetFieldGeometry(e, art, face, activeFace);
            e.DisabledFontColor = ToTColor(TextDisabled);
            if (!buttonLooks.empty()) {
                e.ButtonRect = buttonLooks[0][blRest];
                e.ActiveButtonRect = buttonLooks[0][blHot];
                e.DownButtonRect = buttonLooks[0][blPressed];
                e.UnenabledButtonRect = buttonLooks[0][blDisabled];
            }
            if (auto* memo = dynamic_cast<TvnDataSkinMemoControl*>(&e)) {
                // A memo grows both ways.
                SetNinePart(*memo, art.Size, 3);
                memo->BGColor = ToTColor(Field);
                memo->ActiveBGColor = ToTColor(Mix(Field, Face, 0.2));
            }
        } else if (kind == u"combobox") {
            auto& c = skin.AddControl<TvnDataSkinComboBox>(name, art.Kind);
            SetFieldGeometry(c, art, face, activeFace);
            c.ItemRect = items.Item;
            c.ActiveItemRect = items.Active;
            c.FocusItemRect = items.Focus;
            c.ItemLeftOffset = c.ItemRightOffset = 4;
            c.ItemTextRect = RectLTRB(4, 1, 36, 17);
            c.FocusFontColor = ToTColor(White);
            c.ListBoxName = QStringLiteral("listbox");
            c.ButtonRect = buttonLooks[0][blRest];
            c.ActiveButtonRect = buttonLooks[0][blHot];
            c.DownButtonRect = buttonLooks[0][blPressed];
            c.UnenabledButtonRect = buttonLooks[0][blDisabled];
            c.ItemStretchEffect = c.FocusItemStretchEffect = true;
        } else {
            auto& s = skin.AddControl<TvnDataSkinSpinEditControl>(name, art.Kind);
            SetFieldGeometry(s, art, face, activeFace);
            s.DisabledFontColor = ToTColor(TextDisabled);
            s.UpButtonRect = buttonLooks[0][blRest];
            s.ActiveUpButtonRect = buttonLooks[0][blHot];
            s.DownUpButtonRect = buttonLooks[0][blPressed];
            s.DownButtonRect = buttonLooks[1][blRest];
            s.ActiveDownButtonRect = buttonLooks[1][blHot];
            s.DownDownButtonRect = buttonLooks[1][blPressed];
        }
    }
    skin.SetPicture(picEdits, QStringLiteral("edits.bmp"), sheet.Finished());
}

} // namespace art
