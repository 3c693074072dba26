#include "engine/processset.h"

#include "engine/numeric.h"
#include "engine/runtimeerror.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace engine {

namespace {

// The smallest magnitude that rounds to infinity in single precision: halfway between the
// largest float and 2^128. Anything below still rounds to a finite float.
constexpr double kSingleOverflow = 0x1.ffffffp127;

float toSingle(double value)
{
    if (!(std::fabs(value) < kSingleOverflow))
        throw RuntimeError::overflow();
    return static_cast<float>(value);
}

void checkIndex(int i)
{
    if (i < 1 || i > 5)
        throw std::out_of_range("process index " + std::to_string(i) + " outside 1..5");
}

} // namespace

ProcessSet ProcessSet::read(const BoxTexts &boxes)
{
    ProcessSet set;
    // Arrival boxes first (Text1..Text4, Text10), then the burst boxes (Text5..Text9), so a
    // failure comes from the same box as in the window's own reading order.
    for (int i = 0; i < 4; ++i)
        set.m_arrival[i] = numeric::leadingNumber(boxes.arrival[i]);
    set.m_arrival5 = numeric::toInt16(numeric::leadingNumber(boxes.arrival[4]));
    for (int i = 0; i < 4; ++i)
        set.m_burst[i] = numeric::leadingNumber(boxes.burst[i]);
    set.m_burst5 = toSingle(numeric::leadingNumber(boxes.burst[4]));
    return set;
}

double ProcessSet::arrival(int i) const
{
    checkIndex(i);
    return i == 5 ? double(m_arrival5) : m_arrival[i - 1];
}

double ProcessSet::burst(int i) const
{
    checkIndex(i);
    return i == 5 ? double(m_burst5) : m_burst[i - 1];
}

void ProcessSet::setBurst(int i, double value)
{
    checkIndex(i);
    if (i == 5)
        m_burst5 = toSingle(value);
    else
        m_burst[i - 1] = value;
}

} // namespace engine
