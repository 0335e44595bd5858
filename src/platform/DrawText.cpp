#include "DrawText.h"

#include <QFontMetrics>
#include <QPainter>

namespace platform {

namespace {

const QString kEllipsis = QStringLiteral("...");

int QtFlags(unsigned format)
{
    int flags = Qt::AlignTop;
    if (format & dt::DT_CENTER)
        flags |= Qt::AlignHCenter;
    else if (format & dt::DT_RIGHT)
        flags |= Qt::AlignRight;
    else
        flags |= Qt::AlignLeft;
    if (format & dt::DT_SINGLELINE) {
        flags |= Qt::TextSingleLine;
        if (format & dt::DT_VCENTER)
            flags = (flags & ~Qt::AlignTop) | Qt::AlignVCenter;
        else if (format & dt::DT_BOTTOM)
            flags = (flags & ~Qt::AlignTop) | Qt::AlignBottom;
    }
    if (format & dt::DT_WORDBREAK) flags |= Qt::TextWordWrap;
    if (format & dt::DT_EXPANDTABS) flags |= Qt::TextExpandTabs;
    if (!(format & dt::DT_NOPREFIX)) flags |= Qt::TextShowMnemonic;
    return flags;
}

// Drops one whole character (both halves of a surrogate pair) from the end.
void ChopCharacter(QString& text)
{
    const bool pair
        = text.size() >= 2 && text.back().isLowSurrogate() && text[text.size() - 2].isHighSurrogate();
    text.chop(pair ? 2 : 1);
}

QString PathEllipsis(const QFontMetrics& metrics, const QString& text, int width, int flags)
{
    const qsizetype slash = std::max(text.lastIndexOf(u'\\'), text.lastIndexOf(u'/'));
    if (slash <= 0) {
        QString kept = text;
        while (!kept.isEmpty() && metrics.horizontalAdvance(kEllipsis + kept) > width)
            kept.remove(0, 1);
        return kEllipsis + kept;
    }
    const QString tail = text.mid(slash);
    QString head = text.left(slash);
    while (!head.isEmpty() && metrics.boundingRect(QRect(), flags, head + kEllipsis + tail).width() > width)
        ChopCharacter(head);
    return head + kEllipsis + tail;
}

} // namespace

QString EllipsizedText(const QFont& font, const QString& text, int width, unsigned format)
{
    const QFontMetrics metrics(font);
    const int flags = QtFlags(format) | Qt::TextSingleLine;
    if (metrics.boundingRect(QRect(), flags, text).width() <= width) return text;
    if (format & dt::DT_PATH_ELLIPSIS) return PathEllipsis(metrics, text, width, flags);
    if (!(format & dt::DT_END_ELLIPSIS)) return text;
    QString kept = text;
    while (!kept.isEmpty() && metrics.boundingRect(QRect(), flags, kept + kEllipsis).width() > width)
        ChopCharacter(kept);
    return kept + kEllipsis;
}

QRect MeasureText(const QFont& font, const QString& text, const QRect& rect, unsigned format)
{
    const QFontMetrics metrics(font);
    const int flags = QtFlags(format);
    if (text.isEmpty()) return QRect(rect.topLeft(), QSize(0, 0));
    if (format & dt::DT_WORDBREAK) {
        const QRect needed = metrics.boundingRect(QRect(0, 0, rect.width(), 1 << 20), flags, text);
        return QRect(rect.topLeft(), QSize(rect.width(), needed.height()));
    }
    const QRect needed = metrics.boundingRect(
        QRect(0, 0, 1 << 20, 1 << 20), flags & ~Qt::AlignHCenter & ~Qt::AlignRight, text);
    return QRect(rect.topLeft(), needed.size());
}

int DrawText(QPainter& painter, const QString& text, QRect& rect, unsigned format)
{
    if (format & dt::DT_CALCRECT) {
        rect = MeasureText(painter.font(), text, rect, format);
        return rect.height();
    }
    const bool ellipsis = format & (dt::DT_END_ELLIPSIS | dt::DT_PATH_ELLIPSIS);
    const QString shown = ellipsis && !(format & dt::DT_WORDBREAK)
        ? EllipsizedText(painter.font(), text, rect.width(), format)
        : text;
    painter.save();
    if (!(format & dt::DT_NOCLIP)) painter.setClipRect(rect, Qt::IntersectClip);
    QRect drawn;
    painter.drawText(rect, QtFlags(format), shown, &drawn);
    painter.restore();
    return drawn.height();
}

} // namespace platform
