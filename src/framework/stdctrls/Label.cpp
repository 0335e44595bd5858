#include "Label.h"

#include <QPainter>

TLabel::TLabel(QObject* owner) : TControl(owner)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void TLabel::SetCaption(const QString& caption)
{
    m_caption = caption;
    adjustSize();
    update();
}

void TLabel::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    adjustSize();
}

void TLabel::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    setAttribute(Qt::WA_TranslucentBackground, transparent);
    update();
}

void TLabel::SetWordWrap(bool wrap)
{
    m_wordWrap = wrap;
    adjustSize();
    update();
}

void TLabel::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    update();
}

void TLabel::FontChanged()
{
    adjustSize();
    update();
}

int TLabel::textFlags() const
{
    int flags = Qt::TextShowMnemonic | Qt::AlignTop;
    flags |= m_alignment == taCenter ? Qt::AlignHCenter : m_alignment == taRightJustify ? Qt::AlignRight : Qt::AlignLeft;
    if (m_wordWrap) flags |= Qt::TextWordWrap;
    return flags;
}

void TLabel::adjustSize()
{
    if (!m_autoSize) return;
    const QFontMetrics metrics(font());
    QRect bounds = m_wordWrap ? metrics.boundingRect(QRect(0, 0, Width(), 10000), textFlags(), m_caption)
                              : metrics.boundingRect(QRect(0, 0, 10000, 10000), textFlags(), m_caption);
    SetBounds(Left(), Top(), m_wordWrap ? Width() : bounds.width(), std::max(bounds.height(), metrics.height()));
}

void TLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_transparent) painter.fillRect(rect(), ToQColor(Color()));
    painter.setFont(font());
    painter.setPen(ToQColor(isEnabled() ? Font()->Color() : clr::clGrayText));
    painter.drawText(rect(), textFlags(), m_caption);
}
