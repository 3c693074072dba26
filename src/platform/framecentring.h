#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>

class QWidget;

// Centres a top-level window by its whole frame, title bar and borders included, not by its
// client area. A window manager frames a window only after it is shown, so until then the
// frame of the windows already on screen stands in for it; once the window's own frame is
// known and the window is not where it should be, it is placed once more.
class FrameCentring : public QObject {
public:
    // Centres the window's frame on area (global coordinates), now if it is shown, else when it
    // is. The client size is the window's own unless given.
    static void centre(QWidget *window, const QRect &area, QSize client = {});
    // The same, but a frame larger than the area keeps its top-left corner inside the area, so
    // that its title bar (and the menu under it) can be reached.
    static void centreInside(QWidget *window, const QRect &area, QSize client = {});

    // The top-left corner of the frame that centres a frame of these margins around a client
    // area of this size on area.
    static QPoint framePosition(QSize client, const QMargins &frame, const QRect &area);
    // framePosition, its top-left corner kept inside the area.
    static QPoint framePositionInside(QSize client, const QMargins &frame, const QRect &area);

    // The window's frame when known, else that of another shown window, else none.
    static QMargins expectedFrameMargins(const QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FrameCentring(QWidget *window, const QRect &area, QSize client, bool inside);
    static void place(QWidget *window, const QRect &area, QSize client, bool inside);
    QPoint position(QSize client, const QMargins &frame) const;
    QSize clientSize() const;
    void placeShownWindow();
    void lookForFrame();

    QPointer<QWidget> m_window;
    QRect m_area;
    QSize m_client;
    bool m_inside = false;
};
