#pragma once

#include <cmath>

// Nearest whole number, a value exactly halfway going to the even neighbour (2.5 -> 2,
// 5.5 -> 6, -0.5 -> 0), whatever rounding mode the floating-point unit is in.
inline int roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction < 0.5)
        return static_cast<int>(floor);
    if (fraction > 0.5)
        return static_cast<int>(floor) + 1;
    return std::fmod(floor, 2.0) == 0.0 ? static_cast<int>(floor) : static_cast<int>(floor) + 1;
}
