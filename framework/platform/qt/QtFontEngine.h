#pragma once
// Qt's font engine, for the desktop host and for hosts without a desktop of their own that
// borrow it (the headless host of tests and benchmarks). It works with or without a display: it
// brings up an off-screen Qt application when none is running.

#include "framework/platform/FontEngine.h"

#include <memory>

namespace platform {

std::unique_ptr<IFontEngine> CreateQtFontEngine();

} // namespace platform
