#pragma once
// The desktop's common dialogs: the open-file and save-file dialogs and the message box.

#include "framework/platform/Host.h"

#include <QStringList>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// "Bitmap (*.bmp)|*.bmp|All (*.*)|*.*" as Qt's name filters; a description that does not end
// with its patterns in parentheses gets them appended, since Qt reads the patterns from there.
QStringList QtNameFilters(std::string_view filter);

enum class FileDialogMode { Open, Save };

std::optional<std::string> RunFileDialog(const FileDialogSpec& desc, FileDialogMode mode);
void RunMessageBox(const std::string& title, const std::string& text, MessageBoxKind kind);

} // namespace platform
