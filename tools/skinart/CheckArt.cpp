// Check boxes and radio buttons: the marks in every state, drawn to sit on a group box,
// and the framed look with its face.
#include "Glyphs.h"
#include "Painting.h"
#include "Sheet.h"
#include "StudioSkin.h"
#include "skin/data/vnUtils/SkinRect.h"

#include <QLinearGradient>

using namespace palette;
using vnutils::RectLTRB;

namespace art {

void PaintCheckMark(
    QImage& image, const QRect& cell, TCheckState state, TCheckMood mood, QRgb backdrop, bool radio)
{
    FillVertical(image, cell, backdrop, backdrop);
    const bool on = state == TCheckState::Checked;
    QRgb top = Mix(Field, Face, 0.3), bottom = Field, border = Mix(Edge, EdgeLight, 0.6);
    QRgb mark = White;
    if (on) {
        top = AccentLight;
        bottom = Accent;
        border = Mix(Accent, Ink, 0.35);
    }
    if (mood == TCheckMood::Hot) {
        border = AccentLight;
        if (on)
            top = Mix(AccentLight, White, 0.2);
        else
            top = Mix(top, Face, 0.6);
    } else if (mood == TCheckMood::Disabled) {
        top = bottom = Flat;
        border = EdgeDisabled;
        mark = GlyphDisabled;
    }
    if (state == TCheckState::Grayed && mood != TCheckMood::Disabled) mark = Glyph;
    {
        TArtPainter painter(image);
        const QRectF area(cell);
        QLinearGradient gradient(area.topLeft(), area.bottomLeft());
        gradient.setColorAt(0, QColor(top));
        gradient.setColorAt(1, QColor(bottom));
        painter.setBrush(gradient);
        painter.setPen(QPen(QColor(border), 1));
        const QRectF outline = area.adjusted(0.5, 0.5, -0.5, -0.5);
        if (radio)
            painter.drawEllipse(outline);
        else
            painter.drawRoundedRect(outline, 2, 2);
        const QRectF inner = area.adjusted(2, 2, -2, -2);
        if (state == TCheckState::Checked) {
            if (radio)
                Dot(painter, area, QColor(mark), 2.5);
            else
                CheckMark(painter, inner, QColor(mark), 1.7);
        } else if (state == TCheckState::Grayed) {
            // Neither on nor off: a small square (or dot) in the middle.
            if (radio)
                Dot(painter, area, QColor(mark), 2);
            else
                painter.fillRect(Centred(area, QSizeF(5, 5)), QColor(mark));
        }
    }
    if (radio)
        KeyOutsideEllipse(image, cell, KeyColour);
    else
        KeyOutsideRounded(image, cell, 2, KeyColour);
}

namespace {

struct TCheckLooks {
    QRect Check, Uncheck, ActiveCheck, ActiveUncheck, UnenabledCheck, UnenabledUncheck, Grayed, ActiveGrayed;
};

TCheckLooks PaintCheckLooks(TSheet& sheet, bool radio)
{
    const QSize size(kCheckSize, kCheckSize);
    struct TLook {
        QRect TCheckLooks::*Field;
        TCheckState State;
        TCheckMood Mood;
    };
    static constexpr TLook kLooks[] = {
        { &TCheckLooks::Check, TCheckState::Checked, TCheckMood::Normal },
        { &TCheckLooks::Uncheck, TCheckState::Unchecked, TCheckMood::Normal },
        { &TCheckLooks::ActiveCheck, TCheckState::Checked, TCheckMood::Hot },
        { &TCheckLooks::ActiveUncheck, TCheckState::Unchecked, TCheckMood::Hot },
        { &TCheckLooks::UnenabledCheck, TCheckState::Checked, TCheckMood::Disabled },
        { &TCheckLooks::UnenabledUncheck, TCheckState::Unchecked, TCheckMood::Disabled },
        { &TCheckLooks::Grayed, TCheckState::Grayed, TCheckMood::Normal },
        { &TCheckLooks::ActiveGrayed, TCheckState::Grayed, TCheckMood::Hot },
    };
    TCheckLooks looks;
    for (const TLook& look : kLooks) {
        looks.*look.Field = sheet.Place(size);
        PaintCheckMark(sheet.Image(), looks.*look.Field, look.State, look.Mood, Face, radio);
    }
    sheet.NextRow();
    return looks;
}

// The framed look: a face the size of the control with the mark at its left.
constexpr QSize kFramedSize(100, 22);

void AddCheckRecord(TSkinBuilder& skin, TSheet& sheet, const char* name, bool radio)
{
    const TCheckLooks looks = PaintCheckLooks(sheet, radio);
    const QRect face = sheet.Place(kFramedSize);
    const QRect hotFace = sheet.Place(kFramedSize);
    sheet.NextRow();
    {
        TArtPainter painter(sheet.Image());
        PaintFace(painter, face, TFace { FaceBand, Face, Edge, {}, 3 });
        PaintFace(painter, hotFace, TFace { HotTop, HotBottom, Mix(Edge, EdgeLight, 0.5), {}, 3 });
    }

    auto& r = skin.AddControl<TvnDataSkinCheckRadioControl>(QString::fromLatin1(name), "checkradio");
    r.PictureIndex = picChecks;
    r.SkinRect = face;
    SetNinePart(r, kFramedSize, 4);
    SetFont(r, Text);
    r.FontHeight = kSmallFontHeight;
    r.ActiveFontColor = ToTColor(White);
    r.UnenabledFontColor = ToTColor(TextDisabled);
    r.FrameFontColor = ToTColor(Text);
    r.ActiveSkinRect = hotFace;
    r.CheckImageArea = RectLTRB(3, 2, 21, 20);
    r.TextArea = RectLTRB(22, 0, 97, 22);
    r.CheckImageRect = looks.Check;
    r.UncheckImageRect = looks.Uncheck;
    r.ActiveCheckImageRect = looks.ActiveCheck;
    r.ActiveUncheckImageRect = looks.ActiveUncheck;
    r.UnenabledCheckImageRect = looks.UnenabledCheck;
    r.UnenabledUncheckImageRect = looks.UnenabledUncheck;
    r.GrayedCheckImageRect = looks.Grayed;
    r.ActiveGrayedCheckImageRect = looks.ActiveGrayed;
    r.Morphing = true;
    r.MorphKind = TvnMorphKind::mkDefault;
}

} // namespace

void AddCheckBoxes(TSkinBuilder& skin)
{
    TSheet sheet(8 * (kCheckSize + 2) + 2, Face);
    AddCheckRecord(skin, sheet, "checkbox", false);
    AddCheckRecord(skin, sheet, "radiobox", true);
    skin.SetPicture(picChecks, QStringLiteral("checks.bmp"), sheet.Finished());
}

} // namespace art
