#include "BuiltFooter.h"

#include "BuildConfig.h"

#include <gtest/gtest.h>

TEST(BuiltFooterTest, NamesTheProgramAContactAndTheSite) {
    const io::Footer footer = cp1250::builtFooter();
    EXPECT_EQ(footer.program, build_config::kProgramCaption);
    EXPECT_NE(footer.credit.find("(e-mail: "), std::string::npos);
    EXPECT_EQ(footer.web.rfind("https://", 0), 0u);
}
