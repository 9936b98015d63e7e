#include "RowView.h"
#include "Saturating.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
} // namespace

TEST(RowViewTest, FirstWideningComesWithTheSeventyFourthCharacter) {
    RowView view(517);
    EXPECT_FALSE(view.grow(73));
    EXPECT_EQ(view.width(), 517);
    EXPECT_TRUE(view.grow(74));
    EXPECT_EQ(view.width(), 577);
    EXPECT_FALSE(view.grow(82));
    EXPECT_TRUE(view.grow(83));
    EXPECT_EQ(view.width(), 637);
}

TEST(RowViewTest, OneStepPerChangeHoweverFarTheTextOutgrewTheRows) {
    RowView view(517);
    EXPECT_FALSE(view.grow(10));
    EXPECT_TRUE(view.grow(200));
    EXPECT_EQ(view.width(), 577);
    EXPECT_TRUE(view.grow(200));
    EXPECT_EQ(view.width(), 637);
}

TEST(RowViewTest, ShorterTextNeverNarrows) {
    RowView view(517);
    view.grow(100);
    view.grow(0);
    EXPECT_EQ(view.width(), 577);
}

TEST(RowViewTest, ShiftLeftOnlyNarrowsRowsWiderThanDesigned) {
    RowView view(517);
    view.shiftLeft(50);
    EXPECT_EQ(view.width(), 517);
    view.shiftRight(23);
    view.shiftLeft(50);
    EXPECT_EQ(view.width(), 490);
    view.shiftLeft(50);
    EXPECT_EQ(view.width(), 490);
}

TEST(RowViewTest, NegativeStepsTurnTheDirectionAround) {
    RowView view(517);
    view.shiftRight(-17);
    EXPECT_EQ(view.width(), 500);
    view.shiftRight(100);
    view.shiftLeft(-10);
    EXPECT_EQ(view.width(), 610);
    view.shiftRight(0);
    EXPECT_EQ(view.width(), 610);
}

TEST(RowViewTest, WidthsStayBetweenZeroAndTheLargestValue) {
    RowView view(517);
    view.shiftRight(-1000);
    EXPECT_EQ(view.width(), 0);
    EXPECT_TRUE(view.grow(1));
    EXPECT_EQ(view.width(), 60);
    view.shiftRight(kMax);
    EXPECT_EQ(view.width(), kMax);
    EXPECT_TRUE(view.grow(static_cast<std::size_t>(kMax)));
    EXPECT_EQ(view.width(), kMax);
    view.shiftLeft(kMin);
    EXPECT_EQ(view.width(), kMax);
    view.shiftLeft(kMax);
    EXPECT_EQ(view.width(), 0);
    view.reset();
    EXPECT_EQ(view.width(), 517);
}

TEST(SaturatingTest, HoldsAtTheEndsOfTheRange) {
    EXPECT_EQ(saturatingAdd(kMax, 1), kMax);
    EXPECT_EQ(saturatingAdd(kMin, -1), kMin);
    EXPECT_EQ(saturatingSub(kMin, 1), kMin);
    EXPECT_EQ(saturatingSub(0, kMin), kMax);
    EXPECT_EQ(saturatingSub(-1, kMin), kMax);
    EXPECT_EQ(saturatingAdd(40, 2), 42);
}
