#include "framework/streaming/Registration.h"

#include "framework/core/Exceptions.h"
#include "tests/streaming/StreamTestClasses.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

TEST(RegistrationTest, WithoutADesignEnvironmentRegisteringRaises) {
    try {
        RegisterComponents("Custom", {&TStreamWidget::StaticClass()});
        FAIL() << "no EComponentError";
    } catch (const EComponentError& e) {
        EXPECT_STREQ(e.what(), msg::NoDesignEnvironment);
    }
}

TEST(RegistrationTest, PaletteKeepsPagesInOrderOfFirstRegistration) {
    TComponentPalette palette;
    palette.Install();
    RegisterComponents("Custom", {&TStreamWidget::StaticClass()});
    RegisterComponents("Tolvan Common", {&TStreamTicker::StaticClass()});
    RegisterComponents("Custom", {&TStreamForm::StaticClass(), &TStreamWidget::StaticClass()});
    ASSERT_EQ(palette.Pages().size(), 2u);
    EXPECT_EQ(palette.Pages()[0].Name, "Custom");
    EXPECT_THAT(palette.Pages()[0].Classes,
                ElementsAre(&TStreamWidget::StaticClass(), &TStreamForm::StaticClass()));
    EXPECT_THAT(palette.FindPage("Tolvan Common")->Classes,
                ElementsAre(&TStreamTicker::StaticClass()));
    EXPECT_EQ(palette.FindPage("Other"), nullptr);
    EXPECT_EQ(FindClass("TStreamTicker"), &TStreamTicker::StaticClass());
}

TEST(RegistrationTest, UninstallPutsThePreviousEnvironmentBack) {
    TComponentPalette outer;
    outer.Install();
    {
        TComponentPalette inner;
        inner.Install();
        RegisterComponents("Custom", {&TStreamWidget::StaticClass()});
        EXPECT_EQ(inner.Pages().size(), 1u);
    }
    RegisterComponents("Other", {&TStreamWidget::StaticClass()});
    EXPECT_EQ(outer.Pages().size(), 1u);
    EXPECT_EQ(outer.Pages()[0].Name, "Other");
    outer.Uninstall();
    EXPECT_FALSE(outer.Installed());
    EXPECT_THROW(RegisterComponents("Custom", TComponentClasses{}), EComponentError);
}

TEST(RegistrationTest, AnyInstalledHandlerReceivesTheClasses) {
    std::vector<std::string> seen;
    auto previous = SetRegisterComponentsHandler(
        [&](const std::string& page, const TComponentClasses& classes) {
            for (const auto* c : classes)
                seen.push_back(page + "/" + c->Name);
        });
    RegisterComponents("Custom", {&TStreamWidget::StaticClass()});
    SetRegisterComponentsHandler(std::move(previous));
    EXPECT_THAT(seen, ElementsAre("Custom/TStreamWidget"));
}

} // namespace
