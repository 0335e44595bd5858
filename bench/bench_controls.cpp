// ControlPaint: one repaint of a skinned control as the screen asks for it, in the studio
// skin the program carries: a 145 x 27 button face and a 409 x 105 group box. Beside ours
// (faces kept between paints) stand ours with the face cache switched off (`uncached`)
// and a plain QPainter::drawImage of a picture of the same size (`blit`), the floor any
// buffered control pays for copying its look to the screen.
//
//   build/bench/bench_controls [--benchmark_format=json]
#include "ProgramSkin.h"
#include "QtBenchMain.h"
#include "skin/controls/vnSkinCtrls/Button.h"
#include "skin/controls/vnSkinCtrls/Panel.h"
#include "skin/controls/vnSkinCtrls/ScrollBar.h"
#include "skin/controls/vnSkinTabs/SkinPageControl.h"
#include "skin/controls/vnSkinTabs/SkinTabSheet.h"

#include <QApplication>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

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

// ScrollBar and PageControl: a 19 x 114 vertical bar of a photo grid and the main
// window's 409 x 156 page control with its five category tabs, each beside a blit.
void ScrollBarRepaint(benchmark::State& state)
{
    TvnSkinScrollBar bar;
    bar.SetKind(sbVertical);
    bar.SetSkinDataName("vscrollbar");
    bar.SetBounds(0, 0, 19, 114);
    bar.SetRange(0, 127, 0, 40);
    bar.SetSkinData(&ProgramSkin());
    if (bar.SkinRecordIndex() == -1 || bar.size() != QSize(19, 114)) {
        state.SkipWithError("the studio skin does not draw the scroll bar at this size");
        return;
    }
    QImage screen(bar.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&screen);
        bar.Paint(painter);
        benchmark::DoNotOptimize(screen.constBits());
    }
}

void PageControlRepaint(benchmark::State& state)
{
    TvnSkinPageControl pages;
    pages.SetBounds(0, 0, 409, 156);
    for (const char* caption : { "Ampliação (12)", "Bioombo", "Outros (3)", "Álbum", "Capa" }) {
        auto* sheet = new TvnSkinTabSheet(&pages);
        sheet->SetCaption(QString::fromUtf8(caption));
        sheet->SetPageControl(&pages);
    }
    pages.SetSkinData(&ProgramSkin());
    if (pages.SkinRecordIndex() == -1) {
        state.SkipWithError("the studio skin has no tab record");
        return;
    }
    QImage screen(pages.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&screen);
        pages.Paint(painter);
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
    benchmark::RegisterBenchmark("ScrollBar/ours/vertical", ScrollBarRepaint);
    benchmark::RegisterBenchmark("ScrollBar/blit/vertical", Blit, QSize(19, 114));
    benchmark::RegisterBenchmark("PageControl/ours/fivetabs", PageControlRepaint);
    benchmark::RegisterBenchmark("PageControl/blit/fivetabs", Blit, QSize(409, 156));
}

} // namespace

int main(int argc, char** argv) { return RunWidgetBenchmarks(argc, argv, Register); }
