#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace engine {

// The texts of the ten input boxes, by process: arrival from Text1, Text2, Text3, Text4,
// Text10 and burst from Text5, Text6, Text7, Text8, Text9 for P1..P5.
struct BoxTexts {
    std::array<std::string, 5> arrival;
    std::array<std::string, 5> burst;
};

// The five processes as read from the boxes. P1..P4 hold doubles; P5 holds its arrival as a
// 16-bit whole number and its burst as a single-precision number, as the boxes are read.
class ProcessSet {
public:
    ProcessSet() = default;

    // Reads the boxes; throws RuntimeError (overflow) when Text10's number does not fit 16 bits
    // or a text's number does not fit its type.
    static ProcessSet read(const BoxTexts &boxes);

    // i = 1..5
    double arrival(int i) const;
    double burst(int i) const;
    void setBurst(int i, double value);

private:
    std::array<double, 4> m_arrival{};   // P1..P4
    std::array<double, 4> m_burst{};     // P1..P4
    std::int16_t m_arrival5 = 0;
    float m_burst5 = 0.0f;
};

} // namespace engine
