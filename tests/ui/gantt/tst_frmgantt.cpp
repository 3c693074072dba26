// The Gantt chart window as a user meets it: the menu item, one window that follows every run
// of the main window (step messages, Reset, refusals, failures), the comparison with the other
// policy, and the picture on the clipboard and in PNG and SVG files.
#include "ui/main/shownform1.h"

#include "common/testsupport.h"
#include "ui/gantt/frmgantt.h"
#include "ui/gantt/ganttchart.h"
#include "ui/main/form1.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>

using gantt::GanttChart;
using platform::MessageIcon;

namespace {

const QString kFcfsBars = QStringLiteral("P1 0-5, P2 5-8, P3 8-16, P4 16-22, P5 22-24");
const QString kSjfBars = QStringLiteral("P1 0-5, P5 5-7, P2 7-10, P4 10-16, P3 16-24");

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class GanttWindowTest : public QObject, private ShownForm1 {
    Q_OBJECT

private:
    void setBoxes(const QStringList &arrival, const QStringList &burst)
    {
        const char *arrivalBoxes[] = {"Text1", "Text2", "Text3", "Text4", "Text10"};
        const char *burstBoxes[] = {"Text5", "Text6", "Text7", "Text8", "Text9"};
        for (int i = 0; i < 5; ++i) {
            box(QString::fromLatin1(arrivalBoxes[i]))->setText(arrival.at(i));
            box(QString::fromLatin1(burstBoxes[i]))->setText(burst.at(i));
        }
    }
    void setWorkedExample() { setBoxes({"0", "1", "2", "3", "4"}, {"5", "3", "8", "6", "2"}); }
    void choose(const char *option) { get<QRadioButton>(QString::fromLatin1(option))->setChecked(true); }
    void pressProses() { QTest::mouseClick(get<QPushButton>("Command1"), Qt::LeftButton); }
    void pressReset() { QTest::mouseClick(get<QPushButton>("Command3"), Qt::LeftButton); }

    static QList<frmGantt *> chartWindows()
    {
        QList<frmGantt *> windows;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *window = qobject_cast<frmGantt *>(widget))
                windows.append(window);
        }
        return windows;
    }

    frmGantt *openChart()
    {
        get<QAction>("mngantt")->trigger();
        const auto windows = chartWindows();
        if (windows.size() != 1)
            qFatal("expected one chart window, found %d", int(windows.size()));
        if (!QTest::qWaitForWindowExposed(windows.first()))
            qFatal("the chart window does not show");
        return windows.first();
    }

    static GanttChart *chart(frmGantt *window, const char *name = "GanttChart")
    {
        auto *found = window->findChild<GanttChart *>(QString::fromLatin1(name));
        if (!found)
            qFatal("chart %s not found", name);
        return found;
    }
    static QString bars(frmGantt *window, const char *name = "GanttChart")
    {
        return chart(window, name)->accessibleDescription();
    }
    static void setCompare(frmGantt *window, bool on)
    {
        window->findChild<QCheckBox *>(QStringLiteral("chkCompare"))->setChecked(on);
    }

    // What the main window shows of a run: the ten detail labels and both result boxes.
    QStringList mainWindowResults() const
    {
        QStringList texts;
        for (const char *array : {"AWTDetail", "TurnAround"}) {
            for (int i = 0; i < 5; ++i)
                texts << get<QLabel>(QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(i))->text();
        }
        texts << box("HasilAWT")->text() << box("HasilATT")->text();
        return texts;
    }

private slots:
    void init() { QVERIFY(openForm()); }
    void cleanup()
    {
        closeForm();
        // The main window takes its chart window with it.
        QTRY_VERIFY(chartWindows().isEmpty());
    }

    void menuItemOpensOneWindowCreatedOnFirstUse()
    {
        const QList<QAction *> items = get<QMenu>("mnprog")->actions();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items.at(0)->objectName(), QStringLiteral("mngantt"));
        QCOMPARE(items.at(0)->text(), QStringLiteral("&Gantt Chart"));
        QCOMPARE(items.at(0)->shortcut(), QKeySequence(QStringLiteral("Ctrl+G")));
        QCOMPARE(items.at(1)->objectName(), QStringLiteral("mnabout"));
        QCOMPARE(items.at(1)->text(), QStringLiteral("About"));
        QVERIFY(chartWindows().isEmpty());

        // The shortcut works from an input box and types nothing there.
        box("Text2")->setFocus();
        QTest::keyClick(box("Text2"), Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(chartWindows().size(), 1);
        frmGantt *window = chartWindows().first();
        QVERIFY(m_messages->messages().isEmpty());
        QCOMPARE(box("Text2")->text(), QStringLiteral("0"));

        QCOMPARE(window->objectName(), QStringLiteral("frmGantt"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Gantt Chart"));
        QVERIFY(!window->parentWidget());
        QVERIFY(!window->isModal());
        QCOMPARE(window->palette().color(QPalette::Window), m_form->backColor());
        QVERIFY(!window->windowIcon().isNull());
        for (const char *name : {"GanttChart", "chkCompare", "CMBSalin", "CMBSimpanGambar", "CMBClose"}) {
            auto *control = window->findChild<QWidget *>(QString::fromLatin1(name));
            QVERIFY2(control, name);
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
            QVERIFY2(accessible && !accessible->text(QAccessible::Name).isEmpty(), name);
        }
        QCOMPARE(window->findChild<QCheckBox *>("chkCompare")->text(), QStringLiteral("Bandingkan FCFS dan SJF"));
        QVERIFY(!chart(window, "GanttChartOther")->isVisible());

        // Opening again brings the same window forward; Escape closes it for good.
        QVERIFY(QTest::qWaitForWindowActive(window));
        m_form->activateWindow();
        QCOMPARE(openChart(), window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QPointer<frmGantt> closed(window);
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(closed.isNull());
        QVERIFY(openChart());
    }

    void descriptionFollowsRunsResetAndRefusals()
    {
        // A run before the window exists shows once it opens.
        setWorkedExample();
        pressProses();
        frmGantt *window = openChart();
        QCOMPARE(bars(window), kFcfsBars);
        QVERIFY(chart(window)->isVisible());

        choose("Option2");
        pressProses();
        QCOMPARE(bars(window), kSjfBars);

        pressReset();
        QCOMPARE(bars(window), QString());

        setWorkedExample();
        pressProses();
        QCOMPARE(bars(window), kSjfBars);
        box("Text1")->setText(QStringLiteral("3"));
        setCompare(window, true);
        pressProses();
        QCOMPARE(m_messages->messages().size(), 1);
        QCOMPARE(m_messages->messages().first().title, QStringLiteral("SJF Non Preemptive Prosess Terminated"));
        QCOMPARE(bars(window), QString());
        QCOMPARE(bars(window, "GanttChartOther"), QString());
    }

    void chartGrowsBehindTheStepMessages()
    {
        setWorkedExample();
        choose("Option2");
        get<QCheckBox>("Check1")->setChecked(true);
        frmGantt *window = openChart();
        PaintCounter counter;
        chart(window)->installEventFilter(&counter);

        QStringList seen;
        QList<int> paints;
        m_messages->onMessage([&](const platform::MessageRequest &) {
            // A real box runs its own event loop, which repaints the chart behind it.
            QApplication::processEvents();
            seen << bars(window);
            paints << counter.paints;
        });
        pressProses();

        QCOMPARE(seen.size(), 10);
        QCOMPARE(seen.at(0), QStringLiteral("P1 0-5"));
        QCOMPARE(seen.at(1), QStringLiteral("P1 0-5, P5 5-7"));
        QCOMPARE(seen.at(2), QStringLiteral("P1 0-5, P5 5-7, P2 7-10"));
        for (int i = 4; i < 10; ++i)
            QCOMPARE(seen.at(i), kSjfBars);   // the turnaround phase adds nothing
        QVERIFY(paints.at(0) > 0);
        for (int i = 1; i < 5; ++i)
            QVERIFY2(paints.at(i) > paints.at(i - 1), qPrintable(QString::number(i)));
        QCOMPARE(bars(window), kSjfBars);
    }

    void failureKeepsTheBarsScheduledBeforeIt()
    {
        frmGantt *window = openChart();
        setBoxes({"0", "0", "0", "0", "0"}, {"9999", "9999", "9999", "9999", "1"});
        pressProses();
        QCOMPARE(m_messages->messages().size(), 1);
        QCOMPARE(m_messages->messages().first().title, QStringLiteral("Fatal Error"));
        QCOMPARE(bars(window),
                 QStringLiteral("P1 0-9999, P2 9999-19998, P3 19998-29997, P4 29997-39996"));
    }

    void comparisonLeavesTheMainWindowAlone()
    {
        setWorkedExample();
        get<QCheckBox>("Check1")->setChecked(true);
        pressProses();
        const QStringList fcfsResults = mainWindowResults();
        const QStringList fcfsMessages = m_messages->texts();
        QCOMPARE(fcfsMessages.size(), 5);

        frmGantt *window = openChart();
        setCompare(window, true);
        QVERIFY(chart(window, "GanttChartOther")->isVisible());
        QCOMPARE(bars(window), kFcfsBars);
        QCOMPARE(bars(window, "GanttChartOther"), kSjfBars);
        QCOMPARE(mainWindowResults(), fcfsResults);
        QCOMPARE(m_messages->texts(), fcfsMessages);
        QCOMPARE(box("HasilAWT")->text(),
                 QStringLiteral("41/5 = 8") + QLocale::system().decimalPoint() + QStringLiteral("2 satuan waktu"));

        // The other way round after an SJF run; unticked, the second chart goes away.
        get<QCheckBox>("Check1")->setChecked(false);
        choose("Option2");
        pressProses();
        QCOMPARE(bars(window, "GanttChartOther"), kFcfsBars);
        setCompare(window, false);
        QVERIFY(!chart(window, "GanttChartOther")->isVisible());
    }

    void copyPutsThePictureOnTheClipboard()
    {
        setWorkedExample();
        pressProses();
        frmGantt *window = openChart();
        QApplication::clipboard()->clear();
        QTest::mouseClick(window->findChild<QWidget *>("CMBSalin"), Qt::LeftButton);
        QImage image = QApplication::clipboard()->image();
        QVERIFY(!image.isNull());
        const QSize one = chart(window)->size() * window->devicePixelRatioF();
        QCOMPARE(image.size(), one);
        // P1's colour is in the picture: it holds the chart, not an empty canvas.
        const QRgb p1 = qRgb(70, 130, 180);
        bool found = false;
        const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < rgb.height() && !found; ++y) {
            for (int x = 0; x < rgb.width() && !found; ++x)
                found = rgb.pixel(x, y) == p1;
        }
        QVERIFY(found);

        setCompare(window, true);
        QApplication::processEvents();
        QTest::mouseClick(window->findChild<QWidget *>("CMBSalin"), Qt::LeftButton);
        image = QApplication::clipboard()->image();
        QCOMPARE(image.height(), one.height() + chart(window, "GanttChartOther")->height());
    }

    void savesSvgWithItsTextsAndPng()
    {
        setWorkedExample();
        pressProses();
        frmGantt *window = openChart();
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QString answer;
        QString suggested;
        window->setPictureFileQuestion([&](QWidget *, const QString &offered) {
            suggested = offered;
            return answer;
        });
        auto *save = window->findChild<QWidget *>("CMBSimpanGambar");

        answer = folder.filePath(QStringLiteral("chart.svg"));
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(QRegularExpression(QStringLiteral("/Quorvel_Gantt_\\d{1,4}\\.png$")).match(suggested).hasMatch());
        QFile svg(answer);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(svg.readAll());
        QVERIFY(text.startsWith(QLatin1String("<?xml")));
        for (const char *word : {">P1<", ">P2<", ">P3<", ">P4<", ">P5<", ">0<", ">5<", ">8<", ">16<", ">22<", ">24<"})
            QVERIFY2(text.contains(QLatin1String(word)), word);

        answer = folder.filePath(QStringLiteral("chart.png"));
        QTest::mouseClick(save, Qt::LeftButton);
        const QImage png(answer);
        QCOMPARE(png.size(), chart(window)->size() * window->devicePixelRatioF());

        // Cancelled: nothing happens; a folder that is not there: the user is told.
        answer.clear();
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(m_messages->messages().isEmpty());
        answer = folder.filePath(QStringLiteral("missing/chart.png"));
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(m_messages->messages().size(), 1);
        QCOMPARE(m_messages->messages().first().icon, MessageIcon::Critical);
        QVERIFY(m_messages->messages().first().text.startsWith(QLatin1String("Gambar tidak dapat disimpan ke ")));
    }
};

QUORVEL_TEST_MAIN(GanttWindowTest)
#include "tst_frmgantt.moc"
