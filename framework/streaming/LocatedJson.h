#pragma once
// A JSON text parsed together with the line of each of its values, so that whoever refuses a
// value can say where it stands. Values are addressed by JSON pointer ("/components/0/name").

#include "framework/streaming/PropertyJson.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// What makes a text unusable before anyone looks at its values.
struct TJsonFault {
    int Line = 0;
    std::string What;
};

class TLocatedJson {
public:
    // Never raises: a text that is not JSON, or that repeats a key in one object (the parsed
    // value would silently keep only one of them), leaves a Fault and a null Root.
    explicit TLocatedJson(std::string_view text);

    const TJson& Root() const { return FRoot; }
    const std::optional<TJsonFault>& Fault() const { return FFault; }

    // The line of the value at pointer or, where the text has no such value, of the nearest
    // value that encloses it.
    int LineOf(TJson::json_pointer pointer) const;

private:
    class TTracker;

    int LineAt(std::size_t offset) const;

    std::vector<std::size_t> FLineStarts;
    std::unordered_map<std::string, int> FLines; // by pointer.to_string()
    TJson FRoot;
    std::optional<TJsonFault> FFault;
};
