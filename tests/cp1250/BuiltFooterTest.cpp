#include "BuiltFooter.h"

#include <gtest/gtest.h>

TEST(BuiltFooterTest, AConfiguredNameWithCzechLettersComesOutInWindows1250) {
    const io::Footer footer =
        cp1250::footerOf("Strunomat 2.0 CZ", "Jan Nov\xc3\xa1k", "jan@example.cz", "https://x.cz/");
    EXPECT_EQ(footer.program, "Strunomat 2.0 CZ");
    EXPECT_EQ(footer.credit, "Jan Nov\xe1k (e-mail: jan@example.cz)");
    EXPECT_EQ(footer.web, "https://x.cz/");
}
