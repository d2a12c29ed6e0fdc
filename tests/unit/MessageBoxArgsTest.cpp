#include "platform/MessageBoxArgs.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageBoxArgsTest, TitleDefaultsToInformation) {
    EXPECT_EQ(MessageBoxTitle(std::nullopt), "\xd0\xc5\xcf\xa2\xa3\xba");  // 信息： in code page 936
    EXPECT_EQ(MessageBoxTitle(Text("~>_<~ ")), "~>_<~ ");
    EXPECT_EQ(MessageBoxTitle(Text()), "");  // an empty title is a title
}

TEST(MessageBoxArgsTest, BoxesAreTaskModalUnlessSystemModal) {
    struct Case {
        const char* context;
        std::uint32_t style, expected;
    };
    const Case cases[] = {
        {"plain OK box", 0x0000, 0x2000},
        {"information icon", 0x0040, 0x2040},
        {"stop icon", 0x0010, 0x2010},
        {"already task-modal", 0x2040, 0x2040},
        {"system-modal stays as it is", 0x1040, 0x1040},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MessageBoxStyle(c.style), c.expected) << c.context;
    }
}

}  // namespace
