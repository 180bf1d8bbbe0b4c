#include "framework/stdctrls/Dialogs.h"

#include "framework/core/ClassBuilder.h"
#include "framework/platform/Host.h"
#include "framework/stdctrls/FileDialogForm.h"

namespace {

const std::vector<std::string> OpenOptionNames{
    "ofReadOnly",         "ofOverwritePrompt",    "ofHideReadOnly",        "ofNoChangeDir",
    "ofShowHelp",         "ofNoValidate",         "ofAllowMultiSelect",    "ofExtensionDifferent",
    "ofPathMustExist",    "ofFileMustExist",      "ofCreatePrompt",        "ofShareAware",
    "ofNoReadOnlyReturn", "ofNoTestFileCreate",   "ofNoNetworkButton",     "ofNoLongNames",
    "ofOldStyleDialog",   "ofNoDereferenceLinks", "ofEnableIncludeNotify", "ofEnableSizing",
};

} // namespace

const TClassInfo& TOpenDialog::StaticClass() {
    static const TClassInfo info = DescribeClass<TOpenDialog>(
        "TOpenDialog", &TComponent::StaticClass(), [](TClassBuilder<TOpenDialog>& c) {
            c.String("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt, "");
            c.String("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName, "");
            c.String("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter, "");
            c.Int("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex, 1);
            c.String("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir, "");
            c.Set("Options", &TOpenDialog::Options, &TOpenDialog::SetOptions,
                  ofHideReadOnly | ofEnableSizing, OpenOptionNames);
            c.String("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle, "");
            c.Event("OnClose", &TOpenDialog::OnClose);
            c.Event("OnShow", &TOpenDialog::OnShow);
        });
    return info;
}

const TClassInfo& TSaveDialog::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TSaveDialog>("TSaveDialog", &TOpenDialog::StaticClass(), [](auto&) {});
    return info;
}

bool TOpenDialog::Execute() {
    platform::FileDialogSpec desc;
    desc.Title = FTitle;
    desc.InitialDir = FInitialDir;
    desc.FileName = FFileName;
    desc.Filter = FFilter;
    desc.FilterIndex = FFilterIndex;
    desc.DefaultExt = FDefaultExt;
    desc.OverwritePrompt = (FOptions & ofOverwritePrompt) != 0;
    if (OnShow)
        OnShow(this);
    const auto chosen = RunDialog(desc);
    if (OnClose)
        OnClose(this);
    if (!chosen)
        return false;
    FFileName = *chosen;
    return true;
}

std::optional<std::string> TOpenDialog::RunDialog(const platform::FileDialogSpec& desc) const {
    return DrawnByFramework() ? RunFileDialogForm(desc, TFileDialogKind::Open)
                              : platform::Host().OpenFileDialog(desc);
}

std::optional<std::string> TSaveDialog::RunDialog(const platform::FileDialogSpec& desc) const {
    return DrawnByFramework() ? RunFileDialogForm(desc, TFileDialogKind::Save)
                              : platform::Host().SaveFileDialog(desc);
}
