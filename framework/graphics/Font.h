#pragma once
// Fonts: the face, size, style and colour that text is drawn in.

#include "framework/graphics/GraphicsObjects.h"
#include "framework/platform/FontEngine.h"

#include <string>

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned; // TFontStyle bits

enum TFontPitch { fpDefault, fpVariable, fpFixed };

enum : int {
    ANSI_CHARSET = 0,
    DEFAULT_CHARSET = 1,
    SYMBOL_CHARSET = 2,
    SHIFTJIS_CHARSET = 128,
};

// Every screen of the framework counts 96 pixels to the inch.
constexpr int ScreenPixelsPerInch = 96;

// a * b / c, rounded half away from zero; -1 when c is 0.
int MulDiv(int a, int b, int c);

class TFont : public TGraphicsObject {
    FRAMEWORK_CLASS(TFont)
public:
    TFont();

    const std::string& Name() const { return FName; }
    void SetName(const std::string& name);
    // Negative: the character height in pixels; positive: the cell height, internal leading
    // included; 0: the default height.
    int Height() const { return FHeight; }
    void SetHeight(int height);
    // Points: Height = -Size * 96 / 72.
    int Size() const;
    void SetSize(int points);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    int Charset() const { return FCharset; }
    void SetCharset(int charset);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch pitch);

    // Copies every attribute of another font and fires OnChange once.
    void Assign(const TPersistent* source) override;

    // What the font engine needs: the face the system has for Name, the character height.
    platform::FontSpec Resolved() const;

private:
    std::string FName;
    int FHeight = -12;
    TFontStyles FStyle = 0;
    TColor FColor = clWindowText;
    int FCharset = DEFAULT_CHARSET;
    TFontPitch FPitch = fpDefault;
};

// The face that stands in for a Windows face name ("ＭＳ Ｐゴシック" -> "IPAPGothic"); other names
// are returned unchanged for the system's font matching.
std::string SubstituteFontFace(const std::string& windowsName);

// The engine that measures and draws text: the host's when one is installed, else one shared by
// the process.
platform::IFontEngine& CurrentFontEngine();
