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
    platform::FontDialogSpec request;
    request.Name = FFont->Name();
    request.Size = FFont->Size();
    request.Bold = (FFont->Style() & fsBold) != 0;
    request.Italic = (FFont->Style() & fsItalic) != 0;
    request.Underline = (FFont->Style() & fsUnderline) != 0;
    request.StrikeOut = (FFont->Style() & fsStrikeOut) != 0;
    request.Color = FFont->Color();
    if (OnShow)
        OnShow(this);
    const auto chosen = platform::Host().FontDialog(request);
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
