#include "Cp1250.h"

#include <gtest/gtest.h>

TEST(Cp1250Test, CzechLettersMapToTheirBytes) {
    const QString czech = QString::fromUtf8("Příliš žluťoučký kůň úpěl ďábelské ódy");
    const std::string bytes = cp1250::encode(czech);
    EXPECT_EQ(bytes.size(), static_cast<std::size_t>(czech.size()));
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xF8); // ř
    EXPECT_EQ(cp1250::decode(bytes), czech);
}

TEST(Cp1250Test, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all.push_back(static_cast<char>(byte));
    EXPECT_EQ(cp1250::encode(cp1250::decode(all)), all);
}

TEST(Cp1250Test, CharactersOutsideTheCodePageAreNotRepresentable) {
    EXPECT_TRUE(cp1250::representable(QString::fromUtf8("ěščřžýáíé €")));
    EXPECT_FALSE(cp1250::representable(QString::fromUtf8("Ω")));
    EXPECT_FALSE(cp1250::representable(QString::fromUtf8("ok 😀")));
}
