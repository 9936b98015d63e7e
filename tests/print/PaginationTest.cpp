#include "Pagination.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

using print::Placement;

namespace print {
void PrintTo(const Placement& at, std::ostream* out) {
    *out << "{page " << at.page << ", top " << at.top << ", scale " << at.scale << "}";
}
} // namespace print

namespace {

struct Case {
    const char* name;
    double lineHeight; // a block is eight of these
    std::vector<std::size_t> columns;
    std::vector<Placement> blocksThenFooter;
};

// A page 100 wide and 100 tall under a head of 20; a column is 1 wide, blocks 5 apart, the
// footer 15 tall.
const Case kCases[] = {
    {"BlockAndFooterBelowTheHead", 5, {50}, {{0, 20, 1}, {0, 65, 1}}},
    {"WhatDoesNotFitStartsAPage", 5, {50, 50, 50}, {{0, 20, 1}, {1, 0, 1}, {1, 45, 1}, {2, 0, 1}}},
    {"WideBlockScalesToThePageWidth", 5, {200}, {{0, 20, 0.5}, {0, 45, 1}}},
    {"TallBlockScalesToAPageOfItsOwn", 20, {50}, {{1, 0, 0.625}, {2, 0, 1}}},
};

class PaginationTest : public testing::TestWithParam<Case> {};

TEST_P(PaginationTest, PlacesEveryBlockThenTheFooter) {
    const Case& c = GetParam();
    print::Pagination pagination({100, 100, 20, 1, c.lineHeight, 5, 15});
    std::vector<Placement> placed;
    for (const std::size_t columns : c.columns)
        placed.push_back(pagination.placeBlock(columns));
    placed.push_back(pagination.placeFooter());
    EXPECT_EQ(placed, c.blocksThenFooter);
    EXPECT_EQ(pagination.pageCount(), placed.back().page + 1);
}

INSTANTIATE_TEST_SUITE_P(Table, PaginationTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
