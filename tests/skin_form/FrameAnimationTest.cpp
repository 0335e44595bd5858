// The caption's animation, driven tick by tick: the frames of its strip forward on
// activation and backward on deactivation, each held for the skin's interval, and the
// text on a frame in the colours of the state being left.
#include "FrameFixture.h"
#include "platform/Colors.h"

#include <gtest/gtest.h>

using namespace frametest;

namespace {

constexpr QRgb kFrames[] = { qRgb(200, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 200) };

// The program skin's caption given a three-frame animation strip (side by side, in a
// picture of its own) for one test; everything is put back afterwards.
class AnimatedCaption {
public:
    AnimatedCaption()
        : m_caption(*dynamic_cast<TvnDataSkinCaption*>(
            ProgramSkin().FrameObject(ProgramSkin().FindFrameObject("caption"))))
        , m_pictures(ProgramSkin().Pictures.size())
        , m_effects(ProgramSkin().EnableSkinEffects())
        , m_index(m_caption.ActivePictureIndex)
        , m_strip(m_caption.AnimateSkinRect)
        , m_count(m_caption.FrameCount)
        , m_interval(m_caption.AnimateInterval)
        , m_inactive(m_caption.InactiveAnimation)
    {
        QImage strip(3 * 194, 18, QImage::Format_RGB32);
        for (int k = 0; k < 3; ++k)
            for (int y = 0; y < 18; ++y)
                for (int x = 0; x < 194; ++x)
                    strip.setPixel(k * 194 + x, y, kFrames[k]);
        ProgramSkin().Pictures.append(strip);
        ProgramSkin().SetEnableSkinEffects(true);
        m_caption.ActivePictureIndex = static_cast<int>(m_pictures);
        m_caption.AnimateSkinRect = QRect(0, 0, 3 * 194, 18);
        m_caption.FrameCount = 3;
        m_caption.AnimateInterval = 50;
        m_caption.InactiveAnimation = true;
    }
    ~AnimatedCaption()
    {
        m_caption.ActivePictureIndex = m_index;
        m_caption.AnimateSkinRect = m_strip;
        m_caption.FrameCount = m_count;
        m_caption.AnimateInterval = m_interval;
        m_caption.InactiveAnimation = m_inactive;
        ProgramSkin().Pictures.resize(m_pictures);
        ProgramSkin().SetEnableSkinEffects(m_effects);
    }
    const TvnDataSkinCaption& Record() const { return m_caption; }

private:
    TvnDataSkinCaption& m_caption;
    const qsizetype m_pictures;
    const bool m_effects;
    const int m_index;
    const QRect m_strip;
    const int m_count, m_interval;
    const bool m_inactive;
};

void Tick(TForm& form) { form.Perform(msg::WM_TIMER, TvnVeneerform::kAnimateTimer, 0); }

int CaptionFrame(const TvnVeneerform& frame)
{
    return frame.Objects().State(frame.Objects().IndexOf(veneer::TvnObjectKind::Caption)).AnimFrame;
}

int PixelsOf(const QImage& image, QRgb color)
{
    int n = 0;
    for (int y = 3; y < 21; ++y)
        for (int x = 10; x < 200; ++x)
            if (image.pixel(x, y) == color) ++n;
    return n;
}

} // namespace

TEST(CaptionAnimation, ActivationRunsTheFramesForwardEachHeldForTheInterval)
{
    AnimatedCaption animated;
    FramedForm f(bsSizeable, &ProgramSkin());
    f.Form->SetBounds(0, 0, 400, 200);
    f.Form->SetCaption("Quira Quira");
    f.Form->Perform(msg::WM_NCACTIVATE, 1, 0);
    ASSERT_TRUE(f.Form->HasTimer(TvnVeneerform::kAnimateTimer));
    EXPECT_EQ(CaptionFrame(*f.Frame), 1);
    QImage paint = FramePaint(*f.Form);
    EXPECT_EQ(paint.pixel(150, 4), kFrames[0]);
    // The text on an animation frame is in the inactive colours, the state being left.
    EXPECT_GT(PixelsOf(paint, ToQColor(animated.Record().FontColor).rgb()), 20);
    EXPECT_EQ(PixelsOf(paint, ToQColor(animated.Record().ActiveFontColor).rgb()), 0);

    // An interval of 50 ms is two ticks of 25 ms.
    Tick(*f.Form);
    EXPECT_EQ(CaptionFrame(*f.Frame), 1);
    Tick(*f.Form);
    EXPECT_EQ(CaptionFrame(*f.Frame), 2);
    EXPECT_EQ(FramePaint(*f.Form).pixel(150, 4), kFrames[1]);
    Tick(*f.Form);
    Tick(*f.Form);
    EXPECT_EQ(CaptionFrame(*f.Frame), 3);
    EXPECT_EQ(FramePaint(*f.Form).pixel(150, 4), kFrames[2]);
    // Past the last frame the caption's still image and the active text show; then the
    // timer stops.
    Tick(*f.Form);
    Tick(*f.Form);
    EXPECT_EQ(CaptionFrame(*f.Frame), 4);
    paint = FramePaint(*f.Form);
    for (QRgb c : kFrames)
        EXPECT_NE(paint.pixel(150, 4), c);
    EXPECT_GT(PixelsOf(paint, ToQColor(animated.Record().ActiveFontColor).rgb()), 20);
    Tick(*f.Form);
    EXPECT_FALSE(f.Form->HasTimer(TvnVeneerform::kAnimateTimer));
}

TEST(CaptionAnimation, DeactivationRunsThemBackwardToTheStillImage)
{
    AnimatedCaption animated;
    FramedForm f(bsSizeable, &ProgramSkin());
    f.Form->SetBounds(0, 0, 400, 200);
    f.Form->Perform(msg::WM_NCACTIVATE, 1, 0);
    for (int i = 0; i < 10; ++i)
        Tick(*f.Form);
    f.Form->Perform(msg::WM_NCACTIVATE, 0, 0);
    // With the inactive animation it starts from the last frame.
    EXPECT_EQ(CaptionFrame(*f.Frame), 3);
    ASSERT_TRUE(f.Form->HasTimer(TvnVeneerform::kAnimateTimer));
    for (int expected : { 3, 2, 2, 1, 1, 0 }) {
        Tick(*f.Form);
        EXPECT_EQ(CaptionFrame(*f.Frame), expected);
    }
    Tick(*f.Form);
    EXPECT_FALSE(f.Form->HasTimer(TvnVeneerform::kAnimateTimer));
}

TEST(CaptionAnimation, WithoutSkinEffectsNoFrameIsShown)
{
    AnimatedCaption animated;
    ProgramSkin().SetEnableSkinEffects(false);
    FramedForm f(bsSizeable, &ProgramSkin());
    f.Form->SetBounds(0, 0, 400, 200);
    f.Form->Perform(msg::WM_NCACTIVATE, 1, 0);
    EXPECT_FALSE(f.Form->HasTimer(TvnVeneerform::kAnimateTimer));
    EXPECT_NE(FramePaint(*f.Form).pixel(150, 4), kFrames[0]);
}
