#pragma once

#include "common/testsupport.h"
#include "ui/main/form1.h"

#include <QLineEdit>

#include <memory>

// The main window as every test of it begins: shown and active, with a recorder in place of
// the message boxes. The recorder comes first so that nothing the window does reaches a real
// box. A test class derives from this, opens the window in init() and closes it in cleanup().
class ShownForm1 {
protected:
    // True once the window is the active one.
    bool openForm()
    {
        m_messages = std::make_unique<testsupport::MessageRecorder>();
        m_form = std::make_unique<Form1>();
        m_form->show();
        return QTest::qWaitForWindowActive(m_form.get());
    }

    void closeForm()
    {
        m_form.reset();
        m_messages.reset();
    }

    // A control by objectName. A missing one ends the run: every later step would only fail
    // less clearly.
    template <typename T = QWidget>
    T *get(const QString &name) const
    {
        T *widget = m_form->findChild<T *>(name);
        if (!widget)
            qFatal("control %s not found", qPrintable(name));
        return widget;
    }
    QLineEdit *box(const QString &name) const { return get<QLineEdit>(name); }

    std::unique_ptr<Form1> m_form;
    std::unique_ptr<testsupport::MessageRecorder> m_messages;
};
