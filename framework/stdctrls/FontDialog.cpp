#include "framework/stdctrls/FontDialog.h"

#include "framework/core/ClassBuilder.h"
#include "framework/graphics/Font.h"
#include "framework/platform/Host.h"

const TClassInfo& TFontDialog::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TFontDialog>("TFontDialog", &TComponent::StaticClass(), [](auto& c) {
            c.Object("Font", &TFontDialog::Font);
            c.Event("OnShow", &TFontDialog::OnShow);
            c.Event("OnClose", &TFontDialog::OnClose);
        });
    return info;
}

TFontDialog::TFontDialog(TComponent* owner) : TComponent(owner), FFont(std::make_unique<TFont>()) {}

TFontDialog::~TFontDialog() = default;

bool TFontDialog::Execute() {
    platform::FontDialogSpec spec;
    spec.Name = FFont->Name();
    spec.Size = FFont->Size();
    spec.Bold = (FFont->Style() & fsBold) != 0;
    spec.Italic = (FFont->Style() & fsItalic) != 0;
    spec.Underline = (FFont->Style() & fsUnderline) != 0;
    spec.StrikeOut = (FFont->Style() & fsStrikeOut) != 0;
    spec.Color = FFont->Color();
    if (OnShow)
        OnShow(this);
    const auto chosen = platform::Host().FontDialog(spec);
    if (OnClose)
        OnClose(this);
    if (!chosen)
        return false;
    FFont->SetName(chosen->Name);
    FFont->SetSize(chosen->Size);
    FFont->SetStyle((chosen->Bold ? fsBold : 0u) | (chosen->Italic ? fsItalic : 0u) |
                    (chosen->Underline ? fsUnderline : 0u) |
                    (chosen->StrikeOut ? fsStrikeOut : 0u));
    FFont->SetColor(chosen->Color);
    return true;
}
