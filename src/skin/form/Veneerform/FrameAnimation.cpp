// The caption's animation: on an activation change the caption runs through the frames
// of its animation strip (forward when the frame becomes active, backward when it goes
// inactive), one frame per the skin's interval, counted in ticks of the animation timer.
#include "Veneerform.h"
#include "framework/Form.h"
#include "skin/data/vnUtils/SkinRect.h"

using namespace vnutils;

namespace veneer {

bool TvnVeneerform::CaptionAnimated(int i) const
{
    if (!m_skinPresent || !m_skinData->EnableSkinEffects()) return false;
    const TvnDataSkinCaption* caption = m_objects.State(i).Record.Caption;
    return caption && !RectEmpty(caption->AnimateSkinRect) && caption->FrameCount > 0
        && !m_objects.State(i).Record.Picture.isNull();
}

void TvnVeneerform::StartCaptionAnimation(int i)
{
    TvnFrameObjectState& s = m_objects.State(i);
    const TvnDataSkinCaption& caption = *s.Record.Caption;
    s.AnimElapsed = kAnimateInterval;
    s.AnimFrame = m_active ? 1 : (caption.InactiveAnimation ? caption.FrameCount : 0);
    m_form->SetTimer(kAnimateTimer, kAnimateInterval);
}

void TvnVeneerform::AnimateTimerTick()
{
    bool running = false;
    for (int i = 0; i < m_objects.Count(); ++i) {
        if (!CaptionAnimated(i)) continue;
        TvnFrameObjectState& s = m_objects.State(i);
        const int count = s.Record.Caption->FrameCount;
        // Forward past the last frame to the still active image, backward to none.
        const bool toGo = m_active ? s.AnimFrame <= count : s.AnimFrame > 0;
        if (!toGo) continue;
        running = true;
        if (s.AnimElapsed < s.Record.Caption->AnimateInterval) {
            s.AnimElapsed += kAnimateInterval;
            continue;
        }
        s.AnimFrame += m_active ? 1 : -1;
        s.AnimElapsed = kAnimateInterval;
        RepaintObject(i);
    }
    if (!running) m_form->KillTimer(kAnimateTimer);
}

} // namespace veneer
