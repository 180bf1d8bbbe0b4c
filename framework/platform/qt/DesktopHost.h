#pragma once
// The host for real desktop windows (Qt 6 on X11 or Wayland), kept behind the host interface so
// that no caller sees a Qt type.

#include "framework/platform/Host.h"

#include <memory>

namespace platform {

// Brings up the desktop's application object if none is running yet; one per process.
std::unique_ptr<IHost> CreateDesktopHost();

} // namespace platform
