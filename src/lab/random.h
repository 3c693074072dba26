#pragma once

#include "lab/workload.h"

#include <cstdint>

namespace lab {

// Random numbers that are the same on every machine and with every standard library: the
// generator and the drawing of ranges are both written out here, where the standard library's
// distributions may differ from one library to the next.
class Random {
public:
    explicit Random(std::uint64_t start) : m_state(start) {}

    std::uint64_t next();
    // A whole number from low to high, both included (low <= high), without modulo bias.
    std::int64_t between(std::int64_t low, std::int64_t high);

private:
    std::uint64_t m_state;
};

// The ranges of a random workload.
struct RandomShape {
    std::size_t count = 5;
    Time maxArrival = 10;
    Time minBurst = 1;
    Time maxBurst = 10;
    Time maxPriority = 5;   // priorities from 0 to this
};

// `shape.count` processes called P1, P2, ... in order, each with an arrival, a burst and a
// priority drawn within the shape's ranges by a Random started at `start`; so one start value
// and shape always make one workload.
Workload randomWorkload(std::uint64_t start, const RandomShape &shape = {});

} // namespace lab
