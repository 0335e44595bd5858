// ControlPaint: one repaint of a skinned control as the screen asks for it, in the studio
// skin the program carries: a 145 x 27 button face and a 409 x 105 group box. Beside ours
// (faces kept between paints) stand ours with the face cache switched off (`uncached`)
// and a plain QPainter::drawImage of a picture of the same size (`blit`), the floor any
// buffered control pays for copying its look to the screen. DBGrid (below): the photo
// grid's repaint and page scroll over 300 and 100,000 rows, the page scroll also beside
// Qt's QTableView paging the same rows at the same size (`qt`).
//
//   build/bench/bench_controls [--benchmark_format=json]
#include "ProgramSkin.h"
#include "QtBenchMain.h"
#include "framework/Form.h"
#include "framework/data/ClientDataSet.h"
#include "framework/data/DataSetProvider.h"
#include "framework/data/DataSource.h"
#include "skin/controls/vnDBGrids/SkinDBGrid.h"
#include "skin/controls/vnSkinCtrls/Button.h"
#include "skin/controls/vnSkinCtrls/Panel.h"
#include "skin/controls/vnSkinCtrls/ScrollBar.h"
#include "skin/controls/vnSkinTabs/SkinPageControl.h"
#include "skin/controls/vnSkinTabs/SkinTabSheet.h"
#include "skin/controls/vndbctrls/DBCtrlGrid.h"
#include "skin/controls/vndbctrls/DBText.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QDate>
#include <QHeaderView>
#include <QPainter>
#include <QTableView>
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
    g.grid.SetFaceCacheEnabled(cached);
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

// The same page scroll in Qt's own table view: the same rows in a table model, 407 x 113,
// 17-pixel rows, no headers, no lines, whole-row selection; a page down (or up at the
// ends) moves the current row and scrolls, then the view's viewport paints.
class PhotoModel : public QAbstractTableModel {
public:
    explicit PhotoModel(int rows)
    {
        m_rows.reserve(rows);
        for (int i = 1; i <= rows; ++i)
            m_rows.append({ QStringLiteral("DSC_%1.jpg").arg(i, 6, 10, QLatin1Char('0')), 5000 + i });
    }
    int rowCount(const QModelIndex& = {}) const override { return int(m_rows.size()); }
    int columnCount(const QModelIndex& = {}) const override { return 2; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole) return {};
        const auto& row = m_rows.at(index.row());
        return index.column() == 0 ? QVariant(row.first) : QVariant(row.second);
    }

private:
    QList<QPair<QString, int>> m_rows;
};

void TableViewPage(benchmark::State& state, int rows)
{
    PhotoModel model(rows);
    QTableView view;
    view.setModel(&model);
    view.setFrameShape(QFrame::NoFrame);
    view.horizontalHeader()->hide();
    view.verticalHeader()->hide();
    view.verticalHeader()->setMinimumSectionSize(17);
    view.verticalHeader()->setDefaultSectionSize(17);
    view.setShowGrid(false);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.resize(407, 113);
    view.show();
    QApplication::processEvents();
    int row = rows / 2;
    view.setCurrentIndex(model.index(row, 0));
    QImage screen(view.viewport()->size(), QImage::Format_RGB32);
    int step = 6;
    for (auto _ : state) {
        if (row + step >= rows || row + step < 0) step = -step;
        row += step;
        view.setCurrentIndex(model.index(row, 0));
        QPainter painter(&screen);
        view.viewport()->render(&painter);
        benchmark::DoNotOptimize(screen.constBits());
    }
}

// CtrlGrid: the search window's list, a 783 x 265 grid of five 764 x 53 panels with five
// data texts each, on an in-memory table of 10,000 events. `repaint` renders the whole
// grid (the four copies, the live panel and its texts); `rowmove` moves the current row
// by one inside the shown rows and lets the screen repaint what changed; `rowscroll`
// moves it past the last shown row, so every panel shows another event.
class GeneratedEvents : public TDataSet {
public:
    using TDataSet::TDataSet;

protected:
    void InternalOpen(QList<TFieldDef>& defs, QList<TRow>& rows) override
    {
        defs = { { "id_evento", db::ftInteger, 0, true }, { "nome", db::ftString, 30, true },
            { "data_evento", db::ftDate, 0, true }, { "descricao", db::ftString, 30, true },
            { "hora", db::ftString, 5, true } };
        const char* const types[] = { "Casamento", "Formatura", "Batizado", "Aniversário de 15 anos" };
        for (int i = 0; i < 10000; ++i)
            rows.append(
                { 1000 + i, QStringLiteral("Cliente número %1").arg(i), QDate(2026, 1, 1).addDays(i % 365),
                    QString::fromUtf8(types[i % 4]), QStringLiteral("%1:00").arg(8 + i % 12) });
    }
};

struct SearchList {
    SearchList()
    {
        provider->SetName("dsp");
        provider->SetDataSet(generated);
        table->SetProviderName("dsp");
        source->SetDataSet(table);
        grid->SetRowCount(5);
        grid->SetPanelWidth(764);
        grid->SetPanelHeight(53);
        struct Text {
            const char* Field;
            QRect Bounds;
            int Height;
        } texts[] = { { "nome", { 4, 11, 253, 24 }, -21 }, { "data_evento", { 374, 12, 114, 18 }, -16 },
            { "descricao", { 582, 11, 179, 21 }, -21 }, { "hora", { 35, 33, 114, 18 }, -16 },
            { "id_evento", { 654, 33, 81, 18 }, -16 } };
        for (const Text& t : texts) {
            auto* text = new TvnSkinDBText(form.get());
            text->SetParent(grid->LivePanel());
            text->SetBounds(t.Bounds.x(), t.Bounds.y(), t.Bounds.width(), t.Bounds.height());
            text->Font()->SetName("Times New Roman");
            text->Font()->SetHeight(t.Height);
            text->SetUseSkinFont(false);
            text->SetDataField(t.Field);
            text->SetSkinData(&ProgramSkin());
        }
        grid->SetSkinData(&ProgramSkin());
        grid->SetDataSource(source);
        table->Open();
        form->resize(790, 270);
    }

    std::unique_ptr<TComponent> owner = std::make_unique<TComponent>();
    GeneratedEvents* generated = new GeneratedEvents(owner.get());
    TDataSetProvider* provider = new TDataSetProvider(owner.get());
    TClientDataSet* table = new TClientDataSet(owner.get());
    TDataSource* source = new TDataSource(owner.get());
    std::unique_ptr<TForm> form = std::make_unique<TForm>();
    TvnSkinDBCtrlGrid* grid = [this] {
        auto* g = new TvnSkinDBCtrlGrid(form.get());
        g->SetParent(form->ClientWidget());
        return g;
    }();
};

void CtrlGridRepaint(benchmark::State& state)
{
    SearchList list;
    if (list.grid->size() != QSize(783, 265) || list.grid->LivePanel()->SkinRecordIndex() == -1) {
        state.SkipWithError("the grid is not 783 x 265 in the studio skin");
        return;
    }
    list.table->SetRecNo(5000);
    QImage screen(list.grid->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&screen);
        list.grid->render(&painter);
        benchmark::DoNotOptimize(screen.constBits());
    }
}

void CtrlGridRowMove(benchmark::State& state, bool scroll)
{
    SearchList list;
    list.form->show();
    list.table->SetRecNo(5000);
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    const int before = list.grid->PanelsDrawn();
    int step = 1;
    for (auto _ : state) {
        if (scroll) {
            // From the last shown row on: every move scrolls the rows by one.
            if (list.table->RecNo() >= 9990) list.table->SetRecNo(5000);
            list.table->Next();
        } else {
            list.table->MoveBy(step);
            step = -step;
        }
        QApplication::processEvents();
    }
    state.counters["panels"] = benchmark::Counter(
        static_cast<double>(list.grid->PanelsDrawn() - before) / static_cast<double>(state.iterations()));
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
        benchmark::RegisterBenchmark(("DBGrid/qt/page" + n).c_str(), TableViewPage, rows);
    }
    benchmark::RegisterBenchmark("CtrlGrid/ours/repaint", CtrlGridRepaint);
    benchmark::RegisterBenchmark("CtrlGrid/blit/repaint", Blit, QSize(783, 265));
    benchmark::RegisterBenchmark("CtrlGrid/ours/rowmove", CtrlGridRowMove, false);
    benchmark::RegisterBenchmark("CtrlGrid/blit/rowmove", Blit, QSize(783, 265));
    benchmark::RegisterBenchmark("CtrlGrid/ours/rowscroll", CtrlGridRowMove, true);
    benchmark::RegisterBenchmark("CtrlGrid/blit/rowscroll", Blit, QSize(783, 265));
}

} // namespace

int main(int argc, char** argv) { return RunWidgetBenchmarks(argc, argv, Register); }
