// Frame: the skinned form frame in the studio skin the program carries. A full repaint of
// the frame (what the screen asks for on an expose: the four border images, composed once
// per size and state, blitted around the client area) and the rebuild of geometry, mask
// strips and window region after a size change. The repaint stands beside a plain
// QPainter::drawImage of a picture of the window's size (`blit`); the region rebuild beside
// Qt's own region of the same window shape, made from a 1-bit mask of the window's size
// and set on a plain widget (`qt`). The animated caption: one step of the animation timer
// (the caption's next frame drawn into the kept border image) and the repaint of the
// frame that follows, with the program skin's caption given a four-frame strip; the same
// in the feature skin (assets/featureskin: its caption's six-frame sweep, a cycling
// spinner and text glows), each beside a blit of the same size. The animation timer's
// cost: a shown form in the feature skin left to the event loop for 10 s while its
// spinner cycles (the timer ticking every 25 ms, a frame every 100 ms), the process's
// processor time beside the same 10 s with the timer stopped (`idle`).
//
//   build/bench/bench_frame [--benchmark_format=json]
#include "ProgramSkin.h"
#include "QtBenchMain.h"
#include "framework/Form.h"
#include "skin/data/vnSkinData/CompressedStoredSkin.h"
#include "skin/form/Veneerform/Veneerform.h"

#include <QBitmap>
#include <QEventLoop>
#include <QPainter>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <sys/resource.h>

namespace {

std::unique_ptr<TForm> SkinnedForm(QSize size)
{
    auto form = std::make_unique<TForm>();
    auto* frame = new TvnVeneerform(form.get());
    frame->SetSkinData(&ProgramSkin());
    form->SetBounds(0, 0, size.width(), size.height());
    return form;
}

void Repaint(benchmark::State& state, QSize size)
{
    auto form = SkinnedForm(size);
    QImage screen(size, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&screen);
        form->Perform(msg::WM_NCPAINT, 0, reinterpret_cast<LPARAM>(&painter));
        benchmark::DoNotOptimize(screen.constBits());
    }
}

// Every iteration is one size change: the window alternates between two sizes a pixel
// apart, so geometry, mask strips and region are built anew each time.
void Region(benchmark::State& state, QSize size)
{
    auto form = SkinnedForm(size);
    bool grown = false;
    for (auto _ : state) {
        grown = !grown;
        const int d = grown ? 1 : 0;
        form->SetBounds(0, 0, size.width() - d, size.height() - d);
        benchmark::DoNotOptimize(form->mask().rectCount());
    }
}

// The same shape as Qt builds it: the frame's window region drawn once into a mask of the
// window's size, then, at every size change, a bitmap of it, its region, and the region
// set on a window.
void QtRegion(benchmark::State& state, QSize size)
{
    QImage mask(size, QImage::Format_RGB32);
    mask.fill(Qt::white);
    {
        auto form = SkinnedForm(size);
        QPainter painter(&mask);
        for (const QRect& r : form->mask())
            painter.fillRect(r, Qt::black);
    }
    QWidget window;
    window.resize(size);
    for (auto _ : state) {
        const QRegion region(QBitmap::fromImage(mask, Qt::ThresholdDither | Qt::MonoOnly));
        window.setMask(region);
        benchmark::DoNotOptimize(window.mask().rectCount());
    }
}

// Ticks of the animation timer, each with the repaint that follows; every `restart`
// steps, outside the timing, the caption's animation starts again by a deactivation and
// an activation.
void AnimationSteps(benchmark::State& state, TForm& form, int restart)
{
    QImage screen(form.size(), QImage::Format_RGB32);
    form.Perform(msg::WM_NCACTIVATE, 1, 0);
    int steps = 0;
    for (auto _ : state) {
        if (++steps % restart == 0) {
            state.PauseTiming();
            form.Perform(msg::WM_NCACTIVATE, 0, 0);
            form.Perform(msg::WM_NCACTIVATE, 1, 0);
            QPainter warm(&screen);
            form.Perform(msg::WM_NCPAINT, 0, reinterpret_cast<LPARAM>(&warm));
            state.ResumeTiming();
        }
        form.Perform(msg::WM_TIMER, TvnVeneerform::kAnimateTimer, 0);
        QPainter painter(&screen);
        form.Perform(msg::WM_NCPAINT, 0, reinterpret_cast<LPARAM>(&painter));
        benchmark::DoNotOptimize(screen.constBits());
    }
}

// One tick of the caption animation that moves it to its next frame, and the repaint the
// window then asks for. The strip's frames are held one tick each and the frame goes
// inactive and active again when the strip has run out.
void AnimatedCaption(benchmark::State& state, QSize size)
{
    TvnSkinData& skin = ProgramSkin();
    auto* caption = dynamic_cast<TvnDataSkinCaption*>(
        skin.FrameObject(skin.FindFrameObject(QStringLiteral("caption"))));
    if (!caption) {
        state.SkipWithError("the program skin has no caption");
        return;
    }
    QImage strip(4 * caption->SkinRect.width(), caption->SkinRect.height(), QImage::Format_RGB32);
    strip.fill(0xFF406080);
    skin.Pictures.append(strip);
    const int savedIndex = caption->ActivePictureIndex, savedCount = caption->FrameCount;
    const int savedInterval = caption->AnimateInterval;
    const QRect savedStrip = caption->AnimateSkinRect;
    const bool savedEffects = skin.EnableSkinEffects();
    caption->ActivePictureIndex = static_cast<int>(skin.Pictures.size() - 1);
    caption->AnimateSkinRect = strip.rect();
    caption->FrameCount = 4;
    caption->AnimateInterval = 25;
    skin.SetEnableSkinEffects(true);
    AnimationSteps(state, *SkinnedForm(size), 4);
    caption->ActivePictureIndex = savedIndex;
    caption->AnimateSkinRect = savedStrip;
    caption->FrameCount = savedCount;
    caption->AnimateInterval = savedInterval;
    skin.SetEnableSkinEffects(savedEffects);
    skin.Pictures.removeLast();
}

TvnSkinData& FeatureSkin()
{
    static TvnSkinData* skin = [] {
        ProgramSkin();
        static TvnCompressedStoredSkin stored;
        stored.CompressFromIniFile(QStringLiteral(QUIRA_FEATURE_SKIN_DESCRIPTION));
        auto* store = new TvnSkinData;
        store->LoadCompressedSkin(&stored);
        return store;
    }();
    return *skin;
}

std::unique_ptr<TForm> FeatureForm(QSize size)
{
    auto form = std::make_unique<TForm>();
    auto* frame = new TvnVeneerform(form.get());
    frame->SetBorderIcons(veneer::biSystemMenu | veneer::biMinimize | veneer::biMaximize | veneer::biRollUp
        | veneer::biMinimizeToTray);
    frame->SetSkinData(&FeatureSkin());
    form->SetBounds(0, 0, size.width(), size.height());
    form->SetCaption(QStringLiteral("Quira - feature skin"));
    return form;
}

// One tick of the feature skin's animation timer and the repaint that follows; the
// caption's sweep (six frames of two ticks) starts again by a deactivation and an
// activation, outside the timing, when it has run out.
void FeatureAnimation(benchmark::State& state, QSize size)
{
    if (FeatureSkin().Empty()) {
        state.SkipWithError("the feature skin did not load");
        return;
    }
    AnimationSteps(state, *FeatureForm(size), 14);
}

double ProcessCpuMs()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// The process's processor time over 10 s of the event loop with a shown, active form in
// the feature skin at the main window's size: its animation timer running (the spinner
// cycles for ever) or stopped.
void AnimationCpu(benchmark::State& state, bool animate)
{
    if (FeatureSkin().Empty()) {
        state.SkipWithError("the feature skin did not load");
        return;
    }
    auto form = FeatureForm(QSize(816, 379));
    form->Show();
    form->Perform(msg::WM_NCACTIVATE, 1, 0);
    QEventLoop settle;
    QTimer::singleShot(500, &settle, &QEventLoop::quit);
    settle.exec();
    if (!animate) form->KillTimer(TvnVeneerform::kAnimateTimer);
    for (auto _ : state) {
        const bool running = form->HasTimer(TvnVeneerform::kAnimateTimer);
        const double before = ProcessCpuMs();
        QEventLoop loop;
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        const double cpu = ProcessCpuMs() - before;
        state.counters["cpu_ms"] = cpu;
        state.counters["timer_running"] = running ? 1 : 0;
    }
}

void Blit(benchmark::State& state, QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(0xFF808080);
    QImage screen(size, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&screen);
        painter.drawImage(0, 0, picture);
        benchmark::DoNotOptimize(screen.constBits());
    }
}

void Register()
{
    for (const QSize size : { QSize(816, 379), QSize(1920, 1080) }) {
        const std::string name = std::to_string(size.width()) + "x" + std::to_string(size.height());
        benchmark::RegisterBenchmark(("Frame/ours/repaint_" + name).c_str(), Repaint, size);
        benchmark::RegisterBenchmark(("Frame/blit/repaint_" + name).c_str(), Blit, size);
        benchmark::RegisterBenchmark(("Frame/ours/animated_caption_" + name).c_str(), AnimatedCaption, size);
        benchmark::RegisterBenchmark(("Frame/blit/animated_caption_" + name).c_str(), Blit, size);
        benchmark::RegisterBenchmark(
            ("Frame/ours/feature_animation_" + name).c_str(), FeatureAnimation, size);
        benchmark::RegisterBenchmark(("Frame/blit/feature_animation_" + name).c_str(), Blit, size);
        benchmark::RegisterBenchmark(("Frame/ours/region_" + name).c_str(), Region, size);
        benchmark::RegisterBenchmark(("Frame/qt/region_" + name).c_str(), QtRegion, size);
    }
    for (const bool animate : { true, false })
        benchmark::RegisterBenchmark(
            animate ? "Frame/ours/animation_timer_10s" : "Frame/idle/animation_timer_10s", AnimationCpu,
            animate)
            ->Iterations(1)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv) { return RunWidgetBenchmarks(argc, argv, Register); }
