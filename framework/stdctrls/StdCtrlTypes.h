#pragma once
// Enumerations the standard controls share, with the names stored forms use for them.

#include <string>
#include <vector>

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
inline const std::vector<std::string> AlignmentNames{"taLeftJustify", "taRightJustify", "taCenter"};

enum TTextLayout { tlTop, tlCenter, tlBottom };
inline const std::vector<std::string> TextLayoutNames{"tlTop", "tlCenter", "tlBottom"};

// Scoped: forms and brushes have their own bsNone.
enum class TBorderStyle { bsNone, bsSingle };
inline const std::vector<std::string> BorderStyleNames{"bsNone", "bsSingle"};

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
inline const std::vector<std::string> ScrollStyleNames{"ssNone", "ssHorizontal", "ssVertical",
                                                       "ssBoth"};
