#pragma once

#include <QColor>
#include <QRect>

class QFont;
class QImage;
class QString;

// The button's drawing surface: the few raster operations its paint steps are made of, carried
// out directly on the persistent image with these pixel rules, for which the steps' coordinates
// are written:
//
// - A line leaves out its end point; a one-pixel line from (x, y) to (x, y + 1) sets only (x, y).
// - A thick line covers `thickness` rows (or columns) across its centre line, starting
//   thickness / 2 before it: width 2 adds the pixel on the left (or above), width 4 covers
//   c - 2 .. c + 1. So 4-pixel lines drawn 4 rows apart tile without gaps.
// - Nothing is antialiased, the caption included, so every pixel has one of the step colours.
// Everything outside the image is clipped.
//
// Coordinates are logical pixels. On a dense screen the image has the screen's device pixel
// ratio and every logical pixel is the block of device pixels between the device positions of
// its edges (deviceEdge), so lines and fills stay solid, one colour, never blended with their
// neighbours; the caption is rendered at device resolution.
class ButtonCanvas {
public:
    explicit ButtonCanvas(QImage &image);

    // The device position of the logical pixel edge `edge` at `ratio`. Neighbouring logical
    // pixels share an edge, so their blocks tile without gaps or overlaps.
    static int deviceEdge(int edge, qreal ratio);
    // An image of `width` x `height` logical pixels at `ratio`, its content undefined; a null
    // image when either is not positive.
    static QImage makeSurface(int width, int height, qreal ratio);

    void clear(QRgb colour);
    void fillRect(const QRect &rect, QRgb colour);
    // The one-pixel outline of rect (columns left and right, rows top and bottom).
    void frameRect(const QRect &rect, QRgb colour);
    void line(int x1, int y1, int x2, int y2, QRgb colour, int thickness = 1);
    void pixel(int x, int y, QRgb colour);

    // Height of text laid out in rect with word-break and horizontal centring; draws nothing.
    int measureText(const QRect &rect, const QString &text, const QFont &font) const;
    // Draws text in rect with word-break and horizontal centring, from the rectangle's top.
    // "&x" underlines x, "&&" draws a single "&".
    void drawText(const QRect &rect, const QString &text, const QFont &font, QRgb colour);

    // The layout flags both text operations use.
    static int textFlags();
    // The font the caption is really rendered with: the given one, without antialiasing. On a
    // dense screen (ratio other than 1) only outline faces: a face of bitmap strikes has no
    // glyphs of the device size and would draw small glyphs spread over the logical advances.
    static QFont renderFont(const QFont &font, qreal ratio = 1.0);

private:
    void span(int x1, int x2, int y1, int y2, QRgb colour); // half-open logical x and y ranges
    void deviceSpan(int x1, int x2, int y1, int y2, QRgb colour); // the same in device pixels

    QImage &m_image;
    uchar *m_bits = nullptr;
    qsizetype m_stride = 0;
    int m_width = 0;  // device pixels
    int m_height = 0;
    qreal m_ratio = 1.0;
};
