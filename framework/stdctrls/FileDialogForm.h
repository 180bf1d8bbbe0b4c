#pragma once
// The framework's own file-open and file-save dialogs, drawn like the rest of its controls: a
// modal form with the folder's path, a list of its sub folders and of the files the filter lets
// through, the file name, OK and Cancel. A typed name with a wildcard filters the list instead;
// a typed or chosen folder is entered. Saving over a file that exists asks first when the request
// says so.
//
// Its controls are named for those who drive it: FolderEdit, FileList, FileNameEdit, OKButton,
// CancelButton.

#include "framework/platform/Host.h"

#include <optional>
#include <string>

enum class TFileDialogKind { Open, Save };

// The chosen file's full path, or nothing when the user cancels.
std::optional<std::string> RunFileDialogForm(const platform::FileDialogSpec& request,
                                             TFileDialogKind kind);
