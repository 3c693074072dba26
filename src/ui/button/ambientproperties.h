#pragma once

#include <QFont>
#include <QString>

#include <cstdint>

// What the container tells a button about itself: the font and fore colour a button takes when
// nothing else is stored, and the name the container gave the button.
struct AmbientProperties {
    QFont font;
    std::uint32_t foreColor = 0x80000012; // the system's button-text colour
    QString displayName;
};
