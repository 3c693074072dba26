#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

// Input as a display server hands it over: every event waits in the queue behind the ones
// before it, so a handler that yields to pending events sees the next ones arrive inside it,
// and a key goes to whatever holds the focus when its turn comes, not when it was typed.
namespace displayinput {

inline void queue(std::function<void()> action)
{
    QMetaObject::invokeMethod(qApp, std::move(action), Qt::QueuedConnection);
}

// A key press or release for the focus of its time (the active window when nothing has it).
inline void queueKey(QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    queue([type, key, modifiers] {
        QWidget *target = QApplication::focusWidget();
        if (!target)
            target = QApplication::activeWindow();
        if (!target)
            return;
        if (type == QEvent::KeyPress)
            QTest::keyPress(target, key, modifiers);
        else
            QTest::keyRelease(target, key, modifiers);
    });
}

// Whether input for the widget would reach it now: it still exists, and no modal window other
// than its own blocks it.
inline bool reachable(const QWidget *widget)
{
    const QWidget *modal = QApplication::activeModalWidget();
    return widget && (!modal || widget->window() == modal);
}

// Press, release, second press (Qt's double click) and release on a widget, as a fast double
// click queues them. Events a widget could not receive by their turn are dropped.
inline void queueDoubleClick(QWidget *widget, QPoint at)
{
    const QPointer<QWidget> target(widget);
    queue([target, at] { if (reachable(target)) QTest::mousePress(target, Qt::LeftButton, {}, at); });
    queue([target, at] { if (reachable(target)) QTest::mouseRelease(target, Qt::LeftButton, {}, at); });
    queue([target, at] { if (reachable(target)) QTest::mouseDClick(target, Qt::LeftButton, {}, at); });
    queue([target, at] { if (reachable(target)) QTest::mouseRelease(target, Qt::LeftButton, {}, at); });
}

// Answers real message boxes as a keyboard user does: each box that opens is counted and closed
// by a key press on it; the key's release is queued behind, for whatever has the focus once the
// box is gone. After `limit` boxes the rest are closed by Escape, so that a run that never ends
// still ends the test.
class BoxAnswerer : public QObject {
public:
    explicit BoxAnswerer(Qt::Key key = Qt::Key_Return, int limit = 12)
        : m_key(key), m_limit(limit)
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, &BoxAnswerer::answer);
        m_timer.start();
    }

    int count() const { return static_cast<int>(m_texts.size()); }
    const QStringList &texts() const { return m_texts; }

private:
    void answer()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box == m_lastBox)
            return;
        m_lastBox = box;
        m_texts.append(box->text());
        const Qt::Key key = count() > m_limit ? Qt::Key_Escape : m_key;
        const QPointer<QWidget> owner = box->parentWidget() ? box->parentWidget()->window() : nullptr;
        QWidget *target = QApplication::focusWidget();
        QTest::keyPress(target && target->window() == box ? target : box, key);
        // As a window manager does, the window the box belonged to gets the keyboard back
        // before the key comes up.
        if (owner && owner->isVisible() && !QApplication::activeModalWidget())
            QApplication::setActiveWindow(owner);
        queueKey(QEvent::KeyRelease, key);
    }

    Qt::Key m_key;
    int m_limit;
    QTimer m_timer;
    QPointer<QMessageBox> m_lastBox;
    QStringList m_texts;
};

} // namespace displayinput
