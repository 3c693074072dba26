#pragma once

#include "platform/messagebox.h"

#include <QApplication>
#include <QList>
#include <QModelIndex>
#include <QTest>
#include <QWidget>

#include <functional>

class QAbstractItemView;

namespace testsupport {

// Replaces the real message box for as long as it lives and records every message shown.
// An optional reaction runs inside the "modal" call, where a real box would block, so a test
// can look at the window exactly as the user would see it behind the box.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    void onMessage(std::function<void(const platform::MessageRequest &)> reaction);
    const QList<platform::MessageRequest> &messages() const { return m_messages; }
    QStringList texts() const;
    void clear() { m_messages.clear(); }

private:
    QList<platform::MessageRequest> m_messages;
    std::function<void(const platform::MessageRequest &)> m_reaction;
};

// The control called name in window, of type T. A test cannot go on without it, so a missing
// control ends the test program with the control's name.
template <typename T = QWidget>
T *control(const QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// Clicks the drawn button (XPButtonX) called name in window where a user would, in its middle;
// the button must be on show.
void click(const QWidget *window, const char *name);

// Types into a table's cell as a user does: F2, the text over what was there (Delete for no
// text), Enter. The view takes the text from its editor once the event loop runs again.
void typeIntoCell(QAbstractItemView *view, const QModelIndex &cell, const QString &text);

// The program's top-level windows of type T, in the order Qt lists them.
template <typename T>
QList<T *> topLevels()
{
    QList<T *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<T *>(widget))
            windows.append(window);
    }
    return windows;
}

// Fails the running test if a modal dialog stays open, and closes it, instead of hanging.
void installModalWatchdog();

// Runs a Qt Test object the way every widget test here does: offscreen unless the caller
// chose a platform, with the modal-dialog watchdog in place.
int runQtTest(int argc, char **argv, QObject *testObject);

} // namespace testsupport

#define QUORVEL_TEST_MAIN(TestClass)                                   \
    int main(int argc, char **argv)                                   \
    {                                                                 \
        TestClass test;                                               \
        return testsupport::runQtTest(argc, argv, &test);             \
    }
