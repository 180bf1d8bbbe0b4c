#include "framework/graphics/Canvas.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/Saturate.h"
#include "framework/graphics/Bitmap.h"

#include <algorithm>
#include <climits>

namespace {

TRect Offset(const TRect& r, TPoint by) {
    return {SaturatingAdd(r.Left, by.x), SaturatingAdd(r.Top, by.y), SaturatingAdd(r.Right, by.x),
            SaturatingAdd(r.Bottom, by.y)};
}

TRect SizedRect(int x, int y, int width, int height) {
    return {x, y, SaturatingAdd(x, width), SaturatingAdd(y, height)};
}

} // namespace

const TClassInfo& TCanvas::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TCanvas>("TCanvas", &TPersistent::StaticClass(), [](auto&) {});
    return info;
}

TCanvas::TCanvas()
    : FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()),
      FFont(std::make_unique<TFont>()) {
    FPen->OnChange = TNotifyEvent(this, &TCanvas::PenChanged);
    FBrush->OnChange = TNotifyEvent(this, &TCanvas::BrushChanged);
    FFont->OnChange = TNotifyEvent(this, &TCanvas::FontChanged);
}

TCanvas::~TCanvas() = default;

void TCanvas::SetPen(const TPen* pen) {
    FPen->Assign(pen);
}
void TCanvas::SetBrush(const TBrush* brush) {
    FBrush->Assign(brush);
}
void TCanvas::SetFont(const TFont* font) {
    FFont->Assign(font);
}

void TCanvas::SetTarget(platform::PixelBuffer* buffer, TPoint origin, TRect clip) {
    FDC.SetTarget(buffer, origin, clip);
    FTargetClip = FDC.Clip;
    FHasUserClip = false;
    FState = 0;
}

// ---- clipping ----

TRect TCanvas::ClipRect() const {
    if (FDC.Clip.IsEmpty())
        return {};
    return Offset(FDC.Clip, {-FDC.Origin.x, -FDC.Origin.y});
}

void TCanvas::SetClipRect(const TRect& rect) {
    FUserClip = rect;
    FHasUserClip = true;
    ApplyClip();
}

void TCanvas::IntersectClipRect(const TRect& rect) {
    FUserClip = FHasUserClip ? IntersectRect(FUserClip, rect) : rect;
    FHasUserClip = true;
    ApplyClip();
}

void TCanvas::ResetClipRect() {
    FHasUserClip = false;
    ApplyClip();
}

void TCanvas::ApplyClip() {
    FDC.SetClip(FHasUserClip ? IntersectRect(FTargetClip, Offset(FUserClip, FDC.Origin))
                             : FTargetClip);
}

// ---- selecting the tools ----

void TCanvas::Require(unsigned state) {
    const unsigned missing = state & ~FState;
    if (missing & FontValid) {
        FDC.Font = FFont->Resolved();
        FDC.TextColor = ColorToRGB(FFont->Color());
    }
    if (missing & PenValid) {
        FDC.PenColor = ColorToRGB(FPen->Color());
        FDC.PenWidth = FPen->Width();
        FDC.PenStyle = FPen->Style();
        FDC.PenMode = FPen->Mode();
    }
    if (missing & BrushValid) {
        FDC.BrushColor = ColorToRGB(FBrush->Color());
        FDC.BrushStyle = FBrush->Style();
        if (FDC.BrushStyle == bsSolid) {
            FDC.BkColor = FDC.BrushColor;
            FDC.BkMode = OPAQUE;
        } else {
            // Nothing draws a background in TRANSPARENT mode; the inverse colour keeps it
            // distinct from the brush, as the classic framework does.
            FDC.BkColor = ~FDC.BrushColor & 0xFFFFFF;
            FDC.BkMode = TRANSPARENT;
        }
    }
    FState |= state;
}

HDC TCanvas::Handle() {
    Require(PenValid | BrushValid | FontValid);
    return &FDC;
}

void TCanvas::Changed() {
    OnChange(this);
}

// ---- shapes ----

void TCanvas::FillRect(const TRect& rect) {
    Require(BrushValid);
    FDC.FillBrush(rect);
    Changed();
}

void TCanvas::FrameRect(const TRect& rect) {
    Require(BrushValid);
    if (!rect.IsEmpty()) {
        FDC.FillBrush({rect.Left, rect.Top, rect.Right, rect.Top + 1});
        FDC.FillBrush({rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom});
        FDC.FillBrush({rect.Left, rect.Top + 1, rect.Left + 1, rect.Bottom - 1});
        FDC.FillBrush({rect.Right - 1, rect.Top + 1, rect.Right, rect.Bottom - 1});
    }
    Changed();
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    Rectangle(TRect{left, top, right, bottom});
}

void TCanvas::Rectangle(const TRect& rect) {
    Require(PenValid | BrushValid);
    FDC.Rectangle(rect);
    Changed();
}

void TCanvas::MoveTo(int x, int y) {
    FDC.PenPos = {x, y};
}

void TCanvas::LineTo(int x, int y) {
    Require(PenValid | BrushValid);
    FDC.Line(FDC.PenPos, {x, y});
    FDC.PenPos = {x, y};
    Changed();
}

void TCanvas::Polyline(std::span<const TPoint> points) {
    Require(PenValid | BrushValid);
    for (std::size_t i = 1; i < points.size(); ++i)
        FDC.Line(points[i - 1], points[i]);
    Changed();
}

void TCanvas::DrawFocusRect(const TRect& rect) {
    Require(BrushValid);
    FDC.FocusRect(rect);
    Changed();
}

// ---- pictures ----

void TCanvas::Draw(int x, int y, const TGraphic* graphic) {
    if (!graphic || graphic->Empty())
        return;
    graphic->Draw(*this, SizedRect(x, y, graphic->Width(), graphic->Height()));
    Changed();
}

void TCanvas::StretchDraw(const TRect& rect, const TGraphic* graphic) {
    if (!graphic || graphic->Empty())
        return;
    graphic->Draw(*this, rect);
    Changed();
}

void TCanvas::DrawTransparent(int x, int y, const TBitmap* bitmap, const TRect& source,
                              TColor transparent) {
    if (!bitmap)
        return;
    const auto& pixels = bitmap->Pixels();
    const TRect part = IntersectRect(source, TRect{0, 0, pixels.Width, pixels.Height});
    if (part.IsEmpty())
        return;
    const int dx = Saturate(std::int64_t{x} + part.Left - source.Left);
    const int dy = Saturate(std::int64_t{y} + part.Top - source.Top);
    FDC.TransparentBlit(SizedRect(dx, dy, part.Width(), part.Height()), pixels, part,
                        part.TopLeft(), ColorToRGB(transparent));
    Changed();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* canvas, const TRect& source) {
    if (!canvas || !canvas->FDC.Target)
        return;
    Require(BrushValid);
    FDC.StretchBlit(dest, *canvas->FDC.Target, canvas->FDC.Clip, Offset(source, canvas->FDC.Origin),
                    SRCCOPY);
    Changed();
}

// ---- text ----

void TCanvas::TextOut(int x, int y, const std::string& text) {
    Require(FontValid | BrushValid);
    FDC.Text(x, y, text, nullptr);
    FDC.PenPos = {Saturate(std::int64_t{x} + FDC.TextWidth(text)), y};
    Changed();
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const std::string& text) {
    Require(FontValid | BrushValid);
    const unsigned options = ETO_CLIPPED | (FBrush->Style() != bsClear ? ETO_OPAQUE : 0u);
    ExtTextOutA(&FDC, x, y, options, &rect, text.data(), static_cast<int>(text.size()), nullptr);
    Changed();
}

int TCanvas::TextWidth(const std::string& text) {
    return TextExtent(text).cx;
}

int TCanvas::TextHeight(const std::string& text) {
    return TextExtent(text).cy;
}

TSize TCanvas::TextExtent(const std::string& text) {
    Require(FontValid);
    return {FDC.TextWidth(text), FDC.FontMetrics().Height()};
}
