// A class of 60 variants made into worksheets and an answer key: the exercises generated, then
// both A4 PDF documents written (each page laid out twice, measured then painted, the key with
// the chart painter). A lecturer's largest class should come out within a few seconds.

#include "qtbenchmain.h"

#include "worksheet/worksheet.h"

#include <QTemporaryDir>

namespace {

worksheet::ClassRequest largestClass(practice::Level level)
{
    worksheet::ClassRequest request;
    request.classCode = "BENCH60";
    request.variants = worksheet::kMaxVariants;
    request.processes = practice::kMaxProcesses;
    request.level = level;
    return request;
}

// Generating the class's exercises alone.
void BM_ClassVariants(benchmark::State &state)
{
    const worksheet::ClassRequest request = largestClass(practice::Level(state.range(0)));
    for (auto _ : state) {
        std::vector<practice::Exercise> exercises = worksheet::variants(request);
        benchmark::DoNotOptimize(exercises.data());
    }
}
BENCHMARK(BM_ClassVariants)->Arg(int(practice::Level::Basic))->Arg(int(practice::Level::Advanced))
    ->Unit(benchmark::kMillisecond);

// The whole class as the window and the solver make it: exercises, worksheets and key.
void BM_ClassToPdf(benchmark::State &state)
{
    const worksheet::ClassRequest request = largestClass(practice::Level(state.range(0)));
    QTemporaryDir folder;
    for (auto _ : state) {
        const std::vector<practice::Exercise> exercises = worksheet::variants(request);
        worksheet::ClassFiles files;
        QString error;
        if (!worksheet::writeClass(folder.path(), request, exercises, &files, &error)) {
            state.SkipWithError(qPrintable(error));
            break;
        }
    }
}
BENCHMARK(BM_ClassToPdf)->Arg(int(practice::Level::Basic))->Arg(int(practice::Level::Advanced))
    ->Unit(benchmark::kMillisecond)->UseRealTime();

// One document of each kind from ready exercises, to tell the two apart.
void BM_WorksheetsOnly(benchmark::State &state)
{
    const std::vector<practice::Exercise> exercises = worksheet::variants(largestClass(practice::Level::Basic));
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("sheets.pdf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(worksheet::writeWorksheets(pdf, exercises));
}
BENCHMARK(BM_WorksheetsOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_AnswerKeyOnly(benchmark::State &state)
{
    const std::vector<practice::Exercise> exercises = worksheet::variants(largestClass(practice::Level::Basic));
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("key.pdf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(worksheet::writeAnswerKey(pdf, exercises));
}
BENCHMARK(BM_AnswerKeyOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

QUORVEL_QT_BENCHMARK_MAIN();
