#pragma once
// The names the designer gives: a new component is named after its class without the T, with a
// number past every one its stem already has in the form; a rename must leave every name of the
// form an identifier of its own.

#include <string>
#include <vector>

class TComponent;

// "TxGauge" -> "xGauge".
std::string NameStem(const std::string& className);
// The stem of className numbered one past the highest number that the form (root itself, the
// components it owns, and taken, names about to be given) has for it: xGauge1 and xGauge7
// give xGauge8. Names compare without regard to ASCII case.
std::string UniqueName(const TComponent& root, const std::string& className,
                       const std::vector<std::string>& taken = {});
// Raises EComponentError, saying why, unless name is an identifier that no other component of
// root and not root itself has.
void CheckNewName(const TComponent& root, const TComponent& renamed, const std::string& name);
