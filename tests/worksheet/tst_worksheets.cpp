// The worksheets and answer keys of a class, written as PDF and read back as a reader of the
// files would (pdfinfo, pdftotext): one A4 page per variant, each with its code, its problem
// and its empty answer grid; the key with the engine's numbers.

#include "common/testsupport.h"
#include "worksheet/pdftext.h"

#include "lab/schedule.h"
#include "practice/answer.h"
#include "ui/lab/ruletexts.h"
#include "worksheet/worksheet.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <set>
#include <stdexcept>

namespace {

QString fromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

worksheet::ClassRequest classOf(const char *code, int variants, std::optional<lab::Policy> policy = std::nullopt,
                             int processes = 5, practice::Level level = practice::Level::Basic)
{
    worksheet::ClassRequest request;
    request.classCode = code;
    request.variants = variants;
    request.policy = policy;
    request.processes = processes;
    request.level = level;
    return request;
}

// The words a key's row of a process holds: name, arrival, burst, priority when the policy uses
// it, completion, turnaround, waiting and response when it is asked.
QStringList keyRow(const practice::Exercise &exercise, std::size_t i)
{
    const lab::Process &process = exercise.workload[i];
    const lab::ProcessResult &result = exercise.solution.processes[i];
    QStringList row{fromStd(process.name), QString::number(process.arrival), QString::number(process.burst)};
    if (lab::usesPriority(exercise.settings.policy))
        row << QString::number(process.priority);
    row << QString::number(result.completion) << QString::number(result.turnaround) << QString::number(result.waiting);
    if (practice::asksResponse(exercise.settings))
        row << QString::number(result.response);
    return row;
}

// The words of a problem's row: name, arrival, burst and the priority when the policy uses it.
QStringList problemRow(const practice::Exercise &exercise, std::size_t i)
{
    const lab::Process &process = exercise.workload[i];
    QStringList row{fromStd(process.name), QString::number(process.arrival), QString::number(process.burst)};
    if (lab::usesPriority(exercise.settings.policy))
        row << QString::number(process.priority);
    return row;
}

// A line of the page that is exactly these words, wherever it stands.
bool hasRow(const QString &page, const QStringList &words)
{
    const QList<QStringList> rows = pdftext::rows(page);
    return rows.contains(words);
}

// A line of the page that holds these words one after the other.
bool hasRowContaining(const QString &page, const QStringList &words)
{
    for (const QStringList &row : pdftext::rows(page)) {
        for (qsizetype start = 0; start + words.size() <= row.size(); ++start) {
            if (row.mid(start, words.size()) == words)
                return true;
        }
    }
    return false;
}

// A line of nothing but the numbers of an axis: 0 first, `end` last, rising.
bool hasAxis(const QString &page, lab::Time end)
{
    for (const QStringList &row : pdftext::rows(page)) {
        if (row.size() < 2 || row.first() != QStringLiteral("0") || row.last() != QString::number(end))
            continue;
        bool rising = true;
        long previous = -1;
        for (const QString &word : row) {
            bool number = false;
            const long value = word.toLong(&number);
            rising = rising && number && value > previous;
            previous = value;
        }
        if (rising)
            return true;
    }
    return false;
}

QString simplified(const QString &text)
{
    return text.simplified();
}

} // namespace

class TestWorksheets : public QObject {
    Q_OBJECT

private slots:
    // --- the class -----------------------------------------------------------------------------

    void classCodesAreLettersAndDigits()
    {
        QVERIFY(worksheet::isValidClassCode("TI2A"));
        QVERIFY(worksheet::isValidClassCode("x"));
        QVERIFY(worksheet::isValidClassCode("ABCDEFGHIJ123456"));
        QVERIFY(!worksheet::isValidClassCode(""));
        QVERIFY(!worksheet::isValidClassCode("ABCDEFGHIJ1234567"));
        QVERIFY(!worksheet::isValidClassCode("TI-2A"));
        QVERIFY(!worksheet::isValidClassCode("TI 2A"));
        QVERIFY(!worksheet::isValidClassCode("Kelas\xc3\xa9"));
        QVERIFY(!worksheet::isValidClassCode("../x"));
    }

    void classProblemsAreNamed()
    {
        QVERIFY(!worksheet::classProblem(classOf("TI2A", 1)));
        QVERIFY(!worksheet::classProblem(classOf("TI2A", 60, lab::Policy::Hrrn, 10)));
        QVERIFY(worksheet::classProblem(classOf("", 5))->contains(QStringLiteral("Kode kelas")));
        QVERIFY(worksheet::classProblem(classOf("TI2A", 0))->contains(QStringLiteral("60")));
        QVERIFY(worksheet::classProblem(classOf("TI2A", 61))->contains(QStringLiteral("varian")));
        QVERIFY(worksheet::classProblem(classOf("TI2A", 5, std::nullopt, 2))->contains(QStringLiteral("proses")));
        QVERIFY(worksheet::classProblem(classOf("TI2A", 5, std::nullopt, 11)));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, worksheet::variants(classOf("TI 2A", 5)));
    }

    void variantsAreTheExercisesOfTheirCodes()
    {
        const worksheet::ClassRequest request = classOf("TI2A", 12, std::nullopt, 6, practice::Level::Intermediate);
        const std::vector<practice::Exercise> exercises = worksheet::variants(request);
        QCOMPARE(exercises.size(), std::size_t(12));
        for (int variant = 1; variant <= 12; ++variant) {
            const practice::Exercise &exercise = exercises[std::size_t(variant - 1)];
            QCOMPARE(exercise.key, practice::variantKey("TI2A", variant, std::nullopt, 6, practice::Level::Intermediate));
            QCOMPARE(exercise.key.processes, 6);
            QCOMPARE(exercise.key.level, practice::Level::Intermediate);
            QCOMPARE(exercise.workload.size(), std::size_t(6));
            // The code on the sheet gives the same exercise in the practice window.
            const std::optional<practice::ExerciseKey> key = practice::parseExerciseCode(exercise.code);
            QVERIFY(key);
            const practice::Exercise again = practice::makeExercise(*key);
            QCOMPARE(again.code, exercise.code);
            QVERIFY(again.workload == exercise.workload);
            QVERIFY(again.solution.segments == exercise.solution.segments);
        }
    }

    void aClassIsTheSameEveryTimeAndItsVariantsDiffer()
    {
        const worksheet::ClassRequest request = classOf("IF3B", 30);
        const std::vector<practice::Exercise> first = worksheet::variants(request);
        const std::vector<practice::Exercise> second = worksheet::variants(request);
        std::set<std::string> codes;
        for (std::size_t i = 0; i < first.size(); ++i) {
            QCOMPARE(second[i].code, first[i].code);
            QVERIFY(second[i].workload == first[i].workload);
            codes.insert(first[i].code);
        }
        QCOMPARE(codes.size(), first.size());
        // Another class has other codes.
        const std::vector<practice::Exercise> other = worksheet::variants(classOf("IF3C", 30));
        QVERIFY(other.front().code != first.front().code);
    }

    void aChosenPolicyHoldsForEveryVariant()
    {
        for (const lab::Policy policy : lab::kAllPolicies) {
            const std::vector<practice::Exercise> exercises =
                worksheet::variants(classOf("K1", 4, policy, 4, practice::Level::Advanced));
            for (const practice::Exercise &exercise : exercises) {
                QCOMPARE(exercise.settings.policy, policy);
                QCOMPARE(exercise.key.level, practice::Level::Advanced);
            }
        }
    }

    void fileNamesFollowTheClass()
    {
        QCOMPARE(worksheet::worksheetsFileName(QStringLiteral("TI2A")), QStringLiteral("TI2A-lembar-kerja.pdf"));
        QCOMPARE(worksheet::answerKeyFileName(QStringLiteral("TI2A")), QStringLiteral("TI2A-kunci-jawaban.pdf"));
        QCOMPARE(worksheet::variantCaption(QStringLiteral("TI2A"), 3, 30), QStringLiteral("Kelas TI2A, varian 3 dari 30"));
        QVERIFY(worksheet::variantCaption(QString(), 3, 30).isEmpty());
    }

    // --- the worksheets ------------------------------------------------------------------------

    void worksheetsOnePageEachWithTheirProblem_data()
    {
        QTest::addColumn<int>("policy");   // -1: drawn per variant
        QTest::addColumn<int>("processes");
        QTest::addColumn<int>("level");
        QTest::newRow("random-basic") << -1 << 5 << int(practice::Level::Basic);
        QTest::newRow("rr-intermediate") << int(lab::Policy::RoundRobin) << 7 << int(practice::Level::Intermediate);
        QTest::newRow("priority-preemptive-advanced-10")
            << int(lab::Policy::PriorityPreemptive) << 10 << int(practice::Level::Advanced);
        QTest::newRow("srtf-advanced-3") << int(lab::Policy::Srtf) << 3 << int(practice::Level::Advanced);
    }

    void worksheetsOnePageEachWithTheirProblem()
    {
        QFETCH(int, policy);
        QFETCH(int, processes);
        QFETCH(int, level);
        const worksheet::ClassRequest request =
            classOf("TI2A", 6, policy < 0 ? std::nullopt : std::optional(lab::Policy(policy)), processes,
                    practice::Level(level));
        const std::vector<practice::Exercise> exercises = worksheet::variants(request);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        worksheet::ClassFiles files;
        QString error;
        QVERIFY2(worksheet::writeClass(folder.path(), request, exercises, &files, &error), qPrintable(error));
        QCOMPARE(files.worksheets, folder.filePath(QStringLiteral("TI2A-lembar-kerja.pdf")));
        QCOMPARE(files.answerKey, folder.filePath(QStringLiteral("TI2A-kunci-jawaban.pdf")));

        const pdftext::Info info = pdftext::info(files.worksheets);
        QVERIFY2(info.error.isEmpty(), qPrintable(info.error));
        QCOMPARE(info.pages, 6);
        QVERIFY2(info.pageSize.contains(QStringLiteral("(A4)")), qPrintable(info.pageSize));

        QString readError;
        const QStringList pages = pdftext::pages(files.worksheets, false, &readError);
        const QStringList laidOut = pdftext::pages(files.worksheets, true, &readError);
        QVERIFY2(readError.isEmpty(), qPrintable(readError));
        QCOMPARE(pages.size(), 6);
        QCOMPARE(laidOut.size(), 6);
        static const QRegularExpression averageText(QStringLiteral(R"(\d+/\d+ =)"));
        for (int i = 0; i < 6; ++i) {
            const practice::Exercise &exercise = exercises[std::size_t(i)];
            const QString page = simplified(pages[i]);
            QVERIFY2(page.contains(QStringLiteral("Lembar Kerja Penjadwalan")), qPrintable(page));
            QVERIFY(page.contains(QStringLiteral("Nama:")));
            QVERIFY(page.contains(QStringLiteral("Kelas TI2A, varian %1 dari 6").arg(i + 1)));
            QVERIFY(page.contains(QStringLiteral("Kode soal: ") + fromStd(exercise.code)));
            QVERIFY(page.contains(QString::fromUtf8(lab::policyName(exercise.settings.policy))));
            // No other variant's code on this page.
            for (int j = 0; j < 6; ++j) {
                if (j != i && exercises[std::size_t(j)].code != exercise.code)
                    QVERIFY(!page.contains(fromStd(exercises[std::size_t(j)].code)));
            }
            // The rules in force, in words.
            for (const lab::Rule rule : lab::rulesInForce(exercise.settings)) {
                const QString sentence = simplified(labui::ruleDescription(rule, exercise.settings));
                QVERIFY2(page.contains(sentence), qPrintable(sentence + QStringLiteral(" | ") + page));
            }
            // The process table, row by row.
            for (std::size_t p = 0; p < exercise.workload.size(); ++p)
                QVERIFY2(hasRow(laidOut[i], problemRow(exercise, p)), qPrintable(problemRow(exercise, p).join(' ')));
            // The empty grid's axis runs to the schedule's end.
            QVERIFY2(hasAxis(laidOut[i], exercise.solution.lastCompletion), qPrintable(laidOut[i]));
            // The empty answer table asks what the policy asks.
            QStringList header{QStringLiteral("Proses"), QStringLiteral("Selesai"), QStringLiteral("Turnaround"),
                               QStringLiteral("Waiting")};
            if (practice::asksResponse(exercise.settings))
                header << QStringLiteral("Response");
            QVERIFY2(hasRow(laidOut[i], header), qPrintable(laidOut[i]));
            QVERIFY(hasRow(laidOut[i], {QStringLiteral("Rata-rata")}));
            // ... and gives none of the answers away.
            QVERIFY2(!page.contains(averageText), qPrintable(page));
            QVERIFY(!page.contains(QStringLiteral("Kunci Jawaban")));
        }
    }

    void responseIsAskedOnlyWherePreemptionIs()
    {
        const std::vector<practice::Exercise> fcfs = worksheet::variants(classOf("R1", 1, lab::Policy::Fcfs));
        const std::vector<practice::Exercise> rr = worksheet::variants(classOf("R1", 1, lab::Policy::RoundRobin));
        QTemporaryDir folder;
        const QString fcfsPdf = folder.filePath(QStringLiteral("fcfs.pdf"));
        const QString rrPdf = folder.filePath(QStringLiteral("rr.pdf"));
        QVERIFY(worksheet::writeWorksheets(fcfsPdf, fcfs));
        QVERIFY(worksheet::writeWorksheets(rrPdf, rr));
        QString error;
        QVERIFY(!pdftext::pages(fcfsPdf, false, &error).join(QString()).contains(QStringLiteral("Response")));
        QVERIFY(pdftext::pages(rrPdf, false, &error).join(QString()).contains(QStringLiteral("Response")));
        QVERIFY(pdftext::pages(rrPdf, false, &error).join(QString()).contains(
            QStringLiteral("Round Robin, quantum = %1").arg(rr.front().settings.quantum)));
    }

    // --- the answer key ------------------------------------------------------------------------

    void answerKeyHoldsTheEngineNumbers_data()
    {
        QTest::addColumn<int>("policy");
        QTest::addColumn<int>("processes");
        QTest::addColumn<int>("level");
        QTest::newRow("random-basic") << -1 << 5 << int(practice::Level::Basic);
        QTest::newRow("random-intermediate-8") << -1 << 8 << int(practice::Level::Intermediate);
        QTest::newRow("random-advanced-10") << -1 << 10 << int(practice::Level::Advanced);
        QTest::newRow("priority-advanced") << int(lab::Policy::Priority) << 6 << int(practice::Level::Advanced);
    }

    void answerKeyHoldsTheEngineNumbers()
    {
        QFETCH(int, policy);
        QFETCH(int, processes);
        QFETCH(int, level);
        const worksheet::ClassRequest request =
            classOf("KEY7", 8, policy < 0 ? std::nullopt : std::optional(lab::Policy(policy)), processes,
                    practice::Level(level));
        const std::vector<practice::Exercise> exercises = worksheet::variants(request);
        QTemporaryDir folder;
        worksheet::ClassFiles files;
        QString error;
        QVERIFY2(worksheet::writeClass(folder.path(), request, exercises, &files, &error), qPrintable(error));

        QCOMPARE(pdftext::info(files.answerKey).pages, 8);
        const QStringList pages = pdftext::pages(files.answerKey, false, &error);
        const QStringList laidOut = pdftext::pages(files.answerKey, true, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(laidOut.size(), 8);
        for (std::size_t i = 0; i < exercises.size(); ++i) {
            const practice::Exercise &exercise = exercises[i];
            const lab::Schedule &solution = exercise.solution;
            const QString page = simplified(pages[int(i)]);
            QVERIFY(page.contains(QStringLiteral("Kunci Jawaban")));
            QVERIFY(page.contains(QStringLiteral("Kode soal: ") + fromStd(exercise.code)));
            QVERIFY(page.contains(QStringLiteral("Kelas KEY7, varian %1 dari 8").arg(i + 1)));
            for (std::size_t p = 0; p < exercise.workload.size(); ++p)
                QVERIFY2(hasRow(laidOut[int(i)], keyRow(exercise, p)), qPrintable(keyRow(exercise, p).join(' ')
                                                                                    + QStringLiteral("\n") + laidOut[int(i)]));
            // The averages as the laboratory writes them.
            const std::size_t n = exercise.workload.size();
            QStringList averages{QStringLiteral("Rata-rata")};
            for (lab::Time total : {solution.totals.turnaround, solution.totals.waiting})
                averages << QString::fromStdString(lab::averageText(total, n)).split(QLatin1Char(' '));
            if (practice::asksResponse(exercise.settings))
                averages << QString::fromStdString(lab::averageText(solution.totals.response, n)).split(QLatin1Char(' '));
            QVERIFY2(hasRow(laidOut[int(i)], averages), qPrintable(averages.join(' ') + QStringLiteral("\n") + laidOut[int(i)]));
            // The chart's pieces in words, and the chart itself: its title with the averages.
            QVERIFY(page.contains(QStringLiteral("Urutan CPU: ") + fromStd(lab::describeSegments(exercise.workload, solution))));
            QVERIFY2(page.contains(QStringLiteral("Waiting: ") + fromStd(lab::averageText(solution.totals.waiting, n))),
                     qPrintable(page));
            QVERIFY(hasRowContaining(laidOut[int(i)], {QStringLiteral("CPU")}));
        }
    }

    // --- writing -------------------------------------------------------------------------------

    void aFileThatCannotBeWrittenIsReportedAndNothingIsLeft()
    {
        const std::vector<practice::Exercise> exercises = worksheet::variants(classOf("W1", 2));
        QTemporaryDir folder;
        const QString missing = folder.filePath(QStringLiteral("no/such/folder/x.pdf"));
        QString error;
        QVERIFY(!worksheet::writeWorksheets(missing, exercises, &error));
        QVERIFY2(error.contains(QStringLiteral("x.pdf")), qPrintable(error));
        QVERIFY(!QFile::exists(missing));

        error.clear();
        worksheet::ClassFiles files;
        QVERIFY(!worksheet::writeClass(folder.filePath(QStringLiteral("absent")), classOf("W1", 2), exercises, &files, &error));
        QVERIFY(error.contains(QStringLiteral("absent")));
        QVERIFY(files.worksheets.isEmpty());

        error.clear();
        QVERIFY(!worksheet::writeAnswerKey(folder.filePath(QStringLiteral("none.pdf")), std::vector<practice::Exercise>{}, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("none.pdf"))));
    }

    void anExistingFileIsReplacedWhole()
    {
        const std::vector<practice::Exercise> exercises = worksheet::variants(classOf("W2", 3));
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("sheet.pdf"));
        QFile old(pdf);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("not a pdf at all");
        old.close();
        QVERIFY(worksheet::writeWorksheets(pdf, exercises));
        QCOMPARE(pdftext::info(pdf).pages, 3);
    }

    void aCrowdedPageStillFitsOnePage()
    {
        // Ten processes under the rule-richest policy at the advanced level: the longest page.
        const std::vector<practice::Exercise> exercises =
            worksheet::variants(classOf("BIG", 3, lab::Policy::RoundRobin, 10, practice::Level::Advanced));
        QTemporaryDir folder;
        worksheet::ClassFiles files;
        QVERIFY(worksheet::writeClass(folder.path(), classOf("BIG", 3, lab::Policy::RoundRobin, 10,
                                                             practice::Level::Advanced),
                                      exercises, &files));
        QCOMPARE(pdftext::info(files.worksheets).pages, 3);
        QCOMPARE(pdftext::info(files.answerKey).pages, 3);
        QString error;
        const QStringList laidOut = pdftext::pages(files.worksheets, true, &error);
        QCOMPARE(laidOut.size(), 3);
        // The last row of the answer table is still on its page.
        for (const QString &page : laidOut)
            QVERIFY(hasRow(page, {QStringLiteral("Rata-rata")}));
    }

    void pagesPaintIntoAnyPainter()
    {
        // The page painters draw into the area given, whatever the device: here an image, as a
        // preview would.
        const std::vector<practice::Exercise> exercises = worksheet::variants(classOf("IMG", 1));
        QImage image(794, 1123, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            worksheet::paintWorksheetPage(painter, QRectF(40, 40, 714, 1043), exercises.front(),
                                          QStringLiteral("Kelas IMG"));
        }
        // Ink inside the area, none in the margin.
        int inked = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                    QVERIFY2(x >= 38 && y >= 38 && x <= 756 && y <= 1085, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                    ++inked;
                }
            }
        }
        QVERIFY(inked > 1000);
    }
};

QUORVEL_TEST_MAIN(TestWorksheets)
#include "tst_worksheets.moc"
