#pragma once
// The base types, and the colour resolution that needs the host's palette.

#include "framework/core/Types.h"

// Resolves a system colour through the host's palette; plain colours pass through.
TColor ColorToRGB(TColor color);
