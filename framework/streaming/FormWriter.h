#pragma once
// Writes a root component and the components nested under it (GetChildren) as a stored
// description that the form reader reads back: properties in declaration order, leaving out
// values equal to their declared default and those whose IsStored says no; nested objects with
// nothing to store are left out; events by the name of the root's method they are bound to.

#include "framework/core/Component.h"

#include <string>

std::string WriteComponent(const TComponent* root);
