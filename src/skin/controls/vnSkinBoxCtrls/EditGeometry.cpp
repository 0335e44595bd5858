#include "EditGeometry.h"

#include "skin/data/vnSkinData/ControlSkins.h"
#include "skin/data/vnUtils/SkinRect.h"

#include <algorithm>

namespace vnctrls {

using vnutils::RectBottom;
using vnutils::RectEmpty;
using vnutils::RectRight;

namespace {
constexpr int kDefaultFrame = 2;
constexpr int kImageSpacing = 2;
} // namespace

TvnEditInsets EditInsets(const TvnDataSkinEditControl* record, bool buttonMode, int height)
{
    if (!record)
        return { kDefaultFrame, kDefaultFrame, buttonMode ? height + 2 : kDefaultFrame, kDefaultFrame };
    const QRect client = record->Geometry.ClientRect;
    const QRect skin = record->SkinRect;
    return { client.x(), client.y(), std::max(0, skin.width() - RectRight(client)),
        std::max(0, skin.height() - RectBottom(client)) };
}

TvnEditLayout LayoutEdit(const TvnDataSkinEditControl* record, const TvnEditLayoutInput& in)
{
    const QSize size = in.Size;
    const TvnEditInsets i = EditInsets(record, in.ButtonMode, size.height());
    TvnEditLayout l;
    l.TextArea = vnutils::RectLTRB(
        i.Left, i.Top, std::max(i.Left, size.width() - i.Right), std::max(i.Top, size.height() - i.Bottom));
    l.Edit = l.TextArea;
    const int imageTop = l.TextArea.y() + (l.TextArea.height() - in.ImageSize.height()) / 2;
    if (in.LeftImage && !in.ImageSize.isEmpty()) {
        l.LeftImage = QRect(QPoint(l.TextArea.x(), imageTop), in.ImageSize);
        l.Edit.setLeft(std::min(RectRight(l.Edit), l.Edit.x() + in.ImageSize.width() + kImageSpacing));
    }
    if (in.RightImage && !in.ImageSize.isEmpty()) {
        l.RightImage = QRect(QPoint(RectRight(l.TextArea) - in.ImageSize.width(), imageTop), in.ImageSize);
        l.Edit.setWidth(std::max(0, l.Edit.width() - in.ImageSize.width() - kImageSpacing));
    }
    if (in.ButtonMode) {
        if (record && !RectEmpty(record->ButtonRect)) {
            const QRect b = record->ButtonRect;
            l.Button = QRect(size.width() - (record->SkinRect.width() - b.x()), b.y(), b.width(), b.height());
        } else {
            const int side = std::max(0, size.height() - 2 * kDefaultFrame);
            l.Button = QRect(RectRight(l.TextArea) + 1, kDefaultFrame, side, side);
        }
    }
    return l;
}

TvnEditHit HitTestEdit(const TvnEditLayout& l, QSize size, QPoint p)
{
    if (!QRect(QPoint(0, 0), size).contains(p)) return TvnEditHit::None;
    if (l.Button.contains(p)) return TvnEditHit::Button;
    if (l.LeftImage.contains(p)) return TvnEditHit::LeftImage;
    if (l.RightImage.contains(p)) return TvnEditHit::RightImage;
    if (l.TextArea.contains(p)) return TvnEditHit::Text;
    return TvnEditHit::Frame;
}

QRect EditFaceRect(const TvnDataSkinEditControl& record, bool active)
{
    return active && !RectEmpty(record.ActiveSkinRect) ? record.ActiveSkinRect : record.SkinRect;
}

QRect EditButtonRect(const TvnDataSkinEditControl& record, bool enabled, bool hot, bool down)
{
    if (!enabled) return record.UnenabledButtonRect;
    if (down) return RectEmpty(record.DownButtonRect) ? record.ActiveButtonRect : record.DownButtonRect;
    if (hot) return record.ActiveButtonRect;
    return {};
}

int EditLeftEdge(const TvnDataSkinEditControl& record) { return record.Geometry.Corners.LeftTop.x(); }

int EditRightEdge(const TvnDataSkinEditControl& record)
{
    return std::max(0, record.SkinRect.width() - record.Geometry.Corners.RightTop.x());
}

int EditHeight(
    const TvnDataSkinEditControl* record, bool useSkinFont, const QFontMetrics& font, int requested)
{
    if (record && useSkinFont) return record->SkinRect.height();
    if (useSkinFont) return requested;
    const int frame = record ? record->SkinRect.height() - record->Geometry.ClientRect.height() : 4;
    return font.height() + frame;
}

} // namespace vnctrls
