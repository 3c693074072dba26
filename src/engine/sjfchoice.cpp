#include "engine/sjfchoice.h"

#include "engine/processset.h"

#include <array>

namespace engine {

namespace {

constexpr int kPasses = 4;
constexpr double kDoneBurst = 10000;

} // namespace

void forEachShortestFirst(ProcessSet &working, const std::function<void(int)> &step)
{
    std::array<bool, 6> picked{};   // by process number, 2..5 used

    // Pk comes first when no other unpicked Pj is shorter, or as short with a lower index.
    // A picked process is left out by its flag rather than by its 10000, so a burst time of
    // 10000 or more typed into a box cannot keep a process from being picked.
    const auto comesFirst = [&](int k) {
        for (int j = 2; j <= 5; ++j) {
            if (j == k || picked[j])
                continue;
            const double mine = working.burst(k);
            const double other = working.burst(j);
            if (!(mine < other || (mine == other && k < j)))
                return false;
        }
        return true;
    };

    for (int pass = 0; pass < kPasses; ++pass) {
        for (int k = 2; k <= 5; ++k) {
            if (picked[k] || !comesFirst(k))
                continue;
            picked[k] = true;
            step(k);
            working.setBurst(k, kDoneBurst);
        }
    }
}

} // namespace engine
