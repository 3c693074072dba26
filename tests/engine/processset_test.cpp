#include "engine/processset.h"
#include "engine/runtimeerror.h"
#include "engine/scheduletexts.h"

#include "recordingsink.h"

#include <gtest/gtest.h>

#include <stdexcept>

using engine::ProcessSet;
using engine::RuntimeError;
using enginetest::boxes;

namespace {

TEST(ProcessSetRead, TakesEachProcessFromItsBoxes)
{
    // P5's arrival comes from the last arrival box (Text10), its burst from the last burst box.
    const auto set = ProcessSet::read(boxes({"0", "1", "2", "3", "4"}, {"5", "3", "8", "6", "2"}));
    const double arrival[] = {0, 1, 2, 3, 4};
    const double burst[] = {5, 3, 8, 6, 2};
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(set.arrival(i), arrival[i - 1]) << "P" << i;
        EXPECT_EQ(set.burst(i), burst[i - 1]) << "P" << i;
    }
}

TEST(ProcessSetRead, EmptyAndNonNumericBoxesGiveZero)
{
    const auto set = ProcessSet::read(boxes({"", "", "x", " ", ""}, {"", "abc", "", "", ""}));
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(set.arrival(i), 0.0);
        EXPECT_EQ(set.burst(i), 0.0);
    }
}

TEST(ProcessSetRead, KeepsEachProcessInItsOwnType)
{
    const auto set = ProcessSet::read(boxes({"0.5", "1.5", "2.5", "3.25", "2.5"},
                                            {"0.1", "1.1", "2.1", "3.1", "0.1"}));
    EXPECT_EQ(set.arrival(1), 0.5);
    EXPECT_EQ(set.arrival(4), 3.25);
    EXPECT_EQ(set.arrival(5), 2.0);                       // 16-bit, half to even
    EXPECT_EQ(set.burst(1), 0.1);                         // double
    EXPECT_EQ(set.burst(5), double(0.1f));                // single precision
    EXPECT_NE(set.burst(5), 0.1);

    EXPECT_EQ(ProcessSet::read(boxes({"", "", "", "", "3.5"}, {"", "", "", "", ""})).arrival(5), 4.0);
    EXPECT_EQ(ProcessSet::read(boxes({"", "", "", "", "-32768.5"}, {"", "", "", "", ""})).arrival(5),
              -32768.0);
}

TEST(ProcessSetRead, ValuesThatDoNotFitTheirTypeAreOverflow)
{
    struct Case {
        int box;   // 0..4 arrival P1..P5, 5..9 burst P1..P5
        const char *text;
    };
    const Case failing[] = {
        {4, "9e99"}, {4, "99999"}, {4, "32767.5"}, {4, "-32769"},   // P5 arrival: 16 bits
        {9, "9e99"}, {9, "-4e38"},                                  // P5 burst: single precision
        {0, "1e400"}, {6, "1e999"},                                 // any box: double
    };
    for (const Case &c : failing) {
        engine::BoxTexts texts;
        (c.box < 5 ? texts.arrival[c.box] : texts.burst[c.box - 5]) = c.text;
        try {
            ProcessSet::read(texts);
            ADD_FAILURE() << "box " << c.box << " \"" << c.text << "\" was read";
        } catch (const RuntimeError &error) {
            EXPECT_EQ(error.number(), 6);
            // The window reports it with the same text as a failing run.
            EXPECT_EQ(engine::texts::fatalErrorText(error.number(), error.description()),
                      "Program error !!. Error Number : 6\r\nDekripsi Error : Overflow");
        }
    }
    // The same texts fit a double in the other boxes.
    const auto set = ProcessSet::read(boxes({"9e99", "99999", "", "", "32767"}, {"9e99", "", "", "", "3e38"}));
    EXPECT_EQ(set.arrival(1), 9e99);
    EXPECT_EQ(set.burst(1), 9e99);
    EXPECT_EQ(set.arrival(5), 32767.0);
    EXPECT_EQ(set.burst(5), double(3e38f));
}

TEST(ProcessSet, SetBurstKeepsSinglePrecisionForTheLastProcess)
{
    ProcessSet set;
    set.setBurst(2, 10000.25);
    set.setBurst(5, 0.1);
    EXPECT_EQ(set.burst(2), 10000.25);
    EXPECT_EQ(set.burst(5), double(0.1f));
    EXPECT_THROW(set.setBurst(5, 1e300), RuntimeError);
    EXPECT_THROW(set.arrival(0), std::out_of_range);
    EXPECT_THROW(set.burst(6), std::out_of_range);
}

} // namespace
