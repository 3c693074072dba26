#pragma once

#include <functional>

namespace engine {

class ProcessSet;

// Picks P2..P5 one after another, shortest working burst time first, and calls step(k) for
// each picked Pk. The choice runs four passes; each pass examines P2, P3, P4, P5 in this order
// and picks Pk when it is not yet picked and comes first among the unpicked ones: a smaller
// working burst time than every other, or an equal one and a lower index. After its step a
// picked process's working burst time is set to 10000 (one more than a box can hold).
//
// With all burst times different, each pass picks the process whose burst time is strictly
// smaller than each of the other unpicked ones; the index rule only adds an order for equal
// burst times, without which a tied process (and every longer one) would never be picked.
// Every one of P2..P5 is picked exactly once.
void forEachShortestFirst(ProcessSet &working, const std::function<void(int)> &step);

} // namespace engine
