#include "ui/button/deferreddeletehold.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

DeferredDeleteHold::DeferredDeleteHold(QWidget *widget)
    : m_widget(widget)
{
    qApp->installEventFilter(this);
}

DeferredDeleteHold::~DeferredDeleteHold()
{
    qApp->removeEventFilter(this);
    for (const QPointer<QObject> &held : std::as_const(m_held)) {
        if (!held)
            continue;
        // The held object has already asked once, and Qt may drop a second request of the
        // same object as a duplicate, so a fresh stand-in carries the request:
        // Qt deletes it at the right time (when control is back in the event loop this
        // handler was called from), and its end deletes the held object.
        auto *standIn = new QObject;
        QObject::connect(standIn, &QObject::destroyed, [target = held] { delete target.data(); });
        standIn->deleteLater();
    }
}

bool DeferredDeleteHold::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::DeferredDelete || !holds(watched))
        return QObject::eventFilter(watched, event);
    if (!m_held.contains(watched))
        m_held.append(watched);
    return true;
}

// The widget itself and every object that owns it.
bool DeferredDeleteHold::holds(const QObject *object) const
{
    for (const QObject *owner = m_widget.data(); owner; owner = owner->parent()) {
        if (owner == object)
            return true;
    }
    return false;
}
