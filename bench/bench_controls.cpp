// ControlPaint: one repaint of a skinned control as the screen asks for it, in the studio
// skin the program carries: a 145 x 27 button face and a 409 x 105 group box. Beside ours
// (faces kept between paints) stand ours with the face cache switched off (`uncached`)
// and a plain QPainter::drawImage of a picture of the same size (`blit`), the floor any
// buffered control pays for copying its look to the screen.
//
//   build/bench/bench_controls [--benchmark_format=json]
#include "QtBenchMain.h"
#include "app/Registration.h"
#include "app/uDM/uDM.h"
#include "skin/controls/vnSkinCtrls/Button.h"
#include "skin/controls/vnSkinCtrls/Panel.h"

#include <QApplication>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

TvnSkinData& ProgramSkin()
{
    static TDM* dm = [] {
        RegisterQuiraClasses();
        return new TDM;
    }();
    return *dm->vnSkinData1;
}

// The control laid out at its size with the program's skin, its cache on or off.
template <class Control> std::unique_ptr<Control> Made(QSize size, bool cached)
{
    auto control = std::make_unique<Control>();
    control->SetSkinData(&ProgramSkin());
    control->SetBounds(0, 0, size.width(), size.height());
    control->SetFaceCacheEnabled(cached);
    return control;
}

template <class Control> void Repaint(benchmark::State& state, QSize size, bool cached)
{
    auto control = Made<Control>(size, cached);
    if (control->SkinRecordIndex() == -1 || control->size() != size) {
        state.SkipWithError("the studio skin does not draw this control at this size");
        return;
    }
    QImage screen(size, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&screen);
        control->Paint(painter);
        benchmark::DoNotOptimize(screen.constBits());
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
    const struct {
        const char* Name;
        QSize Size;
        void (*Ours)(benchmark::State&, QSize, bool);
    } cases[] = {
        { "button", QSize(145, 27), Repaint<TvnSkinButton> },
        { "groupbox", QSize(409, 105), Repaint<TvnSkinGroupBox> },
    };
    for (const auto& c : cases) {
        const std::string name = c.Name;
        benchmark::RegisterBenchmark(("ControlPaint/ours/" + name).c_str(), c.Ours, c.Size, true);
        benchmark::RegisterBenchmark(("ControlPaint/uncached/" + name).c_str(), c.Ours, c.Size, false);
        benchmark::RegisterBenchmark(("ControlPaint/blit/" + name).c_str(), Blit, c.Size);
    }
}

} // namespace

int main(int argc, char** argv) { return RunWidgetBenchmarks(argc, argv, Register); }
