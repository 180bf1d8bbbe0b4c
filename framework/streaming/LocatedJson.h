#pragma once
// A JSON text parsed together with the line of each of its values, so that whoever refuses a
// value can say where it stands. Time and memory grow linearly with the text, and nesting is
// limited, so that a hostile text costs no more than its size.

#include "framework/streaming/PropertyJson.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

// What makes a text unusable before anyone looks at its values.
struct TJsonFault {
    int Line = 0;
    std::string Key; // the member being read, or the last one read, in the innermost object
    std::string What;
};

class TLocatedJson {
public:
    // Objects and arrays nested deeper than this are refused.
    static constexpr int MaxDepth = 256;

    // Never raises: a text that is not JSON, that nests too deep, that holds a number beyond a
    // double, or that repeats a key in one object (the parsed value would silently keep only
    // one of them) leaves a Fault and a null Root.
    explicit TLocatedJson(std::string_view text);

    const TJson& Root() const { return FRoot; }
    const std::optional<TJsonFault>& Fault() const { return FFault; }

    // The line of a value inside Root(); 0 for any other.
    int LineOf(const TJson& value) const;

private:
    class TBuilder;

    TJson FRoot;
    std::unordered_map<const TJson*, int> FLines;
    std::optional<TJsonFault> FFault;
};
