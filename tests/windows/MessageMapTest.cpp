#include "framework/windows/WinControl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT WM_PROBE_A = WM_USER + 1;
constexpr UINT WM_PROBE_B = WM_USER + 2;
constexpr UINT WM_PROBE_C = WM_USER + 3;

// Records which handler saw each message, in order.
class TBaseProbe : public TWinControl {
    DECLARE_MESSAGE_MAP
public:
    using TWinControl::TWinControl;
    std::vector<std::string> Seen;

    void DefaultHandler(TMessage& message) override {
        if (message.Msg >= WM_USER)
            Seen.push_back("default");
        TWinControl::DefaultHandler(message);
    }

protected:
    void ProbeA(TMessage& message) {
        Seen.push_back("base A");
        message.Result = 10;
    }
    void ProbeB(TMessage&) { Seen.push_back("base B"); }
};

const TMessageMap& TBaseProbe::StaticMessageMap() {
    static const TMessageMap map(&TWinControl::StaticMessageMap(),
                                 {MessageHandler<WM_PROBE_A, &TBaseProbe::ProbeA>(),
                                  MessageHandler<WM_PROBE_B, &TBaseProbe::ProbeB>()});
    return map;
}

class TDerivedProbe : public TBaseProbe {
    DECLARE_MESSAGE_MAP
public:
    using TBaseProbe::TBaseProbe;
    TPoint MousePos{};

private:
    // Handles A itself, then passes it on as a Delphi "inherited" would.
    void ProbeA(TMessage& message) {
        Seen.push_back("derived A");
        DispatchInherited(TBaseProbe::StaticMessageMap(), message);
        message.Result += 1;
    }
    // Nothing above handles C: the inherited handling is the default handler.
    void ProbeC(TMessage& message) {
        Seen.push_back("derived C");
        DispatchInherited(TBaseProbe::StaticMessageMap(), message);
    }
    void Mouse(TWMMouse& message) {
        MousePos = message.Pos();
        message.Result = 7;
    }
};

const TMessageMap& TDerivedProbe::StaticMessageMap() {
    static const TMessageMap map(&TBaseProbe::StaticMessageMap(),
                                 {MessageHandler<WM_PROBE_A, &TDerivedProbe::ProbeA>(),
                                  MessageHandler<WM_PROBE_C, &TDerivedProbe::ProbeC>(),
                                  MessageHandler<WM_MOUSEMOVE, &TDerivedProbe::Mouse>()});
    return map;
}

// Takes one message away from the message maps, as a control overriding Dispatch does.
class TSwallowingProbe : public TDerivedProbe {
public:
    using TDerivedProbe::TDerivedProbe;
    void Dispatch(TMessage& message) override {
        if (message.Msg == WM_PROBE_B)
            Seen.push_back("swallowed B");
        else
            TDerivedProbe::Dispatch(message);
    }
};

TEST(MessageMapTest, TheMostDerivedHandlerRunsAndCanPassTheMessageOn) {
    TDerivedProbe probe(nullptr);
    EXPECT_EQ(probe.Perform(WM_PROBE_A), 11);
    EXPECT_EQ(probe.Seen, (std::vector<std::string>{"derived A", "base A"}));
}

TEST(MessageMapTest, AMessageOnlyABaseHandlesReachesTheBaseHandler) {
    TDerivedProbe probe(nullptr);
    probe.Perform(WM_PROBE_B);
    EXPECT_EQ(probe.Seen, (std::vector<std::string>{"base B"}));
}

TEST(MessageMapTest, WhatNoMapHandlesGoesToTheDefaultHandler) {
    TDerivedProbe probe(nullptr);
    probe.Perform(WM_PROBE_C);
    probe.Perform(WM_USER + 99);
    EXPECT_EQ(probe.Seen, (std::vector<std::string>{"derived C", "default", "default"}));
}

TEST(MessageMapTest, TypedViewsReadSignedCoordinatesAndWriteTheResult) {
    TDerivedProbe probe(nullptr);
    EXPECT_EQ(probe.Perform(WM_MOUSEMOVE, 0, MAKELPARAM(-5, 300)), 7);
    EXPECT_EQ(probe.MousePos, (TPoint{-5, 300}));
}

TEST(MessageMapTest, AnOverriddenDispatchDecidesBeforeTheMaps) {
    TSwallowingProbe probe(nullptr);
    probe.Perform(WM_PROBE_B);
    probe.Perform(WM_PROBE_A);
    EXPECT_EQ(probe.Seen, (std::vector<std::string>{"swallowed B", "derived A", "base A"}));
}

TEST(MessageMapTest, FrameworkNotificationsKeepTheirNumbers) {
    EXPECT_EQ(CM_DIALOGKEY, 0xB005u);
    EXPECT_EQ(CM_DIALOGCHAR, 0xB006u);
    EXPECT_EQ(CM_ENABLEDCHANGED, 0xB00Cu);
    EXPECT_EQ(CM_TEXTCHANGED, 0xB012u);
    EXPECT_EQ(CM_MOUSEENTER, 0xB013u);
    EXPECT_EQ(CM_MOUSELEAVE, 0xB014u);
    EXPECT_EQ(CN_DRAWITEM, 0xBC2Bu);
    EXPECT_EQ(CN_MEASUREITEM, 0xBC2Cu);
}

} // namespace
