#include "StdLabel.h"

#include "SkinControl.h"
#include "framework/StoreChanged.h"
#include "platform/DrawText.h"

#include <QPainter>

namespace {

constexpr unsigned kEllipsisFlags[] = { 0, dt::DT_END_ELLIPSIS, dt::DT_PATH_ELLIPSIS };

} // namespace

TvnSkinStdLabel::TvnSkinStdLabel(QObject* owner)
    : TLabel(owner)
    , m_defaultFont(new TFont(this))
{
    m_skin.SetName(QStringLiteral("stdlabel"));
    SetTransparent(true);
}

void TvnSkinStdLabel::SetSkinData(TvnSkinData* store)
{
    m_skin.SetStore(store);
    if (store) ApplySkin();
}

void TvnSkinStdLabel::SetEllipsType(TvnEllipsType type)
{
    if (StoreChanged(m_ellipsType, type)) Invalidate();
}

void TvnSkinStdLabel::ApplySkin()
{
    m_skin.LookUp();
    AdjustBounds();
    Invalidate();
}

TvnSkinStdLabel::TextStyle TvnSkinStdLabel::CurrentStyle() const
{
    const auto* record = m_skin.Record<TvnDataSkinStdLabelControl>();
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
    m_skin.LookUp();
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
    const TvnSkinData* store = m_skin.RecordIndex() != -1 ? m_skin.Store() : nullptr;
    const TColor highlight = store ? store->SkinColors.cBtnHighlight : clr::clBtnHighlight;
    const TColor shadow = store ? store->SkinColors.cBtnShadow : clr::clBtnShadow;
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
    if (m_skin.HandleSkinMessage(m, *this)) return;
    TLabel::WndProc(m);
}
