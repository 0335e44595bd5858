// MouseDelivery: what the framework's mouse events add to a mouse event Qt delivers. The
// same move, and the same press and release, are sent to the innermost of four nested
// widgets: side `qt` plain widgets through Qt's own delivery alone, side `ours` controls
// through the product's application, which finds the control that hears the event and
// raises its OnMouseMove, OnMouseDown and OnMouseUp.
#include "framework/Application.h"
#include "framework/Control.h"

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
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
