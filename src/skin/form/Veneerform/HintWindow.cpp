#include "HintWindow.h"

#include "framework/Font.h"
#include "platform/Colors.h"
#include "skin/data/vnSkinData/SkinData.h"
#include "skin/data/vnUtils/MaskRegion.h"
#include "skin/data/vnUtils/NinePart.h"
#include "skin/data/vnUtils/SkinRect.h"

#include <QPainter>

using namespace vnutils;

namespace veneer {

namespace {

// Room around the text of the plain box.
constexpr int kPlainMargin = 3;

} // namespace

TvnSkinHintWindow::TvnSkinHintWindow()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TvnSkinHintWindow::ActivateHint(const QPoint& at, const QString& text, const TvnSkinData* store)
{
    m_text = text;
    const TvnDataSkinHintWindow* look = nullptr;
    const QImage* picture = nullptr;
    if (store && !store->Empty()) {
        const int index = store->HintWindow.WindowPictureIndex;
        if (index >= 0 && index < store->Pictures.size() && !store->Pictures.at(index).isNull()) {
            look = &store->HintWindow;
            picture = &store->Pictures.at(index);
        }
    }
    const QFont font = look ? TFont::MakeQFont(look->FontName, look->FontHeight, look->FontStyle) : QFont();
    const QFontMetrics metrics(font);
    const QSize textSize(metrics.horizontalAdvance(text), metrics.height());

    if (look) {
        // The picture's client rectangle holds the text; the frame around it keeps its size.
        const QRect& client = look->Geometry.ClientRect;
        const QSize size(textSize.width() + picture->width() - client.width(),
            textSize.height() + picture->height() - client.height());
        const TvnNinePart parts { QRect(QPoint(0, 0), picture->size()), look->Geometry };
        const TvnNinePartTarget to = StandardTarget(parts, size);
        m_image = QImage(size, QImage::Format_RGB32);
        m_image.fill(Qt::black);
        ComposeNineParts(m_image, *picture, parts, to);
        QPainter p(&m_image);
        p.setFont(font);
        p.setPen(ToQColor(look->FontColor));
        p.drawText(
            QRect(client.topLeft(), textSize), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        const int mask = look->MaskPictureIndex;
        std::optional<QRegion> region;
        if (mask >= 0 && mask < store->Pictures.size())
            region = WindowRegionFromMask(store->Pictures.at(mask), parts, to);
        if (region)
            setMask(*region);
        else
            clearMask();
    } else {
        const QSize size = textSize + QSize(2 * kPlainMargin, 2 * kPlainMargin);
        m_image = QImage(size, QImage::Format_RGB32);
        m_image.fill(ToQColor(clr::clInfoBk));
        QPainter p(&m_image);
        p.setPen(ToQColor(clr::clInfoText));
        p.drawRect(0, 0, size.width() - 1, size.height() - 1);
        p.setFont(font);
        p.drawText(
            QRect(QPoint(kPlainMargin, kPlainMargin), textSize), Qt::AlignLeft | Qt::TextSingleLine, text);
        clearMask();
    }
    setGeometry(QRect(at, m_image.size()));
    show();
    update();
}

void TvnSkinHintWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, m_image);
}

} // namespace veneer
