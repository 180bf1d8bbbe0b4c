#pragma once
// The desktop's common dialogs: the open-file dialog and the message box.

#include "framework/platform/Host.h"

#include <QStringList>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// "Bitmap (*.bmp)|*.bmp|All (*.*)|*.*" as Qt's name filters; a description that does not end
// with its patterns in parentheses gets them appended, since Qt reads the patterns from there.
QStringList QtNameFilters(std::string_view filter);

std::optional<std::string> RunOpenFileDialog(const FileDialogSpec& desc);
void RunMessageBox(const std::string& title, const std::string& text, MessageBoxKind kind);

} // namespace platform
