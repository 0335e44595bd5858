#pragma once
// The cross-fade between a control's normal and hot looks: a factor from 0 (normal) to 1
// (hot) moved by 0.2 per tick of a 20 ms timer. The factor is kept as a whole number of
// steps, so the ends are reached exactly (five steps from one end to the other).
namespace vnctrls {

class TvnFader {
public:
    static constexpr int kSteps = 5;
    static constexpr int kInterval = 20; // ms between ticks

    double Factor() const { return double(m_step) / kSteps; }
    // The factor in whole steps, 0 .. kSteps.
    int Step() const { return m_step; }
    // Strictly between the two looks: the blend is drawn.
    bool Blending() const { return m_step > 0 && m_step < kSteps; }
    void SnapTo(bool hot) { m_step = hot ? kSteps : 0; }
    // One tick towards the hot look (`hot`) or the normal one. False when the factor
    // was already at that end: the fade is over and the timer goes.
    bool Tick(bool hot)
    {
        if (hot && m_step < kSteps) {
            ++m_step;
            return true;
        }
        if (!hot && m_step > 0) {
            --m_step;
            return true;
        }
        SnapTo(hot);
        return false;
    }

private:
    int m_step = 0;
};

} // namespace vnctrls
