#include "WordSteps.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* text;
    int from;
    int right;
    int left;
};

} // namespace

TEST(WordSteps, CrossARunOfLikeCharactersAndTheSpacesAfterIt) {
    const Case cases[] = {
        {"--3--12 ab", 0, 2, 0},   // dashes are a run of their own
        {"--3--12 ab", 2, 3, 0},   // so each fret number is a stop
        {"--3--12 ab", 5, 8, 3},   // the spaces after a word go with it
        {"--3--12 ab", 10, 10, 8}, // the ends stay put
        {"A   D(H)", 0, 4, 0},     {"A   D(H)", 5, 6, 4}, {"A   D(H)", 8, 8, 7}, {"", 0, 0, 0},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(word_steps::right(text, c.from), c.right) << c.text << " from " << c.from;
        EXPECT_EQ(word_steps::left(text, c.from), c.left) << c.text << " from " << c.from;
    }
}
