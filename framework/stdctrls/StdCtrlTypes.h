#pragma once
// Enumerations the standard controls share, with the names stored forms use for them.

#include "framework/graphics/Win32Gdi.h"

#include <string>
#include <vector>

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
inline const std::vector<std::string> AlignmentNames{"taLeftJustify", "taRightJustify", "taCenter"};

// The DrawTextA format that places text as alignment says.
constexpr unsigned AlignmentFormat(TAlignment alignment) {
    switch (alignment) {
    case taRightJustify:
        return DT_RIGHT;
    case taCenter:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}

enum TTextLayout { tlTop, tlCenter, tlBottom };
inline const std::vector<std::string> TextLayoutNames{"tlTop", "tlCenter", "tlBottom"};

// Scoped: forms and brushes have their own bsNone.
enum class TBorderStyle { bsNone, bsSingle };
inline const std::vector<std::string> BorderStyleNames{"bsNone", "bsSingle"};

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
inline const std::vector<std::string> ScrollStyleNames{"ssNone", "ssHorizontal", "ssVertical",
                                                       "ssBoth"};
