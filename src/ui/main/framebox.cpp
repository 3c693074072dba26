#include "ui/main/framebox.h"

#include "ui/main/form1layout.h"

#include <QPainter>

using formunits::toQColor;

FrameBox::FrameBox(const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent)
{
}

QRect FrameBox::captionRect() const
{
    const QFontMetrics metrics(font());
    const int width = metrics.horizontalAdvance(title()) + 2 * form1layout::kFrameCaptionPadding;
    return QRect(form1layout::kFrameCaptionIndent, 0, width, metrics.height());
}

QRect FrameBox::borderRect() const
{
    const int top = QFontMetrics(font()).height() / 2;
    // The highlight line runs one pixel inside the shadow line, to the right and below it.
    return QRect(0, top, width() - 1, height() - top - 1);
}

void FrameBox::paintEvent(QPaintEvent *)
{
    // The inside is the background the widget already filled with the window colour.
    QPainter painter(this);
    drawBorder(painter);
    drawCaption(painter);
}

void FrameBox::drawBorder(QPainter &painter) const
{
    const QRect shadow = borderRect().adjusted(0, 0, -1, -1);
    painter.setPen(toQColor(form1layout::kFrameHighlight));
    painter.drawRect(shadow.translated(1, 1));
    painter.setPen(toQColor(form1layout::kFrameShadow));
    painter.drawRect(shadow);
}

void FrameBox::drawCaption(QPainter &painter) const
{
    if (title().isEmpty())
        return;
    const QRect caption = captionRect();
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, title());
}
