#pragma once
// Regions and their pixel counts, as the main window measures them; every program that counts
// with the window's measurement is held to the same table.

#include "app/RegionSweep.h"
#include "tests/support/BmpFile.h"

#include <ostream>
#include <vector>

inline constexpr TColor Grey(int level) {
    return RGB(level, level, level);
}

struct TRegionCase {
    const char* Name;
    int Width;
    int Height;
    TColor Background;
    std::vector<TFilledRect> Rects;
    TPoint Seed;
    int Count;
};

inline void PrintTo(const TRegionCase& c, std::ostream* os) {
    *os << c.Name;
}

// The U: uprights at columns 20..29 and 50..59, rows 20..69, joined by a bar at rows 60..69.
inline const std::vector<TFilledRect> UShape{{Rect(20, 20, 30, 70), clBlack},
                                             {Rect(50, 20, 60, 70), clBlack},
                                             {Rect(20, 60, 60, 70), clBlack}};
// A dark line along row 10, columns 5..14.
inline TFilledRect SeedRow() {
    return {Rect(5, 10, 15, 11), clBlack};
}
// A dark column 5, rows 8..12, with one pixel of another colour at row y.
inline std::vector<TFilledRect> ColumnWith(int y, TColor color) {
    return {{Rect(5, 8, 6, 13), clBlack}, {Rect(5, y, 6, y + 1), color}};
}

inline const TRegionCase RegionCases[] = {
    // Columns 105..109 rightwards and 104..100 leftwards, ten pixels each.
    {"TenByTenSquare", 200, 200, clWhite, {{Rect(100, 100, 110, 110), clBlack}}, {105, 105}, 100},
    // Only the left upright's columns are reached along the seed row.
    {"UShapeFromAnUpright", 100, 100, clWhite, UShape, {25, 30}, 500},
    {"UShapeFromTheBar", 100, 100, clWhite, UShape, {40, 65}, 1200},
    {"SinglePixel", 50, 50, clWhite, {{Rect(30, 40, 31, 41), clBlack}}, {30, 40}, 1},
    // The rightward sweep ends at once; the leftward one measures from the neighbour.
    {"BrightSeedWithDarkLeftNeighbour",
     80,
     80,
     clWhite,
     {{Rect(45, 50, 50, 51), clBlack}},
     {50, 50},
     5},
    // Every column 0..19, rows 1..19: the leftward sweep never starts.
    {"SeedInColumnZero", 20, 20, clBlack, {}, {0, 10}, 20 * 19},
    {"SeedInColumnOne", 20, 20, clBlack, {}, {1, 10}, 19 * 19},
    // No upward runs: every column counts from row 1.
    {"SeedInRowZero", 20, 20, clBlack, {}, {10, 0}, 19 * 19},
    {"RowValueAtThresholdContinues",
     30,
     30,
     clWhite,
     {SeedRow(), {Rect(10, 10, 11, 11), 0x4040}},
     {5, 10},
     10},
    {"RowValueAboveThresholdStops",
     30,
     30,
     clWhite,
     {SeedRow(), {Rect(10, 10, 11, 11), 0x4041}},
     {5, 10},
     5},
    {"DownwardValueAtThresholdContinues", 30, 30, clWhite, ColumnWith(11, 0x4040), {5, 10}, 5},
    {"DownwardValueAboveThresholdStops", 30, 30, clWhite, ColumnWith(11, 0x4041), {5, 10}, 3},
    {"DownwardRunStopsOnGrey1", 30, 30, clWhite, ColumnWith(11, Grey(1)), {5, 10}, 3},
    {"UpwardRunContinuesOnGrey63", 30, 30, clWhite, ColumnWith(9, Grey(63)), {5, 10}, 5},
    {"UpwardRunStopsOnGrey64", 30, 30, clWhite, ColumnWith(9, Grey(64)), {5, 10}, 3},
    // Positions beyond an image's edges count as bright: only the pixels of the image count.
    {"ImageTouchingItsEdges", 30, 20, clBlack, {}, {15, 10}, 29 * 19},
};
