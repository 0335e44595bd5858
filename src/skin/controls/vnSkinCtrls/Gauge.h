#pragma once
// TvnSkinGauge: a progress gauge drawn from the "gauge" record: the record's frame at
// the control's size, and the progress picture filling the progress area as far as
// the value reaches, with the percentage in the record's font. Without a record it
// draws a sunken bar filled in the selection colour.
#include "SkinCustomControl.h"

namespace vnctrls {

// The part of `area` that shows `value` between `minValue` and `maxValue`: from the
// left edge (from the bottom when vertical), never outside the area; empty for a
// value at or below the minimum or an empty range.
QRect GaugeFill(const QRect& area, int minValue, int maxValue, int value, bool vertical);

// The whole percent the value stands at, 0 to 100.
int GaugePercent(int minValue, int maxValue, int value);

} // namespace vnctrls

class TvnSkinGauge : public TvnSkinCustomControl {
    Q_OBJECT
    Q_PROPERTY(int MinValue READ MinValue WRITE SetMinValue)
    Q_PROPERTY(int MaxValue READ MaxValue WRITE SetMaxValue)
    Q_PROPERTY(int Value READ Value WRITE SetValue)
    Q_PROPERTY(bool ShowPercent READ ShowPercent WRITE SetShowPercent)
public:
    explicit TvnSkinGauge(QObject* owner = nullptr);

    int MinValue() const { return m_minValue; }
    void SetMinValue(int value);
    int MaxValue() const { return m_maxValue; }
    void SetMaxValue(int value);
    int Value() const { return m_value; }
    // Kept within MinValue..MaxValue; repaints only when the drawn fill or percentage
    // changes, so a caller may set it for every file.
    void SetValue(int value);
    bool ShowPercent() const { return m_showPercent; }
    void SetShowPercent(bool show);

protected:
    void DrawUnskinned(QImage& bitmap) override;
    void DrawSkinned(QImage& bitmap) override;

private:
    // The drawn state: what a repaint depends on besides the size and the skin.
    struct TDrawn {
        int Percent = -1;
        QRect Fill;
        bool operator==(const TDrawn&) const = default;
    };
    TDrawn DrawnState() const;
    QRect ProgressArea() const;
    void ValueChanged();

    int m_minValue = 0;
    int m_maxValue = 100;
    int m_value = 0;
    bool m_showPercent = true;
    TDrawn m_drawn;
};
