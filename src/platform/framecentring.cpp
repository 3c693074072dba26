#include "platform/framecentring.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// A window manager frames a new window within a few frames of its mapping; no event tells the
// widget when (the client area does not move), so the frame is looked for at this pace, and
// the window keeps the place it was given if none has come within the wait.
constexpr int kFrameLookMs = 20;
constexpr int kFrameWaitMs = 3000;

// What the window system reports of the window's frame, nothing before it has one.
QMargins frameMarginsOf(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    return handle && window->isVisible() ? handle->frameMargins() : QMargins();
}

} // namespace

QPoint FrameCentring::framePosition(QSize client, const QMargins &frame, const QRect &area)
{
    QRect outer(QPoint(), client.grownBy(frame));
    outer.moveCenter(area.center());
    return outer.topLeft();
}

QMargins FrameCentring::expectedFrameMargins(const QWidget *window)
{
    const QMargins own = frameMarginsOf(window);
    if (!own.isNull())
        return own;
    for (const QWidget *other : QApplication::topLevelWidgets()) {
        if (other == window || other->isMinimized() || other->windowType() == Qt::Popup
            || other->windowType() == Qt::ToolTip)
            continue;
        const QMargins margins = frameMarginsOf(other);
        if (!margins.isNull())
            return margins;
    }
    return {};
}

void FrameCentring::centre(QWidget *window, const QRect &area, QSize client)
{
    auto *placement = new FrameCentring(window, area, client);
    if (window->isVisible())
        placement->placeShownWindow();
    else
        window->installEventFilter(placement);   // placed when it is shown
}

FrameCentring::FrameCentring(QWidget *window, const QRect &area, QSize client)
    : QObject(window), m_window(window), m_area(area), m_client(client)
{
    // A window that is never shown takes the place of its size now.
    m_window->move(framePosition(clientSize(), expectedFrameMargins(window), area));
}

QSize FrameCentring::clientSize() const
{
    return m_client.isValid() ? m_client : m_window->size();
}

bool FrameCentring::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Show) {
        m_window->removeEventFilter(this);
        placeShownWindow();
    }
    return QObject::eventFilter(watched, event);
}

void FrameCentring::placeShownWindow()
{
    const QMargins own = frameMarginsOf(m_window);
    if (!own.isNull()) {
        m_window->move(framePosition(clientSize(), own, m_area));
        deleteLater();
        return;
    }
    // Until the window has a frame, the position it is given is that of its client area (the
    // window manager puts the frame around it), so the expected frame is allowed for here and
    // the result checked once the real frame is there.
    const QMargins assumed = expectedFrameMargins(m_window);
    m_window->move(framePosition(clientSize(), assumed, m_area) + QPoint(assumed.left(), assumed.top()));
    auto *look = new QTimer(this);
    look->setInterval(kFrameLookMs);
    connect(look, &QTimer::timeout, this, &FrameCentring::lookForFrame);
    look->start();
    QTimer::singleShot(kFrameWaitMs, this, &QObject::deleteLater);
}

void FrameCentring::lookForFrame()
{
    const QMargins frame = frameMarginsOf(m_window);
    if (frame.isNull())
        return;
    // Framed now: placed again if the frame was not the one expected, and then left alone.
    const QPoint wanted = framePosition(m_window->size(), frame, m_area);
    if (m_window->windowHandle()->framePosition() != wanted)
        m_window->move(wanted);
    deleteLater();
}
