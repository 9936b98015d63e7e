#include "Incoming.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    std::string file;
    std::string bytes;
    std::size_t replaced;
};

} // namespace

TEST(IncomingTest, FilesAreUtf8OnlyWhenValidUtf8WithAHighByte) {
    const Case cases[] = {
        {"plain ASCII", "e|-0-", "e|-0-", 0},
        // "Píseň" as Windows-1250 is no valid UTF-8, so it stays byte for byte.
        {"Windows-1250",
         "P\xed"
         "se\xf2",
         "P\xed"
         "se\xf2",
         0},
        {"UTF-8",
         "P\xc3\xad"
         "se\xc5\x88",
         "P\xed"
         "se\xf2",
         0},
        {"UTF-8 after a byte order mark", "\xef\xbb\xbfP\xc3\xad", "P\xed", 0},
        // Omega, a Chinese character and an emoji outside the basic plane: one "?" each.
        {"characters Windows-1250 lacks", "\xce\xa9 \xe4\xb8\xad \xf0\x9f\x98\x80!", "? ? ?!", 3},
        // "e" followed by a combining caron is "ě", which Windows-1250 has.
        {"a decomposed letter", "e\xcc\x8c", "\xec", 0},
    };
    for (const Case& c : cases) {
        const cp1250::Incoming in = cp1250::fromFile(c.file);
        EXPECT_EQ(in.bytes, c.bytes) << c.name;
        EXPECT_EQ(in.replaced, c.replaced) << c.name;
    }
}
