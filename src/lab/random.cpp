#include "lab/random.h"

#include <stdexcept>

namespace lab {

std::uint64_t Random::next()
{
    // SplitMix64 (Steele, Lea and Flood), with its published constants.
    m_state += 0x9e3779b97f4a7c15ULL;
    std::uint64_t z = m_state;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

std::int64_t Random::between(std::int64_t low, std::int64_t high)
{
    if (low > high)
        throw std::invalid_argument("Random::between: low above high");
    const std::uint64_t range = static_cast<std::uint64_t>(high) - static_cast<std::uint64_t>(low) + 1;
    if (range == 0)   // the whole 64-bit range
        return static_cast<std::int64_t>(next());
    // Draws above the last whole multiple of the range are drawn again, so that every value is
    // equally likely.
    const std::uint64_t limit = UINT64_MAX - UINT64_MAX % range;
    std::uint64_t draw = next();
    while (draw >= limit)
        draw = next();
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(low) + draw % range);
}

Workload randomWorkload(std::uint64_t start, const RandomShape &shape)
{
    Random random(start);
    Workload workload;
    workload.reserve(shape.count);
    for (std::size_t i = 0; i < shape.count; ++i) {
        Process process;
        process.name = 'P';
        process.name += std::to_string(i + 1);
        process.arrival = random.between(0, shape.maxArrival);
        process.burst = random.between(shape.minBurst, shape.maxBurst);
        process.priority = random.between(0, shape.maxPriority);
        workload.push_back(std::move(process));
    }
    return workload;
}

} // namespace lab
