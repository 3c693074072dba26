#include "engine/scheduletexts.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace texts = engine::texts;

namespace {

TEST(ScheduleTexts, CaptionsCarryTheProcessPrefix)
{
    const char *prefixes[] = {"P1 = ", "P2 = ", "P3 = ", "P4 = ", "P5 = "};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(texts::processPrefix(i), prefixes[i]);
    EXPECT_EQ(texts::detailCaption(2, 7), "P3 = 7");
    EXPECT_EQ(texts::detailCaption(1, -2), "P2 = -2");
    EXPECT_EQ(texts::detailCaption(4, 0), "P5 = 0");
    EXPECT_EQ(texts::detailCaption(0, 2.5, ","), "P1 = 2,5");
    EXPECT_THROW(texts::processPrefix(5), std::out_of_range);
    EXPECT_THROW(texts::processPrefix(-1), std::out_of_range);
}

TEST(ScheduleTexts, ResultTextDividesTheTotalByFive)
{
    EXPECT_EQ(texts::resultText(7, "."), "7/5 = 1.4 satuan waktu");
    EXPECT_EQ(texts::resultText(10, "."), "10/5 = 2 satuan waktu");
    EXPECT_EQ(texts::resultText(0, "."), "0/5 = 0 satuan waktu");
    EXPECT_EQ(texts::resultText(7, ","), "7/5 = 1,4 satuan waktu");
    EXPECT_EQ(texts::resultText(-13, "."), "-13/5 = -2.6 satuan waktu");
    EXPECT_EQ(texts::resultText(59994, "."), "59994/5 = 11998.8 satuan waktu");
}

TEST(ScheduleTexts, FixedMessages)
{
    EXPECT_EQ(texts::bufferText(0), "Buffer = 0");
    EXPECT_EQ(texts::fatalErrorText(6, "Overflow"),
              "Program error !!. Error Number : 6\r\nDekripsi Error : Overflow");
    EXPECT_EQ(texts::refusalText(3),
              "Schedule tidak dapat diproses karena proses pertama di mulai dari ( 3 ) !");
    EXPECT_EQ(texts::refusalText(2.5, ","),
              "Schedule tidak dapat diproses karena proses pertama di mulai dari ( 2,5 ) !");
}

} // namespace
