#pragma once
// Builds a form (or any root component) from its stored description, an ordered-JSON text:
//
//   {"class": "TForm1", "name": "Form1", "properties": {...}, "components": [{...}, ...]}
//
// The root's class must be the named class or inherit from it. Every component is marked loading
// and then gets its properties in declaration order through the setters; children are created by
// class name, owned by the root, named, nested under the enclosing component, and stored in the
// root field of the same name where there is one. Events are bound to the root's published
// methods by name; component references are resolved once everything is read. Finally Loaded
// runs once on every component in creation order, the root first.
//
// Nothing is passed over in silence: a key that is not one of the four above or a property of the
// class, a key given twice, a published field of the root's class that no component fills
// (unless the class declares it optional), and whatever the next save would not give back (a
// component nested in one that does not take it, such as a control under a label; a reference
// its setter ignores, such as a form as its own ActiveControl) are failures, and so is a text
// nested deeper than TLocatedJson::MaxDepth. Failures raise EReadError naming the file, the line
// of the value concerned, the component (by name, or by class when it has none) and the key.
// What was created before the failure stays owned by the root, which frees it.

#include "framework/core/Component.h"

#include <string>
#include <string_view>

// Reads the description embedded as the resource resourceName (for example "main.json").
void ReadComponentResource(TComponent* root, std::string_view resourceName);
// sourceName names the text in error messages.
void ReadComponent(TComponent* root, std::string_view jsonText, const std::string& sourceName);
