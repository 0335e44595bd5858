#include "PanelCaption.h"

#include "skin/data/vnUtils/SkinRect.h"

#include <algorithm>

namespace vnctrls {

using vnutils::RectBottom;
using vnutils::RectEmpty;
using vnutils::RectLTRB;
using vnutils::RectRight;

namespace {

int CentredY(const QRect& r, int height) { return r.y() + (r.height() - height) / 2; }

// The width the alignment gives to the picture beside the text.
int ImagePart(const TvnCaptionImage& image)
{
    return image.IsGlyph && !image.Size.isEmpty() ? image.Size.width() + image.Spacing : 0;
}

// Places text and picture in `area` from the text's aligned x: the picture stands
// before the text, or at the area's left edge with the text kept clear of it.
void PlaceTextAndImage(const QRect& area, int alignedX, const QSize& text, const TvnCaptionImage& image,
    QPoint& textPos, QPoint& imagePos)
{
    textPos = { alignedX, CentredY(area, text.height()) };
    if (image.Size.isEmpty()) return;
    const int imageY = CentredY(area, image.Size.height());
    if (image.Position == vnipLeft) {
        imagePos = { area.x() + 2, imageY };
        textPos.setX(std::max(textPos.x(), imagePos.x() + image.Size.width() + image.Spacing));
    } else {
        imagePos = { textPos.x(), imageY };
        textPos.rx() += image.Size.width() + image.Spacing;
    }
}

} // namespace

TvnSkinnedCaptionLayout LayoutSkinnedCaption(const TvnSkinnedCaptionInput& in)
{
    TvnSkinnedCaptionLayout out;
    QRect area = in.CaptionRect;
    if (in.RollUpMode) area.setWidth(area.width() - 12);
    if (!in.CheckImage.isEmpty()) {
        out.CheckImage = { area.x(), CentredY(area, in.CheckImage.height()) };
        area.setLeft(area.x() + in.CheckImage.width() + 2);
    }
    out.Area = area;

    const int textAndImage = in.Text.width() + ImagePart(in.Image);
    int x = area.x();
    if (in.Alignment == taRightJustify)
        x = RectRight(area) - textAndImage;
    else if (in.Alignment == taCenter)
        x = area.x() + area.width() / 2 - textAndImage / 2;
    PlaceTextAndImage(area, x, in.Text, in.Image, out.Text, out.Image);

    if (in.RollUpMode) out.Arrow = QRect(RectRight(area), in.CaptionRect.y(), 10, in.CaptionRect.height());

    if (!RectEmpty(in.FrameRect)) {
        const int extra = in.FrameRect.width() - in.FrameTextRect.width();
        const int stripWidth = in.Text.width() + extra;
        const int textLeft = in.FrameTextRect.x();
        int stripX = out.Text.x();
        switch (in.Alignment) {
        case taLeftJustify:
            out.Text.rx() += textLeft;
            break;
        case taRightJustify:
            stripX -= extra;
            out.Text.rx() += textLeft - extra;
            out.Image.rx() -= extra;
            break;
        case taCenter:
            stripX -= textLeft + 2;
            out.Text.rx() -= 2;
            out.Image.rx() -= textLeft;
            break;
        }
        out.FrameStrip = QRect(stripX, in.CaptionRect.y(), stripWidth, in.FrameRect.height());
    }
    return out;
}

TvnDefaultCaptionLayout LayoutDefaultCaption(const TvnDefaultCaptionInput& in)
{
    TvnDefaultCaptionLayout out;
    const int w = in.Control.width();
    out.Bar = in.Border ? RectLTRB(1, 1, w - 1, in.CaptionHeight) : QRect(0, 0, w, in.CaptionHeight);
    QRect area = out.Bar;
    if (in.CheckedMode) {
        out.CheckBox
            = QRect(5, CentredY(out.Bar, kDefaultCheckBoxSize), kDefaultCheckBoxSize, kDefaultCheckBoxSize);
        area.setLeft(area.x() + 20);
    }
    if (in.RollUpMode) {
        area.setWidth(area.width() - 10);
        out.Arrow = QRect(RectRight(area), out.Bar.y(), 10, out.Bar.height());
    }
    out.TextArea = area;

    const int textAndImage = in.Text.width() + ImagePart(in.Image);
    int x = area.x() + 2;
    if (in.Alignment == taRightJustify)
        x = RectRight(area) - textAndImage;
    else if (in.Alignment == taCenter)
        x = area.x() + 2 + (area.width() - textAndImage) / 2;
    PlaceTextAndImage(area, x, in.Text, in.Image, out.Text, out.Image);
    return out;
}

TvnCaptionLineLayout LayoutCaptionLine(const TvnCaptionLineInput& in)
{
    TvnCaptionLineLayout out;
    const int lineHeight = in.Text.height() + 5;
    const QRect line(0, 0, in.Width, lineHeight);
    int x = 5;
    if (!in.CheckImage.isEmpty()) {
        out.CheckImage = { x, CentredY(line, in.CheckImage.height()) };
        x += in.CheckImage.width() + 5;
    }
    if (!in.Image.isEmpty()) {
        out.Image = { x, CentredY(line, in.Image.height()) };
        x += in.Image.width() + 2;
    }
    out.Text = { x, CentredY(line, in.Text.height()) };
    const int textRight = x + in.Text.width();
    if (in.RollUpMode) out.Arrow = RectLTRB(textRight + 3, 0, textRight + 10, lineHeight);
    out.ResumeX = textRight + (in.RollUpMode ? 12 : 3);
    out.GroupLineY = lineHeight / 2;
    out.Line = QRect(0, 0, std::min(out.ResumeX, in.Width), lineHeight);
    return out;
}

TvnSkinnedCaptionLayout LayoutSkinnedCaption(const TvnPanelCaption& c)
{
    TvnSkinnedCaptionInput in;
    in.CaptionRect = c.CaptionRect;
    in.Alignment = c.Alignment;
    in.FrameRect = c.FrameRect;
    in.FrameTextRect = c.FrameTextRect;
    in.Text = c.TextSize;
    in.Image = c.Image;
    if (c.CheckedMode) in.CheckImage = c.CheckImageRect.size();
    in.RollUpMode = c.RollUpMode;
    return LayoutSkinnedCaption(in);
}

TvnDefaultCaptionLayout LayoutDefaultCaption(const TvnPanelCaption& c)
{
    TvnDefaultCaptionInput in;
    in.Control = c.Control;
    in.Border = c.Border;
    in.CaptionHeight = c.DefaultCaptionHeight;
    in.CheckedMode = c.CheckedMode;
    in.RollUpMode = c.RollUpMode;
    in.Alignment = c.DefaultAlignment;
    in.Text = c.TextSize;
    in.Image = c.Image;
    return LayoutDefaultCaption(in);
}

TvnCaptionLineLayout LayoutCaptionLine(const TvnPanelCaption& c)
{
    TvnCaptionLineInput in;
    in.Width = c.Control.width();
    in.Text = c.TextSize;
    if (c.CheckedMode) in.CheckImage = c.CheckImageRect.size();
    in.Image = c.Image.Size;
    in.RollUpMode = c.RollUpMode;
    return LayoutCaptionLine(in);
}

} // namespace vnctrls
