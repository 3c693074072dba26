#pragma once

#include <QColor>
#include <QString>

#include <string_view>

// The units the windows' layout tables and stored button properties are written in: positions
// and sizes in twips (1/1440 inch), colours as red-green-blue triples, texts as string views.
// At the 96 dpi the program runs at, 15 twips are one pixel.
namespace formunits {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

inline constexpr int kTwipsPerPixel = 15;

// To the nearest pixel, halves away from zero: a few designer positions and stored button
// sizes are not whole pixels.
constexpr int toPixels(double twips)
{
    const double pixels = twips / kTwipsPerPixel;
    return pixels < 0 ? -static_cast<int>(-pixels + 0.5) : static_cast<int>(pixels + 0.5);
}

inline QColor toQColor(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace formunits
