#include "StdLabel.h"

#include "SkinControl.h"
#include "platform/DrawText.h"

#include <QPainter>

namespace {

constexpr unsigned kEllipsisFlags[] = { 0, dt::DT_END_ELLIPSIS, dt::DT_PATH_ELLIPSIS };

} // namespace

TvnSkinStdLabel::TvnSkinStdLabel(QObject* owner)
    : TLabel(owner)
    , m_defaultFont(new TFont(this))
{
    SetTransparent(true);
}

void TvnSkinStdLabel::SetSkinData(TvnSkinData* store)
{
    m_skinData = store;
    if (store) ApplySkin();
}

void TvnSkinStdLabel::SetEllipsType(TvnEllipsType type)
{
    if (type == m_ellipsType) return;
    m_ellipsType = type;
    Invalidate();
}

void TvnSkinStdLabel::ApplySkin()
{
    m_skinRecordIndex = vnctrls::FindRecord(m_skinData, m_skinDataName);
    AdjustBounds();
    Invalidate();
}

TvnSkinStdLabel::TextStyle TvnSkinStdLabel::CurrentStyle() const
{
    const auto* record = m_skinRecordIndex == -1
        ? nullptr
        : m_skinData->ControlSkinAs<TvnDataSkinStdLabelControl>(m_skinRecordIndex);
    if (!record) {
        const TFont* font = m_useSkinFont ? m_defaultFont : Font();
        return { font->ToQFont(), ToQColor(font->Color()) };
    }
    const QFont font = m_useSkinFont
        ? TFont::MakeQFont(record->FontName, record->FontHeight, record->FontStyle)
        : Font()->ToQFont();
    return { font, ToQColor(m_useSkinColor ? record->FontColor : Font()->Color()) };
}

void TvnSkinStdLabel::DoDrawText(QPainter& painter, QRect& rect, unsigned flags)
{
    m_skinRecordIndex = vnctrls::FindRecord(m_skinData, m_skinDataName);
    QString text = GetLabelText();
    // An empty label keeps one line of height.
    if ((flags & dt::DT_CALCRECT) && (text.isEmpty() || (ShowAccelChar() && text == QLatin1String("&"))))
        text += u' ';
    if (!ShowAccelChar()) flags |= dt::DT_NOPREFIX;
    flags |= kEllipsisFlags[m_ellipsType];

    const TextStyle style = CurrentStyle();
    painter.setFont(style.Font);
    if (isEnabled() || (flags & dt::DT_CALCRECT)) {
        painter.setPen(style.Color);
        platform::DrawText(painter, text, rect, flags);
        return;
    }
    const bool skinned = m_skinRecordIndex != -1;
    const TColor highlight = skinned ? m_skinData->SkinColors.cBtnHighlight : clr::clBtnHighlight;
    const TColor shadow = skinned ? m_skinData->SkinColors.cBtnShadow : clr::clBtnShadow;
    QRect shifted = rect.translated(1, 1);
    painter.setPen(ToQColor(highlight));
    platform::DrawText(painter, text, shifted, flags);
    painter.setPen(ToQColor(shadow));
    platform::DrawText(painter, text, rect, flags);
}

void TvnSkinStdLabel::DrawTo(QPainter& painter, QPoint offset)
{
    const QRect bounds = rect().translated(offset);
    if (!Transparent()) painter.fillRect(bounds, ToQColor(Color()));
    const unsigned flags = DrawTextFlags();
    QRect r = LayoutRect(painter, bounds, flags);
    DoDrawText(painter, r, flags);
}

void TvnSkinStdLabel::WndProc(TMessage& m)
{
    if (m.Msg == msg::SKINMSG_CHANGE && m_skinData && vnctrls::MessageNamesStore(m.WParam, m_skinData)) {
        ApplySkin();
        return;
    }
    if (m.Msg == msg::SKINMSG_BEFORE_CHANGE && vnctrls::MessageNamesStore(m.WParam, m_skinData)) {
        m_skinRecordIndex = -1;
        return;
    }
    TLabel::WndProc(m);
}
