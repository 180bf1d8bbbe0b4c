#include "framework/core/Resources.h"

#include <map>
#include <string>

namespace {
// Filled during static initialisation, so it must be built on first use.
std::map<std::string, TResourceData, std::less<>>& Table() {
    static std::map<std::string, TResourceData, std::less<>> table;
    return table;
}
} // namespace

void RegisterResource(std::string_view name, TResourceData data) {
    Table()[std::string(name)] = data;
}

std::optional<TResourceData> FindResource(std::string_view name) {
    auto& table = Table();
    auto it = table.find(name);
    if (it == table.end())
        return std::nullopt;
    return it->second;
}
