#pragma once
// A fixture for tests of text on bitmaps alone: text needs a host's font engine, so a headless
// host with Qt's engine is installed for each test, with no application and no window.

#include "framework/platform/Host.h"
#include "framework/platform/headless/HeadlessHost.h"
#include "framework/platform/qt/QtFontEngine.h"

#include <gtest/gtest.h>

#include <memory>

class FontHostTest : public ::testing::Test {
private:
    platform::HostScope FHost{
        std::make_unique<platform::HeadlessHost>(platform::CreateQtFontEngine())};
};
