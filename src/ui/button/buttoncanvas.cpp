#include "ui/button/buttoncanvas.h"

#include "ui/button/captiontext.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <cstdlib>

ButtonCanvas::ButtonCanvas(QImage &image)
    : m_image(image)
    , m_bits(image.isNull() ? nullptr : image.bits())
    , m_stride(image.bytesPerLine())
    , m_width(image.width())
    , m_height(image.height())
    , m_ratio(image.isNull() ? 1.0 : image.devicePixelRatio())
{
}

int ButtonCanvas::deviceEdge(int edge, qreal ratio)
{
    return ratio == 1.0 ? edge : static_cast<int>(std::lround(edge * ratio));
}

QImage ButtonCanvas::makeSurface(int width, int height, qreal ratio)
{
    if (width <= 0 || height <= 0)
        return {};
    QImage image(deviceEdge(width, ratio), deviceEdge(height, ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    return image;
}

void ButtonCanvas::span(int x1, int x2, int y1, int y2, QRgb colour)
{
    if (m_ratio == 1.0) {
        deviceSpan(x1, x2, y1, y2, colour);
        return;
    }
    deviceSpan(deviceEdge(x1, m_ratio), deviceEdge(x2, m_ratio), deviceEdge(y1, m_ratio),
               deviceEdge(y2, m_ratio), colour);
}

void ButtonCanvas::deviceSpan(int x1, int x2, int y1, int y2, QRgb colour)
{
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, m_width);
    y2 = std::min(y2, m_height);
    if (!m_bits || x1 >= x2 || y1 >= y2)
        return;
    for (int y = y1; y < y2; ++y) {
        auto *row = reinterpret_cast<QRgb *>(m_bits + y * m_stride);
        std::fill(row + x1, row + x2, colour);
    }
}

void ButtonCanvas::clear(QRgb colour)
{
    deviceSpan(0, m_width, 0, m_height, colour);
}

void ButtonCanvas::fillRect(const QRect &rect, QRgb colour)
{
    span(rect.left(), rect.left() + rect.width(), rect.top(), rect.top() + rect.height(), colour);
}

void ButtonCanvas::frameRect(const QRect &rect, QRgb colour)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const int left = rect.left();
    const int top = rect.top();
    const int right = left + rect.width();   // exclusive
    const int bottom = top + rect.height();  // exclusive
    span(left, right, top, top + 1, colour);
    span(left, right, bottom - 1, bottom, colour);
    span(left, left + 1, top, bottom, colour);
    span(right - 1, right, top, bottom, colour);
}

void ButtonCanvas::pixel(int x, int y, QRgb colour)
{
    span(x, x + 1, y, y + 1, colour);
}

void ButtonCanvas::line(int x1, int y1, int x2, int y2, QRgb colour, int thickness)
{
    thickness = std::max(thickness, 1);
    const int before = thickness / 2;
    if (y1 == y2) {
        // Horizontal: x1 up to, not including, x2 (either direction).
        const int from = x1 <= x2 ? x1 : x2 + 1;
        const int to = x1 <= x2 ? x2 : x1 + 1;
        span(from, to, y1 - before, y1 - before + thickness, colour);
        return;
    }
    if (x1 == x2) {
        const int from = y1 <= y2 ? y1 : y2 + 1;
        const int to = y1 <= y2 ? y2 : y1 + 1;
        span(x1 - before, x1 - before + thickness, from, to, colour);
        return;
    }
    // Any other direction: Bresenham without the end point, a square brush for thick pens.
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    int x = x1;
    int y = y1;
    while (x != x2 || y != y2) {
        span(x - before, x - before + thickness, y - before, y - before + thickness, colour);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

int ButtonCanvas::textFlags()
{
    return Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic;
}

QFont ButtonCanvas::renderFont(const QFont &font, qreal ratio)
{
    QFont result(font);
    result.setStyleStrategy(ratio == 1.0 ? QFont::NoAntialias
                                         : QFont::StyleStrategy(QFont::NoAntialias | QFont::ForceOutline));
    return result;
}

int ButtonCanvas::measureText(const QRect &rect, const QString &text, const QFont &font) const
{
    // The height is whole lines of the font's height, whatever ink a line has, so that a caption
    // is centred the same way for every text; only the line breaking is left to the text
    // layout, which drawText shares.
    const QFont used = renderFont(font, m_ratio);
    const QFontMetrics metrics(used, &m_image);
    if (text.isEmpty())
        return 0;

    // Line breaks of the caption are the layout's own line separators.
    QString shown = captionWithoutMarkers(text);
    shown.replace(QLatin1Char('\n'), QChar(QChar::LineSeparator));

    QTextLayout layout(shown, used, const_cast<QImage *>(&m_image));
    QTextOption option(Qt::AlignHCenter);
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    int lines = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(rect.width());
        ++lines;
    }
    layout.endLayout();
    return std::max(lines, 1) * metrics.height();
}

void ButtonCanvas::drawText(const QRect &rect, const QString &text, const QFont &font,
                            QRgb colour)
{
    if (m_image.isNull() || text.isEmpty())
        return;
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(renderFont(font, m_ratio));
    painter.setPen(QColor::fromRgb(colour));
    painter.drawText(rect, textFlags(), text);
}
