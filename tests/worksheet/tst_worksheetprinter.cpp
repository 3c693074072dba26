// A class's worksheets printed on the default printer: the private CUPS server that
// scripts/cups-test-server.sh starts, whose file queue writes each job as a PDF.

#include "common/testsupport.h"
#include "platform/printerinfo.h"
#include "platform/printjobs.h"
#include "worksheet/pdftext.h"
#include "worksheet/worksheet.h"
#include "worksheet/worksheetprinter.h"

#include <QFile>
#include <QTemporaryDir>

class TestWorksheetPrinter : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        if (!printjobs::serverConfigured())
            QSKIP("CUPS_SERVER is not set: start scripts/cups-test-server.sh and eval its env output");
    }

    void worksheetsReachTheDefaultQueueOnePagePerVariant()
    {
        const platform::PrinterDetails details = platform::defaultPrinterDetails();
        QVERIFY2(details.port, qPrintable(details.errorString));
        const QString output = printjobs::outputFile(*details.port);
        QFile::remove(output);

        worksheet::ClassRequest request;
        request.classCode = "CETAK1";
        request.variants = 4;
        request.level = practice::Level::Intermediate;
        const std::vector<practice::Exercise> exercises = worksheet::variants(request);
        worksheet::PrintJob job;
        QString error;
        QVERIFY2(worksheet::printWorksheets(worksheet::sheets(exercises, QStringLiteral("CETAK1")), &job, &error),
                 qPrintable(error));
        QCOMPARE(job.queue, *details.deviceName);
        QVERIFY(job.job > 0);

        QUORVEL_WAIT_FOR_PRINT(output);
        const pdftext::Info info = pdftext::info(output);
        QVERIFY2(info.error.isEmpty(), qPrintable(info.error));
        QCOMPARE(info.pages, 4);
        QVERIFY2(info.pageSize.contains(QStringLiteral("(A4)")), qPrintable(info.pageSize));
        const QStringList pages = pdftext::pages(output, false, &error);
        QCOMPARE(pages.size(), 4);
        for (int i = 0; i < 4; ++i) {
            const QString page = pages[i].simplified();
            QVERIFY(page.contains(QStringLiteral("Lembar Kerja Penjadwalan")));
            QVERIFY(page.contains(QStringLiteral("Nama:")));
            QVERIFY2(page.contains(QStringLiteral("Kode soal: ") + QString::fromStdString(exercises[std::size_t(i)].code)),
                     qPrintable(page));
            QVERIFY(page.contains(QStringLiteral("Kelas CETAK1, varian %1 dari 4").arg(i + 1)));
            // Only the worksheets are printed, not the key.
            QVERIFY(!page.contains(QStringLiteral("Kunci Jawaban")));
        }
    }

    void withoutAServerNothingIsPrintedAndTheReasonIsGiven()
    {
        QTemporaryDir nowhere;
        const QByteArray usual = qgetenv("CUPS_SERVER");
        qputenv("CUPS_SERVER", QFile::encodeName(nowhere.filePath(QStringLiteral("no.sock"))));
        worksheet::ClassRequest request;
        request.classCode = "CETAK2";
        const std::vector<practice::Exercise> exercises = worksheet::variants(request);
        worksheet::PrintJob job;
        QString error;
        const bool printed = worksheet::printWorksheets(worksheet::sheets(exercises, QStringLiteral("CETAK2")), &job, &error);
        qputenv("CUPS_SERVER", usual);
        QVERIFY(!printed);
        QVERIFY2(error.contains(QStringLiteral("printer")), qPrintable(error));
        QCOMPARE(job.job, 0);
        QVERIFY(job.queue.isEmpty());
    }
};

QUORVEL_TEST_MAIN(TestWorksheetPrinter)
#include "tst_worksheetprinter.moc"
