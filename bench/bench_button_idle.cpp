// Processor time taken by a window of five buttons that nobody touches: with the pointer
// elsewhere (every hover timer should be stopped, so the window sleeps) and with the pointer
// resting on one button (that button polls the pointer with its 1 ms timer).
//
// Each case runs the event loop for a stretch of wall time (10 s unless
// QUORVEL_BUTTON_IDLE_SECONDS says otherwise) and reports the process's CPU time (getrusage,
// user + system) as a percentage of one core. A window of five standard push buttons, measured
// the same way, is the baseline: what the window itself costs without our buttons.
//
// Run it under a real display server for figures that include the pointer queries, e.g.
//   QT_QPA_PLATFORM=xcb xvfb-run -a ./bench_button_idle
// or with QT_QPA_PLATFORM=offscreen (the default here) for the toolkit's share alone.

#include "ui/button/xpbuttonx.h"

#include "qtbenchmain.h"

#include <benchmark/benchmark.h>

#include <QCursor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>

#include <sys/resource.h>

#include <functional>
#include <memory>

namespace {

constexpr int kButtons = 5;
const QPoint kPointerElsewhere(5, 5);
const QRect kWindowGeometry(200, 200, 5 * 110 + 20, 60);

double measuredSeconds()
{
    bool ok = false;
    const double seconds = qEnvironmentVariable("QUORVEL_BUTTON_IDLE_SECONDS").toDouble(&ok);
    return ok && seconds > 0 ? seconds : 10.0;
}

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void runEventLoop(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until the condition holds, for at most two seconds.
bool settle(const std::function<bool()> &condition)
{
    QElapsedTimer waited;
    waited.start();
    while (!condition()) {
        if (waited.elapsed() > 2000)
            return false;
        runEventLoop(5);
    }
    return true;
}

// CPU seconds per wall second (1.0 = one core busy) while the event loop runs.
double cpuShareOfEventLoop(double seconds)
{
    QElapsedTimer wall;
    const double cpuBefore = processCpuSeconds();
    wall.start();
    runEventLoop(int(seconds * 1000));
    const double cpuUsed = processCpuSeconds() - cpuBefore;
    return cpuUsed / (double(wall.nsecsElapsed()) / 1e9);
}

template<typename Button>
std::unique_ptr<QWidget> makeWindow(QList<Button *> &buttons)
{
    auto window = std::make_unique<QWidget>();
    window->setGeometry(kWindowGeometry);
    for (int i = 0; i < kButtons; ++i) {
        auto *button = new Button(window.get());
        button->setGeometry(10 + i * 110, 10, 100, 30);
        buttons << button;
    }
    return window;
}

bool showWithPointerElsewhere(QWidget &window)
{
    QCursor::setPos(kPointerElsewhere);
    window.show();
    window.activateWindow();
    return settle([&window] { return window.isActiveWindow(); });
}

void report(benchmark::State &state, double share)
{
    state.counters["cpu_percent_of_one_core"] = share * 100.0;
    state.SetIterationTime(0); // the figure is the counter, not the iteration time
}

void BM_PlainPushButtons_PointerElsewhere(benchmark::State &state)
{
    QList<QPushButton *> buttons;
    const auto window = makeWindow(buttons);
    if (!showWithPointerElsewhere(*window)) {
        state.SkipWithError("the window never became active");
        return;
    }
    runEventLoop(300);
    for (auto _ : state)
        report(state, cpuShareOfEventLoop(measuredSeconds()));
}

void BM_XPButtons_PointerElsewhere(benchmark::State &state)
{
    QList<XPButtonX *> buttons;
    const auto window = makeWindow(buttons);
    if (!showWithPointerElsewhere(*window)) {
        state.SkipWithError("the window never became active");
        return;
    }
    const bool allStopped = settle([&buttons] {
        for (const XPButtonX *button : buttons) {
            if (button->hoverTimer()->isActive())
                return false;
        }
        return true;
    });
    if (!allStopped) {
        state.SkipWithError("a hover timer kept running with the pointer elsewhere");
        return;
    }
    runEventLoop(300);
    for (auto _ : state)
        report(state, cpuShareOfEventLoop(measuredSeconds()));
}

void BM_XPButtons_PointerOnOneButton(benchmark::State &state)
{
    QList<XPButtonX *> buttons;
    const auto window = makeWindow(buttons);
    if (!showWithPointerElsewhere(*window)) {
        state.SkipWithError("the window never became active");
        return;
    }
    XPButtonX *rested = buttons.at(2);
    QCursor::setPos(rested->mapToGlobal(rested->rect().center()));
    if (!settle([rested] { return rested->hovering() == -1; })) {
        state.SkipWithError("the button never saw the pointer arrive");
        return;
    }
    runEventLoop(300);
    for (auto _ : state) {
        report(state, cpuShareOfEventLoop(measuredSeconds()));
        if (rested->hovering() != -1 || !rested->hoverTimer()->isActive())
            state.SkipWithError("the hover ended while the pointer rested on the button");
    }
    QCursor::setPos(kPointerElsewhere);
}

BENCHMARK(BM_PlainPushButtons_PointerElsewhere)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_XPButtons_PointerElsewhere)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_XPButtons_PointerOnOneButton)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace

QUORVEL_QT_BENCHMARK_MAIN()
