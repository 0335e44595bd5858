#include "EditSnapshot.h"
#include "framework/Edges.h"
#include "framework/ImageList.h"
#include "platform/Colors.h"
#include "skin/data/vnSkinData/ControlSkins.h"
#include "skin/data/vnUtils/SkinRect.h"
#include "skin/data/vnUtils/ThreePartStrip.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>

namespace vnctrls {

namespace {

using vnutils::RectEmpty;

bool ValidImage(const TImageList* list, int index) { return list && index >= 0 && index < list->Count(); }

// The face strip at the field's width. A field higher or lower than the skin (its own
// font) keeps the frame above and below the text area as it is and stretches only the
// part under the text area down.
QImage ComposeFace(const TvnEditSnapshot& s, const QRect& face)
{
    const TvnDataSkinEditControl& r = *s.Record;
    QImage strip = vnutils::HorizontalStrip(
        s.Picture, face, EditLeftEdge(r), EditRightEdge(r), s.Size.width(), r.Geometry.StretchEffect);
    if (strip.isNull() || strip.height() == s.Size.height()) return strip;
    const QRect client = r.Geometry.ClientRect;
    const int top = std::max(0, client.y());
    const int bottom = std::max(0, r.SkinRect.height() - (client.y() + client.height()));
    if (top + bottom >= s.Size.height() || top + bottom >= strip.height())
        return strip.scaled(s.Size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return vnutils::VerticalStrip(strip, strip.rect(), top, bottom, s.Size.height(), true);
}

void DrawDefaultButton(QPainter& p, const TvnEditSnapshot& s)
{
    const QRect b = s.Layout.Button;
    const bool down = s.State.ButtonDown;
    p.fillRect(b, ToQColor(clr::clBtnFace));
    p.setPen(ToQColor(down ? clr::clBtnShadow : clr::clBtnHighlight));
    p.drawLine(b.topLeft(), b.topRight());
    p.drawLine(b.topLeft(), b.bottomLeft());
    p.setPen(ToQColor(down ? clr::clBtnHighlight : clr::clBtnShadow));
    p.drawLine(b.bottomLeft(), b.bottomRight());
    p.drawLine(b.topRight(), b.bottomRight());
    // Three dots: the button opens something.
    p.setPen(Qt::NoPen);
    p.setBrush(ToQColor(s.State.Enabled ? clr::clBtnText : clr::clGrayText));
    const QPoint c = b.center() + (down ? QPoint(1, 1) : QPoint());
    for (int dx : { -4, 0, 4 })
        p.drawRect(c.x() + dx - 1, c.y(), 2, 2);
}

void DrawImages(QPainter& p, const TvnEditSnapshot& s)
{
    const TvnEditImages& im = s.Images;
    const int left
        = EditImageIndex(im.List, im.Left, im.LeftHot, im.LeftDown, s.State.LeftHot, s.State.LeftDown);
    const int right
        = EditImageIndex(im.List, im.Right, im.RightHot, im.RightDown, s.State.RightHot, s.State.RightDown);
    if (left != -1 && !s.Layout.LeftImage.isEmpty())
        im.List->Draw(p, s.Layout.LeftImage.x(), s.Layout.LeftImage.y(), left, s.State.Enabled);
    if (right != -1 && !s.Layout.RightImage.isEmpty())
        im.List->Draw(p, s.Layout.RightImage.x(), s.Layout.RightImage.y(), right, s.State.Enabled);
}

} // namespace

int EditImageIndex(const TImageList* list, int normal, int hot, int down, bool isHot, bool isDown)
{
    if (isDown && ValidImage(list, down)) return down;
    if (isHot && ValidImage(list, hot)) return hot;
    return ValidImage(list, normal) ? normal : -1;
}

void DrawEdit(QImage& target, const TvnEditSnapshot& s, TvnFaceCache<QImage>& faces)
{
    QPainter p(&target);
    if (!s.Record) {
        p.fillRect(target.rect(), s.DefaultColor);
        DrawSunkenEdge(p, target.rect());
        if (s.ButtonMode) DrawDefaultButton(p, s);
    } else {
        const QRect face = EditFaceRect(*s.Record, s.State.Hot || s.State.Focused);
        const QImage& composed
            = faces.Get({ s.RecordIndex, s.Size, face, 0 }, [&] { return ComposeFace(s, face); });
        if (!composed.isNull()) p.drawImage(0, 0, composed);
        if (s.ButtonMode && !s.Layout.Button.isEmpty()) {
            const QRect look
                = EditButtonRect(*s.Record, s.State.Enabled, s.State.ButtonHot, s.State.ButtonDown);
            if (!RectEmpty(look))
                p.drawImage(
                    s.Layout.Button.topLeft(), s.Picture, QRect(look.topLeft(), s.Layout.Button.size()));
        }
    }
    DrawImages(p, s);
}

} // namespace vnctrls
