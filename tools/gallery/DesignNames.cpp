#include "tools/gallery/DesignNames.h"

#include "framework/core/Component.h"
#include "framework/core/Exceptions.h"
#include "framework/core/SysUtils.h"

#include <algorithm>
#include <limits>

namespace {

// The number that name carries after stem, or 0 when it is not stem and digits.
int NumberAfter(const std::string& name, const std::string& stem) {
    if (name.size() <= stem.size() || LowerCase(name.substr(0, stem.size())) != LowerCase(stem))
        return 0;
    int number = 0;
    for (char c : name.substr(stem.size())) {
        if (c < '0' || c > '9')
            return 0;
        const int digit = c - '0';
        if (number > (std::numeric_limits<int>::max() - digit) / 10)
            return 0;
        number = number * 10 + digit;
    }
    return number;
}

bool IsIdentifier(const std::string& name) {
    auto letter = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    };
    if (name.empty() || !letter(name.front()))
        return false;
    return std::all_of(name.begin(), name.end(),
                       [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

} // namespace

std::string NameStem(const std::string& className) {
    return className.size() > 1 && className.front() == 'T' ? className.substr(1) : className;
}

std::string UniqueName(const TComponent& root, const std::string& className,
                       const std::vector<std::string>& taken) {
    const std::string stem = NameStem(className);
    int highest = NumberAfter(root.Name(), stem);
    for (int i = 0; i < root.ComponentCount(); ++i)
        highest = std::max(highest, NumberAfter(root.Components(i)->Name(), stem));
    for (const std::string& name : taken)
        highest = std::max(highest, NumberAfter(name, stem));
    if (highest == std::numeric_limits<int>::max())
        throw EComponentError("no number is left for another " + stem);
    return stem + std::to_string(highest + 1);
}

void CheckNewName(const TComponent& root, const TComponent& renamed, const std::string& name) {
    if (!IsIdentifier(name))
        throw EComponentError("'" + name +
                              "' is not a valid name: use letters, digits and _, starting with a "
                              "letter or _");
    const TComponent* holder =
        LowerCase(root.Name()) == LowerCase(name) ? &root : root.FindComponent(name);
    if (holder && holder != &renamed)
        throw EComponentError("the form already has a component named " + holder->Name());
}
