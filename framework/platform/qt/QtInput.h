#pragma once
// Translating Qt's input vocabulary into the host interface's: Win32 virtual keys, modifier and
// button bits.

#include "framework/platform/Host.h"

#include <Qt>
#include <optional>

namespace platform {

// The Win32 virtual-key code of a Qt key on a US keyboard; 0 for keys Win32 has no code for.
int VirtualKeyFromQt(int qtKey);
unsigned ModsFromQt(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton);
std::optional<MouseButton> ButtonFromQt(Qt::MouseButton button);

} // namespace platform
