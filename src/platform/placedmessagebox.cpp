#include "platform/placedmessagebox.h"

#include "platform/framecentring.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QShowEvent>

namespace {

// The widest a box grows for a text on one line, as a share of the screen's width.
constexpr int kMaxWidthNumerator = 3;
constexpr int kMaxWidthDenominator = 4;

} // namespace

PlacedMessageBox::PlacedMessageBox(Icon icon, const QString &title, const QString &text, QWidget *parent)
    : QMessageBox(icon, title, text, QMessageBox::Ok, parent)
{
}

QWidget *PlacedMessageBox::anchorFor(QWidget *parent)
{
    if (parent && parent->window()->isVisible())
        return parent->window();
    if (QWidget *active = QApplication::activeWindow())
        return active;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowType() != Qt::Popup
            && window->windowType() != Qt::ToolTip && !qobject_cast<QMessageBox *>(window))
            return window;
    }
    return nullptr;
}

bool PlacedMessageBox::event(QEvent *event)
{
    const bool handled = QMessageBox::event(event);
    // QMessageBox sizes itself again on every layout request, wrapping the text once more.
    if (event->type() == QEvent::LayoutRequest && isVisible())
        fitTextOnOneLine();
    return handled;
}

void PlacedMessageBox::showEvent(QShowEvent *event)
{
    QMessageBox::showEvent(event);
    fitTextOnOneLine();
    placeOverAnchor();
}

void PlacedMessageBox::fitTextOnOneLine()
{
    auto *label = findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    if (!label || !label->wordWrap() || text().contains(QLatin1Char('\n')))
        return;
    const QScreen *screen = this->screen();
    if (!screen)
        return;
    const int maxWidth = screen->availableGeometry().width() * kMaxWidthNumerator / kMaxWidthDenominator;
    // The rest of the box (icon, margins, spacing) keeps its width; the label grows.
    const int besideLabel = width() - label->width();
    const int needed = besideLabel + label->fontMetrics().horizontalAdvance(text()) + 2 * label->margin()
                       + 2 * label->frameWidth() + 1;
    if (needed > maxWidth)
        return;
    label->setWordWrap(false);
    layout()->activate();
    const QSize minimum = layout()->totalMinimumSize();
    const int boxWidth = qMax(minimum.width(), needed);
    const int boxHeight = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(boxWidth)
                                                       : minimum.height();
    setFixedSize(boxWidth, boxHeight);
    QCoreApplication::removePostedEvents(this, QEvent::LayoutRequest);
}

void PlacedMessageBox::placeOverAnchor()
{
    QRect area;
    if (const QWidget *anchor = anchorFor(parentWidget()); anchor && anchor != this)
        area = anchor->frameGeometry();
    else if (const QScreen *screen = this->screen())
        area = screen->availableGeometry();
    if (area.isValid())
        FrameCentring::centre(this, area);
}
