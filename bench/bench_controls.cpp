// ControlPaint: one repaint of a skinned control as the screen asks for it, in the studio
// skin the program carries: a 145 x 27 button face and a 409 x 105 group box. Beside ours
// (faces kept between paints) stand ours with the face cache switched off (`uncached`)
// and a plain QPainter::drawImage of a picture of the same size (`blit`), the floor any
// buffered control pays for copying its look to the screen. DBGrid (below): the photo
// grid's repaint and page scroll over 300 and 100,000 rows.
//
//   build/bench/bench_controls [--benchmark_format=json]
#include "ProgramSkin.h"
#include "QtBenchMain.h"
#include "framework/data/ClientDataSet.h"
#include "framework/data/DataSource.h"
#include "skin/controls/vnDBGrids/SkinDBGrid.h"
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

// DBGrid: the main window's 407 x 113 photo grid (17-pixel rows, whole-row selection,
// its vertical bar) over 300 and over 100,000 chosen photos. `repaint` paints an
// unchanged grid (the kept picture), `uncached` the same with the picture drawn anew
// every time, `page` moves a page down (or back up at the end) and paints: the
// snapshot, the composition and the bar's update.
struct PhotoGrid {
    TClientDataSet table;
    TDataSource source;
    TvnSkinScrollBar bar;
    TvnSkinDBGrid grid;

    explicit PhotoGrid(int rows)
    {
        QList<TRow> data;
        data.reserve(rows);
        for (int i = 1; i <= rows; ++i)
            data.append(TRow { QStringLiteral("DSC_%1.jpg").arg(i, 6, 10, QLatin1Char('0')), 5000 + i });
        table.LoadData(
            { { "nome_foto", db::ftString, 50 }, { "id_foto_escolhida", db::ftInteger, 0 } }, data);
        source.SetDataSet(&table);
        bar.SetKind(sbVertical);
        bar.SetSkinDataName("vscrollbar");
        bar.SetBounds(387, -1, 19, 114);
        grid.SetBounds(0, 0, 407, 113);
        grid.SetOptions(dgTabs | dgRowSelect | dgAlwaysShowSelection | dgConfirmDelete | dgCancelOnExit);
        grid.SetDefaultRowHeight(17);
        grid.SetVScrollBar(&bar);
        grid.SetSkinData(&ProgramSkin());
        bar.SetSkinData(&ProgramSkin());
        grid.SetDataSource(&source);
        table.SetRecNo(rows / 2);
    }
};

void DBGridPaint(benchmark::State& state, int rows, bool cached, bool page)
{
    PhotoGrid g(rows);
    if (g.grid.SkinRecordIndex() == -1 || g.grid.VisibleDataRows() != 6) {
        state.SkipWithError("the studio skin does not draw the grid with six rows");
        return;
    }
    g.grid.SetLookCacheEnabled(cached);
    QImage screen(g.grid.size(), QImage::Format_RGB32);
    int step = g.grid.VisibleDataRows();
    for (auto _ : state) {
        if (page) {
            if (g.table.RecNo() + step > rows || g.table.RecNo() + step < 1) step = -step;
            g.table.MoveBy(step);
        }
        QPainter painter(&screen);
        g.grid.Paint(painter);
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
    for (int rows : { 300, 100000 }) {
        const std::string n = std::to_string(rows);
        benchmark::RegisterBenchmark(("DBGrid/ours/repaint" + n).c_str(), DBGridPaint, rows, true, false);
        benchmark::RegisterBenchmark(
            ("DBGrid/uncached/repaint" + n).c_str(), DBGridPaint, rows, false, false);
        benchmark::RegisterBenchmark(("DBGrid/blit/repaint" + n).c_str(), Blit, QSize(407, 113));
        benchmark::RegisterBenchmark(("DBGrid/ours/page" + n).c_str(), DBGridPaint, rows, true, true);
        benchmark::RegisterBenchmark(("DBGrid/blit/page" + n).c_str(), Blit, QSize(407, 113));
    }
}

} // namespace

int main(int argc, char** argv) { return RunWidgetBenchmarks(argc, argv, Register); }
