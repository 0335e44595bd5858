// Text drawn on the skin's faces stays readable: every text colour against every pixel
// of the face area it is drawn on has a contrast ratio of at least 4.5:1 (relative
// luminance as the web's accessibility guidelines define it).
#include "StudioSkinFixture.h"
#include "skin/data/vnUtils/SkinRect.h"
#include "skin/data/vneffects/EffectBmp.h"

#include <cmath>
#include <vector>

using namespace studiotest;
using vnutils::RectEmpty;

namespace {

double Linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(QRgb c)
{
    return 0.2126 * Linear(qRed(c)) + 0.7152 * Linear(qGreen(c)) + 0.0722 * Linear(qBlue(c));
}

double Contrast(QRgb a, QRgb b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QRgb Rgb(TColor c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }

// A text colour and the pixels it is drawn over.
struct TText {
    std::string What;
    QRgb Colour;
    QImage Behind;
};

QImage Solid(TColor c)
{
    QImage image(1, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, Rgb(c));
    return image;
}

// The pixels of `area`, given relative to the look `look` of `picture`.
QImage Area(const QImage& picture, const QRect& look, const QRect& area)
{
    return picture.copy(area.translated(look.topLeft())).convertToFormat(QImage::Format_RGB32);
}

class TTexts {
public:
    explicit TTexts(const TvnSkinData& skin)
        : m_skin(skin)
    {
    }

    void Add(const QString& what, TColor text, const QImage& behind)
    {
        ASSERT_FALSE(behind.isNull()) << what.toStdString();
        m_texts.push_back({ what.toStdString(), Rgb(text), behind });
    }
    // Text on a look of a record's picture, in an area relative to the look.
    void Add(const QString& what, TColor text, int picture, const QRect& look, const QRect& area)
    {
        ASSERT_FALSE(RectEmpty(look)) << what.toStdString();
        Add(what, text, Area(m_skin.Picture(picture), look, area));
    }
    const std::vector<TText>& All() const { return m_texts; }

private:
    const TvnSkinData& m_skin;
    std::vector<TText> m_texts;
};

QRect Whole(const QRect& look) { return QRect(QPoint(), look.size()); }

void AddButtons(TTexts& texts, const TvnSkinData& skin)
{
    for (const auto& record : skin.ControlSkins()) {
        const auto* b = dynamic_cast<const TvnDataSkinButtonControl*>(record.get());
        // The combo box's button is too small for a word: it carries only its arrow.
        if (!b || b->SkinRect.width() < 24) continue;
        QRect text = b->Geometry.ClientRect;
        if (const auto* menu = dynamic_cast<const TvnDataSkinMenuButtonControl*>(b);
            menu && !RectEmpty(menu->TrackButtonRect)) {
            // The caption leaves the drop-down part, and its separator, free.
            if (menu->TrackButtonRect.x() > 0)
                text.setWidth(menu->TrackButtonRect.x() - 1 - text.x());
            else
                text.setHeight(menu->TrackButtonRect.y() - 1 - text.y());
        }
        const QString name = b->IDName;
        texts.Add(name + " normal", b->FontColor, b->PictureIndex, b->SkinRect, text);
        texts.Add(name + " hot", b->ActiveFontColor, b->PictureIndex, b->ActiveSkinRect, text);
        texts.Add(name + " down", b->DownFontColor, b->PictureIndex, b->DownSkinRect, text.translated(1, 1));
        texts.Add(name + " focused", b->ActiveFontColor, b->PictureIndex, b->FocusedSkinRect, text);
        texts.Add(name + " disabled", b->DisabledFontColor, b->PictureIndex, b->DisabledSkinRect, text);
    }
}

void AddFrame(TTexts& texts, const TvnSkinData& skin)
{
    const auto* caption
        = dynamic_cast<const TvnDataSkinCaption*>(skin.FrameObject(skin.FindFrameObject("caption")));
    ASSERT_NE(caption, nullptr);
    const QRect band = caption->TextRect.translated(caption->SkinRect.topLeft());
    const QImage behind = skin.MainPicture.copy(band).convertToFormat(QImage::Format_RGB32);
    texts.Add("caption, active frame", caption->ActiveFontColor, behind);
    // An inactive frame is darkened after its caption is drawn: text and band alike.
    TvnEffectBmp dimBand(behind), dimText(Solid(caption->FontColor));
    dimBand.ApplyInactiveEffect(skin.InactiveEffect);
    dimText.ApplyInactiveEffect(skin.InactiveEffect);
    texts.Add("caption, inactive frame", FromQColor(QColor(dimText.Image().pixel(0, 0))), dimBand.Image());
}

void AddLabelsAndPanels(TTexts& texts, const TvnSkinData& skin)
{
    const auto& label = RecordNamed<TvnDataSkinStdLabelControl>("stdlabel");
    const QImage window = skin.MainPicture.copy(skin.Geometry.ClientRect);
    texts.Add("label on a window", label.FontColor, window);
    texts.Add("disabled label on a window", skin.SkinColors.cBtnShadow, window);
    for (const char* name : { "groupbox", "panel", "expanel" }) {
        const auto& r = RecordNamed<TvnDataSkinCustomControl>(name);
        texts.Add(
            QString("label on ") + name, label.FontColor, r.PictureIndex, r.SkinRect, r.Geometry.ClientRect);
        texts.Add(QString("disabled label on ") + name, skin.SkinColors.cBtnShadow, r.PictureIndex,
            r.SkinRect, r.Geometry.ClientRect);
    }
    const auto& group = RecordNamed<TvnDataSkinPanelControl>("groupbox");
    texts.Add("group box caption", group.FontColor, group.PictureIndex, group.SkinRect, group.CaptionRect);
    texts.Add("group box caption on its tag", group.FontColor, group.PictureIndex, group.FrameRect,
        group.FrameTextRect.adjusted(0, 1, 0, -1));
    const auto& ex = RecordNamed<TvnDataSkinExPanelControl>("expanel");
    texts.Add("expandable panel caption", ex.FontColor, ex.PictureIndex, ex.SkinRect, ex.CaptionRect);
    for (const char* name : { "label", "statuspanel" }) {
        const auto& r = RecordNamed<TvnDataSkinLabelControl>(name);
        texts.Add(name, r.FontColor, r.PictureIndex, r.SkinRect, r.Geometry.ClientRect);
    }
}

void AddChecks(TTexts& texts, const TvnSkinData& skin)
{
    const auto& group = RecordNamed<TvnDataSkinPanelControl>("groupbox");
    const QImage groupClient
        = Area(skin.Picture(group.PictureIndex), group.SkinRect, group.Geometry.ClientRect);
    for (const char* name : { "checkbox", "radiobox" }) {
        const auto& r = RecordNamed<TvnDataSkinCheckRadioControl>(name);
        const QString n = QString::fromLatin1(name);
        texts.Add(n + " on a group box", r.FrameFontColor, groupClient);
        texts.Add(n + " disabled on a group box", r.UnenabledFontColor, groupClient);
        texts.Add(n + " framed", r.FontColor, r.PictureIndex, r.SkinRect, r.TextArea.adjusted(0, 1, -1, -1));
        texts.Add(n + " framed hot", r.ActiveFontColor, r.PictureIndex, r.ActiveSkinRect,
            r.TextArea.adjusted(0, 1, -1, -1));
        texts.Add(n + " framed disabled", r.UnenabledFontColor, r.PictureIndex, r.SkinRect,
            r.TextArea.adjusted(0, 1, -1, -1));
    }
}

void AddFields(TTexts& texts, const TvnSkinData& skin)
{
    for (const auto& record : skin.ControlSkins()) {
        const QString name = record->IDName;
        if (const auto* e = dynamic_cast<const TvnDataSkinEditControl*>(record.get())) {
            texts.Add(name, e->FontColor, e->PictureIndex, e->SkinRect, e->Geometry.ClientRect);
            texts.Add(name + " active", e->ActiveFontColor, e->PictureIndex, e->ActiveSkinRect,
                e->Geometry.ClientRect);
            texts.Add(name + " disabled", e->DisabledFontColor, e->PictureIndex, e->SkinRect,
                e->Geometry.ClientRect);
        } else if (const auto* c = dynamic_cast<const TvnDataSkinComboBox*>(record.get())) {
            texts.Add(name, c->FontColor, c->PictureIndex, c->SkinRect, c->Geometry.ClientRect);
            texts.Add(name + " active", c->ActiveFontColor, c->PictureIndex, c->ActiveSkinRect,
                c->Geometry.ClientRect);
            texts.Add(name + " item", c->FontColor, c->PictureIndex, c->ItemRect, c->ItemTextRect);
            texts.Add(
                name + " hot item", c->ActiveFontColor, c->PictureIndex, c->ActiveItemRect, c->ItemTextRect);
            texts.Add(name + " focused item", c->FocusFontColor, c->PictureIndex, c->FocusItemRect,
                c->ItemTextRect);
        } else if (const auto* s = dynamic_cast<const TvnDataSkinSpinEditControl*>(record.get())) {
            texts.Add(name, s->FontColor, s->PictureIndex, s->SkinRect, s->Geometry.ClientRect);
            texts.Add(name + " active", s->ActiveFontColor, s->PictureIndex, s->ActiveSkinRect,
                s->Geometry.ClientRect);
            texts.Add(name + " disabled", s->DisabledFontColor, s->PictureIndex, s->SkinRect,
                s->Geometry.ClientRect);
        } else if (const auto* g = dynamic_cast<const TvnDataSkinGaugeControl*>(record.get())) {
            // The percentage stands over the fill and over the empty groove.
            texts.Add(name + " over the fill", g->FontColor, g->PictureIndex, g->ProgressRect,
                g->Vertical ? Whole(g->ProgressRect).adjusted(1, 0, 0, 0)
                            : Whole(g->ProgressRect).adjusted(0, 1, 0, 0));
            texts.Add(name + " over the groove", g->FontColor, g->PictureIndex, g->SkinRect, g->ProgressArea);
        }
    }
}

void AddLists(TTexts& texts, const TvnSkinData& skin)
{
    const auto& grid = RecordNamed<TvnDataSkinGridControl>("grid");
    const auto cell
        = [](const QRect& look, int left, int right) { return Whole(look).adjusted(left, 1, -right, -1); };
    texts.Add("grid cell", grid.FontColor, Solid(grid.BGColor));
    texts.Add("grid selected row", grid.SelectFontColor, grid.PictureIndex, grid.SelectCellRect,
        cell(grid.SelectCellRect, 0, 0));
    texts.Add("grid current row", grid.FocusFontColor, grid.PictureIndex, grid.FocusCellRect,
        cell(grid.FocusCellRect, 0, 0));
    texts.Add("grid column title", grid.FixedFontColor, grid.PictureIndex, grid.FixedCellRect,
        cell(grid.FixedCellRect, 0, grid.FixedCellRightOffset));
    for (const auto& record : skin.ControlSkins()) {
        const QString name = record->IDName;
        if (const auto* l = dynamic_cast<const TvnDataSkinListBox*>(record.get())) {
            texts.Add(name + " item", l->FontColor, l->PictureIndex, l->ItemRect, l->ItemTextRect);
            texts.Add(name + " selected item", l->ActiveFontColor, l->PictureIndex, l->ActiveItemRect,
                l->ItemTextRect);
            texts.Add(name + " focused item", l->FocusFontColor, l->PictureIndex, l->FocusItemRect,
                l->ItemTextRect);
            if (!RectEmpty(l->CaptionRect))
                texts.Add(
                    name + " caption", l->CaptionFontColor, l->PictureIndex, l->SkinRect, l->CaptionRect);
        } else if (const auto* t = dynamic_cast<const TvnDataSkinTreeView*>(record.get())) {
            texts.Add(name, t->FontColor, Solid(t->BGColor));
        } else if (const auto* v = dynamic_cast<const TvnDataSkinListView*>(record.get())) {
            texts.Add(name, v->FontColor, Solid(v->BGColor));
        } else if (const auto* e = dynamic_cast<const TvnDataSkinRichEdit*>(record.get())) {
            texts.Add(name, e->FontColor, Solid(e->BGColor));
        } else if (const auto* tab = dynamic_cast<const TvnDataSkinTabControl*>(record.get())) {
            // Tab captions stand between the tab's ends, centred in the row of tabs (an
            // active tab reaches further down, over the page's edge, without text).
            const auto inside = [&](const QRect& look) {
                return QRect(tab->TabLeftOffset, 3, look.width() - tab->TabLeftOffset - tab->TabRightOffset,
                    tab->TabRect.height() - 6);
            };
            texts.Add(name + " tab", tab->FontColor, tab->PictureIndex, tab->TabRect, inside(tab->TabRect));
            texts.Add(name + " active tab", tab->ActiveFontColor, tab->PictureIndex, tab->ActiveTabRect,
                inside(tab->ActiveTabRect));
            texts.Add(name + " focused tab", tab->FocusFontColor, tab->PictureIndex, tab->FocusTabRect,
                inside(tab->FocusTabRect));
            texts.Add(name + " tab under the mouse", tab->MouseInFontColor, tab->PictureIndex,
                tab->MouseInTabRect, inside(tab->MouseInTabRect));
        }
    }
}

void AddMenus(TTexts& texts, const TvnSkinData& skin)
{
    const auto* item
        = dynamic_cast<const TvnDataSkinMenuItem*>(skin.FrameObject(skin.FindFrameObject("menuitem")));
    ASSERT_NE(item, nullptr);
    texts.Add("menu item", item->FontColor, item->ActivePictureIndex, item->SkinRect, item->TextRect);
    texts.Add("highlighted menu item", item->ActiveFontColor, item->ActivePictureIndex, item->ActiveSkinRect,
        item->TextRect);
    texts.Add("disabled menu item", item->UnenabledFontColor, item->ActivePictureIndex, item->SkinRect,
        item->TextRect);
    const auto* bar = dynamic_cast<const TvnDataSkinMainMenuItem*>(
        skin.FrameObject(skin.FindFrameObject("mainmenubaritem")));
    ASSERT_NE(bar, nullptr);
    const QRect text = bar->TextRect.adjusted(0, 3, 0, -3);
    texts.Add("menu bar item", bar->FontColor, bar->ActivePictureIndex, bar->SkinRect, text);
    texts.Add("menu bar item under the mouse", bar->ActiveFontColor, bar->ActivePictureIndex,
        bar->ActiveSkinRect, text);
    texts.Add("open menu bar item", bar->DownFontColor, bar->ActivePictureIndex, bar->DownRect, text);
    texts.Add(
        "disabled menu bar item", bar->UnenabledFontColor, bar->ActivePictureIndex, bar->SkinRect, text);
    const TvnDataSkinHintWindow& hint = skin.HintWindow;
    texts.Add("hint", hint.FontColor, hint.WindowPictureIndex, skin.Picture(hint.WindowPictureIndex).rect(),
        hint.Geometry.ClientRect);
}

void AddSkinColors(TTexts& texts, const TvnSkinData& skin)
{
    const TvnSkinColors& c = skin.SkinColors;
    texts.Add("button text colour on button face colour", c.cBtnText, Solid(c.cBtnFace));
    texts.Add("window text colour on window colour", c.cWindowText, Solid(c.cWindow));
    texts.Add("highlighted text colour on highlight colour", c.cHighlightText, Solid(c.cHighlight));
}

std::vector<TText> TextsOfTheSkin()
{
    const TvnSkinData& skin = ProgramSkin();
    TTexts texts(skin);
    AddFrame(texts, skin);
    AddButtons(texts, skin);
    AddLabelsAndPanels(texts, skin);
    AddChecks(texts, skin);
    AddFields(texts, skin);
    AddLists(texts, skin);
    AddMenus(texts, skin);
    AddSkinColors(texts, skin);
    return texts.All();
}

} // namespace

TEST(StudioSkinContrast, RatioFollowsTheGuidelinesDefinition)
{
    EXPECT_DOUBLE_EQ(Contrast(qRgb(255, 255, 255), qRgb(0, 0, 0)), 21.0);
    EXPECT_DOUBLE_EQ(Contrast(qRgb(90, 90, 90), qRgb(90, 90, 90)), 1.0);
    // Mid grey on white: the guidelines' own example of a pair just below 4.5.
    EXPECT_NEAR(Contrast(qRgb(0x77, 0x77, 0x77), qRgb(255, 255, 255)), 4.48, 0.01);
}

TEST(StudioSkinContrast, TextOnEveryFaceIsAtLeast4Point5To1)
{
    const std::vector<TText> texts = TextsOfTheSkin();
    EXPECT_GT(texts.size(), 150u); // every text-bearing look of the skin is here
    for (const TText& t : texts) {
        double worst = 21;
        QRgb worstPixel = 0;
        for (int y = 0; y < t.Behind.height(); ++y)
            for (int x = 0; x < t.Behind.width(); ++x) {
                const double ratio = Contrast(t.Colour, t.Behind.pixel(x, y));
                if (ratio < worst) {
                    worst = ratio;
                    worstPixel = t.Behind.pixel(x, y);
                }
            }
        EXPECT_GE(worst, 4.5) << t.What << ": text #" << std::hex << (t.Colour & 0xFFFFFF) << " on #"
                              << (worstPixel & 0xFFFFFF) << std::dec << " gives " << worst << ":1";
    }
}
