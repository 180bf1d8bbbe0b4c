#pragma once
// Pixel values of a form designed at d pixels per inch, shown on a screen of m.

#include <utility>

// A length, rounded to the nearest pixel (halves away from zero) and held to an int.
int ScaleLength(int value, int m, int d);
// The start and size of [start, start + size) with both edges scaled, so that spans that met
// still meet: the scaled size is not the size scaled.
std::pair<int, int> ScaleSpan(int start, int size, int m, int d);
