#include "TextRoutines.h"

#include <QPainter>

namespace vnutils {

namespace {

const QString kEllipsis = QStringLiteral("...");

void DrawLineAt(QPainter& painter, const QRect& clip, int x, int y, const QString& text)
{
    const QFontMetrics metrics(painter.font());
    painter.save();
    painter.setClipRect(clip, Qt::IntersectClip);
    painter.drawText(QRect(x, y, TextWidth(metrics, text) + 1, TextHeight(metrics, text)),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    painter.restore();
}

} // namespace

int TextWidth(const QFontMetrics& metrics, const QString& text) { return metrics.horizontalAdvance(text); }

int TextHeight(const QFontMetrics& metrics, const QString&) { return metrics.height(); }

void DrawTextVCentered(QPainter& painter, const QRect& rect, const QString& text)
{
    const QFontMetrics metrics(painter.font());
    DrawLineAt(painter, rect, rect.x(), rect.y() + (rect.height() - TextHeight(metrics, text)) / 2, text);
}

void DrawTextLeft(QPainter& painter, const QRect& rect, const QString& text, int indent)
{
    const QFontMetrics metrics(painter.font());
    DrawLineAt(painter, rect, rect.x() + 2 + indent,
        rect.y() + rect.height() / 2 - TextHeight(metrics, text) / 2, text);
}

QString ShortenText(const QFontMetrics& metrics, const QString& text, int width)
{
    if (TextWidth(metrics, text) <= width) return text;
    QString kept = text;
    while (!kept.isEmpty() && TextWidth(metrics, kept + kEllipsis) > width) {
        // Drop a whole character: both halves of a surrogate pair go together.
        const bool pair
            = kept.size() >= 2 && kept.back().isLowSurrogate() && kept[kept.size() - 2].isHighSurrogate();
        kept.chop(pair ? 2 : 1);
    }
    return kept + kEllipsis;
}

} // namespace vnutils
