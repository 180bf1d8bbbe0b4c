#pragma once
// The Win32 drawing calls that controls make on a canvas's Handle(). Strings are UTF-8 (the "A"
// in the names is historical); counts are in bytes, -1 meaning up to the terminating zero where
// Win32 allows it.

#include "framework/graphics/DeviceContext.h"
#include "framework/graphics/Types.h"

using HDC = TDeviceContext*;
using BOOL = int;
using COLORREF = TColor;

struct TSize {
    int cx = 0;
    int cy = 0;
    friend constexpr bool operator==(const TSize&, const TSize&) = default;
};

// DrawTextA formats.
enum : unsigned {
    DT_TOP = 0,
    DT_LEFT = 0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4, // with DT_SINGLELINE only
    DT_BOTTOM = 0x8,  // with DT_SINGLELINE only
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_NOCLIP = 0x100,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
};

// ExtTextOutA options.
enum : unsigned { ETO_OPAQUE = 0x2, ETO_CLIPPED = 0x4 };

// BitBlt raster operations.
enum : unsigned {
    SRCCOPY = 0x00CC0020,
    SRCPAINT = 0x00EE0086,
    SRCAND = 0x008800C6,
    SRCINVERT = 0x00660046,
    NOTSRCCOPY = 0x00330008,
    DSTINVERT = 0x00550009,
    PATCOPY = 0x00F00021,
    BLACKNESS = 0x00000042,
    WHITENESS = 0x00FF0062,
};

// Lays text out in rect: lines break at CR, LF or CR LF (and at word ends past the right edge
// with DT_WORDBREAK), each line aligned by itself, lines stacked at the font's cell height; '&'
// underlines the next character and "&&" draws one '&' unless DT_NOPREFIX. Returns the height of
// the text, measured from rect's top. DT_CALCRECT draws nothing and sets rect's right and bottom
// to the extent of the text.
int DrawTextA(HDC dc, const char* text, int count, TRect* rect, unsigned format);
// Text at (x, y), the top left of its cell. ETO_OPAQUE fills rect with the background colour
// first; ETO_CLIPPED keeps the text inside rect. dx, if given, holds one advance per byte: a
// character moves on by the sum of its bytes' entries.
BOOL ExtTextOutA(HDC dc, int x, int y, unsigned options, const TRect* rect, const char* text,
                 int count, const int* dx);
BOOL DrawFocusRect(HDC dc, const TRect* rect);
BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int sx, int sy, unsigned rop);
BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int sx, int sy, int sw,
                int sh, unsigned rop);
BOOL GetTextExtentPoint32A(HDC dc, const char* text, int count, TSize* size);

// Each returns the previous value.
COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF SetBkColor(HDC dc, COLORREF color);
int SetBkMode(HDC dc, int mode);
COLORREF GetTextColor(HDC dc);
COLORREF GetBkColor(HDC dc);
int GetBkMode(HDC dc);
