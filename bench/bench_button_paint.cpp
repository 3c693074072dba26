// One complete PaintButton of an 89 x 25 button with a caption, in each of its looks.
// Runs offscreen unless a platform is chosen; needs its own main for the QApplication.

#include "ui/button/ambientproperties.h"
#include "ui/button/xpbuttonx.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCursor>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QWidget>

namespace {

enum class Look { Normal, Focused, Hover, Pressed, Disabled };

struct Fixture {
    QWidget window;
    XPButtonX *button = nullptr;

    explicit Fixture(Look look)
    {
        window.resize(200, 100);
        button = new XPButtonX(&window);
        AmbientProperties ambient;
        ambient.font = QFont(QStringLiteral("Verdana"));
        ambient.font.setPointSizeF(8.25);
        ambient.displayName = QStringLiteral("XPButton1");
        button->InitProperties(ambient);
        button->setGeometry(20, 20, 89, 25);
        button->setCaption(QStringLiteral("&Proses"));
        button->setForeColor(16744576);
        button->setForeHover(255);
        window.show();
        QCursor::setPos(-1000, -1000);
        QCoreApplication::processEvents();

        if (look == Look::Focused || look == Look::Pressed) {
            QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
            QApplication::sendEvent(button, &in);
        }
        if (look == Look::Hover) {
            const QPoint local(40, 12);
            QCursor::setPos(button->mapToGlobal(local));
            QMouseEvent move(QEvent::MouseMove, QPointF(local), QPointF(button->mapToGlobal(local)),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(button, &move);
        }
        if (look == Look::Disabled)
            button->setEnabledProperty(0);
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

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
