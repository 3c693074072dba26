// The printer layer against a real CUPS server: the private one that
// scripts/cups-test-server.sh starts (CTest starts it through a fixture).

#include "common/testsupport.h"
#include "platform/printerinfo.h"
#include "platform/printjobs.h"
#include "platform/reportprinter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// Runs one of the CUPS command-line tools against the same server and returns its output,
// nothing when it failed.
std::optional<QString> cupsTool(const QString &program, const QStringList &arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        qWarning("%s failed: %s", qPrintable(program), tool.readAllStandardError().constData());
        return std::nullopt;
    }
    return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}

// Points the process at another server for as long as it lives.
class ServerOverride {
public:
    explicit ServerOverride(const QByteArray &server) : m_old(qgetenv("CUPS_SERVER"))
    {
        qputenv("CUPS_SERVER", server);
    }
    ~ServerOverride() { qputenv("CUPS_SERVER", m_old); }
    ServerOverride(const ServerOverride &) = delete;
    ServerOverride &operator=(const ServerOverride &) = delete;

private:
    QByteArray m_old;
};

} // namespace

class TestReportPrinter : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        if (!printjobs::serverConfigured())
            QSKIP("CUPS_SERVER is not set: start scripts/cups-test-server.sh and eval its env output");
    }

    void detailsOfTheDefaultQueue()
    {
        const platform::PrinterDetails details = platform::defaultPrinterDetails();
        QVERIFY2(details.deviceName, qPrintable(details.errorString));
        QVERIFY(details.port && details.driverName && details.colorMode);

        // The CUPS tools name the same queue and device.
        const auto lpstatDefault = cupsTool(QStringLiteral("lpstat"), {QStringLiteral("-d")});
        QCOMPARE(lpstatDefault.value_or(QString()), QStringLiteral("system default destination: ") + *details.deviceName);
        const auto lpstatDevice = cupsTool(QStringLiteral("lpstat"), {QStringLiteral("-v"), *details.deviceName});
        QVERIFY2(details.port->startsWith(QStringLiteral("file:")), qPrintable(*details.port));
        QVERIFY(lpstatDevice);
        QVERIFY2(lpstatDevice->endsWith(printjobs::outputFile(*details.port)), qPrintable(*lpstatDevice));
        QCOMPARE(*details.driverName, QStringLiteral("Generic PDF Printer"));
        QCOMPARE(*details.colorMode, 2);
        QCOMPARE(platform::defaultPrinterName(), *details.deviceName);

        // The queue asked directly over IPP agrees with the destination list.
        const platform::PrinterDetails asked = platform::queryPrinterAttributes(*details.deviceName);
        QCOMPARE(asked.port, details.port);
        QCOMPARE(asked.driverName, details.driverName);
        QCOMPARE(asked.colorMode, details.colorMode);
    }

    void colourModeFollowsTheDefaultQueue()
    {
        const QString usual = platform::defaultPrinterName();
        QVERIFY(!usual.isEmpty());

        // A monochrome twin of the queue's driver description.
        QTemporaryDir work;
        QVERIFY(work.isValid());
        QFile colourPpd(QStringLiteral("/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd"));
        QVERIFY(colourPpd.open(QIODevice::ReadOnly));
        QByteArray ppd = colourPpd.readAll();
        QVERIFY(ppd.contains("*ColorDevice:\tTrue") || ppd.contains("*ColorDevice: True"));
        ppd.replace("*ColorDevice:\tTrue", "*ColorDevice:\tFalse").replace("*ColorDevice: True", "*ColorDevice: False");
        const QString monoPpd = work.filePath(QStringLiteral("mono.ppd"));
        QFile out(monoPpd);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(ppd);
        out.close();

        const QString mono = QStringLiteral("QuorvelMono");
        const QString device = QStringLiteral("file://") + work.filePath(QStringLiteral("mono.pdf"));
        QVERIFY(cupsTool(QStringLiteral("lpadmin"), {"-p", mono, "-E", "-v", device, "-P", monoPpd}));
        QVERIFY(cupsTool(QStringLiteral("lpadmin"), {"-d", mono}));
        const platform::PrinterDetails monoDetails = platform::defaultPrinterDetails();
        cupsTool(QStringLiteral("lpadmin"), {"-d", usual});
        cupsTool(QStringLiteral("lpadmin"), {"-x", mono});

        QCOMPARE(monoDetails.deviceName, std::optional<QString>(mono));
        QCOMPARE(monoDetails.port, std::optional<QString>(device));
        QCOMPARE(monoDetails.colorMode, std::optional<int>(1));
        QCOMPARE(platform::defaultPrinterName(), usual);
        QCOMPARE(platform::defaultPrinterDetails().colorMode, std::optional<int>(2));
    }

    void noServerMeansNoPrinter()
    {
        QTemporaryDir nowhere;
        ServerOverride dead(QFile::encodeName(nowhere.filePath(QStringLiteral("no.sock"))));

        const platform::PrinterDetails details = platform::defaultPrinterDetails();
        QVERIFY(!details.deviceName && !details.port && !details.driverName && !details.colorMode);
        QVERIFY(!details.errorString.isEmpty());
        QString why;
        QVERIFY(platform::defaultPrinterName(&why).isEmpty());
        QVERIFY(!why.isEmpty());

        platform::ReportPrinter printer;
        QVERIFY(!printer.setFont(QStringLiteral("Verdana"), 9));
        QVERIFY(!printer.errorString().isEmpty());
        QVERIFY(!printer.printLine({QStringLiteral("x")}));
        QVERIFY(!printer.endDoc());
        QCOMPARE(printer.lastJobId(), 0);
    }

    void linesArriveInOrderOneLineHeightApart()
    {
        const platform::PrinterDetails details = platform::defaultPrinterDetails();
        QVERIFY2(details.port, qPrintable(details.errorString));
        const QString output = printjobs::outputFile(*details.port);
        QFile::remove(output);

        const QList<QStringList> lines = {
            {QStringLiteral("   Three blanks first")},
            {},
            {QStringLiteral("  Label : "), QStringLiteral("12/5 = 2.4 satuan waktu")},
            {QStringLiteral(" One blank")},
            {},
            {},
            {QStringLiteral("  Last line")},
        };
        platform::ReportPrinter printer;
        QVERIFY(printer.setFont(QStringLiteral("Verdana"), 9));
        for (const QStringList &line : lines)
            QVERIFY2(printer.printLine(line), qPrintable(printer.errorString()));
        QVERIFY2(printer.endDoc(), qPrintable(printer.errorString()));
        QVERIFY(printer.lastJobId() > 0);
        QCOMPARE(printer.queueName(), *details.deviceName);

        QUORVEL_WAIT_FOR_PRINT(output);
        const printjobs::PrintedPage page = printjobs::readPrintedPage(output);
        QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
        QCOMPARE(page.pages, 1);

        QStringList expected;
        for (const QStringList &line : lines)
            expected.append(printjobs::asPrinted(line.join(QString())));
        QCOMPARE(page.text(), expected);

        // Nine points of a sans-serif face: a line height of about ten to twelve points.
        QVERIFY2(page.lineHeight > 9 && page.lineHeight < 13, qPrintable(QString::number(page.lineHeight)));
        // Indentation comes from the leading blanks only.
        QStringList texts;
        for (const QStringList &line : lines)
            texts.append(line.join(QString()));
        const QString indentation = printjobs::indentationProblem(page, texts);
        QVERIFY2(indentation.isEmpty(), qPrintable(indentation));
    }

    void aLongDocumentGoesOnToANewPage()
    {
        const platform::PrinterDetails details = platform::defaultPrinterDetails();
        QVERIFY2(details.port, qPrintable(details.errorString));
        const QString output = printjobs::outputFile(*details.port);
        QFile::remove(output);

        platform::ReportPrinter printer;
        QVERIFY(printer.setFont(QStringLiteral("Verdana"), 9));
        for (int i = 1; i <= 150; ++i)
            QVERIFY(printer.printLine({QStringLiteral("line %1").arg(i)}));
        QVERIFY2(printer.endDoc(), qPrintable(printer.errorString()));
        QUORVEL_WAIT_FOR_PRINT(output);

        QProcess text;
        text.start(QStringLiteral("pdftotext"), {output, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(60000));
        const QString all = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY(all.count(QLatin1Char('\f')) >= 2);
        QVERIFY(all.indexOf(QStringLiteral("line 1\n")) < all.indexOf(QStringLiteral("line 150")));
        QVERIFY(all.contains(QStringLiteral("line 75")));
    }

    // The words of the report come out letter by letter, not as ligature glyphs.
    void printsNoLigatures()
    {
        const platform::PrinterDetails details = platform::defaultPrinterDetails();
        QVERIFY2(details.port, qPrintable(details.errorString));
        const QString output = printjobs::outputFile(*details.port);
        QFile::remove(output);

        platform::ReportPrinter printer;
        QVERIFY(printer.setFont(QStringLiteral("Verdana"), 9));
        QVERIFY(printer.printLine({QStringLiteral("Buffer = 0 official affine fluff")}));
        QVERIFY2(printer.endDoc(), qPrintable(printer.errorString()));
        QUORVEL_WAIT_FOR_PRINT(output);

        QProcess text;
        text.start(QStringLiteral("pdftotext"), {output, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(60000));
        const QString all = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(all.contains(QStringLiteral("Buffer = 0 official affine fluff")), qPrintable(all));
        for (char16_t ligature = 0xFB00; ligature <= 0xFB06; ++ligature)
            QVERIFY(!all.contains(QChar(ligature)));
    }

    void endingWithoutAnyLineSendsNothing()
    {
        platform::ReportPrinter printer;
        QVERIFY(printer.setFont(QStringLiteral("Verdana"), 9));
        QVERIFY(printer.endDoc());
        QCOMPARE(printer.lastJobId(), 0);
    }
};

QUORVEL_TEST_MAIN(TestReportPrinter)
#include "tst_reportprinter.moc"
