#include "common/testsupport.h"

#include "ui/button/xpbuttonx.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>

#include <memory>

namespace testsupport {

MessageRecorder::MessageRecorder()
{
    platform::setMessageHook([this](const platform::MessageRequest &request) {
        m_messages.append(request);
        if (m_reaction)
            m_reaction(request);
    });
}

MessageRecorder::~MessageRecorder()
{
    platform::setMessageHook({});
}

void MessageRecorder::onMessage(std::function<void(const platform::MessageRequest &)> reaction)
{
    m_reaction = std::move(reaction);
}

QStringList MessageRecorder::texts() const
{
    QStringList result;
    for (const auto &message : m_messages)
        result.append(message.text);
    return result;
}

void click(const QWidget *window, const char *name)
{
    auto *button = control<XPButtonX>(window, name);
    QVERIFY2(button->isVisible(), name);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

void typeIntoCell(QAbstractItemView *view, const QModelIndex &cell, const QString &text)
{
    view->setFocus();
    view->setCurrentIndex(cell);
    QTest::keyClick(view, Qt::Key_F2);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY2(editor, "no editor opened on F2");
    editor->selectAll();
    if (text.isEmpty())
        QTest::keyClick(editor, Qt::Key_Delete);
    else
        QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
}

void installModalWatchdog()
{
    // A modal dialog left open by a test would block QTest forever; a box that has been open
    // through two looks ten seconds apart is a test failure, so it is reported and closed. (The
    // wait is long enough for a box a loaded sanitizer build answers late.)
    auto *timer = new QTimer(qApp);
    timer->setInterval(10000);
    auto seen = std::make_shared<QWidget *>(nullptr);
    QObject::connect(timer, &QTimer::timeout, qApp, [seen] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal == *seen) {
            qWarning("watchdog: stray modal dialog '%s' (%s) closed",
                     qPrintable(modal->windowTitle()), modal->metaObject()->className());
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            else
                modal->close();
            *seen = nullptr;
            QTest::qFail("a modal dialog was left open", __FILE__, __LINE__);
            return;
        }
        *seen = modal;
    });
    timer->start();
}

int runQtTest(int argc, char **argv, QObject *testObject)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Logical pixels as the layout tables give them, whatever the test machine's screen says.
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true);
    QApplication app(argc, argv);
    installModalWatchdog();
    return QTest::qExec(testObject, argc, argv);
}

} // namespace testsupport
