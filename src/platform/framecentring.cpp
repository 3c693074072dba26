#include "platform/framecentring.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

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

QPoint FrameCentring::framePositionInside(QSize client, const QMargins &frame, const QRect &area)
{
    const QPoint centred = framePosition(client, frame, area);
    return QPoint(std::max(centred.x(), area.left()), std::max(centred.y(), area.top()));
}

QPoint FrameCentring::position(QSize client, const QMargins &frame) const
{
    return m_inside ? framePositionInside(client, frame, m_area) : framePosition(client, frame, m_area);
}

void FrameCentring::centre(QWidget *window, const QRect &area, QSize client)
{
    place(window, area, client, false);
}

void FrameCentring::centreInside(QWidget *window, const QRect &area, QSize client)
{
    place(window, area, client, true);
}

void FrameCentring::place(QWidget *window, const QRect &area, QSize client, bool inside)
{
    auto *placement = new FrameCentring(window, area, client, inside);
    if (window->isVisible())
        placement->placeShownWindow();
    else
        window->installEventFilter(placement);   // placed when it is shown
}

FrameCentring::FrameCentring(QWidget *window, const QRect &area, QSize client, bool inside)
    : QObject(window), m_window(window), m_area(area), m_client(client), m_inside(inside)
{
    // A window that is never shown takes the place of its size now.
    m_window->move(position(clientSize(), expectedFrameMargins(window)));
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
        m_window->move(position(clientSize(), own));
        deleteLater();
        return;
    }
    // Until the window has a frame, the position it is given is that of its client area (the
    // window manager puts the frame around it), so the expected frame is allowed for here and
    // the result checked once the real frame is there.
    const QMargins assumed = expectedFrameMargins(m_window);
    m_window->move(position(clientSize(), assumed) + QPoint(assumed.left(), assumed.top()));
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
    const QPoint wanted = position(m_window->size(), frame);
    if (m_window->windowHandle()->framePosition() != wanted)
        m_window->move(wanted);
    deleteLater();
}
