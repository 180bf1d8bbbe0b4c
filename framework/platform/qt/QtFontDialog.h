#pragma once
// The desktop's font dialog. Qt's has no colour: the colour comes back as it went in.

#include "framework/platform/Host.h"

#include <optional>

namespace platform {

std::optional<FontDialogSpec> RunFontDialog(const FontDialogSpec& initial);

} // namespace platform
