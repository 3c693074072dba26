// The main window as a user meets it: start-up state and layout, the Proses command with both
// policies, refusals and failures, Reset, the scrolling title, the blink and the command frame.
#include "shownform1.h"

#include "common/testsupport.h"
#include "ui/button/xpbuttonx.h"
#include "ui/about/frmabout.h"
#include "ui/main/form1.h"
#include "ui/report/form2.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>
#include <QUrl>

#include <memory>

using platform::MessageIcon;

namespace {

const QString kTitle = QStringLiteral(".......     Quorvel Versi Beta Tamsira 2006     .......");

QString averageText(int total, const QString &average)
{
    QString localised = average;
    localised.replace(QLatin1Char('.'), QLocale::system().decimalPoint());
    return QStringLiteral("%1/5 = %2 satuan waktu").arg(total).arg(localised);
}

QColor textColor(const QWidget *widget)
{
    return widget->palette().color(QPalette::Text);
}

} // namespace

// Receives the URLs that the desktop would open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

class Form1Test : public QObject, private ShownForm1 {
    Q_OBJECT

private:
    QString label(const QString &name) const { return get<QLabel>(name)->text(); }

    // Replaces a box's text the way a user does: select everything, type the new digits.
    void type(const QString &name, const QString &digits)
    {
        QLineEdit *target = box(name);
        target->setFocus();
        target->selectAll();
        if (digits.isEmpty())
            QTest::keyClick(target, Qt::Key_Backspace);
        else
            QTest::keyClicks(target, digits);
    }

    // The worked example's input: arrivals 0,1,2,3,4 and bursts 5,3,8,6,2 for P1..P5.
    void typeWorkedExample()
    {
        const char *arrival[][2] = {{"Text1", "0"}, {"Text2", "1"}, {"Text3", "2"},
                                    {"Text4", "3"}, {"Text10", "4"}};
        const char *burst[][2] = {{"Text5", "5"}, {"Text6", "3"}, {"Text7", "8"},
                                  {"Text8", "6"}, {"Text9", "2"}};
        for (const auto &entry : arrival)
            type(QString::fromLatin1(entry[0]), QString::fromLatin1(entry[1]));
        for (const auto &entry : burst)
            type(QString::fromLatin1(entry[0]), QString::fromLatin1(entry[1]));
    }

    void pressProses() { QTest::mouseClick(get<QPushButton>("Command1"), Qt::LeftButton); }

    QStringList captions(const QString &array) const
    {
        QStringList result;
        for (int i = 0; i < 5; ++i)
            result << label(QStringLiteral("%1_%2").arg(array).arg(i));
        return result;
    }

private slots:
    void init() { QVERIFY(openForm()); }

    void cleanup()
    {
        closeForm();
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    }

    void startUpState()
    {
        QCOMPARE(m_form->savedCaption(), kTitle);
        QCOMPARE(m_form->backColor(), QColor(218, 234, 254));
        QCOMPARE(m_form->Buffer(), 0.0);
        QCOMPARE(m_form->stepValue(), std::int16_t{0});
        QVERIFY(get<QRadioButton>("Option1")->isChecked());
        QVERIFY(!get<QRadioButton>("Option2")->isChecked());
        QCOMPARE(get<QCheckBox>("Check1")->checkState(), Qt::Unchecked);
        for (int i = 1; i <= 10; ++i) {
            QCOMPARE(box(QStringLiteral("Text%1").arg(i))->text(), QStringLiteral("0"));
            QCOMPARE(box(QStringLiteral("Text%1").arg(i))->maxLength(), 4);
        }
        const QStringList empty = {"P1 = Empty", "P2 = Empty", "P3 = Empty", "P4 = Empty", "P5 = Empty"};
        QCOMPARE(captions("AWTDetail"), empty);
        QCOMPARE(captions("TurnAround"), empty);
        QCOMPARE(box("HasilAWT")->text(), QStringLiteral("Buffer = 0"));
        QCOMPARE(box("HasilATT")->text(), QStringLiteral("Buffer = 0"));
        QVERIFY(box("HasilAWT")->isReadOnly());
        QVERIFY(box("HasilATT")->isReadOnly());
        QCOMPARE(textColor(box("HasilAWT")), QColor(Qt::black));
        QVERIFY(get<QTimer>("Timer2")->isActive());
        QCOMPARE(get<QTimer>("Timer2")->interval(), 100);
        QVERIFY(!get<QTimer>("Timer1")->isActive());
        QCOMPARE(get<QTimer>("Timer1")->interval(), 500);
        QCOMPARE(QApplication::focusWidget(), get<QWidget>("Option1"));
        QVERIFY(m_messages->messages().isEmpty());
    }

    void windowFrameAndMenu()
    {
        QCOMPARE(m_form->centralWidget()->size(), QSize(537, 582));
        QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
        const Qt::WindowFlags flags = m_form->windowFlags();
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(!m_form->windowIcon().isNull());
        const QPoint offCentre =
            m_form->frameGeometry().center() - m_form->screen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 4,
                 qPrintable(QStringLiteral("%1,%2").arg(offCentre.x()).arg(offCentre.y())));

        auto *menu = get<QMenu>("mnprog");
        QCOMPARE(menu->title(), QStringLiteral("Program"));
        QCOMPARE(menu->menuAction()->parent() != nullptr, true);
        QVERIFY(m_form->menuBar()->actions().contains(menu->menuAction()));
        auto *about = get<QAction>("mnabout");
        QCOMPARE(about->text(), QStringLiteral("About"));
        QVERIFY(menu->actions().contains(about));
    }

    // Positions in pixels (twips / 15) relative to the container, as the layout table gives them.
    void controlGeometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("Frame1") << "Frame1" << "client" << QRect(24, 16, 489, 57);
        QTest::newRow("Option2") << "Option2" << "Frame1" << QRect(256, 16, 177, 33);
        QTest::newRow("Frame2") << "Frame2" << "client" << QRect(24, 80, 489, 217);
        QTest::newRow("Label2_4") << "Label2_4" << "Frame2" << QRect(32, 176, 49, 25);
        QTest::newRow("Text1") << "Text1" << "Frame2" << QRect(80, 48, 177, 25);
        QTest::newRow("Text10") << "Text10" << "Frame2" << QRect(80, 176, 177, 25);
        QTest::newRow("Text9") << "Text9" << "Frame2" << QRect(320, 176, 153, 25);
        QTest::newRow("Label5_1") << "Label5_1" << "Frame5" << QRect(136, 32, 105, 17);
        QTest::newRow("AWTDetail_2") << "AWTDetail_2" << "Frame5" << QRect(16, 88, 121, 17);
        QTest::newRow("TurnAround_3") << "TurnAround_3" << "Frame5" << QRect(136, 104, 81, 17);
        QTest::newRow("Frame3") << "Frame3" << "client" << QRect(280, 304, 233, 169);
        QTest::newRow("HasilATT") << "HasilATT" << "Frame3" << QRect(16, 120, 201, 25);
        QTest::newRow("Check1") << "Check1" << "client" << QRect(24, 480, 217, 17);
        QTest::newRow("Frame4") << "Frame4" << "client" << QRect(24, 504, 489, 65);
        QTest::newRow("Command3") << "Command3" << "Frame4" << QRect(128, 24, 65, 25);
        QTest::newRow("XPButton1") << "XPButton1" << "Frame4" << QRect(16, 24, 89, 25);
        QTest::newRow("CMBSimpan") << "CMBSimpan" << "Frame4" << QRect(288, 24, 81, 25);
        QTest::newRow("XPButton3") << "XPButton3" << "Frame4" << QRect(400, 24, 81, 25);
    }

    void controlGeometry()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, rect);
        QWidget *widget = get(name);
        QCOMPARE(widget->parentWidget()->objectName(), container);
        QCOMPARE(widget->geometry(), rect);
    }

    void controlLook_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("bold");
        const QColor blue(0, 0, 255), green(0, 128, 0), teal(0, 128, 128), lilac(128, 128, 255);
        QTest::newRow("Frame1") << "Frame1" << "Tipe Penjadwalan" << blue << "Verdana" << true;
        QTest::newRow("Option1") << "Option1" << "FCFS" << blue << "Verdana" << true;
        QTest::newRow("Option2") << "Option2" << "SJF Non Preemptive" << blue << "Verdana" << true;
        QTest::newRow("Frame2") << "Frame2" << "Proses" << green << "Verdana" << true;
        QTest::newRow("Label3") << "Label3" << "Arrival Time" << lilac << "Verdana" << true;
        QTest::newRow("Label4") << "Label4" << "Burst Time" << lilac << "Verdana" << true;
        QTest::newRow("Label2_2") << "Label2_2" << "P3" << lilac << "Verdana" << true;
        QTest::newRow("Text7") << "Text7" << "0" << lilac << "Verdana" << true;
        QTest::newRow("Frame5") << "Frame5" << "Detail" << blue << "Verdana" << true;
        QTest::newRow("Label5_0") << "Label5_0" << "Waiting Time ::" << teal << "Verdana" << true;
        QTest::newRow("Label5_1") << "Label5_1" << "Turn Around ::" << teal << "Verdana" << true;
        QTest::newRow("Frame3") << "Frame3" << "Average" << green << "Verdana" << true;
        QTest::newRow("Label6") << "Label6" << "Awaiting Time" << QColor(Qt::black) << "Verdana" << false;
        QTest::newRow("Label7") << "Label7" << "Turn Around" << QColor(Qt::black) << "Verdana" << false;
        QTest::newRow("Check1") << "Check1" << "Process with Message" << QColor(Qt::black) << "Verdana" << false;
        QTest::newRow("Frame4") << "Frame4" << "Command" << QColor(Qt::black) << "Verdana" << true;
        QTest::newRow("Command1") << "Command1" << "&Proses" << QColor(Qt::black) << "Verdana" << true;
        QTest::newRow("Command3") << "Command3" << "&Reset" << QColor(Qt::black) << "Verdana" << true;
        QTest::newRow("Command2") << "Command2" << "&Close" << QColor(Qt::black) << "Verdana" << true;
    }

    void controlLook()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QColor, color);
        QFETCH(QString, family);
        QFETCH(bool, bold);
        QWidget *widget = get(name);
        QString shown;
        if (auto *group = qobject_cast<QGroupBox *>(widget))
            shown = group->title();
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            shown = button->text();
        else if (auto *lbl = qobject_cast<QLabel *>(widget))
            shown = lbl->text();
        else if (auto *edit = qobject_cast<QLineEdit *>(widget))
            shown = edit->text();
        QCOMPARE(shown, text);
        QCOMPARE(widget->palette().color(QPalette::WindowText), color);
        QCOMPARE(widget->font().family(), family);
        QCOMPARE(widget->font().bold(), bold);
        QCOMPARE(widget->font().pointSizeF(), 8.25);
    }

    void commandButtonsLook()
    {
        struct Row { const char *name; const char *caption; const char *tip; const char *family; };
        const Row rows[] = {
            {"XPButton1", "&Proses", "Proses CPU", "Verdana"},
            {"XPButton2", "&Reset", "Reset CPU", "Verdana"},
            {"CMBPrint", "&Print", "Cetak ke printer", "MS Sans Serif"},
            {"CMBSimpan", "&Simpan ", "Simpan sebagai Teks", "MS Sans Serif"},
            {"XPButton3", "&Close", "Tutup CPU", "Verdana"},
        };
        QWidget *frame = get("Frame4");
        const QObjectList children = frame->children();
        for (const Row &row : rows) {
            auto *button = get<XPButtonX>(QString::fromLatin1(row.name));
            QCOMPARE(button->Caption(), QString::fromLatin1(row.caption));
            QCOMPARE(button->toolTip(), QString::fromLatin1(row.tip));
            QCOMPARE(button->Font().family(), QString::fromLatin1(row.family));
            QVERIFY(!button->Font().bold());
            QCOMPARE(button->ForeColor(), 16744576u);
            QCOMPARE(button->ForeHover(), 255u);
            // Above every push button of the frame.
            for (const char *push : {"Command1", "Command2", "Command3"})
                QVERIFY(children.indexOf(button) > children.indexOf(get(QString::fromLatin1(push))));
        }
        QVERIFY(get<QPushButton>("Command1")->isVisible());
        QVERIFY(get<QPushButton>("Command3")->isVisible());
        QVERIFY(!get<QPushButton>("Command2")->isVisible());
        QCOMPARE(get<QPushButton>("Command1")->palette().color(QPalette::Button), QColor(Qt::white));
    }

    void tabOrder()
    {
        const QStringList expected = {
            "Option1", "Option2", "Text5", "Text6", "Text7", "Text8", "Text2", "Text3", "Text4", "Text1",
            "HasilAWT", "Command1", "HasilATT", "Text9", "Text10", "Command3", "XPButton1", "XPButton2",
            "XPButton3", "Check1", "CMBPrint", "CMBSimpan"};
        QStringList chain;
        QWidget *start = get("Option1");
        QWidget *w = start;
        do {
            if (expected.contains(w->objectName()))
                chain << w->objectName();
            w = w->nextInFocusChain();
        } while (w != start && chain.size() < 100);
        QCOMPARE(chain, expected);
    }

    void fcfsWorkedExample_data()
    {
        QTest::addColumn<bool>("withMessages");
        QTest::newRow("Check1 ticked") << true;
        QTest::newRow("Check1 cleared") << false;
    }

    void fcfsWorkedExample()
    {
        QFETCH(bool, withMessages);
        typeWorkedExample();
        if (withMessages)
            QTest::mouseClick(get<QCheckBox>("Check1"), Qt::LeftButton);
        QCOMPARE(get<QCheckBox>("Check1")->isChecked(), withMessages);

        // Behind every box the window already shows what the run has written so far.
        QStringList waitingSeen;
        m_messages->onMessage([&](const platform::MessageRequest &) {
            waitingSeen << captions("AWTDetail").join(QLatin1Char('|'));
        });
        pressProses();

        const QStringList expectedMessages = {
            "FCFS Waiting Time P1 = 0 AT Position : 0", "FCFS Waiting Time P2 = 4 Total : 4",
            "FCFS Waiting Time P3 = 6 Total : 10", "FCFS Waiting Time P4 = 13 Total : 23",
            "FCFS Waiting Time P5 = 18 Total : 41"};
        QCOMPARE(m_messages->texts(), withMessages ? expectedMessages : QStringList());
        for (const auto &message : m_messages->messages()) {
            QCOMPARE(message.title, QStringLiteral("Quorvel"));
            QCOMPARE(message.icon, MessageIcon::None);
        }
        if (withMessages)
            QCOMPARE(waitingSeen.first(), QStringLiteral("P1 = 0|P2 = Empty|P3 = Empty|P4 = Empty|P5 = Empty"));

        QCOMPARE(captions("AWTDetail"), (QStringList{"P1 = 0", "P2 = 4", "P3 = 6", "P4 = 13", "P5 = 18"}));
        QCOMPARE(captions("TurnAround"), (QStringList{"P1 = 5", "P2 = 7", "P3 = 14", "P4 = 19", "P5 = 20"}));
        QCOMPARE(box("HasilAWT")->text(), averageText(41, "8.2"));
        QCOMPARE(box("HasilATT")->text(), averageText(65, "13"));
        QVERIFY(get<QTimer>("Timer1")->isActive());
    }

    void sjfWorkedExample_data()
    {
        QTest::addColumn<bool>("withMessages");
        QTest::newRow("Check1 ticked") << true;
        QTest::newRow("Check1 cleared") << false;
    }

    void sjfWorkedExample()
    {
        QFETCH(bool, withMessages);
        typeWorkedExample();
        QTest::mouseClick(get<QRadioButton>("Option2"), Qt::LeftButton);
        QVERIFY(get<QRadioButton>("Option2")->isChecked());
        get<QCheckBox>("Check1")->setChecked(withMessages);
        pressProses();

        const QStringList expectedMessages = {
            "SJF Non Preeemptive Wating Time P1 = 0, AT Position: 5, Total : 0",
            "SJF Non Preeemptive Wating Time P5 = 1, AT Position : 7, Total : 1",
            "SJF Non Preeemptive Wating Time P2 = 6, AT Position : 10, Total : 7",
            "SJF Non Preeemptive Wating Time P4 = 7, AT Position : 16, Total : 14",
            "SJF Non Preeemptive Wating Time P3 = 14, AT Postion : 24, Total : 28",
            "SJF Non Preemptive Turnaround P1 = 5", "SJF Non Preemptive Turnaround P5 = 3",
            "SJF Non Preemptive Turnaround P2 = 9", "SJF Non Preemptive Turnaround P4 = 13",
            "SJF Non Preemptive Turnaround P3 = 22"};
        QCOMPARE(m_messages->texts(), withMessages ? expectedMessages : QStringList());
        for (const auto &message : m_messages->messages())
            QCOMPARE(message.title, QStringLiteral("Quorvel"));
        QCOMPARE(captions("AWTDetail"), (QStringList{"P1 = 0", "P2 = 6", "P3 = 14", "P4 = 7", "P5 = 1"}));
        QCOMPARE(captions("TurnAround"), (QStringList{"P1 = 5", "P2 = 9", "P3 = 22", "P4 = 13", "P5 = 3"}));
        QCOMPARE(box("HasilAWT")->text(), averageText(28, "5.6"));
        QCOMPARE(box("HasilATT")->text(), averageText(52, "10.4"));
        QVERIFY(get<QTimer>("Timer1")->isActive());
        // The boxes still hold what the user typed.
        QCOMPARE(box("Text9")->text(), QStringLiteral("2"));
    }

    void prosesRerunsLoadFirst()
    {
        typeWorkedExample();
        pressProses();
        // Behind the first step message of a second run the boxes read "Buffer = 0" in black
        // and the title keeps the position it had reached.
        m_form->Timer2_Timer();
        const QString rotated = m_form->windowTitle();
        get<QCheckBox>("Check1")->setChecked(true);
        QStringList seen;
        m_messages->onMessage([&](const platform::MessageRequest &) {
            if (seen.isEmpty())
                seen << box("HasilAWT")->text() << box("HasilATT")->text()
                     << textColor(box("HasilAWT")).name() << m_form->savedCaption();
        });
        pressProses();
        QCOMPARE(seen, (QStringList{"Buffer = 0", "Buffer = 0", "#000000", rotated}));
        QCOMPARE(m_form->windowTitle(), rotated);
    }

    void refusal_data()
    {
        QTest::addColumn<bool>("sjf");
        QTest::addColumn<QString>("title");
        QTest::newRow("FCFS") << false << "FCFS Prosess Terminated";
        QTest::newRow("SJF") << true << "SJF Non Preemptive Prosess Terminated";
    }

    void refusal()
    {
        QFETCH(bool, sjf);
        QFETCH(QString, title);
        get<QRadioButton>(sjf ? "Option2" : "Option1")->setChecked(true);
        get<QCheckBox>("Check1")->setChecked(true);
        type("Text1", "5");
        get("Check1")->setFocus();
        bool redBehindBox = true;
        m_messages->onMessage([&](const platform::MessageRequest &) {
            redBehindBox = box("Text1")->palette().color(QPalette::Base) == QColor(Qt::red);
        });
        pressProses();

        QCOMPARE(m_messages->messages().size(), 1);
        const auto message = m_messages->messages().first();
        QCOMPARE(message.text,
                 QStringLiteral("Schedule tidak dapat diproses karena proses pertama di mulai dari ( 5 ) !"));
        QCOMPARE(message.title, title);
        QCOMPARE(message.icon, MessageIcon::Exclamation);
        QVERIFY(!redBehindBox);   // red only once the box is closed
        QCOMPARE(box("Text1")->palette().color(QPalette::Base), QColor(Qt::red));
        QCOMPARE(QApplication::focusWidget(), box("Text1"));
        QCOMPARE(label("AWTDetail_0"), QStringLiteral("P1 = Empty"));
        QCOMPARE(label("TurnAround_4"), QStringLiteral("P5 = Empty"));
        QCOMPARE(box("HasilAWT")->text(), QStringLiteral("Buffer = 0"));
        QCOMPARE(box("HasilATT")->text(), QStringLiteral("Buffer = 0"));
        QVERIFY(!get<QTimer>("Timer1")->isActive());
    }

    void neitherOptionSelected()
    {
        typeWorkedExample();
        pressProses();   // writes results
        auto *option1 = get<QRadioButton>("Option1");
        option1->setAutoExclusive(false);
        option1->setChecked(false);
        QVERIFY(!option1->isChecked() && !get<QRadioButton>("Option2")->isChecked());
        const QStringList before = captions("AWTDetail") + captions("TurnAround");
        m_messages->clear();
        pressProses();
        QCOMPARE(box("HasilAWT")->text(), QStringLiteral("Buffer = 0"));
        QCOMPARE(box("HasilATT")->text(), QStringLiteral("Buffer = 0"));
        QCOMPARE(captions("AWTDetail") + captions("TurnAround"), before);
        QVERIFY(m_messages->messages().isEmpty());
    }

    // Text that reaches a box without being typed (context-menu paste) is converted as it is;
    // a number too large for the P5 arrival box ends in the failure message, never a crash.
    void unreadableBoxGivesFatalError_data()
    {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("sjf");
        QTest::newRow("Text10 9e99 FCFS") << "Text10" << "9e99" << false;
        QTest::newRow("Text10 9e99 SJF") << "Text10" << "9e99" << true;
        QTest::newRow("Text10 40000") << "Text10" << "4e4" << false;
        QTest::newRow("Text9 beyond single precision") << "Text9" << "9e99" << false;
    }

    void unreadableBoxGivesFatalError()
    {
        QFETCH(QString, boxName);
        QFETCH(QString, text);
        QFETCH(bool, sjf);
        get<QRadioButton>(sjf ? "Option2" : "Option1")->setChecked(true);
        box(boxName)->setText(text);
        pressProses();
        QCOMPARE(m_messages->messages().size(), 1);
        const auto message = m_messages->messages().first();
        QCOMPARE(message.title, QStringLiteral("Fatal Error"));
        QCOMPARE(message.icon, MessageIcon::Critical);
        QVERIFY2(message.text.startsWith(QStringLiteral("Program error !!. Error Number : ")),
                 qPrintable(message.text));
        QVERIFY(message.text.contains(QStringLiteral("\r\nDekripsi Error : ")));
        QCOMPARE(label("AWTDetail_0"), QStringLiteral("P1 = Empty"));
        QVERIFY(!get<QTimer>("Timer1")->isActive());

        // The window stays usable: a sound text runs as usual afterwards.
        m_messages->clear();
        box(boxName)->setText(QStringLiteral("0"));
        pressProses();
        QVERIFY(m_messages->messages().isEmpty());
        QCOMPARE(label("AWTDetail_0"), QStringLiteral("P1 = 0"));
    }

    void resetAfterStartUp()
    {
        get<QRadioButton>("Option2")->setChecked(true);
        get<QCheckBox>("Check1")->setChecked(true);
        type("Text4", "77");
        QTest::mouseClick(get<QPushButton>("Command3"), Qt::LeftButton);
        for (int i = 1; i <= 10; ++i)
            QCOMPARE(box(QStringLiteral("Text%1").arg(i))->text(), QStringLiteral("0"));
        const QStringList zeros = {"P1 = 0", "P2 = 0", "P3 = 0", "P4 = 0", "P5 = 0"};
        QCOMPARE(captions("AWTDetail"), zeros);
        QCOMPARE(captions("TurnAround"), zeros);
        QCOMPARE(box("HasilAWT")->text(), averageText(0, "0"));
        QCOMPARE(box("HasilATT")->text(), averageText(0, "0"));
        QVERIFY(get<QRadioButton>("Option2")->isChecked());
        QVERIFY(get<QCheckBox>("Check1")->isChecked());
        QCOMPARE(m_form->windowTitle(), kTitle);
        QVERIFY(m_messages->messages().isEmpty());
    }

    void resetAfterRunKeepsBlinkAndRedBox()
    {
        typeWorkedExample();
        pressProses();
        QVERIFY(m_form->Buffer() != 0);
        m_form->Timer1_Timer();
        QCOMPARE(textColor(box("HasilAWT")), QColor(Qt::red));
        type("Text1", "3");
        pressProses();   // refused: Text1 turns red
        QCOMPARE(box("Text1")->palette().color(QPalette::Base), QColor(Qt::red));
        m_messages->clear();

        QTest::mouseClick(get<XPButtonX>("XPButton2"), Qt::LeftButton);
        QCOMPARE(box("Text1")->text(), QStringLiteral("0"));
        QCOMPARE(label("TurnAround_2"), QStringLiteral("P3 = 0"));
        QCOMPARE(m_form->Buffer(), 0.0);
        QCOMPARE(m_form->stepValue(), std::int16_t{0});
        QVERIFY(get<QTimer>("Timer1")->isActive());
        QCOMPARE(box("Text1")->palette().color(QPalette::Base), QColor(Qt::red));
        QCOMPARE(textColor(box("HasilAWT")), QColor(Qt::black));   // the refused run's load
        QVERIFY(m_messages->messages().isEmpty());
    }

    void titleRotation()
    {
        const int n = kTitle.size();
        QStringList seen;
        for (int tick = 1; tick <= n; ++tick) {
            m_form->Timer2_Timer();
            const QString title = m_form->windowTitle();
            QCOMPARE(title, m_form->savedCaption());
            QCOMPARE(title, kTitle.mid(tick % n) + kTitle.left(tick % n));
            seen << title;
        }
        QVERIFY(seen.first().startsWith(QStringLiteral("......Quorvel")) == false);
        QVERIFY(seen.first().startsWith(QStringLiteral("......     Quorvel")));
        QVERIFY(seen.first().endsWith(QStringLiteral("2006     ........")));
        QCOMPARE(m_form->windowTitle(), kTitle);
        QCOMPARE(seen.size(), n);
        QCOMPARE(QSet<QString>(seen.begin(), seen.end()).size(), n);

        // And the timer itself drives it.
        QSignalSpy titles(m_form.get(), &QWidget::windowTitleChanged);
        QTRY_VERIFY(titles.size() >= 2);
        QCOMPARE(m_form->windowTitle(), m_form->savedCaption());
    }

    void blink()
    {
        QLineEdit *awt = box("HasilAWT");
        QLineEdit *att = box("HasilATT");
        typeWorkedExample();
        pressProses();
        QVERIFY(get<QTimer>("Timer1")->isActive());
        const QColor attBefore = textColor(att);
        QList<QColor> colours;
        for (int i = 0; i < 4; ++i) {
            m_form->Timer1_Timer();
            colours << textColor(awt);
            QCOMPARE(textColor(att), attBefore);
        }
        QCOMPARE(colours, (QList<QColor>{Qt::red, Qt::black, Qt::red, Qt::black}));

        // Another colour stops the blink; a new Proses starts again from black at once.
        QPalette palette = awt->palette();
        palette.setColor(QPalette::Text, Qt::blue);
        awt->setPalette(palette);
        m_form->Timer1_Timer();
        QCOMPARE(textColor(awt), QColor(Qt::blue));
        m_form->Timer1_Timer();
        QCOMPARE(textColor(awt), QColor(Qt::blue));
        pressProses();
        QCOMPARE(textColor(awt), QColor(Qt::black));
        QVERIFY(get<QTimer>("Timer1")->isActive());

        // The running timer alternates too.
        QTRY_COMPARE_WITH_TIMEOUT(textColor(awt), QColor(Qt::red), 2000);
        QTRY_COMPARE_WITH_TIMEOUT(textColor(awt), QColor(Qt::black), 2000);
        QCOMPARE(textColor(att), attBefore);
    }

    void prosesByMouseOnTheVisibleButton()
    {
        typeWorkedExample();
        auto *proses = get<XPButtonX>("XPButton1");
        QSignalSpy clicks(proses, &XPButtonX::Click);
        QTest::mouseClick(proses, Qt::LeftButton, {}, proses->rect().center());
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(label("AWTDetail_4"), QStringLiteral("P5 = 18"));
        QCOMPARE(box("HasilATT")->text(), averageText(65, "13"));
    }

    void accessKeys()
    {
        typeWorkedExample();
        box("Text3")->setFocus();

        // "P" is shared by Proses and Print: each press only moves the focus between them.
        QTest::keyClick(m_form.get(), Qt::Key_P, Qt::AltModifier);
        QWidget *first = QApplication::focusWidget();
        QTest::keyClick(m_form.get(), Qt::Key_P, Qt::AltModifier);
        QWidget *second = QApplication::focusWidget();
        const QSet<QString> visited = {first->objectName(), second->objectName()};
        QCOMPARE(visited, (QSet<QString>{"XPButton1", "CMBPrint"}));
        QCOMPARE(label("AWTDetail_0"), QStringLiteral("P1 = Empty"));
        // Enter on the focused Proses button runs it.
        get("XPButton1")->setFocus();
        QTest::keyClick(get("XPButton1"), Qt::Key_Return);
        QCOMPARE(label("AWTDetail_4"), QStringLiteral("P5 = 18"));

        // "R" belongs to Reset alone.
        box("Text3")->setFocus();
        QTest::keyClick(m_form.get(), Qt::Key_R, Qt::AltModifier);
        QCOMPARE(label("AWTDetail_4"), QStringLiteral("P5 = 0"));
        QCOMPARE(box("Text9")->text(), QStringLiteral("0"));
        QVERIFY(m_messages->messages().isEmpty());
    }

    void printAndAboutOpenTheirWindows()
    {
        QVERIFY(!Form2::instance());
        auto *print = get<XPButtonX>("CMBPrint");
        QTest::mouseClick(print, Qt::LeftButton, {}, print->rect().center());
        QPointer<Form2> printWindow = Form2::instance();
        QVERIFY(printWindow);
        QVERIFY(printWindow->isVisible());
        QVERIFY(!printWindow->isModal());

        QVERIFY(!frmAbout::instance());
        get<QAction>("mnabout")->trigger();
        QPointer<frmAbout> about = frmAbout::instance();
        QVERIFY(about);
        QVERIFY(about->isVisible());

        delete printWindow.data();
        delete about.data();
    }

    void simpanWritesTheReportOfThisWindow()
    {
        const QDir folder(QCoreApplication::applicationDirPath());
        const QStringList pattern = {QStringLiteral("Quorvel_*.txt")};
        const QStringList before = folder.entryList(pattern, QDir::Files);
        typeWorkedExample();
        pressProses();
        auto *simpan = get<XPButtonX>("CMBSimpan");
        QTest::mouseClick(simpan, Qt::LeftButton, {}, simpan->rect().center());
        QCOMPARE(m_messages->messages().size(), 1);

        QStringList created = folder.entryList(pattern, QDir::Files);
        for (const QString &old : before)
            created.removeAll(old);
        QCOMPARE(created.size(), 1);
        QFile file(folder.filePath(created.first()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString content = QString::fromLatin1(file.readAll());
        file.close();
        file.remove();
        QVERIFY(content.contains(QStringLiteral("P5 = 18")));
        QVERIFY(content.contains(averageText(65, "13")));
    }

    void frame4DoubleClickOpensAuthorsPage()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
        QWidget *frame = get("Frame4");
        // Between Simpan and Close: the frame's own surface.
        const QPoint empty(385, 36);
        QVERIFY(frame->childAt(empty) == nullptr);
        QTest::mouseDClick(frame, Qt::LeftButton, {}, empty);
        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls.first(), QUrl(QString::fromLatin1(Form1::authorsPageAddress())));

        // Not on a button (only harmless ones here: their first click still runs their command).
        for (const char *name : {"XPButton1", "XPButton2"}) {
            QWidget *button = get(QString::fromLatin1(name));
            QTest::mouseDClick(button, Qt::LeftButton, {}, button->rect().center());
        }
        QCOMPARE(catcher.urls.size(), 1);
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    }
};

QUORVEL_TEST_MAIN(Form1Test)
#include "tst_form1.moc"
