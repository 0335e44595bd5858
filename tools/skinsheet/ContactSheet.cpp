#include "ContactSheet.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace sheet {

namespace {

constexpr int kMargin = 16;
constexpr int kGap = 12;
const QColor kPage(0x5B, 0x5F, 0x66);
const QColor kInk(0xEE, 0xEF, 0xF1);

QFont LabelFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    return font;
}

QFont HeadingFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(15);
    font.setBold(true);
    return font;
}

// Where each item goes, and the page height; one pass serves measuring and drawing.
struct TPlaced {
    QRect Box;
    int Index;
};

std::vector<TPlaced> Layout(const auto& items, int width, int& height)
{
    const QFontMetrics label(LabelFont()), heading(HeadingFont());
    std::vector<TPlaced> placed;
    int x = kMargin, y = kMargin, rowHeight = 0;
    for (int i = 0; i < int(items.size()); ++i) {
        const auto& item = items[i];
        if (item.Heading) {
            y += rowHeight + (placed.empty() ? 0 : kGap);
            x = kMargin;
            placed.push_back({ QRect(x, y, width - 2 * kMargin, heading.height() + 4), i });
            y += heading.height() + 10;
            rowHeight = 0;
            continue;
        }
        const QSize image = item.Tile.Image.size();
        const int w = std::max(image.width(), label.horizontalAdvance(item.Tile.Label));
        const int h = image.height() + label.height() + 4;
        if (x > kMargin && x + w > width - kMargin) {
            x = kMargin;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        placed.push_back({ QRect(x, y, w, h), i });
        x += w + kGap;
        rowHeight = std::max(rowHeight, h);
    }
    height = y + rowHeight + kMargin;
    return placed;
}

} // namespace

TContactSheet::TContactSheet(int width)
    : m_width(width)
{
}

void TContactSheet::Section(const QString& title) { m_items.push_back({ true, { title, {} } }); }

void TContactSheet::Add(const TTile& tile) { m_items.push_back({ false, tile }); }

void TContactSheet::Add(const TTiles& tiles)
{
    for (const TTile& tile : tiles)
        Add(tile);
}

QImage TContactSheet::Render() const
{
    int height = 0;
    const std::vector<TPlaced> placed = Layout(m_items, m_width, height);
    QImage page(m_width, height, QImage::Format_RGB32);
    page.fill(kPage);
    QPainter painter(&page);
    painter.setPen(kInk);
    for (const TPlaced& p : placed) {
        const TItem& item = m_items[p.Index];
        if (item.Heading) {
            painter.setFont(HeadingFont());
            painter.drawText(p.Box, Qt::AlignLeft | Qt::AlignVCenter, item.Tile.Label);
            painter.fillRect(QRect(p.Box.x(), p.Box.bottom() + 2, p.Box.width(), 1), kInk);
            continue;
        }
        painter.drawImage(p.Box.topLeft(), item.Tile.Image);
        painter.setFont(LabelFont());
        painter.drawText(QRect(p.Box.x(), p.Box.y() + item.Tile.Image.height() + 2, p.Box.width(), 14),
            Qt::AlignLeft | Qt::AlignTop, item.Tile.Label);
    }
    return page;
}

} // namespace sheet
