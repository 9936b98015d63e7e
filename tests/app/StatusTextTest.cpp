#include "StatusText.h"
#include "IntegerText.h"
#include "RunningTime.h"

#include <gtest/gtest.h>

#include <limits>

TEST(StatusTextTest, CharacterCountUsesOneWordForEveryCount) {
    EXPECT_EQ(status::charCountText(0), "0 znaků");
    EXPECT_EQ(status::charCountText(1), "1 znaků");
}

TEST(StatusTextTest, BlockCountsAndTheirCzechPlurals) {
    struct Case {
        std::size_t length;
        const char* text;
    };
    for (const Case& c :
         {Case{0, "1  řádek"}, Case{63, "1  řádek"}, Case{64, "2  řádky"}, Case{130, "3  řádky"},
          Case{255, "4  řádky"}, Case{256, "5  řádků"}, Case{300, "5  řádků"}}) {
        EXPECT_EQ(status::lineCountText(status::lineCount(c.length, 64)), c.text) << c.length;
    }
}

TEST(StatusTextTest, BlockCountNeverOverflows) {
    const auto huge = std::numeric_limits<std::size_t>::max();
    EXPECT_EQ(status::lineCount(huge, 1), huge / 1 + 1);
    EXPECT_EQ(status::lineCount(10, 0), 11u);
    EXPECT_EQ(status::lineCount(10, std::numeric_limits<std::int32_t>::max()), 1u);
}

TEST(RunningTimeTest, MinutesAppearWithTheFiftyNinthTick) {
    RunningTime time;
    for (int i = 0; i < 58; ++i)
        time.tick();
    EXPECT_EQ(time.secondsText(), "59 s");
    EXPECT_FALSE(time.minutesText());
    time.tick();
    EXPECT_EQ(time.secondsText(), "0 s");
    EXPECT_EQ(time.minutesText(), "1 min");
    EXPECT_FALSE(time.hoursText());
}

TEST(RunningTimeTest, HoursAppearWithTheTick3599AndMinutesStayShown) {
    RunningTime time;
    for (int i = 0; i < 3599; ++i)
        time.tick();
    EXPECT_EQ(time.secondsText(), "0 s");
    EXPECT_EQ(time.minutesText(), "0 min");
    EXPECT_EQ(time.hoursText(), "1 h");
}

TEST(RunningTimeTest, HoursHoldAtTheLargestValueAfterAgesOfTicks) {
    const std::int32_t max = std::numeric_limits<std::int32_t>::max();
    RunningTime time(59, 59, max - 1);
    time.tick();
    EXPECT_EQ(time.hours(), max);
    for (int i = 0; i < 3600; ++i)
        time.tick();
    EXPECT_EQ(time.hours(), max);
    EXPECT_EQ(time.minutes(), 0);
    EXPECT_EQ(time.secondsText(), "0 s");
    EXPECT_EQ(time.hoursText(), "2147483647 h");
}

TEST(IntegerTextTest, WholeNumbersAreRead) {
    EXPECT_EQ(integer_text::toInt32("50"), 50);
    EXPECT_EQ(integer_text::toInt32("-7"), -7);
    EXPECT_EQ(integer_text::toInt32("+7"), 7);
    EXPECT_EQ(integer_text::toInt32("  12"), 12);
    EXPECT_EQ(integer_text::toInt32("2147483647"), 2147483647);
    EXPECT_EQ(integer_text::toInt32("-2147483648"), std::numeric_limits<std::int32_t>::min());
}

TEST(IntegerTextTest, AnythingElseIsAConversionError) {
    for (const char* text : {"", "-", "+", "abc", "12a", "1 ", "+-3", "2147483648", "1.5"}) {
        EXPECT_THROW(integer_text::toInt32(text), integer_text::ConversionError) << text;
    }
    try {
        integer_text::toInt32("x");
    } catch (const integer_text::ConversionError& e) {
        EXPECT_STREQ(e.what(), "'x' is not a valid integer value");
    }
}
