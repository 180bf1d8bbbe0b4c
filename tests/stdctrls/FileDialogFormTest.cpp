#include "framework/stdctrls/FileDialogForm.h"

#include "framework/forms/Screen.h"
#include "framework/stdctrls/ListBox.h"

#include "tests/support/FrameworkTest.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

namespace fs = std::filesystem;

namespace {

using TStep = std::function<void(TCustomForm&)>;

class FileDialogFormTest : public FrameworkTest {
protected:
    FileDialogFormTest() {
        NewForm();
        fs::remove_all(folder);
        fs::create_directories(folder / "sub");
        for (const char* name : {"a.json", "b.bmp", ".hidden.json"})
            std::ofstream(folder / name) << "{}";
        request.InitialDir = folder.string();
        request.Filter = "Form (*.json)|*.json|All files (*.*)|*.*";
        request.DefaultExt = "json";
    }

    // Runs the dialog, taking one step each time it waits for the user.
    std::optional<std::string> Run(TFileDialogKind kind, const std::vector<TStep>& steps) {
        for (const TStep& step : steps)
            Host().WhenIdle([step] { step(*Screen->ActiveForm()); });
        auto chosen = RunFileDialogForm(request, kind);
        EXPECT_EQ(Host().IdleStepsLeft(), 0u);
        return chosen;
    }

    TStep Type(const std::string& text) {
        return [this, text](TCustomForm& dialog) {
            Host().Type(&HostWindowOf(&dialog), text);
        };
    }
    TStep Press(unsigned short key, const std::string& text = {}) {
        return [this, key, text](TCustomForm& dialog) {
            Host().KeyPress(&HostWindowOf(&dialog), key, 0, text);
        };
    }
    TStep DoubleClickLine(int line) {
        return [this, line](TCustomForm& dialog) {
            auto* list = dynamic_cast<TListBox*>(dialog.FindComponent("FileList"));
            const TPoint p = WindowPoint(list, 10, line * list->ItemHeight() + 3);
            Host().DoubleClick(&HostWindowOf(&dialog), p.x, p.y);
        };
    }
    TStep ReadList(std::vector<std::string>& into) {
        return [&into](TCustomForm& dialog) {
            into = dynamic_cast<TListBox*>(dialog.FindComponent("FileList"))->Items();
        };
    }

    // Each test its own, as the shards run at the same time.
    const fs::path folder = fs::path(::testing::TempDir()) / "filedialog" /
                            ::testing::UnitTest::GetInstance()->current_test_info()->name();
    platform::FileDialogSpec request;
};

} // namespace

TEST_F(FileDialogFormTest, ListsTheSubFoldersThenTheFilesTheFilterLetsThrough) {
    struct {
        const char* Filter;
        int Index;
        const char* Typed; // a pattern typed as the file name
        std::vector<std::string> Lines;
    } const cases[] = {
        {"Form (*.json)|*.json|All files (*.*)|*.*", 1, "", {"..", "sub/", "a.json"}},
        {"Form (*.json)|*.json|All files (*.*)|*.*", 0, "", {"..", "sub/", "a.json"}},
        {"Form (*.json)|*.json|All files (*.*)|*.*", 2, "", {"..", "sub/", "a.json", "b.bmp"}},
        {"Images|*.png;*.bmp", 1, "", {"..", "sub/", "b.bmp"}},
        {"", 1, "", {"..", "sub/", "a.json", "b.bmp"}},
        {"Form (*.json)|*.json", 1, "*.bmp", {"..", "sub/", "b.bmp"}},
    };
    for (const auto& c : cases) {
        request.Filter = c.Filter;
        request.FilterIndex = c.Index;
        std::vector<std::string> lines;
        std::vector<TStep> steps;
        if (*c.Typed)
            steps = {Type(c.Typed), Press(VK_RETURN)};
        steps.push_back(ReadList(lines));
        steps.push_back(Press(VK_ESCAPE));
        EXPECT_EQ(Run(TFileDialogKind::Open, steps), std::nullopt);
        EXPECT_EQ(lines, c.Lines) << c.Filter << " " << c.Index << " " << c.Typed;
    }
}

TEST_F(FileDialogFormTest, TheUserChoosesAFileByNameByListOrCancels) {
    const std::string a = (folder / "a.json").string();
    struct {
        const char* What;
        TFileDialogKind Kind;
        std::vector<TStep> Steps;
        std::optional<std::string> Chosen;
    } const cases[] = {
        {"a typed name", TFileDialogKind::Open, {Type("a.json"), Press(VK_RETURN)}, a},
        {"a typed full path", TFileDialogKind::Open, {Type(a), Press(VK_RETURN)}, a},
        {"the default extension",
         TFileDialogKind::Save,
         {Type("new"), Press(VK_RETURN)},
         (folder / "new.json").string()},
        {"a typed folder, then a name",
         TFileDialogKind::Save,
         {Type("sub"), Press(VK_RETURN), Type("x.json"), Press(VK_RETURN)},
         (folder / "sub" / "x.json").string()},
        {"into a folder by double click, up again by keys, a file by double click",
         TFileDialogKind::Open,
         {DoubleClickLine(1), Press(VK_HOME), Press(VK_RETURN), DoubleClickLine(2)},
         a},
        {"a file by double click", TFileDialogKind::Open, {DoubleClickLine(2)}, a},
        {"Escape", TFileDialogKind::Open, {Type("a.json"), Press(VK_ESCAPE)}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Run(c.Kind, c.Steps), c.Chosen) << c.What;
}

TEST_F(FileDialogFormTest, SavingOverAFileAsksFirstWhenTold) {
    const std::string a = (folder / "a.json").string();
    struct {
        bool OverwritePrompt;
        std::vector<TStep> Steps;
        std::optional<std::string> Chosen;
    } const cases[] = {
        {false, {Type("a.json"), Press(VK_RETURN)}, a},
        {true, {Type("a.json"), Press(VK_RETURN), Press('Y', "y")}, a},
        {true, {Type("a.json"), Press(VK_RETURN), Press('N', "n"), Press(VK_ESCAPE)}, std::nullopt},
    };
    for (const auto& c : cases) {
        request.OverwritePrompt = c.OverwritePrompt;
        EXPECT_EQ(Run(TFileDialogKind::Save, c.Steps), c.Chosen) << c.OverwritePrompt;
    }
}
