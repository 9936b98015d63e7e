#include "RowScale.h"

#include <gtest/gtest.h>

#include <limits>

TEST(RowScaleTest, SevenUnitsAreOneCharacter) {
    EXPECT_EQ(RowScale(7.0).toPixels(517), 517);
    EXPECT_EQ(RowScale(6.0).toPixels(7), 6);
    EXPECT_EQ(RowScale(8.0).toPixels(517), 591);
}

TEST(RowScaleTest, ExtremesAreHeldWithinWhatAWidgetTakes) {
    EXPECT_EQ(RowScale(7.0).toPixels(-50), 0);
    EXPECT_EQ(RowScale(7.0).toPixels(std::numeric_limits<std::int32_t>::max()), 16777215);
    EXPECT_EQ(RowScale(7.0).toPixels(std::numeric_limits<std::int32_t>::min()), 0);
}
