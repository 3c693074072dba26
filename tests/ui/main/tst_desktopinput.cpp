// The windows under input as a real display delivers it: events queued behind each other, key
// releases going to whatever holds the focus by their turn, text committed by input methods,
// and real message boxes closed from the keyboard.
#include "displayinput.h"

#include "common/testsupport.h"
#include "platform/registrymemory.h"
#include "ui/about/frmabout.h"
#include "ui/button/xpbuttonx.h"
#include "ui/main/form1.h"
#include "ui/report/form2.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMessageBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

#include <memory>

namespace {

const QString kWarning = QStringLiteral(" Anda tidak bisa memasukan huruf !");
const QString kResultNotice = QStringLiteral("Maaf tempat ini tidak bisa ditambahkan teks");
const QString kSavedPrefix = QStringLiteral("File tersimpan di path ");
const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

// Long enough for a looping command to show its next box if it were going to.
constexpr int kSettleMs = 400;

void commit(QWidget *to, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(to, &event);
}

void compose(QWidget *to, const QString &preedit)
{
    QInputMethodEvent event(preedit, {});
    QApplication::sendEvent(to, &event);
}

void pressEnter(QWidget *on)
{
    on->setFocus();
    QTest::keyPress(on, Qt::Key_Return);
    displayinput::queueKey(QEvent::KeyRelease, Qt::Key_Return);
}

} // namespace

class DesktopInputTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    // A double click on a button whose click closes its window.
    void doubleClickOnCancelClosesThePrintWindow();
    void doubleClickOnOkClosesTheAboutBox();

    // The Enter that closes a message box is not a second Enter on the button behind it.
    void stepMessagesClosedByEnterRunOnce();
    void saveByEnterAndClosingByEnterSavesOnce();
    void sistemInfoByEnterShowsOneMessage();
    void closingTheText9NoticeByEnterStartsNothing();
    void releaseWithoutItsPressDoesNotClick();

    // Input that waited behind the Enter closing a step message starts no run inside the run.
    void prosesQueuedBehindAStepMessageStartsNoSecondRun();
    void resetQueuedBehindAStepMessageWaitsForTheRun();
    void pressActionDuringARunDoesNothing();

    // A window closed and opened again at once stays open.
    void printWindowClosedAndOpenedAtOnceStaysOpen();
    void escapeClosesThePrintWindow();

    // Composed text and the Enter chain.
    void composedTextGoesThroughTheKeyFilter();
    void resultBoxesTakeNoComposedText();
    void enterSelectsTheBoxItMovesTo();
    void refusedScheduleSelectsText1();
    void pushButtonsRunTheirCommandOnEnter();

private:
    Form1 *openForm1();
    template <typename T = QWidget>
    T *get(const QString &name) const { return m_form->findChild<T *>(name); }
    void typeWorkedExample();
    void checkWorkedExampleResults();
    // Runs the worked example with step messages from a click on Proses; on the first message,
    // queues an Enter for it and, right behind it, `behind`; answers the rest with Enter.
    // Returns the number of messages shown.
    int runWithInputBehindTheFirstMessage(const std::function<void()> &behind);

    std::unique_ptr<Form1> m_form;
};

void DesktopInputTest::cleanup()
{
    m_form.reset();
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<Form2 *>(widget) || qobject_cast<frmAbout *>(widget))
            delete widget;
    }
}

Form1 *DesktopInputTest::openForm1()
{
    m_form = std::make_unique<Form1>();
    m_form->show();
    if (!QTest::qWaitForWindowActive(m_form.get()))
        return nullptr;
    return m_form.get();
}

void DesktopInputTest::typeWorkedExample()
{
    const char *arrival[] = {"Text1", "Text2", "Text3", "Text4", "Text10"};
    const char *burst[] = {"Text5", "Text6", "Text7", "Text8", "Text9"};
    const char *arrivalValues[] = {"0", "1", "2", "3", "4"};
    const char *burstValues[] = {"5", "3", "8", "6", "2"};
    for (int i = 0; i < 5; ++i) {
        get<QLineEdit>(QLatin1String(arrival[i]))->setText(QLatin1String(arrivalValues[i]));
        get<QLineEdit>(QLatin1String(burst[i]))->setText(QLatin1String(burstValues[i]));
    }
}

void DesktopInputTest::checkWorkedExampleResults()
{
    const QStringList waiting{"P1 = 0", "P2 = 4", "P3 = 6", "P4 = 13", "P5 = 18"};
    const QStringList turnaround{"P1 = 5", "P2 = 7", "P3 = 14", "P4 = 19", "P5 = 20"};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(get<QLabel>(QStringLiteral("AWTDetail_%1").arg(i))->text(), waiting.at(i));
        QCOMPARE(get<QLabel>(QStringLiteral("TurnAround_%1").arg(i))->text(), turnaround.at(i));
    }
    QCOMPARE(get<QLineEdit>(QStringLiteral("HasilAWT"))->text(), QStringLiteral("41/5 = 8.2 satuan waktu"));
    QCOMPARE(get<QLineEdit>(QStringLiteral("HasilATT"))->text(), QStringLiteral("65/5 = 13 satuan waktu"));
    QCOMPARE(get<QLineEdit>(QStringLiteral("Text9"))->text(), QStringLiteral("2"));
}

int DesktopInputTest::runWithInputBehindTheFirstMessage(const std::function<void()> &behind)
{
    typeWorkedExample();
    get<QCheckBox>(QStringLiteral("Check1"))->setChecked(true);
    int shown = 0;
    QPointer<QMessageBox> last;
    QTimer answerer;
    answerer.setInterval(5);
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box == last)
            return;
        last = box;
        ++shown;
        const QPointer<QMessageBox> target(box);
        if (shown == 1) {
            // A fast user: the Enter and the click wait in the queue together and are handled
            // back to back, the click while the message's own event loop is still running.
            displayinput::queue([target] { if (target) QTest::keyClick(target.data(), Qt::Key_Return); });
            displayinput::queue(behind);
        } else if (shown < 30) {
            QTest::keyClick(box, Qt::Key_Return);
        } else {
            QTest::keyClick(box, Qt::Key_Escape);
        }
    });
    answerer.start();
    auto *proses = get<XPButtonX>(QStringLiteral("XPButton1"));
    QTest::mouseClick(proses, Qt::LeftButton, {}, proses->rect().center());
    QTest::qWait(kSettleMs);
    return shown;
}

void DesktopInputTest::prosesQueuedBehindAStepMessageStartsNoSecondRun()
{
    QVERIFY(openForm1());
    auto *proses = get<XPButtonX>(QStringLiteral("XPButton1"));
    QSignalSpy clicks(proses, &XPButtonX::Click);
    const int shown = runWithInputBehindTheFirstMessage([proses] {
        if (displayinput::reachable(proses))
            QTest::mouseClick(proses, Qt::LeftButton, {}, proses->rect().center());
    });
    QCOMPARE(clicks.count(), 2);   // the second click reached the button
    QCOMPARE(shown, 5);            // and started nothing: one run's five messages
    checkWorkedExampleResults();

    // The covered push button, reached by keys, does nothing during a run either.
    auto *command1 = get<QPushButton>(QStringLiteral("Command1"));
    const int again = runWithInputBehindTheFirstMessage([command1] { command1->click(); });
    QCOMPARE(again, 5);
    checkWorkedExampleResults();
}

void DesktopInputTest::resetQueuedBehindAStepMessageWaitsForTheRun()
{
    QVERIFY(openForm1());
    auto *reset = get<XPButtonX>(QStringLiteral("XPButton2"));
    QSignalSpy clicks(reset, &XPButtonX::Click);
    const int shown = runWithInputBehindTheFirstMessage([reset] {
        if (displayinput::reachable(reset))
            QTest::mouseClick(reset, Qt::LeftButton, {}, reset->rect().center());
    });
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(shown, 5);
    checkWorkedExampleResults();   // the boxes kept, the averages match the labels

    // After the run, Reset works again.
    QTest::mouseClick(reset, Qt::LeftButton, {}, reset->rect().center());
    QCOMPARE(get<QLineEdit>(QStringLiteral("Text9"))->text(), QStringLiteral("0"));
    QCOMPARE(get<QLineEdit>(QStringLiteral("HasilAWT"))->text(), QStringLiteral("0/5 = 0 satuan waktu"));
}

void DesktopInputTest::pressActionDuringARunDoesNothing()
{
    QVERIFY(openForm1());
    QWidget *proses = get<XPButtonX>(QStringLiteral("XPButton1"));
    QWidget *reset = get<XPButtonX>(QStringLiteral("XPButton2"));
    const int shown = runWithInputBehindTheFirstMessage([proses, reset] {
        for (QWidget *button : {proses, reset}) {
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(button);
            accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }
    });
    QCOMPARE(shown, 5);
    checkWorkedExampleResults();
}

// --- closed and opened again at once ----------------------------------------------------------

void DesktopInputTest::printWindowClosedAndOpenedAtOnceStaysOpen()
{
    testsupport::MessageRecorder messages;   // no printer here: its message is only recorded
    QVERIFY(openForm1());
    auto *print = get<XPButtonX>(QStringLiteral("CMBPrint"));
    QTest::mouseClick(print, Qt::LeftButton, {}, print->rect().center());
    QPointer<Form2> first = Form2::instance();
    QVERIFY(first);
    QVERIFY(QTest::qWaitForWindowExposed(first.data()));

    // Cancel, and Print again before the event loop runs.
    auto *cancel = first->findChild<XPButtonX *>(QStringLiteral("XPButtonX2"));
    QTest::mouseClick(cancel, Qt::LeftButton, {}, cancel->rect().center());
    QTest::mouseClick(print, Qt::LeftButton, {}, print->rect().center());
    QTest::qWait(50);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTRY_VERIFY(!first);
    QVERIFY(Form2::instance());
    QVERIFY(Form2::instance()->isVisible());

    // The same with the close box of the frame.
    QPointer<Form2> second = Form2::instance();
    second->close();
    m_form->CMBPrint_Click();
    QTest::qWait(50);
    QTRY_VERIFY(!second);
    QVERIFY(Form2::instance() && Form2::instance()->isVisible());
}

void DesktopInputTest::escapeClosesThePrintWindow()
{
    testsupport::MessageRecorder messages;
    QPointer<Form2> window = Form2::showInstance(nullptr);
    QVERIFY(QTest::qWaitForWindowActive(window.data()));
    QTest::keyClick(window.data(), Qt::Key_Escape);
    QTRY_VERIFY(!window);
    QVERIFY(!Form2::instance());
    // Only the no-printer message of its loading, nothing printed.
    QCOMPARE(messages.messages().size(), 1);

    // Closed while its no-printer message is still open (a screen reader reaches it then): it
    // stays closed, and the next Print opens a new one.
    messages.onMessage([](const platform::MessageRequest &) {
        if (Form2 *loading = Form2::instance())
            loading->close();
    });
    QVERIFY(!Form2::showInstance(nullptr));
    QVERIFY(!Form2::instance());
    messages.onMessage({});
    QPointer<Form2> next = Form2::showInstance(nullptr);
    QVERIFY(next && next->isVisible());
    next->close();
    QTRY_VERIFY(!next);
}

// --- double clicks on closing buttons ---------------------------------------------------------

void DesktopInputTest::doubleClickOnCancelClosesThePrintWindow()
{
    testsupport::MessageRecorder messages;   // no printer here: its message is only recorded
    QPointer<Form2> window = Form2::showInstance(nullptr);   // nothing to print from here
    QVERIFY(QTest::qWaitForWindowExposed(window.data()));
    auto *cancel = window->findChild<XPButtonX *>(QStringLiteral("XPButtonX2"));
    QVERIFY(cancel);
    QCOMPARE(cancel->Caption(), QStringLiteral("&Cancel"));

    displayinput::queueDoubleClick(cancel, cancel->rect().center());
    QTRY_VERIFY(!window);
    QVERIFY(!Form2::instance());
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
}

void DesktopInputTest::doubleClickOnOkClosesTheAboutBox()
{
    QPointer<frmAbout> box = frmAbout::showInstance();
    QVERIFY(QTest::qWaitForWindowExposed(box.data()));
    auto *ok = box->findChild<XPButtonX *>(QStringLiteral("XPButtonX1"));
    QVERIFY(ok);

    displayinput::queueDoubleClick(ok, ok->rect().center());
    QTRY_VERIFY(!box);
    QVERIFY(!frmAbout::instance());
    QCOMPARE(QWidget::mouseGrabber(), nullptr);

    // A box opened afterwards is a new one and works.
    box = frmAbout::showInstance();
    QVERIFY(QTest::qWaitForWindowExposed(box.data()));
    QTest::keyClick(box.data(), Qt::Key_Escape);
    QTRY_VERIFY(!box);
}

// --- Enter on message boxes -------------------------------------------------------------------

void DesktopInputTest::stepMessagesClosedByEnterRunOnce()
{
    QVERIFY(openForm1());
    typeWorkedExample();
    get<QCheckBox>(QStringLiteral("Check1"))->setChecked(true);
    auto *proses = get<XPButtonX>(QStringLiteral("XPButton1"));
    QSignalSpy clicks(proses, &XPButtonX::Click);

    displayinput::BoxAnswerer answerer;
    pressEnter(proses);
    QTRY_COMPARE(answerer.count(), 5);
    QTest::qWait(kSettleMs);
    QCOMPARE(answerer.count(), 5);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(get<QLineEdit>(QStringLiteral("HasilAWT"))->text(), QStringLiteral("41/5 = 8.2 satuan waktu"));
}

void DesktopInputTest::saveByEnterAndClosingByEnterSavesOnce()
{
    QVERIFY(openForm1());
    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
    auto *save = get<XPButtonX>(QStringLiteral("CMBSimpan"));
    QVERIFY(save);

    displayinput::BoxAnswerer answerer;
    pressEnter(save);
    QTRY_COMPARE(answerer.count(), 1);
    QTest::qWait(kSettleMs);
    QCOMPARE(answerer.count(), 1);
    QVERIFY(answerer.texts().first().startsWith(kSavedPrefix));

    // The reports this test wrote lie beside the test program; none is left behind.
    const QDir folder(QCoreApplication::applicationDirPath());
    for (const QFileInfo &file : folder.entryInfoList({QStringLiteral("Quorvel_*.txt")}, QDir::Files)) {
        if (file.lastModified() >= started)
            QFile::remove(file.filePath());
    }
}

void DesktopInputTest::sistemInfoByEnterShowsOneMessage()
{
    QPointer<frmAbout> box = frmAbout::showInstance();
    box->setRegistry(std::make_shared<platform::MemoryRegistry>());   // nothing registered
    QVERIFY(QTest::qWaitForWindowActive(box.data()));
    auto *info = box->findChild<XPButtonX *>(QStringLiteral("XPButtonX2"));
    QVERIFY(info);

    displayinput::BoxAnswerer answerer;
    pressEnter(info);
    QTRY_COMPARE(answerer.count(), 1);
    QTest::qWait(kSettleMs);
    QCOMPARE(answerer.texts(), QStringList{kUnavailable});
    QVERIFY(box);
}

void DesktopInputTest::closingTheText9NoticeByEnterStartsNothing()
{
    QVERIFY(openForm1());
    typeWorkedExample();
    auto *proses = get<XPButtonX>(QStringLiteral("XPButton1"));
    QSignalSpy clicks(proses, &XPButtonX::Click);
    proses->setFocus();
    QTest::keyClick(proses, Qt::Key_Return);   // a run started with Enter, without messages
    QCOMPARE(clicks.count(), 1);

    displayinput::BoxAnswerer answerer;
    auto *text9 = get<QLineEdit>(QStringLiteral("Text9"));
    text9->setFocus();
    // The release of this Enter reaches the notice, which is open by then.
    displayinput::queueKey(QEvent::KeyRelease, Qt::Key_Return);
    QTest::keyPress(text9, Qt::Key_Return);
    QCOMPARE(answerer.count(), 1);
    QTest::qWait(kSettleMs);
    QCOMPARE(answerer.count(), 1);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(m_form->focusWidget(), proses);
}

void DesktopInputTest::releaseWithoutItsPressDoesNotClick()
{
    QVERIFY(openForm1());
    auto *reset = get<XPButtonX>(QStringLiteral("XPButton2"));
    QSignalSpy clicks(reset, &XPButtonX::Click);
    reset->setFocus();

    // A press that another window took in between is no longer the button's.
    QTest::keyPress(reset, Qt::Key_Space);
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    other.close();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QTest::keyRelease(reset, Qt::Key_Space);
    QCOMPARE(clicks.count(), 0);

    // A release on its own, and a second release of a used press, click nothing either.
    QTest::keyRelease(reset, Qt::Key_Return);
    QTest::keyClick(reset, Qt::Key_Return);
    QTest::keyRelease(reset, Qt::Key_Return);
    QCOMPARE(clicks.count(), 1);
}

// --- composed text and the Enter chain --------------------------------------------------------

void DesktopInputTest::composedTextGoesThroughTheKeyFilter()
{
    testsupport::MessageRecorder messages;
    QVERIFY(openForm1());
    auto *text1 = get<QLineEdit>(QStringLiteral("Text1"));
    text1->setFocus();
    text1->selectAll();

    commit(text1, QStringLiteral("é"));
    QCOMPARE(text1->text(), QStringLiteral("0"));
    QCOMPARE(messages.texts(), QStringList{kWarning});
    QCOMPARE(messages.messages().first().title, QStringLiteral("Warning"));

    // Digits pass as typed ones do; the first refused character ends the commit.
    messages.clear();
    text1->selectAll();
    commit(text1, QStringLiteral("12"));
    QCOMPARE(text1->text(), QStringLiteral("12"));
    commit(text1, QStringLiteral("3٣4"));
    QCOMPARE(text1->text(), QStringLiteral("123"));
    QCOMPARE(messages.texts(), QStringList{kWarning});
    commit(text1, QStringLiteral("456"));   // a box holds four characters at most
    QCOMPARE(text1->text(), QStringLiteral("1234"));
}

void DesktopInputTest::resultBoxesTakeNoComposedText()
{
    testsupport::MessageRecorder messages;
    QVERIFY(openForm1());
    for (const QString &name : {QStringLiteral("HasilAWT"), QStringLiteral("HasilATT")}) {
        messages.clear();
        auto *result = get<QLineEdit>(name);
        const QString before = result->text();
        result->setFocus();
        result->end(false);
        QVERIFY(!result->testAttribute(Qt::WA_InputMethodEnabled));
        compose(result, QStringLiteral("e"));
        commit(result, QStringLiteral("é"));
        QCOMPARE(result->text(), before);
        QCOMPARE(messages.texts(), QStringList{kResultNotice});
    }
}

void DesktopInputTest::enterSelectsTheBoxItMovesTo()
{
    testsupport::MessageRecorder messages;
    QVERIFY(openForm1());
    auto *text1 = get<QLineEdit>(QStringLiteral("Text1"));
    auto *text2 = get<QLineEdit>(QStringLiteral("Text2"));
    text2->setText(QStringLiteral("1234"));
    text1->setFocus();
    QTest::keyClick(text1, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), text2);
    QTest::keyClicks(text2, QStringLiteral("56"));
    QCOMPARE(text2->text(), QStringLiteral("56"));

    // Typing the worked example along the chain gives the numbers, not "01", "02", ...
    text1->setFocus();
    text1->selectAll();
    for (const char *digits : {"0", "1", "2", "3", "4"}) {
        QWidget *box = QApplication::focusWidget();
        QTest::keyClicks(box, QLatin1String(digits));
        QTest::keyClick(box, Qt::Key_Return);
    }
    QCOMPARE(text1->text(), QStringLiteral("0"));
    QCOMPARE(text2->text(), QStringLiteral("1"));
    QCOMPARE(get<QLineEdit>(QStringLiteral("Text10"))->text(), QStringLiteral("4"));
    QVERIFY(messages.messages().isEmpty());
}

void DesktopInputTest::refusedScheduleSelectsText1()
{
    testsupport::MessageRecorder messages;
    QVERIFY(openForm1());
    typeWorkedExample();
    auto *text1 = get<QLineEdit>(QStringLiteral("Text1"));
    text1->setText(QStringLiteral("5"));
    m_form->Command1_Click();
    QCOMPARE(messages.messages().size(), 1);
    QCOMPARE(QApplication::focusWidget(), text1);
    QTest::keyClick(text1, Qt::Key_0);
    QCOMPARE(text1->text(), QStringLiteral("0"));
}

void DesktopInputTest::pushButtonsRunTheirCommandOnEnter()
{
    testsupport::MessageRecorder messages;
    QVERIFY(openForm1());
    typeWorkedExample();
    auto *command1 = get<QPushButton>(QStringLiteral("Command1"));
    command1->setFocus();
    QTest::keyClick(command1, Qt::Key_Return);
    QCOMPARE(get<QLineEdit>(QStringLiteral("HasilAWT"))->text(), QStringLiteral("41/5 = 8.2 satuan waktu"));

    auto *command3 = get<QPushButton>(QStringLiteral("Command3"));
    command3->setFocus();
    QTest::keyClick(command3, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(get<QLineEdit>(QStringLiteral("Text9"))->text(), QStringLiteral("0"));
    QCOMPARE(get<QLineEdit>(QStringLiteral("HasilAWT"))->text(), QStringLiteral("0/5 = 0 satuan waktu"));
}

QUORVEL_TEST_MAIN(DesktopInputTest)
#include "tst_desktopinput.moc"
