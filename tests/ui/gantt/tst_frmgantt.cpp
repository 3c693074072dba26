// The Gantt chart window as a user meets it: the menu item, one window that follows every run
// of the main window (step messages, Reset, refusals, failures), the comparison with the other
// policy, and the picture on the clipboard and in PNG and SVG files.
#include "ui/main/shownform1.h"

#include "common/testsupport.h"
#include "ui/gantt/companionplacement.h"
#include "ui/gantt/frmgantt.h"
#include "ui/gantt/ganttchart.h"
#include "ui/main/form1.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
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

    void closeAndWait(QPointer<frmGantt> window)
    {
        QTRY_VERIFY(window.isNull());
        QVERIFY(chartWindows().isEmpty());
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
        QVERIFY(items.size() >= 2);
        QAction *gantt = get<QAction>("mngantt");
        QVERIFY(items.contains(gantt));
        QCOMPARE(gantt->text(), QStringLiteral("&Gantt Chart"));
        QCOMPARE(gantt->shortcut(), QKeySequence(QStringLiteral("Ctrl+G")));
        QCOMPARE(items.last()->objectName(), QStringLiteral("mnabout"));   // About stays last
        QCOMPARE(items.last()->text(), QStringLiteral("About"));
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
        QCOMPARE(window->parentWidget(), static_cast<QWidget *>(m_form.get()));   // a companion
        QVERIFY(window->isWindow());
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

    // --- beside the main window, where the user left it ---------------------------------------

    void opensBesideTheMainWindowInsideTheScreen()
    {
        const QRect available = m_form->screen()->availableGeometry();
        for (const QPoint corner : {available.topLeft(), QPoint(available.right() - m_form->frameGeometry().width() + 1,
                                                               available.top())}) {
            m_form->move(corner);
            frmGantt *window = openChart();
            const QRect frame = window->frameGeometry();
            QVERIFY(available.contains(frame));
            QCOMPARE(frame, companion::placeBeside(m_form->frameGeometry(), frame.size(), available));
            // The run's buttons stay visible: the chart covers no more of the main window than
            // any other place inside the screen would.
            QPointer<frmGantt> closed(window);
            window->close();
            closeAndWait(closed);
            // A fresh main window forgets where its chart window was.
            closeForm();
            QVERIFY(openForm());
        }
    }

    void reopenedWhereItWasLeftWithItsTick()
    {
        frmGantt *window = openChart();
        const QRect available = window->screen()->availableGeometry();
        window->resize(window->minimumSizeHint().width() + 20, window->minimumSizeHint().height() + 30);
        window->move(available.topLeft() + QPoint(13, 17));
        setCompare(window, true);
        QTest::qWait(20);
        const QRect frame = window->frameGeometry();
        const QSize size = window->size();

        // Close, Alt+C, Escape: each time the next window comes back the same.
        const std::function<void(frmGantt *)> closers[] = {
            [](frmGantt *w) { QTest::mouseClick(w->findChild<QWidget *>("CMBClose"), Qt::LeftButton); },
            [](frmGantt *w) { QTest::keyClick(w, Qt::Key_C, Qt::AltModifier); },
            [](frmGantt *w) { QTest::keyClick(w, Qt::Key_Escape); },
        };
        for (const auto &closeIt : closers) {
            QPointer<frmGantt> closed(window);
            closeIt(window);
            closeAndWait(closed);
            get<QAction>("mngantt")->trigger();
            window = chartWindows().value(0);
            QVERIFY(window);
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QCOMPARE(window->size(), size);
            QCOMPARE(window->frameGeometry(), frame);
            QVERIFY(window->findChild<QCheckBox *>("chkCompare")->isChecked());
            QVERIFY(chart(window, "GanttChartOther")->isVisible());
        }
    }

    void closedAndOpenedAgainAtOnceStaysOpen()
    {
        setWorkedExample();
        pressProses();
        frmGantt *window = openChart();
        QPointer<frmGantt> first(window);
        // Escape, then Ctrl+G before the event loop runs again.
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        get<QAction>("mngantt")->trigger();
        QTest::qWait(50);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(chartWindows().size(), 1);
        QVERIFY(chartWindows().first()->isVisible());
        QCOMPARE(bars(chartWindows().first()), kFcfsBars);

        // The same with the Close button.
        QTest::mouseClick(chartWindows().first()->findChild<QWidget *>("CMBClose"), Qt::LeftButton);
        get<QAction>("mngantt")->trigger();
        QTest::qWait(50);
        QCOMPARE(chartWindows().size(), 1);
        QVERIFY(chartWindows().first()->isVisible());
    }

    // --- titles, names and pictures -----------------------------------------------------------

    void chartsAreNamedByPolicyAndAveragesAndReachedWithTab()
    {
        setWorkedExample();
        pressProses();
        frmGantt *window = openChart();
        setCompare(window, true);
        const QString point = QLocale::system().decimalPoint();
        QCOMPARE(chart(window)->accessibleName(),
                 QStringLiteral("Gantt Chart FCFS, Awaiting Time 41/5 = 8") + point
                     + QStringLiteral("2 satuan waktu, Turn Around 65/5 = 13 satuan waktu"));
        QVERIFY(chart(window, "GanttChartOther")->accessibleName().startsWith(
            QLatin1String("Gantt Chart pembanding SJF Non Preemptive, Awaiting Time ")));
        pressReset();
        QCOMPARE(chart(window)->accessibleName(), QStringLiteral("Gantt Chart"));

        // Tab walks through both charts, then the check box and the buttons.
        QVERIFY(QTest::qWaitForWindowActive(window));
        window->findChild<QWidget *>("CMBClose")->setFocus();
        QStringList reached;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(reached, (QStringList{"GanttChart", "GanttChartOther", "chkCompare", "CMBSalin", "CMBSimpanGambar"}));
    }

    void stoppedRunSaysSoInItsTitle()
    {
        frmGantt *window = openChart();
        setCompare(window, true);
        setBoxes({"0", "0", "0", "0", "0"}, {"9999", "9999", "9999", "9999", "1"});
        pressProses();
        QCOMPARE(chart(window)->chart().title, QStringLiteral("FCFS   dihentikan: Overflow"));
        QVERIFY(chart(window)->accessibleName().endsWith(QLatin1String(", dihentikan: Overflow")));
        // The other policy's chart, computed apart, stops on the same failure.
        QCOMPARE(chart(window, "GanttChartOther")->chart().title,
                 QStringLiteral("SJF Non Preemptive   dihentikan: Overflow"));
        // A finished run afterwards has its averages again.
        setWorkedExample();
        pressProses();
        QVERIFY(chart(window)->chart().title.startsWith(QLatin1String("FCFS   Awaiting Time: 41/5")));
    }

    void picturesOfANarrowWindowHoldTheWholeTitle()
    {
        setWorkedExample();
        choose("Option2");
        pressProses();
        frmGantt *window = openChart();
        window->resize(window->minimumSizeHint().width(), window->height());
        QTRY_COMPARE(window->width(), window->minimumSizeHint().width());
        GanttChart *shown = chart(window);
        const QString title = shown->chart().title;
        QVERIFY(QFontMetrics(gantt::chartFont(true)).horizontalAdvance(title) > shown->width());

        QApplication::clipboard()->clear();
        QTest::mouseClick(window->findChild<QWidget *>("CMBSalin"), Qt::LeftButton);
        const QImage image = QApplication::clipboard()->image();
        const QSize logical = shown->pictureSize();
        QCOMPARE(image.size(), logical * window->devicePixelRatioF());
        const gantt::ChartLayout layout = shown->layout(logical);
        QVERIFY(layout.titleLines().size() >= 2);
        QCOMPARE(layout.titleLines().join(QLatin1Char(' ')).simplified(), title.simplified());
        const QRectF lastLine = layout.titleLineRect(static_cast<int>(layout.titleLines().size()) - 1);
        QVERIFY(lastLine.bottom() <= layout.processorBarBand().top());
        QVERIFY(lastLine.right() <= logical.width());
        // On screen too, the chart is tall enough for the wrapped title.
        QVERIFY(shown->height() >= shown->heightForWidth(shown->width()));
    }

    void picturesAreOfferedInTheHomeFolderWithoutAPicturesFolder()
    {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        const QByteArray oldHome = qgetenv("HOME");
        const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
        // Put back however the test ends, so that a failure here leaves the later tests alone.
        const auto restore = qScopeGuard([&] {
            qputenv("HOME", oldHome);
            if (oldConfig.isNull())
                qunsetenv("XDG_CONFIG_HOME");
            else
                qputenv("XDG_CONFIG_HOME", oldConfig);
        });
        qputenv("HOME", home.path().toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
        frmGantt *window = openChart();
        QString suggested;
        window->setPictureFileQuestion([&](QWidget *, const QString &offered) {
            suggested = offered;
            return QString();
        });
        QTest::mouseClick(window->findChild<QWidget *>("CMBSimpanGambar"), Qt::LeftButton);
        QCOMPARE(QFileInfo(suggested).absolutePath(), QDir(home.path()).absolutePath());

        // With the folder there, it is offered.
        QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Pictures")));
        QTest::mouseClick(window->findChild<QWidget *>("CMBSimpanGambar"), Qt::LeftButton);
        QCOMPARE(QFileInfo(suggested).absolutePath(), QDir(home.filePath(QStringLiteral("Pictures"))).absolutePath());
    }

    void announcedAsAWindow()
    {
        frmGantt *window = openChart();
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(window);
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), QAccessible::Window);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Gantt Chart"));
    }
};

QUORVEL_TEST_MAIN(GanttWindowTest)
#include "tst_frmgantt.moc"
