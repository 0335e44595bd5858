#include "Gauge.h"

#include "framework/Edges.h"
#include "framework/StoreChanged.h"
#include "platform/Announce.h"
#include "platform/DrawText.h"
#include "skin/data/vnSkinData/OtherControlSkins.h"
#include "skin/data/vnUtils/Pieces.h"
#include "skin/data/vnUtils/SkinRect.h"

#include <QPainter>
#include <algorithm>

namespace vnctrls {

QRect GaugeFill(const QRect& area, int minValue, int maxValue, int value, bool vertical)
{
    if (maxValue <= minValue || value <= minValue || area.isEmpty()) return {};
    const qint64 span = qint64(maxValue) - minValue;
    const qint64 reached = std::min<qint64>(qint64(value) - minValue, span);
    if (vertical) {
        const int h = static_cast<int>(area.height() * reached / span);
        return QRect(area.x(), area.y() + area.height() - h, area.width(), h);
    }
    return QRect(area.x(), area.y(), static_cast<int>(area.width() * reached / span), area.height());
}

int GaugePercent(int minValue, int maxValue, int value)
{
    if (maxValue <= minValue) return 0;
    const qint64 reached = std::clamp<qint64>(qint64(value) - minValue, 0, qint64(maxValue) - minValue);
    return static_cast<int>(reached * 100 / (qint64(maxValue) - minValue));
}

} // namespace vnctrls

TvnSkinGauge::TvnSkinGauge(QObject* owner)
    : TvnSkinCustomControl(owner)
{
    SetSkinDataName(QStringLiteral("gauge"));
    SetBounds(0, 0, 150, 18);
}

void TvnSkinGauge::SetMinValue(int value)
{
    m_minValue = value;
    m_value = std::max(m_value, m_minValue);
    ValueChanged();
}

void TvnSkinGauge::SetMaxValue(int value)
{
    m_maxValue = value;
    m_value = std::min(m_value, std::max(m_maxValue, m_minValue));
    ValueChanged();
}

void TvnSkinGauge::SetValue(int value)
{
    const int previous = m_value;
    m_value = std::clamp(value, m_minValue, std::max(m_minValue, m_maxValue));
    if (m_value != previous) announce::Value(this, m_value);
    ValueChanged();
}

void TvnSkinGauge::SetShowPercent(bool show)
{
    if (StoreChanged(m_showPercent, show)) Invalidate();
}

void TvnSkinGauge::ValueChanged()
{
    const TDrawn drawn = DrawnState();
    if (drawn == m_drawn) return;
    m_drawn = drawn;
    Invalidate();
}

QRect TvnSkinGauge::ProgressArea() const
{
    const auto* record = SkinRecordIndex() != -1 ? Record<TvnDataSkinGaugeControl>() : nullptr;
    if (!record) return rect().adjusted(2, 2, -2, -2);
    // The record's area lies in its skin rectangle; it grows with the control.
    return vnctrls::MapSkinRect(m_geometry, size(), record->ProgressArea);
}

TvnSkinGauge::TDrawn TvnSkinGauge::DrawnState() const
{
    const auto* record = SkinRecordIndex() != -1 ? Record<TvnDataSkinGaugeControl>() : nullptr;
    const bool vertical = record && record->Vertical;
    return { vnctrls::GaugePercent(m_minValue, m_maxValue, m_value),
        vnctrls::GaugeFill(ProgressArea(), m_minValue, m_maxValue, m_value, vertical) };
}

void TvnSkinGauge::DrawUnskinned(QImage& bitmap)
{
    QPainter painter(&bitmap);
    const QRect r = bitmap.rect();
    painter.fillRect(r, ToQColor(clr::clBtnFace));
    DrawShallowEdge(painter, r);
    const TDrawn drawn = DrawnState();
    painter.fillRect(drawn.Fill, ToQColor(clr::clHighlight));
    if (!m_showPercent) return;
    QRect text = r;
    painter.setFont(DefaultQFont());
    painter.setPen(ToQColor(DefaultFont()->Color()));
    platform::DrawText(painter, QStringLiteral("%1%").arg(drawn.Percent), text,
        dt::DT_CENTER | dt::DT_VCENTER | dt::DT_SINGLELINE);
}

void TvnSkinGauge::DrawSkinned(QImage& bitmap)
{
    TvnSkinCustomControl::DrawSkinned(bitmap);
    const auto* record = Record<TvnDataSkinGaugeControl>();
    if (!record) return;
    const TDrawn drawn = DrawnState();
    QPainter painter(&bitmap);
    const auto kind
        = record->ProgressStretch ? vnutils::TvnPieceKind::Stretch : vnutils::TvnPieceKind::TileXY;
    vnutils::DrawPieces(painter, m_geometry.Picture, { { kind, drawn.Fill, record->ProgressRect } });
    if (!m_showPercent) return;
    QRect text = bitmap.rect();
    painter.setFont(UseSkinFont() ? TFont::MakeQFont(record->FontName, record->FontHeight, record->FontStyle)
                                  : DefaultQFont());
    painter.setPen(ToQColor(UseSkinFont() ? record->FontColor : DefaultFont()->Color()));
    platform::DrawText(painter, QStringLiteral("%1%").arg(drawn.Percent), text,
        dt::DT_CENTER | dt::DT_VCENTER | dt::DT_SINGLELINE);
}
