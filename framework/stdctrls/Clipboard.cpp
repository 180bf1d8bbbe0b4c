#include "framework/stdctrls/Clipboard.h"

#include "framework/core/ClassBuilder.h"
#include "framework/platform/Host.h"

const TClassInfo& TClipboard::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TClipboard>("TClipboard", &TPersistent::StaticClass(), [](auto&) {});
    return info;
}

bool TClipboard::HasFormat(unsigned format) const {
    return format == CF_TEXT && platform::Host().ClipboardHasText();
}

std::string TClipboard::AsText() const {
    return platform::Host().ClipboardText();
}

void TClipboard::SetAsText(const std::string& text) {
    platform::Host().SetClipboardText(text);
}

TClipboard* Clipboard() {
    static TClipboard clipboard;
    return &clipboard;
}
