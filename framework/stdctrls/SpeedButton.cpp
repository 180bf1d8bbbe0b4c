#include "framework/stdctrls/SpeedButton.h"

#include "framework/core/ClassBuilder.h"
#include "framework/forms/Form.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/CheckerFill.h"
#include "framework/graphics/EngravedText.h"
#include "framework/graphics/Frame3D.h"
#include "framework/graphics/ScaledResource.h"
#include "framework/windows/Scaling.h"
#include "framework/windows/Win32Api.h"
#include "framework/windows/WinControl.h"

#include <algorithm>
#include <cstdint>
#include <utility>

const TClassInfo& TSpeedButton::StaticClass() {
    static const TClassInfo info = DescribeClass<TSpeedButton>(
        "TSpeedButton", &TGraphicControl::StaticClass(), [](TClassBuilder<TSpeedButton>& c) {
            c.Bool("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp, false);
            c.Int("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex, 0);
            c.Bool("Down", &TSpeedButton::Down, &TSpeedButton::SetDown, false);
            c.Bool("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat, false);
            c.Resource("Glyph", &TSpeedButton::GlyphResource, &TSpeedButton::SetGlyphResource);
            c.Enum("Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout, blGlyphLeft,
                   ButtonLayoutNames);
            c.Int("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin, -1);
            c.Int("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs, 1);
            c.Int("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing, 4);
            c.Bool("Transparent", &TSpeedButton::Transparent, &TSpeedButton::SetTransparent, true);
        });
    return info;
}

const TMessageMap& TSpeedButton::StaticMessageMap() {
    static const TMessageMap map(
        &TGraphicControl::StaticMessageMap(),
        {
            MessageHandler<CM_MOUSEENTER, &TSpeedButton::CMMouseEnter>(),
            MessageHandler<CM_MOUSELEAVE, &TSpeedButton::CMMouseLeave>(),
            MessageHandler<CM_ENABLEDCHANGED, &TSpeedButton::CMEnabledChanged>(),
            MessageHandler<CM_BUTTONPRESSED, &TSpeedButton::CMButtonPressed>(),
            MessageHandler<CM_TEXTCHANGED, &TSpeedButton::CMTextChanged>(),
            MessageHandler<CM_DIALOGCHAR, &TSpeedButton::CMDialogChar>(),
            MessageHandler<WM_LBUTTONDBLCLK, &TSpeedButton::WMLButtonDblClk>(),
        });
    return map;
}

TSpeedButton::TSpeedButton(TComponent* owner)
    : TGraphicControl(owner), FGlyph(std::make_unique<TBitmap>()) {
    FControlStyle = csCaptureMouse | csDoubleClicks;
    FWidth = 23;
    FHeight = 22;
    FGlyph->OnChange = TNotifyEvent(this, &TSpeedButton::GlyphChanged);
}

TSpeedButton::~TSpeedButton() {
    FGlyph->OnChange = nullptr;
}

// --- properties

void TSpeedButton::SetGlyph(const TBitmap* glyph) {
    if (glyph)
        FGlyph->Assign(glyph);
    else
        FGlyph->SetSize(0, 0);
}

void TSpeedButton::SetGlyphResource(const std::string& name) {
    if (name.empty()) {
        SetGlyph(nullptr);
    } else {
        LoadScaledResource(*FGlyph, name, FormPixelsPerInch(this), 96);
    }
    FGlyphResource = name;
}

void TSpeedButton::ChangeScale(int m, int d) {
    if (FMargin != -1)
        FMargin = std::max(ScaleLength(FMargin, m, d), 0);
    FSpacing = ScaleLength(FSpacing, m, d);
    TGraphicControl::ChangeScale(m, d);
    if (!FGlyphResource.empty())
        SetGlyphResource(FGlyphResource);
}

void TSpeedButton::GlyphChanged(TObject*) {
    const int w = FGlyph->Width();
    const int h = FGlyph->Height();
    if (w > 0 && h > 0 && w % h == 0) {
        const int images = w / h;
        SetNumGlyphs(images <= 4 ? images : 1);
    }
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int value) {
    value = std::clamp(value, 1, 4);
    if (value == FNumGlyphs)
        return;
    FNumGlyphs = value;
    Invalidate();
}

void TSpeedButton::SetFlat(bool value) {
    if (value == FFlat)
        return;
    FFlat = value;
    Invalidate();
}

void TSpeedButton::SetTransparent(bool value) {
    if (value == FTransparent)
        return;
    FTransparent = value;
    SetOpaque(!value);
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout value) {
    if (value == FLayout)
        return;
    FLayout = value;
    Invalidate();
}

void TSpeedButton::SetMargin(int value) {
    value = std::max(value, -1);
    if (value == FMargin)
        return;
    FMargin = value;
    Invalidate();
}

void TSpeedButton::SetSpacing(int value) {
    value = std::max(value, -1);
    if (value == FSpacing)
        return;
    FSpacing = value;
    Invalidate();
}

void TSpeedButton::SetGroupIndex(int value) {
    if (value == FGroupIndex)
        return;
    FGroupIndex = value;
    UpdateExclusive();
}

void TSpeedButton::SetDown(bool value) {
    if (FGroupIndex == 0)
        value = false;
    if (value == FDown)
        return;
    if (FDown && !FAllowAllUp)
        return;
    FDown = value;
    if (value) {
        FState = bsExclusive;
        Invalidate();
        UpdateExclusive();
    } else {
        FState = bsUp;
        Repaint();
    }
}

void TSpeedButton::SetAllowAllUp(bool value) {
    if (value == FAllowAllUp)
        return;
    FAllowAllUp = value;
    UpdateExclusive();
}

void TSpeedButton::UpdateExclusive() {
    if (FGroupIndex == 0 || !Parent())
        return;
    TMessage message{CM_BUTTONPRESSED, static_cast<WPARAM>(FGroupIndex),
                     reinterpret_cast<LPARAM>(this), 0};
    Parent()->Broadcast(message);
}

void TSpeedButton::CMButtonPressed(TMessage& message) {
    if (message.WParam != static_cast<WPARAM>(FGroupIndex))
        return;
    auto* sender = reinterpret_cast<TSpeedButton*>(message.LParam);
    if (sender == this)
        return;
    if (sender->Down() && FDown) {
        FDown = false;
        FState = bsUp;
        Invalidate();
    }
    FAllowAllUp = sender->AllowAllUp();
}

// --- input
//
// | event                       | condition                    | state               | click |
// |-----------------------------|------------------------------|---------------------|-------|
// | left press                  | enabled                      | down (unless Down)  |       |
// | move while pressed          | inside / outside             | down / up           |       |
// | release                     | inside, no group             | up                  | yes   |
// | release                     | inside, group                | Down toggled        | yes   |
// | release                     | outside                      | up (or exclusive)   | no    |
// | pointer enters (flat)       | enabled, mouse not captured  | raised edge         |       |
// | pointer leaves (flat)       | not pressed                  | no edge             |       |

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled())
        return;
    if (!FDown) {
        FState = bsDown;
        Invalidate();
    }
    FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
    TGraphicControl::MouseMove(shift, x, y);
    if (!FDragging) {
        if (!FMouseInControl)
            UpdateTracking();
        return;
    }
    TButtonState state = FDown ? bsExclusive : bsUp;
    if (InClient(x, y))
        state = FDown ? bsExclusive : bsDown;
    if (state != FState) {
        FState = state;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseUp(button, shift, x, y);
    if (!FDragging)
        return;
    FDragging = false;
    const bool click = InClient(x, y);
    if (FGroupIndex == 0) {
        FState = bsUp;
        FMouseInControl = false;
        Invalidate();
    } else if (click) {
        SetDown(!FDown);
        if (FDown)
            Repaint();
    } else {
        if (FDown)
            FState = bsExclusive;
        Repaint();
    }
    UpdateTracking();
    // Last: the handler may free the button.
    if (click)
        Click();
}

void TSpeedButton::WMLButtonDblClk(TWMMouse& message) {
    DispatchInherited(TGraphicControl::StaticMessageMap(), message.Message);
    if (FDown)
        DblClick();
}

void TSpeedButton::UpdateTracking() {
    if (!FFlat || !Enabled())
        return;
    TPoint cursor;
    GetCursorPos(&cursor);
    const bool inside = FindDragTarget(cursor, true) == this;
    if (inside == FMouseInControl)
        return;
    FMouseInControl = inside;
    Invalidate();
}

void TSpeedButton::CMMouseEnter(TMessage& message) {
    DispatchInherited(TGraphicControl::StaticMessageMap(), message);
    if (FFlat && !FMouseInControl && Enabled() && !GetCapture()) {
        FMouseInControl = true;
        Repaint();
    }
}

void TSpeedButton::CMMouseLeave(TMessage& message) {
    DispatchInherited(TGraphicControl::StaticMessageMap(), message);
    if (FFlat && FMouseInControl && Enabled() && !FDragging) {
        FMouseInControl = false;
        Invalidate();
    }
}

void TSpeedButton::CMEnabledChanged(TMessage& message) {
    DispatchInherited(TGraphicControl::StaticMessageMap(), message);
    if (!Enabled())
        FMouseInControl = false;
    UpdateTracking();
    Repaint();
}

void TSpeedButton::CMTextChanged(TMessage& message) {
    DispatchInherited(TGraphicControl::StaticMessageMap(), message);
    Invalidate();
}

void TSpeedButton::CMDialogChar(TWMKey& message) {
    if (IsAccel(message.CharCode, Caption()) && Enabled() && Visible() && Parent() &&
        Parent()->Showing()) {
        Click();
        message.Result = 1;
        return;
    }
    DispatchInherited(TGraphicControl::StaticMessageMap(), message.Message);
}

// --- painting

namespace {

struct TGlyphLayout {
    TPoint Glyph;
    TRect Text;
};

// Glyph and caption placed together in client: by default (margin -1) centred as one block
// with spacing between them; with a margin, the glyph that far from its edge.
TGlyphLayout CalcLayout(const TRect& client, TSize glyph, TSize text, TButtonLayout layout,
                        int margin, int spacing) {
    // Beyond any screen the placement no longer matters; held there, no sum below overflows.
    constexpr int FarOffset = 1 << 20;
    margin = std::clamp(margin, -FarOffset, FarOffset);
    spacing = std::clamp(spacing, -FarOffset, FarOffset);
    const TSize area{client.Width(), client.Height()};
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    TPoint glyphPos{};
    TPoint textPos{};
    if (horizontal) {
        glyphPos.y = (area.cy - glyph.cy + 1) / 2;
        textPos.y = (area.cy - text.cy + 1) / 2;
    } else {
        glyphPos.x = (area.cx - glyph.cx + 1) / 2;
        textPos.x = (area.cx - text.cx + 1) / 2;
    }
    if (text.cx == 0 || glyph.cx == 0)
        spacing = 0;
    const int areaLength = horizontal ? area.cx : area.cy;
    const int glyphLength = horizontal ? glyph.cx : glyph.cy;
    const int textLength = horizontal ? text.cx : text.cy;
    if (margin == -1) {
        if (spacing == -1) {
            margin = (areaLength - glyphLength - textLength) / 3;
            spacing = margin;
        } else {
            margin = (areaLength - glyphLength - spacing - textLength + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = (areaLength - margin - glyphLength - textLength) / 2;
    }
    switch (layout) {
    case blGlyphLeft:
        glyphPos.x = margin;
        textPos.x = glyphPos.x + glyph.cx + spacing;
        break;
    case blGlyphRight:
        glyphPos.x = area.cx - margin - glyph.cx;
        textPos.x = glyphPos.x - spacing - text.cx;
        break;
    case blGlyphTop:
        glyphPos.y = margin;
        textPos.y = glyphPos.y + glyph.cy + spacing;
        break;
    case blGlyphBottom:
        glyphPos.y = area.cy - margin - glyph.cy;
        textPos.y = glyphPos.y - spacing - text.cy;
        break;
    }
    TGlyphLayout result;
    result.Glyph = {client.Left + glyphPos.x, client.Top + glyphPos.y};
    result.Text = Bounds(client.Left + textPos.x, client.Top + textPos.y, text.cx, text.cy);
    return result;
}

bool IsDarkPixel(TColor c) {
    return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 192;
}

} // namespace

void TSpeedButton::DrawGlyph(TCanvas& canvas, TPoint at) const {
    const int w = FGlyph->Width() / FNumGlyphs;
    const int h = FGlyph->Height();
    const TColor transparent = FGlyph->TransparentColor();
    int image = static_cast<int>(FState);
    if (image < FNumGlyphs) {
        canvas.DrawTransparent(at.x, at.y, FGlyph.get(), Bounds(image * w, 0, w, h), transparent);
        return;
    }
    if (FState != bsDisabled) {
        canvas.DrawTransparent(at.x, at.y, FGlyph.get(), Bounds(0, 0, w, h), transparent);
        return;
    }
    // No disabled image: the dark parts of the normal one, embossed.
    const TColor key = ColorToRGB(transparent);
    for (const auto& [dx, color] : {std::pair{1, clBtnHighlight}, std::pair{0, clBtnShadow}}) {
        const TColor rgb = ColorToRGB(color);
        for (int y = 0; y < h; ++y) {
            const std::uint32_t* row = FGlyph->ScanLine(y);
            for (int x = 0; x < w; ++x) {
                const TColor pixel = PixelToColor(row[x]);
                if (pixel != key && IsDarkPixel(pixel))
                    canvas.SetPixel(at.x + x + dx, at.y + y + dx, rgb);
            }
        }
    }
}

void TSpeedButton::DrawCaption(TCanvas& canvas, TRect bounds) const {
    canvas.Brush()->SetStyle(bsClear);
    const unsigned format = DT_CENTER | DT_VCENTER;
    if (FState != bsDisabled) {
        DrawTextA(canvas.Handle(), Caption().c_str(), -1, &bounds, format);
        return;
    }
    DrawEngravedText(canvas, Caption(), bounds, format);
}

void TSpeedButton::Paint() {
    if (!Enabled()) {
        FState = bsDisabled;
        FDragging = false;
    } else if (FState == bsDisabled) {
        FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
    }
    TCanvas& canvas = *Canvas();
    canvas.SetFont(Font());
    TRect rect = ClientRect();
    const bool pressed = FState == bsDown || FState == bsExclusive;
    if (!FFlat) {
        DrawEdge3D(canvas, rect, pressed ? TEdge::Sunken : TEdge::Raised);
        canvas.Brush()->SetColor(clBtnFace);
        canvas.FillRect(rect);
    } else {
        if (pressed || (FMouseInControl && FState != bsDisabled) || IsDesigning()) {
            TRect face = rect;
            if (pressed)
                Frame3D(canvas, face, clBtnShadow, clBtnHighlight, 1);
            else
                Frame3D(canvas, face, clBtnHighlight, clBtnShadow, 1);
            if (!FTransparent) {
                canvas.Brush()->SetColor(clBtnFace);
                canvas.FillRect(face);
            }
        } else if (!FTransparent) {
            canvas.Brush()->SetColor(Color());
            canvas.FillRect(rect);
        }
        InflateRect(rect, -1, -1);
    }
    if (FState == bsExclusive && (!FFlat || !FMouseInControl))
        FillChecker(canvas, rect, clBtnFace, clBtnHighlight);

    const TPoint offset = pressed ? TPoint{1, 1} : TPoint{0, 0};
    TRect textExtent = {0, 0, rect.Width(), 0};
    if (!Caption().empty())
        DrawTextA(canvas.Handle(), Caption().c_str(), -1, &textExtent, DT_CALCRECT);
    const TSize glyph =
        FGlyph->Empty() ? TSize{} : TSize{FGlyph->Width() / FNumGlyphs, FGlyph->Height()};
    const TSize text = Caption().empty() ? TSize{} : TSize{textExtent.Width(), textExtent.Height()};
    TGlyphLayout layout = CalcLayout(rect, glyph, text, FLayout, FMargin, FSpacing);
    OffsetRect(layout.Text, offset.x, offset.y);
    if (glyph.cx > 0)
        DrawGlyph(canvas, {layout.Glyph.x + offset.x, layout.Glyph.y + offset.y});
    if (text.cx > 0)
        DrawCaption(canvas, layout.Text);
}
