// The print window against a real printer: the default queue of the private CUPS server that
// scripts/cups-test-server.sh starts (CTest starts it through a fixture).

#include "reportexample.h"

#include "common/testsupport.h"
#include "platform/printerinfo.h"
#include "platform/printjobs.h"
#include "ui/button/xpbuttonx.h"
#include "ui/main/form1.h"
#include "ui/report/form2.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>

#include <algorithm>

namespace {

const QString noPrinterText = QStringLiteral("Tidak ditemukan printer terpasang di Sistem Anda");
const QString printFailedText = QStringLiteral("Ada masalah dengan printer Anda pencetakan dibatalkan");

// Points the process at a server that is not there, for as long as it lives.
class DeadServer {
public:
    DeadServer() : m_old(qgetenv("CUPS_SERVER"))
    {
        qputenv("CUPS_SERVER", QFile::encodeName(m_dir.filePath(QStringLiteral("none.sock"))));
    }
    ~DeadServer() { qputenv("CUPS_SERVER", m_old); }
    DeadServer(const DeadServer &) = delete;
    DeadServer &operator=(const DeadServer &) = delete;

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
};

int jobsEverQueued()
{
    cupsSetServer(nullptr);
    cups_job_t *jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ALL);
    cupsFreeJobs(count, jobs);
    return count;
}

QStringList listLines(const Form2 *window)
{
    QStringList lines;
    const auto *list = window->findChild<QListWidget *>(QStringLiteral("List1"));
    for (int row = 0; list && row < list->count(); ++row)
        lines.append(list->item(row)->text());
    return lines;
}

XPButtonX *button(const Form2 *window, const char *name)
{
    return window->findChild<XPButtonX *>(QString::fromLatin1(name));
}

// The control that Tab moves to from the given one.
QWidget *nextTabStop(QWidget *from)
{
    QWidget *next = from->nextInFocusChain();
    while (next != from && !((next->focusPolicy() & Qt::TabFocus) && next->isVisibleTo(from->window())))
        next = next->nextInFocusChain();
    return next;
}

void click(XPButtonX *target)
{
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
}

// The report of that example, without its title line.
QStringList exampleReportBody()
{
    const QString today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    return {
        "   ---------------------------------------",
        "",
        "  Arrival Time",
        "  P1 = 0", "  P2 = 1", "  P3 = 2", "  P4 = 3", "  P5 = 4",
        "",
        "  Burst Time",
        "  P1 = 5", "  P2 = 3", "  P3 = 1", "  P4 = 2", "  P5 = 4",
        " Detail Prosess Wating Time Value",
        "  P1 = 0", "  P2 = 4", "  P3 = 6", "  P4 = 6", "  P5 = 7",
        "",
        "  Hasil Average Waiting Time : 23/5 = 4.6 satuan waktu",
        "",
        "",
        " Detail Prosess Turn Around Value",
        "  P1 = 5", "  P2 = 7", "  P3 = 7", "  P4 = 8", "  P5 = 11",
        "",
        "  Hasil Average Turnarround : 38/5 = 7.6 satuan waktu",
        "",
        "  =========================",
        "",
        "  Tanggal Cetak " + today,
        "  TAMSIRA 2006",
    };
}

QStringList asPrinted(const QStringList &lines)
{
    QStringList result;
    for (const QString &line : lines)
        result.append(printjobs::asPrinted(line));
    return result;
}

} // namespace

class TestForm2 : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        if (!printjobs::serverConfigured())
            QSKIP("CUPS_SERVER is not set: start scripts/cups-test-server.sh and eval its env output");
        m_recorder.clear();
        const platform::PrinterDetails details = platform::defaultPrinterDetails();
        QVERIFY2(details.port, qPrintable(details.errorString));
        m_output = printjobs::outputFile(*details.port);
        QFile::remove(m_output);
    }

    void cleanup()
    {
        if (Form2 *open = Form2::instance())
            delete open;
    }

    void windowListsTheDefaultPrinter()
    {
        Form1 mainWindow;
        Form2 *window = Form2::showInstance(&mainWindow);
        QVERIFY(window);
        QVERIFY(m_recorder.messages().isEmpty());

        const QString queue = platform::defaultPrinterName();
        const platform::PrinterDetails asked = platform::queryPrinterAttributes(queue);
        QVERIFY(asked.port && asked.driverName && asked.colorMode);
        QCOMPARE(queue, QStringLiteral("QuorvelTest"));
        QCOMPARE(listLines(window), QStringList({
                                        QStringLiteral("Nama Printer Default : QuorvelTest"),
                                        QStringLiteral("Di Port : ") + *asked.port,
                                        QStringLiteral("Driver : Generic PDF Printer"),
                                        QStringLiteral("Color Mode 2"),
                                    }));

        // The window as it was laid out.
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Print"));
        QCOMPARE(window->size(), QSize(324, 259));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!window->parentWidget());
        QVERIFY(!window->isModal());
        QVERIFY(!window->windowIcon().isNull());
        QCOMPARE(window->palette().color(QPalette::Window), mainWindow.backColor());
        const QRect screen = window->screen()->geometry();
        QVERIFY(qAbs(window->frameGeometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(window->frameGeometry().center().y() - screen.center().y()) <= 1);

        auto *list = window->findChild<QListWidget *>(QStringLiteral("List1"));
        QCOMPARE(list->geometry(), QRect(8, 32, 305, 160));
        QCOMPARE(list->palette().color(QPalette::Text), QColor(0, 0, 192));
        QCOMPARE(list->font().family(), QStringLiteral("Verdana"));
        QCOMPARE(list->font().pointSizeF(), 8.25);
        QVERIFY(!list->isSortingEnabled());

        XPButtonX *printNow = button(window, "XPButtonX1");
        XPButtonX *cancel = button(window, "XPButtonX2");
        QVERIFY(printNow && cancel);
        QCOMPARE(printNow->Caption(), QStringLiteral("&Print Now"));
        QCOMPARE(cancel->Caption(), QStringLiteral("&Cancel"));
        QCOMPARE(printNow->geometry(), QRect(72, 216, 81, 25));
        QCOMPARE(cancel->geometry(), QRect(176, 216, 81, 25));
        QCOMPARE(printNow->ForeColor(), 0x80000012u);
        QCOMPARE(printNow->ForeHover(), 0u);
        QCOMPARE(printNow->Font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(printNow->Font().pointSizeF(), 8.25);
        QCOMPARE(nextTabStop(list), printNow);
        QCOMPARE(nextTabStop(printNow), cancel);
        QCOMPARE(nextTabStop(cancel), list);
    }

    void printNowPrintsTheScheduleAndCloses()
    {
        Form1 mainWindow;
        computeExample(mainWindow);
        QVERIFY(m_recorder.messages().isEmpty());
        Form2 *window = Form2::showInstance(&mainWindow);

        click(button(window, "XPButtonX1"));
        QVERIFY2(m_recorder.messages().isEmpty(), qPrintable(m_recorder.texts().join('\n')));
        QTRY_VERIFY(!Form2::instance());

        QUORVEL_WAIT_FOR_PRINT(m_output);
        const printjobs::PrintedPage page = printjobs::readPrintedPage(m_output);
        QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
        QCOMPARE(page.pages, 1);
        const QStringList expected = QStringList{QStringLiteral("   FCFS Schedule")} + exampleReportBody();
        QCOMPARE(expected.size(), 39);
        QCOMPARE(page.text(), asPrinted(expected));
        const QString indentation = printjobs::indentationProblem(page, expected);
        QVERIFY2(indentation.isEmpty(), qPrintable(indentation));
        // Nine points: a line height of about ten to twelve points.
        QVERIFY2(page.lineHeight > 9 && page.lineHeight < 13, qPrintable(QString::number(page.lineHeight)));
    }

    void titleFollowsTheOptionAtPrintingTime_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("title");
        QTest::newRow("SJF chosen after the FCFS run")
            << QStringLiteral("Option2") << QStringList{QStringLiteral("   SJF Non Preemptive Schedule")};
        QTest::newRow("neither option") << QString() << QStringList{};
    }

    void titleFollowsTheOptionAtPrintingTime()
    {
        QFETCH(QString, option);
        QFETCH(QStringList, title);

        Form1 mainWindow;
        computeExample(mainWindow);
        Form2 *window = Form2::showInstance(&mainWindow);

        // The choice changes while the print window is open.
        auto *option1 = mainWindow.findChild<QRadioButton *>(QStringLiteral("Option1"));
        auto *option2 = mainWindow.findChild<QRadioButton *>(QStringLiteral("Option2"));
        QVERIFY(option1 && option2);
        if (option.isEmpty()) {
            option1->setAutoExclusive(false);
            option1->setChecked(false);
        } else {
            QTest::mouseClick(option2, Qt::LeftButton, {}, QPoint(8, option2->height() / 2));
            QVERIFY(option2->isChecked());
        }

        click(button(window, "XPButtonX1"));
        QVERIFY2(m_recorder.messages().isEmpty(), qPrintable(m_recorder.texts().join('\n')));
        QUORVEL_WAIT_FOR_PRINT(m_output);
        const printjobs::PrintedPage page = printjobs::readPrintedPage(m_output);
        QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
        const QStringList expected = title + exampleReportBody();
        QCOMPARE(expected.size(), option.isEmpty() ? 38 : 39);
        QCOMPARE(page.text(), asPrinted(expected));
        const QString indentation = printjobs::indentationProblem(page, expected);
        QVERIFY2(indentation.isEmpty(), qPrintable(indentation));
    }

    void cancelClosesWithoutPrinting()
    {
        Form1 mainWindow;
        Form2 *window = Form2::showInstance(&mainWindow);
        const int jobsBefore = jobsEverQueued();
        click(button(window, "XPButtonX2"));
        QTRY_VERIFY(!Form2::instance());
        QCOMPARE(jobsEverQueued(), jobsBefore);
        QVERIFY(m_recorder.messages().isEmpty());
    }

    void noDefaultPrinter()
    {
        Form1 mainWindow;
        DeadServer dead;

        bool visibleAtMessage = true;
        m_recorder.onMessage([&](const platform::MessageRequest &) {
            visibleAtMessage = Form2::instance() && Form2::instance()->isVisible();
        });
        Form2 *window = Form2::showInstance(&mainWindow);
        m_recorder.onMessage({});
        QCOMPARE(m_recorder.messages().size(), 1);
        QCOMPARE(m_recorder.messages()[0].text, noPrinterText);
        QCOMPARE(m_recorder.messages()[0].title, QStringLiteral("Quorvel"));
        QCOMPARE(m_recorder.messages()[0].icon, platform::MessageIcon::Critical);
        // The message comes while loading, before the window shows; then it opens, empty.
        QVERIFY(!visibleAtMessage);
        QVERIFY(window->isVisible());
        QVERIFY(listLines(window).isEmpty());

        m_recorder.clear();
        click(button(window, "XPButtonX1"));
        QCOMPARE(m_recorder.messages().size(), 1);
        QCOMPARE(m_recorder.messages()[0].text, printFailedText);
        QCOMPARE(m_recorder.messages()[0].title, QStringLiteral("Quorvel"));
        QCOMPARE(m_recorder.messages()[0].icon, platform::MessageIcon::Critical);
        QCoreApplication::processEvents();
        QCOMPARE(Form2::instance(), window);
        QVERIFY(window->isVisible());

        // The user can try again, and gets the same answer.
        m_recorder.clear();
        click(button(window, "XPButtonX1"));
        QCOMPARE(m_recorder.texts(), QStringList{printFailedText});
        QVERIFY(window->isVisible());
    }

    void oneWindowAtATime()
    {
        Form1 mainWindow;
        Form2 *first = Form2::showInstance(&mainWindow);
        QCOMPARE(listLines(first).size(), 4);

        {
            // Shown again while open: the same window, its list not read again.
            DeadServer dead;
            QCOMPARE(Form2::showInstance(&mainWindow), first);
            QVERIFY(m_recorder.messages().isEmpty());
            QCOMPARE(listLines(first).size(), 4);
            const QWidgetList windows = QApplication::topLevelWidgets();
            QCOMPARE(std::count_if(windows.begin(), windows.end(),
                                   [](QWidget *w) { return qobject_cast<Form2 *>(w) != nullptr; }),
                     1);
        }

        first->close();
        QTRY_VERIFY(!Form2::instance());

        // After closing, a new window reads the printer again.
        DeadServer dead;
        Form2 *second = Form2::showInstance(&mainWindow);
        QVERIFY(second);
        QCOMPARE(m_recorder.texts(), QStringList{noPrinterText});
        QVERIFY(listLines(second).isEmpty());
    }

private:
    testsupport::MessageRecorder m_recorder;
    QString m_output;
};

QUORVEL_TEST_MAIN(TestForm2)
#include "tst_form2.moc"
