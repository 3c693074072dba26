#include "engine/processset.h"
#include "engine/sjfchoice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

using engine::ProcessSet;
using Order = std::vector<int>;
using Bursts = std::array<double, 4>;   // P2..P5

namespace {

ProcessSet withBursts(const Bursts &bursts)
{
    ProcessSet set;
    for (int k = 2; k <= 5; ++k)
        set.setBurst(k, bursts[k - 2]);
    return set;
}

Order chosenOrder(const Bursts &bursts)
{
    ProcessSet set = withBursts(bursts);
    Order order;
    engine::forEachShortestFirst(set, [&](int k) { order.push_back(k); });
    return order;
}

// The choice as the passes have always made it, without any tie rule: four passes over
// P2..P5, a process goes when it is strictly shorter than each of the other three, and is
// then marked with 10000.
Order strictPassOrder(Bursts working)
{
    Order order;
    for (int pass = 0; pass < 4; ++pass) {
        for (int k = 0; k < 4; ++k) {
            bool shortest = true;
            for (int j = 0; j < 4; ++j) {
                if (j != k && !(working[k] < working[j]))
                    shortest = false;
            }
            if (shortest) {
                order.push_back(k + 2);
                working[k] = 10000;
            }
        }
    }
    return order;
}

// Shortest first, lowest index first among equals.
Order stableOrder(const Bursts &bursts)
{
    Order order = {2, 3, 4, 5};
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return bursts[a - 2] < bursts[b - 2]; });
    return order;
}

TEST(ShortestFirst, DifferentBurstsGiveExactlyThePassOrder)
{
    // Every arrangement of four different values out of 1..7.
    int compared = 0;
    for (int a = 1; a <= 7; ++a)
        for (int b = 1; b <= 7; ++b)
            for (int c = 1; c <= 7; ++c)
                for (int d = 1; d <= 7; ++d) {
                    const Bursts bursts = {double(a), double(b), double(c), double(d)};
                    if (a == b || a == c || a == d || b == c || b == d || c == d)
                        continue;
                    const Order expected = strictPassOrder(bursts);
                    ASSERT_EQ(expected.size(), 4u);
                    ASSERT_EQ(chosenOrder(bursts), expected) << a << b << c << d;
                    ++compared;
                }
    EXPECT_EQ(compared, 7 * 6 * 5 * 4);
    // Values the boxes can hold, including the largest one.
    for (const Bursts &bursts : {Bursts{9999, 0, 9998, 1}, Bursts{0.5, 0.25, 9999, 3}})
        EXPECT_EQ(chosenOrder(bursts), strictPassOrder(bursts));
}

TEST(ShortestFirst, DescendingBurstsGoLastProcessFirst)
{
    EXPECT_EQ(chosenOrder({9, 7, 5, 3}), (Order{5, 4, 3, 2}));
    EXPECT_EQ(chosenOrder({3, 5, 7, 9}), (Order{2, 3, 4, 5}));
}

TEST(ShortestFirst, EqualBurstsAreEachPickedOnceLowestIndexFirst)
{
    // Every combination of the values 1..3, ties included.
    for (int a = 1; a <= 3; ++a)
        for (int b = 1; b <= 3; ++b)
            for (int c = 1; c <= 3; ++c)
                for (int d = 1; d <= 3; ++d) {
                    const Bursts bursts = {double(a), double(b), double(c), double(d)};
                    ASSERT_EQ(chosenOrder(bursts), stableOrder(bursts)) << a << b << c << d;
                }
    EXPECT_EQ(chosenOrder({4, 4, 4, 4}), (Order{2, 3, 4, 5}));
    EXPECT_EQ(chosenOrder({6, 2, 6, 2}), (Order{3, 5, 2, 4}));
}

TEST(ShortestFirst, BurstsOfTenThousandAndMoreAreStillPicked)
{
    EXPECT_EQ(chosenOrder({10000, 20000, 10000, 1}), (Order{5, 2, 4, 3}));
}

TEST(ShortestFirst, PickedProcessesAreMarkedAfterTheirStep)
{
    ProcessSet set = withBursts({3, 1, 2, 4});
    std::vector<std::string> seen;
    engine::forEachShortestFirst(set, [&](int k) {
        // At its own step the process still has its real burst time.
        seen.push_back(std::to_string(k) + ":" + std::to_string(int(set.burst(k))));
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"3:1", "4:2", "2:3", "5:4"}));
    for (int k = 2; k <= 5; ++k)
        EXPECT_EQ(set.burst(k), 10000.0) << k;
}

} // namespace
