// MouseDelivery: what the framework's mouse events add to a mouse event Qt delivers. The
// same move, and the same press and release, are sent to the innermost of four nested
// widgets: side `qt` plain widgets through Qt's own delivery alone, side `ours` controls
// through the product's application, which finds the control that hears the event and
// raises its OnMouseMove, OnMouseDown and OnMouseUp.
//
// DragMove: one move of a drag under way over a control that takes it, side `ours` a dock
// drag (the dock site found and asked, the dock object's rectangle kept) beside side
// `drag` a drag of the other kind (the control under the pointer asked).
#include "framework/Application.h"
#include "framework/Control.h"
#include "framework/Dock.h"

#include <QMouseEvent>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kDepth = 4;

// A top-level widget and its nested children; returns the innermost.
template <class TWidget> QWidget* Nest(std::unique_ptr<QWidget>& top)
{
    top = std::make_unique<TWidget>();
    top->resize(400, 300);
    QWidget* inner = top.get();
    for (int i = 1; i < kDepth; ++i) {
        auto* child = new TWidget();
        child->setParent(inner);
        child->setGeometry(10, 10, inner->width() - 20, inner->height() - 20);
        inner = child;
    }
    return inner;
}

bool Send(bool ours, QWidget* w, QEvent* e)
{
    auto* app = static_cast<QApplication*>(QCoreApplication::instance());
    return ours ? app->notify(w, e) : app->QApplication::notify(w, e);
}

void MouseMove(benchmark::State& state, bool ours)
{
    std::unique_ptr<QWidget> top;
    QWidget* inner = ours ? Nest<TControl>(top) : Nest<QWidget>(top);
    int heard = 0;
    if (auto* c = qobject_cast<TControl*>(inner))
        c->OnMouseMove = [&](QObject*, TShiftState, int, int) { ++heard; };
    const QPointF at(20, 20);
    for (auto _ : state) {
        QMouseEvent e(
            QEvent::MouseMove, at, inner->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        benchmark::DoNotOptimize(Send(ours, inner, &e));
    }
    state.counters["heard"] = heard;
}

void MouseClick(benchmark::State& state, bool ours)
{
    std::unique_ptr<QWidget> top;
    QWidget* inner = ours ? Nest<TControl>(top) : Nest<QWidget>(top);
    int heard = 0;
    if (auto* c = qobject_cast<TControl*>(inner)) {
        c->OnMouseDown = [&](QObject*, TMouseButton, TShiftState, int, int) { ++heard; };
        c->OnMouseUp = [&](QObject*, TMouseButton, TShiftState, int, int) { ++heard; };
    }
    const QPointF at(20, 20);
    for (auto _ : state) {
        QMouseEvent press(QEvent::MouseButtonPress, at, inner->mapToGlobal(at), Qt::LeftButton,
            Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, inner->mapToGlobal(at), Qt::LeftButton,
            Qt::NoButton, Qt::NoModifier);
        benchmark::DoNotOptimize(Send(ours, inner, &press));
        benchmark::DoNotOptimize(Send(ours, inner, &release));
    }
    state.counters["heard"] = heard;
}

void DragMove(benchmark::State& state, TDragKind kind)
{
    QWidget top;
    top.resize(400, 300);
    auto* source = new TControl();
    source->SetParent(&top);
    source->SetBounds(10, 10, 80, 30);
    auto* site = new TControl();
    site->SetParent(&top);
    site->SetBounds(100, 10, 280, 260);
    int heard = 0;
    site->SetDockSite(true);
    site->OnDockOver = [&](QObject*, TDragDockObject*, int, int, TDragState, bool&) { ++heard; };
    site->OnDragOver = [&](QObject*, QObject*, int, int, TDragState, bool&) { ++heard; };
    top.show();
    source->SetDragKind(kind);
    source->BeginDrag(true);
    int step = 0;
    for (auto _ : state) {
        const QPointF at(20 + (++step & 1), 20);
        QMouseEvent e(
            QEvent::MouseMove, at, site->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        benchmark::DoNotOptimize(Send(true, site, &e));
    }
    source->EndDrag(false);
    state.counters["heard"] = heard;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    TQtApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("MouseDelivery/qt/move", MouseMove, false);
    benchmark::RegisterBenchmark("MouseDelivery/ours/move", MouseMove, true);
    benchmark::RegisterBenchmark("MouseDelivery/qt/click", MouseClick, false);
    benchmark::RegisterBenchmark("MouseDelivery/ours/click", MouseClick, true);
    benchmark::RegisterBenchmark("DragMove/ours/over", DragMove, dkDock);
    benchmark::RegisterBenchmark("DragMove/drag/over", DragMove, dkDrag);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
