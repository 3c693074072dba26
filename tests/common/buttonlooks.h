#pragma once

#include "ui/button/ambientproperties.h"
#include "ui/button/xpbuttonx.h"

#include <QApplication>
#include <QCursor>
#include <QFocusEvent>
#include <QMouseEvent>

#include <cstdint>

// The button in each of its looks, for the pictures and the benchmarks that show or paint them.
// Every look comes from the state changes that cause it, not from setting members directly.
namespace testsupport {

enum class Look { Normal, Focused, Hover, Pressed, Disabled };

// A new "&Proses" button as the main window's container would create it: Verdana 8.25 pt,
// red while hovered.
inline XPButtonX *addProsesButton(QWidget *window, const QRect &geometry, std::uint32_t foreColor)
{
    auto *button = new XPButtonX(window);
    AmbientProperties ambient;
    ambient.font = QFont(QStringLiteral("Verdana"));
    ambient.font.setPointSizeF(8.25);
    ambient.displayName = QStringLiteral("XPButton1");
    button->InitProperties(ambient);
    button->setGeometry(geometry);
    button->setCaption(QStringLiteral("&Proses"));
    button->setForeColor(foreColor);
    button->setForeHover(255);
    return button;
}

// Brings a shown button into the look: focus for the focused and the pressed look, the pointer
// moved onto it for the hover look, the Enabled property off for the disabled one. Being pressed
// is only an argument of PaintButton, so that paint is left to the caller.
inline void bringIntoLook(XPButtonX *button, Look look)
{
    if (look == Look::Focused || look == Look::Pressed) {
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(button, &in);
    }
    if (look == Look::Hover) {
        const QPoint local(40, 12);
        QCursor::setPos(button->mapToGlobal(local));
        QMouseEvent move(QEvent::MouseMove, QPointF(local), QPointF(button->mapToGlobal(local)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(button, &move);
    }
    if (look == Look::Disabled)
        button->setEnabledProperty(0);
}

} // namespace testsupport
