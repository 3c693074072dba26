#pragma once

#include "platform/messagebox.h"

#include <QList>
#include <QTest>

#include <functional>

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
