#include "framework/graphics/Font.h"

#include "framework/core/ClassBuilder.h"
#include "framework/platform/Host.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

namespace {

const std::vector<std::string> FontStyleNames = {"fsBold", "fsItalic", "fsUnderline",
                                                 "fsStrikeOut"};
const std::vector<std::string> FontPitchNames = {"fpDefault", "fpVariable", "fpFixed"};

constexpr int DefaultCharacterHeight = 12;
// Larger heights are drawn at this one: no control shows more, and the engine stays fast.
constexpr int MaxCharacterHeight = 1024;

// The character height whose cell is as tall as cellHeight, or the nearest below it.
int CharacterHeightForCell(platform::FontSpec desc, int cellHeight) {
    auto& engine = CurrentFontEngine();
    auto cellOf = [&](int characterHeight) {
        desc.PixelHeight = characterHeight;
        return engine.Metrics(desc).Height();
    };
    const int firstCell = cellOf(cellHeight);
    int height = firstCell > 0 ? MulDiv(cellHeight, cellHeight, firstCell) : cellHeight;
    height = std::clamp(height, 1, MaxCharacterHeight);
    // The estimate is within a pixel or two; walk to the exact fit.
    while (height > 1 && cellOf(height) > cellHeight)
        --height;
    while (height < MaxCharacterHeight && cellOf(height + 1) <= cellHeight)
        ++height;
    return height;
}

} // namespace

int MulDiv(int a, int b, int c) {
    if (c == 0)
        return -1;
    const std::int64_t product = std::int64_t{a} * b;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = std::llabs(product);
    const std::int64_t divisor = std::llabs(std::int64_t{c});
    const std::int64_t quotient = (magnitude + divisor / 2) / divisor;
    if (quotient > INT32_MAX)
        return -1;
    return static_cast<int>(negative ? -quotient : quotient);
}

std::string SubstituteFontFace(const std::string& windowsName) {
    static const std::array<std::pair<std::string_view, std::string_view>, 9> faces = {{
        {"ＭＳ Ｐゴシック", "IPAPGothic"},
        {"ＭＳ Ｐ明朝", "IPAPMincho"},
        {"ＭＳ ゴシック", "IPAGothic"},
        {"ＭＳ 明朝", "IPAMincho"},
        {"MS PGothic", "IPAPGothic"},
        {"MS PMincho", "IPAPMincho"},
        {"MS Gothic", "IPAGothic"},
        {"MS Mincho", "IPAMincho"},
        {"MS UI Gothic", "IPAPGothic"},
    }};
    for (const auto& [windows, local] : faces)
        if (windowsName == windows)
            return std::string(local);
    return windowsName;
}

platform::IFontEngine& CurrentFontEngine() {
    return platform::Host().Fonts();
}

const TClassInfo& TFont::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TFont>("TFont", &TGraphicsObject::StaticClass(), [](auto& c) {
            c.Int("Charset", &TFont::Charset, &TFont::SetCharset, DEFAULT_CHARSET);
            c.Color("Color", &TFont::Color, &TFont::SetColor);
            c.Int("Height", &TFont::Height, &TFont::SetHeight);
            c.String("Name", &TFont::Name, &TFont::SetName);
            c.Enum("Pitch", &TFont::Pitch, &TFont::SetPitch, fpDefault, FontPitchNames);
            // Height carries the size; Size is only another way to set it.
            c.Int("Size", &TFont::Size, &TFont::SetSize).IsStored = [](const TObject&) {
                return false;
            };
            c.Set("Style", &TFont::Style, &TFont::SetStyle, 0, FontStyleNames);
        });
    return info;
}

TFont::TFont() : FName("ＭＳ Ｐゴシック") {}

void TFont::SetName(const std::string& name) {
    if (name == FName)
        return;
    FName = name;
    Changed();
}

void TFont::SetHeight(int height) {
    if (height == FHeight)
        return;
    FHeight = height;
    Changed();
}

int TFont::Size() const {
    return -MulDiv(FHeight, 72, ScreenPixelsPerInch);
}

void TFont::SetSize(int points) {
    SetHeight(-MulDiv(points, ScreenPixelsPerInch, 72));
}

void TFont::SetStyle(TFontStyles style) {
    if (style == FStyle)
        return;
    FStyle = style;
    Changed();
}

void TFont::SetColor(TColor color) {
    if (color == FColor)
        return;
    FColor = color;
    Changed();
}

void TFont::SetCharset(int charset) {
    if (charset == FCharset)
        return;
    FCharset = charset;
    Changed();
}

void TFont::SetPitch(TFontPitch pitch) {
    if (pitch == FPitch)
        return;
    FPitch = pitch;
    Changed();
}

void TFont::Assign(const TPersistent* source) {
    const auto* font = dynamic_cast<const TFont*>(source);
    if (!font) {
        TGraphicsObject::Assign(source);
        return;
    }
    FName = font->FName;
    FHeight = font->FHeight;
    FStyle = font->FStyle;
    FColor = font->FColor;
    FCharset = font->FCharset;
    FPitch = font->FPitch;
    Changed();
}

platform::FontSpec TFont::Resolved() const {
    platform::FontSpec desc;
    desc.Family = SubstituteFontFace(FName);
    desc.Bold = (FStyle & fsBold) != 0;
    desc.Italic = (FStyle & fsItalic) != 0;
    desc.Underline = (FStyle & fsUnderline) != 0;
    desc.StrikeOut = (FStyle & fsStrikeOut) != 0;
    if (FHeight < 0)
        desc.PixelHeight = FHeight < -MaxCharacterHeight ? MaxCharacterHeight : -FHeight;
    else if (FHeight > 0)
        desc.PixelHeight = CharacterHeightForCell(
            desc, FHeight > MaxCharacterHeight ? MaxCharacterHeight : FHeight);
    else
        desc.PixelHeight = DefaultCharacterHeight;
    return desc;
}
