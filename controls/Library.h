#pragma once
// The control library's manifest: every unit in the order it registers. The gallery, the soak,
// the reference pages and the checks every control shares iterate this list, so a new control
// is its unit and one line here.

#include "framework/core/ClassInfo.h"

#include <span>

struct TControlUnit {
    const char* Unit; // the name of the unit's header, source and reference page
    const char* Page; // the palette page the unit's Register puts its class on
    const TClassInfo& (*Class)();
    void (*Register)();
    // The embedded 24 x 24 picture the palette shows for the class; the bottom-left pixel's
    // colour is transparent.
    const char* PaletteBitmap;
};

std::span<const TControlUnit> ControlLibrary();

// The unit whose class is info, or null.
const TControlUnit* FindControlUnit(const TClassInfo& info);

// Runs every unit's Register in manifest order: the pages and classes a design environment
// shows. Raises EComponentError, as Register does, when no design environment is installed.
void RegisterControlLibrary();
