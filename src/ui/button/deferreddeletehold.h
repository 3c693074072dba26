#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

// Keeps a widget and the windows around it alive while the widget yields to pending events
// from inside one of its own event handlers. A window closed during the yield (a release that
// clicks "&Cancel", say) asks to be deleted later; Qt would honour that as soon as the yield
// returns to its own level, that is before the handler that yielded has finished with the
// widget. The hold takes such requests over and carries them out once the handler's own event
// has ended.
class DeferredDeleteHold : public QObject {
public:
    explicit DeferredDeleteHold(QWidget *widget);
    ~DeferredDeleteHold() override;
    DeferredDeleteHold(const DeferredDeleteHold &) = delete;
    DeferredDeleteHold &operator=(const DeferredDeleteHold &) = delete;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool holds(const QObject *object) const;

    QPointer<QWidget> m_widget;
    QList<QPointer<QObject>> m_held;
};
