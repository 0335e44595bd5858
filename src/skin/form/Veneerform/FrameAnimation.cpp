// The frame's animations, counted in ticks of the one animation timer. The caption, on
// an activation change, runs through the frames of its animation strip (forward when the
// frame becomes active, backward when it goes inactive), one frame per the skin's
// interval. Animated objects step through the frames beside their skin rectangle: in
// button style towards the last frame while the pointer is over them and back to the
// first when it leaves; otherwise on their own while the frame is active, once or, with
// cycle, round and round.
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
    for (int i = 0; i < m_objects.Count(); ++i)
        if (m_objects.State(i).Record.Animate && StepObjectAnimation(i)) running = true;
    if (!running) m_form->KillTimer(kAnimateTimer);
}

void TvnVeneerform::RunObjectAnimation(int i, bool forward)
{
    TvnFrameObjectState& s = m_objects.State(i);
    s.Forward = forward;
    s.AnimElapsed = kAnimateInterval;
    if (!m_form->HasTimer(kAnimateTimer)) m_form->SetTimer(kAnimateTimer, kAnimateInterval);
}

void TvnVeneerform::StartObjectAnimations()
{
    bool any = false;
    for (int i = 0; i < m_objects.Count(); ++i) {
        TvnFrameObjectState& s = m_objects.State(i);
        const TvnDataSkinAnimate* a = s.Record.Animate;
        if (!a || a->ButtonStyle || a->CountFrames < 2) continue;
        // Its first wait starts now; one under way is not restarted by an activation.
        if (s.AnimElapsed == 0) s.AnimElapsed = kAnimateInterval;
        any = true;
    }
    if (any && !m_form->HasTimer(kAnimateTimer)) m_form->SetTimer(kAnimateTimer, kAnimateInterval);
}

bool TvnVeneerform::StepObjectAnimation(int i)
{
    TvnFrameObjectState& s = m_objects.State(i);
    const TvnDataSkinAnimate& a = *s.Record.Animate;
    const int count = a.CountFrames;
    if (count < 2 || !m_objects.LayoutAt(i).Shown) return false;
    // Held down on its down image, or on its last frame while its menu shows, it waits
    // for the release, which starts it again.
    if (s.MenuOpen || (s.Pressed && !RectEmpty(a.DownSkinRect))) return false;
    if (!a.ButtonStyle && !m_active) return false;
    const bool cycling = a.Cycle && s.Forward;
    if (!cycling && (s.Forward ? s.FrameIndex >= count : s.FrameIndex <= 1)) return false;
    if (s.AnimElapsed < std::max(a.TimerInterval, kAnimateInterval)) {
        s.AnimElapsed += kAnimateInterval;
        return true;
    }
    s.FrameIndex = s.Forward ? (s.FrameIndex >= count ? 1 : s.FrameIndex + 1) : s.FrameIndex - 1;
    s.AnimElapsed = kAnimateInterval;
    RepaintObject(i);
    return true;
}

} // namespace veneer
