#pragma once
// The system colours of the classic Windows scheme, for hosts without a desktop palette.

#include "framework/core/Types.h"

namespace platform {

// 0x00BBGGRR of a Win32 system colour index (COLOR_*); black for an unknown index.
TColor ClassicSystemColor(int index);

} // namespace platform
