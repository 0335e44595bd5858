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

TvnSkinStdLabel::TextSnapshot TvnSkinStdLabel::TakeSnapshot(unsigned flags) const
{
    TextSnapshot s;
    s.Text = GetLabelText();
    // An empty label keeps one line of height.
    if ((flags & dt::DT_CALCRECT) && (s.Text.isEmpty() || (ShowAccelChar() && s.Text == QLatin1String("&"))))
        s.Text += u' ';
    if (!ShowAccelChar()) flags |= dt::DT_NOPREFIX;
    s.Flags = flags | kEllipsisFlags[m_ellipsType];
    const auto* record = m_skin.Record<TvnDataSkinStdLabelControl>();
    if (!record) {
        const TFont* font = m_useSkinFont ? m_defaultFont : Font();
        s.Font = font->ToQFont();
        s.Color = ToQColor(font->Color());
    } else {
        s.Font = m_useSkinFont ? TFont::MakeQFont(record->FontName, record->FontHeight, record->FontStyle)
                               : Font()->ToQFont();
        s.Color = ToQColor(m_useSkinColor ? record->FontColor : Font()->Color());
    }
    // Measuring draws nothing: a disabled label measures as an enabled one.
    s.Enabled = isEnabled() || (flags & dt::DT_CALCRECT);
    const TvnSkinData* store = m_skin.RecordIndex() != -1 ? m_skin.Store() : nullptr;
    s.Highlight = ToQColor(store ? store->SkinColors.cBtnHighlight : clr::clBtnHighlight);
    s.Shadow = ToQColor(store ? store->SkinColors.cBtnShadow : clr::clBtnShadow);
    return s;
}

void TvnSkinStdLabel::PaintText(QPainter& painter, QRect& rect, const TextSnapshot& s)
{
    painter.setFont(s.Font);
    if (s.Enabled) {
        painter.setPen(s.Color);
        platform::DrawText(painter, s.Text, rect, s.Flags);
        return;
    }
    QRect shifted = rect.translated(1, 1);
    painter.setPen(s.Highlight);
    platform::DrawText(painter, s.Text, shifted, s.Flags);
    painter.setPen(s.Shadow);
    platform::DrawText(painter, s.Text, rect, s.Flags);
}

void TvnSkinStdLabel::DoDrawText(QPainter& painter, QRect& rect, unsigned flags)
{
    m_skin.LookUp();
    PaintText(painter, rect, TakeSnapshot(flags));
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
