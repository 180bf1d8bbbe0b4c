#pragma once
// Turns the host's raw input into window messages: mouse events to the capture window or the
// window under the pointer, keys to the focused window by way of the dialog-key handling,
// characters from the typed text, and the key-state table kept up to date.

#include "framework/platform/Host.h"

// Handles one host event. Mouse and key events for a window that is disabled (for example
// behind a modal form) are dropped.
void RouteHostEvent(const platform::HostEvent& event);

// Brings the key-state table in line with a key or mouse event: the key itself and the
// modifier keys and mouse buttons it reports held. RouteHostEvent does it; a loop that takes
// input for itself (a menu's) must do it too.
void SyncKeyState(const platform::HostEvent& event);

// Shows the cursor for the control now under the pointer (after a cursor changed).
void RefreshCursor();
