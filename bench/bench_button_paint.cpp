// One complete PaintButton of an 89 x 25 button with a caption, in each of its looks.
// Runs offscreen unless a platform is chosen; needs its own main for the QApplication.

#include "common/buttonlooks.h"
#include "qtbenchmain.h"

#include <benchmark/benchmark.h>

#include <QCursor>
#include <QWidget>

namespace {

using testsupport::Look;

struct Fixture {
    QWidget window;
    XPButtonX *button = nullptr;

    explicit Fixture(Look look)
    {
        window.resize(200, 100);
        button = testsupport::addProsesButton(&window, QRect(20, 20, 89, 25), 16744576);
        window.show();
        QCursor::setPos(-1000, -1000);
        QCoreApplication::processEvents();
        testsupport::bringIntoLook(button, look);
    }
};

void paintLook(benchmark::State &state, Look look)
{
    Fixture fixture(look);
    const std::int16_t pressed = look == Look::Pressed ? 1 : 0;
    if (look == Look::Hover && fixture.button->hovering() != -1)
        state.SkipWithError("the pointer did not reach the button");
    for (auto _ : state) {
        fixture.button->PaintButton(pressed);
        benchmark::DoNotOptimize(fixture.button->image().constBits());
    }
}

void BM_PaintNormal(benchmark::State &state) { paintLook(state, Look::Normal); }
void BM_PaintFocused(benchmark::State &state) { paintLook(state, Look::Focused); }
void BM_PaintHover(benchmark::State &state) { paintLook(state, Look::Hover); }
void BM_PaintPressed(benchmark::State &state) { paintLook(state, Look::Pressed); }
void BM_PaintDisabled(benchmark::State &state) { paintLook(state, Look::Disabled); }

BENCHMARK(BM_PaintNormal)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintFocused)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintHover)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintPressed)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintDisabled)->Unit(benchmark::kMicrosecond);

} // namespace

QUORVEL_QT_BENCHMARK_MAIN()
