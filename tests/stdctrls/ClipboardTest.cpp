#include "framework/stdctrls/Clipboard.h"
#include "tests/support/FrameworkTest.h"

namespace {

class ClipboardTest : public FrameworkTest {};

TEST_F(ClipboardTest, TextGoesThroughTheHostClipboard) {
    EXPECT_FALSE(Clipboard()->HasFormat(CF_TEXT));
    EXPECT_EQ(Clipboard()->AsText(), "");

    Clipboard()->SetAsText("Saruvi");
    EXPECT_TRUE(Clipboard()->HasFormat(CF_TEXT));
    EXPECT_EQ(Host().ClipboardText(), "Saruvi");

    Host().SetClipboardText("from elsewhere");
    EXPECT_EQ(Clipboard()->AsText(), "from elsewhere");
}

TEST_F(ClipboardTest, KnowsNoFormatButText) {
    Clipboard()->SetAsText("x");
    EXPECT_FALSE(Clipboard()->HasFormat(2));
    EXPECT_FALSE(Clipboard()->HasFormat(0));
}

} // namespace
