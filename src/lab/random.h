#pragma once

#include "lab/workload.h"

#include <cstdint>

namespace lab {

// A small generator with a fixed algorithm (SplitMix64), so that a seed gives the same numbers
// on every machine and with every standard library: the standard distributions are not used.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}

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

// A workload named P1, P2, ... in the list order, with arrivals, bursts and priorities drawn
// from the seed. The same seed and shape give the same workload everywhere.
Workload randomWorkload(std::uint64_t seed, const RandomShape &shape = {});

} // namespace lab
