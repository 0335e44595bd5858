#include "Label.h"

#include "framework/StoreChanged.h"
#include "platform/DrawText.h"

#include <QImage>
#include <QPainter>

TLabel::TLabel(QObject* owner)
    : TControl(owner)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void TLabel::SetCaption(const QString& caption)
{
    m_caption = caption;
    AdjustBounds();
    update();
}

void TLabel::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    AdjustBounds();
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
    AdjustBounds();
    update();
}

void TLabel::SetShowAccelChar(bool show)
{
    m_showAccelChar = show;
    AdjustBounds();
    update();
}

void TLabel::SetAlignment(TAlignment alignment)
{
    if (StoreChanged(m_alignment, alignment)) update();
}

void TLabel::SetLayout(TTextLayout layout)
{
    if (StoreChanged(m_layout, layout)) update();
}

void TLabel::FontChanged()
{
    AdjustBounds();
    update();
}

unsigned TLabel::DrawTextFlags() const
{
    unsigned flags = dt::DT_EXPANDTABS;
    if (m_wordWrap) flags |= dt::DT_WORDBREAK;
    if (m_alignment == taCenter)
        flags |= dt::DT_CENTER;
    else if (m_alignment == taRightJustify)
        flags |= dt::DT_RIGHT;
    return flags;
}

void TLabel::DoDrawText(QPainter& painter, QRect& rect, unsigned flags)
{
    QString text = GetLabelText();
    // An empty label keeps one line of height.
    if ((flags & dt::DT_CALCRECT) && (text.isEmpty() || (m_showAccelChar && text == QLatin1String("&"))))
        text += u' ';
    if (!m_showAccelChar) flags |= dt::DT_NOPREFIX;
    painter.setFont(font());
    if (isEnabled() || (flags & dt::DT_CALCRECT)) {
        painter.setPen(ToQColor(Font()->Color()));
        platform::DrawText(painter, text, rect, flags);
        return;
    }
    QRect shifted = rect.translated(1, 1);
    painter.setPen(ToQColor(clr::clBtnHighlight));
    platform::DrawText(painter, text, shifted, flags);
    painter.setPen(ToQColor(clr::clBtnShadow));
    platform::DrawText(painter, text, rect, flags);
}

QRect TLabel::LayoutRect(QPainter& painter, const QRect& rect, unsigned flags)
{
    if (m_layout == tlTop) return rect;
    QRect measured = rect;
    DoDrawText(painter, measured, flags | dt::DT_CALCRECT);
    const int free = rect.height() - measured.height();
    return rect.translated(0, m_layout == tlBottom ? free : free / 2);
}

void TLabel::AdjustBounds()
{
    if (!m_autoSize || IsLoading()) return;
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    QRect needed = rect();
    DoDrawText(painter, needed, dt::DT_EXPANDTABS | dt::DT_CALCRECT | (m_wordWrap ? dt::DT_WORDBREAK : 0));
    painter.end();
    int left = Left();
    if (m_alignment == taRightJustify)
        left += Width() - needed.width();
    else if (m_alignment == taCenter)
        left += (Width() - needed.width()) / 2;
    SetBounds(left, Top(), needed.width(), needed.height());
}

void TLabel::Loaded()
{
    TControl::Loaded();
    AdjustBounds();
}

void TLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_transparent) painter.fillRect(rect(), ToQColor(Color()));
    const unsigned flags = DrawTextFlags();
    QRect r = LayoutRect(painter, rect(), flags);
    DoDrawText(painter, r, flags);
}
