#include "framework/stdctrls/FileDialogForm.h"

#include "framework/forms/Form.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/Label.h"
#include "framework/stdctrls/ListBox.h"
#include "framework/stdctrls/MessageDialog.h"
#include "framework/windows/Win32Api.h"

#include <fnmatch.h>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int Margin = 8;
constexpr int RowHeight = 23;
constexpr int LabelWidth = 70;
constexpr int DialogWidth = 480;
constexpr int ListHeight = 260;
constexpr const char* Up = "..";

// The patterns of the chosen filter ("*.bmp;*.dib"), everything when there is none.
std::vector<std::string> PatternsOf(const std::string& filter, int filterIndex) {
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t bar = filter.find('|', start);
        parts.push_back(filter.substr(start, bar - start));
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    const std::size_t index = 2 * static_cast<std::size_t>(std::max(filterIndex, 1) - 1) + 1;
    const std::string list = index < parts.size() ? parts[index]
                             : parts.size() > 1   ? parts[1]
                                                  : "*";
    std::vector<std::string> patterns;
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t semicolon = std::min(list.find(';', start), list.size());
        std::string pattern = list.substr(start, semicolon - start);
        // "*.*" means every file on the desktop the filters were written for.
        if (pattern == "*.*")
            pattern = "*";
        if (!pattern.empty())
            patterns.push_back(pattern);
        start = semicolon + 1;
    }
    return patterns.empty() ? std::vector<std::string>{"*"} : patterns;
}

bool Matches(const std::vector<std::string>& patterns, const std::string& name) {
    return std::any_of(patterns.begin(), patterns.end(), [&name](const std::string& pattern) {
        return fnmatch(pattern.c_str(), name.c_str(), 0) == 0;
    });
}

bool HasWildcard(const std::string& name) {
    return name.find_first_of("*?") != std::string::npos;
}

class TFileDialogForm : public TForm {
public:
    TFileDialogForm(const platform::FileDialogSpec& request, TFileDialogKind kind)
        : TForm(nullptr), FSpec(request), FKind(kind),
          FPatterns(PatternsOf(request.Filter, request.FilterIndex)) {
        SetBorderStyle(TFormBorderStyle::bsDialog);
        SetPosition(poMainFormCenter);
        SetCaption(!request.Title.empty()          ? request.Title
                   : kind == TFileDialogKind::Save ? "Save As"
                                                   : "Open");
        int y = Margin;
        AddLabel(kind == TFileDialogKind::Save ? "Save &in:" : "Look &in:", y,
                 FFolderEdit = AddEdit("FolderEdit", y));
        y += RowHeight + Margin;
        FList = new TListBox(this);
        FList->SetName("FileList");
        FList->SetBounds(Margin, y, DialogWidth - 2 * Margin, ListHeight);
        FList->OnClick = TNotifyEvent(this, &TFileDialogForm::ListClick);
        FList->OnDblClick = TNotifyEvent(this, &TFileDialogForm::ListDblClick);
        FList->SetParent(this);
        y += ListHeight + Margin;
        AddLabel("File &name:", y, FNameEdit = AddEdit("FileNameEdit", y));
        y += RowHeight + Margin;
        AddButton("OKButton", kind == TFileDialogKind::Save ? "&Save" : "&Open", y, true);
        AddButton("CancelButton", "Cancel", y, false);
        SetClientSize(DialogWidth, y + RowHeight + 2 + Margin);

        const fs::path file(request.FileName);
        std::error_code error;
        fs::path folder = !request.InitialDir.empty() ? fs::path(request.InitialDir)
                          : file.has_parent_path()    ? file.parent_path()
                                                      : fs::current_path(error);
        if (!fs::is_directory(folder, error))
            folder = fs::current_path(error);
        FNameEdit->SetText(file.filename().string());
        Enter(folder);
        SetActiveControl(FNameEdit);
        FNameEdit->SelectAll();
    }

    const std::string& Chosen() const { return FChosen; }

private:
    TEdit* AddEdit(const char* name, int y) {
        auto* edit = new TEdit(this);
        edit->SetName(name);
        edit->SetBounds(Margin + LabelWidth, y, DialogWidth - 2 * Margin - LabelWidth, RowHeight);
        edit->SetParent(this);
        return edit;
    }

    void AddLabel(const char* caption, int y, TEdit* edit) {
        auto* label = new TLabel(this);
        label->SetCaption(caption);
        label->SetFocusControl(edit);
        label->SetBounds(Margin, y + 4, LabelWidth, RowHeight);
        label->SetParent(this);
    }

    void AddButton(const char* name, const char* caption, int y, bool isDefault) {
        auto* button = new TButton(this);
        button->SetName(name);
        button->SetCaption(caption);
        button->SetDefault(isDefault);
        button->SetCancel(!isDefault);
        const int right = DialogWidth - Margin - (isDefault ? button->Width() + Margin : 0);
        button->SetBounds(right - button->Width(), y, button->Width(), RowHeight + 2);
        if (isDefault)
            button->OnClick = TNotifyEvent(this, &TFileDialogForm::Accept);
        else
            button->SetModalResult(mrCancel);
        button->SetParent(this);
    }

    // Shows folder's sub folders, then its files that the patterns let through.
    void Enter(const fs::path& folder) {
        std::error_code error;
        FFolder = fs::weakly_canonical(folder, error);
        if (error)
            FFolder = folder;
        FFolderEdit->SetText(FFolder.string());
        std::vector<std::string> folders;
        std::vector<std::string> files;
        for (fs::directory_iterator it(FFolder, error), end; !error && it != end;
             it.increment(error)) {
            const std::string name = it->path().filename().string();
            if (name.starts_with('.'))
                continue;
            if (it->is_directory(error))
                folders.push_back(name + "/");
            else if (Matches(FPatterns, name))
                files.push_back(name);
        }
        std::sort(folders.begin(), folders.end());
        std::sort(files.begin(), files.end());
        std::vector<std::string> items;
        if (FFolder.has_relative_path())
            items.push_back(Up);
        items.insert(items.end(), folders.begin(), folders.end());
        items.insert(items.end(), files.begin(), files.end());
        FList->SetItems(std::move(items));
    }

    // The selected line as a path, and whether it is a folder.
    bool SelectedFolder(fs::path& path) const {
        if (FList->ItemIndex() < 0)
            return false;
        const std::string& line = FList->Items()[static_cast<std::size_t>(FList->ItemIndex())];
        if (line == Up)
            path = FFolder.parent_path();
        else if (line.ends_with('/'))
            path = FFolder / line.substr(0, line.size() - 1);
        else
            return false;
        return true;
    }

    void ListClick(TObject*) {
        fs::path folder;
        if (FList->ItemIndex() >= 0 && !SelectedFolder(folder))
            FNameEdit->SetText(FList->Items()[static_cast<std::size_t>(FList->ItemIndex())]);
    }

    void ListDblClick(TObject*) {
        fs::path folder;
        if (SelectedFolder(folder))
            Enter(folder);
        else
            Choose(FFolder / FNameEdit->Text());
    }

    // OK, the default button: what it does depends on where the user was.
    void Accept(TObject*) {
        fs::path folder;
        std::error_code error;
        if (ActiveControl() == FList && SelectedFolder(folder)) {
            Enter(folder);
        } else if (ActiveControl() == FFolderEdit) {
            if (fs::is_directory(FFolderEdit->Text(), error))
                Enter(FFolderEdit->Text());
            else
                MessageDlg("There is no folder " + FFolderEdit->Text() + ".", mtError, mbOK);
        } else if (const std::string name = FNameEdit->Text(); HasWildcard(name)) {
            FPatterns = {name};
            Enter(FFolder);
        } else if (!name.empty()) {
            const fs::path path = FFolder / name; // an absolute name replaces the folder
            if (fs::is_directory(path, error)) {
                FNameEdit->SetText("");
                Enter(path);
            } else {
                Choose(path);
            }
        }
    }

    void Choose(fs::path path) {
        std::string ext = FSpec.DefaultExt;
        if (ext.starts_with('.'))
            ext.erase(0, 1);
        if (!path.has_extension() && !ext.empty())
            path += "." + ext;
        std::error_code error;
        if (FKind == TFileDialogKind::Save && FSpec.OverwritePrompt && fs::exists(path, error) &&
            MessageDlg(path.filename().string() + " already exists.\nDo you want to replace it?",
                       mtWarning, mbYes | mbNo) != mrYes)
            return;
        FChosen = path.string();
        SetModalResult(mrOk);
    }

    const platform::FileDialogSpec& FSpec;
    TFileDialogKind FKind;
    std::vector<std::string> FPatterns;
    fs::path FFolder;
    TEdit* FFolderEdit = nullptr;
    TListBox* FList = nullptr;
    TEdit* FNameEdit = nullptr;
    std::string FChosen;
};

} // namespace

std::optional<std::string> RunFileDialogForm(const platform::FileDialogSpec& request,
                                             TFileDialogKind kind) {
    TFileDialogForm dialog(request, kind);
    if (dialog.ShowModal() != mrOk)
        return std::nullopt;
    return dialog.Chosen();
}
