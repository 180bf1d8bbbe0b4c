// "Save changes?" before New, Open and closing the gallery, and the titles that show the file and
// its unsaved changes.

#include "controls/StrokeBar.h"
#include "framework/stdctrls/Memo.h"
#include "framework/stdctrls/SpeedButton.h"
#include "framework/streaming/FormWriter.h"
#include "tools/gallery/FileCommands.h"
#include "tools/gallery/FormFile.h"
#include "tools/gallery/PaletteBar.h"

#include "tests/gallery/GalleryTest.h"

#include <filesystem>

namespace {

enum class Action { New, Open, Close };
enum class Answer { None, Save, Discard, Cancel };
// Where the form stands before the change: in a file, in a file that can no longer be written,
// or in none (so that Save asks for one, and the person cancels).
enum class Start { InFile, Unwritable, Untitled };

struct PromptCase {
    const char* What;
    Start From;
    bool Changed;
    Action Do;
    Answer Reply;
    bool Asked;
    bool Done;  // the new form, the opened one, the program ending
    bool Saved; // the change is in the file
};

std::ostream& operator<<(std::ostream& out, const PromptCase& c) {
    return out << c.What;
}

class GalleryPromptTest : public GalleryTest, public ::testing::WithParamInterface<PromptCase> {
protected:
    // Places a stroke bar, as a person would.
    void ChangeTheForm() {
        Click(gallery->PaletteBar()->ButtonOf(TStrokeBar::StaticClass()), 5, 5);
        Click(&Designed(), 600, 500);
    }
};

unsigned short KeyOf(Answer answer) {
    switch (answer) {
    case Answer::Save:
        return VK_RETURN;
    case Answer::Discard:
        return 'D';
    default:
        return VK_ESCAPE;
    }
}

} // namespace

TEST_P(GalleryPromptTest, AsksBeforeUnsavedChangesGo) {
    const PromptCase& c = GetParam();
    const std::string file = ScratchFile("form.json");
    const std::string other = ScratchFile("other.json");
    gallery->SaveForm(other);
    if (c.From != Start::Untitled) {
        gallery->SaveForm(file);
        ASSERT_TRUE(gallery->Files().OpenFile(file));
    }
    if (c.Changed)
        ChangeTheForm();
    ASSERT_EQ(gallery->Document().Modified(), c.Changed);
    if (c.From == Start::Unwritable) {
        std::filesystem::remove(file);
        std::filesystem::create_directory(file);
    }
    if (c.Reply != Answer::None)
        AnswerDialog(KeyOf(c.Reply));
    if (c.From == Start::Unwritable && c.Reply == Answer::Save)
        AnswerDialog(VK_RETURN); // the error
    if (c.From == Start::Untitled && c.Reply == Answer::Save)
        AnswerDialog(VK_ESCAPE); // the file dialog

    Click(gallery->EventMemo, 5, 5); // the gallery's window takes the keys
    switch (c.Do) {
    case Action::New:
        PressKey('N', ssCtrl);
        break;
    case Action::Open:
        if (c.Done)
            AnswerFileDialog(other);
        PressKey('O', ssCtrl);
        break;
    case Action::Close:
        Host().CloseBox(&HostWindowOf(gallery));
        RunUntilIdle();
        break;
    }

    EXPECT_EQ(Host().IdleStepsLeft(), 0u);
    EXPECT_EQ(!dialogTexts.empty(), c.Asked);
    if (!dialogTexts.empty()) {
        EXPECT_EQ(dialogTexts[0], c.From == Start::Untitled ? "Save changes to Untitled?"
                                                            : "Save changes to form.json?");
    }
    const bool placed = Find("StrokeBar2") != nullptr;
    const bool done = c.Do == Action::Close ? Application->Terminated()
                      : c.Do == Action::New ? Designed().ComponentCount() == 0
                                            : gallery->Document().FileName() == other;
    EXPECT_EQ(done, c.Done);
    if (c.Do != Action::Close) {
        EXPECT_EQ(placed, c.Changed && !c.Done) << "the change stays unless the form went";
        EXPECT_EQ(gallery->Document().Modified(), c.Changed && !c.Done);
    }
    if (c.From == Start::InFile) {
        EXPECT_EQ(ReadFormFile(file).find("StrokeBar2") != std::string::npos, c.Saved);
    }
}

INSTANTIATE_TEST_SUITE_P(
    ModifiedActionAnswer, GalleryPromptTest,
    ::testing::Values(
        PromptCase{"New, unchanged", Start::InFile, false, Action::New, Answer::None, false, true,
                   false},
        PromptCase{"New, Cancel", Start::InFile, true, Action::New, Answer::Cancel, true, false,
                   false},
        PromptCase{"New, Discard", Start::InFile, true, Action::New, Answer::Discard, true, true,
                   false},
        PromptCase{"New, Save", Start::InFile, true, Action::New, Answer::Save, true, true, true},
        PromptCase{"Open, unchanged", Start::InFile, false, Action::Open, Answer::None, false, true,
                   false},
        PromptCase{"Open, Cancel", Start::InFile, true, Action::Open, Answer::Cancel, true, false,
                   false},
        PromptCase{"Open, Discard", Start::InFile, true, Action::Open, Answer::Discard, true, true,
                   false},
        PromptCase{"Open, Save", Start::InFile, true, Action::Open, Answer::Save, true, true, true},
        PromptCase{"Close, unchanged", Start::InFile, false, Action::Close, Answer::None, false,
                   true, false},
        PromptCase{"Close, Cancel", Start::InFile, true, Action::Close, Answer::Cancel, true, false,
                   false},
        PromptCase{"Close, Discard", Start::InFile, true, Action::Close, Answer::Discard, true,
                   true, false},
        PromptCase{"Close, Save", Start::InFile, true, Action::Close, Answer::Save, true, true,
                   true},
        PromptCase{"Close, Save fails", Start::Unwritable, true, Action::Close, Answer::Save, true,
                   false, false},
        PromptCase{"Close, Save As cancelled", Start::Untitled, true, Action::Close, Answer::Save,
                   true, false, false}),
    [](const ::testing::TestParamInfo<PromptCase>& param) {
        return "case" + std::to_string(param.index);
    });

TEST(GalleryDocumentTest, TheTitleShowsTheFileAndUnsavedChanges) {
    struct {
        const char* File;
        bool Changed;
        const char* Title;
    } const cases[] = {
        {"", false, "Untitled - Gallery"},
        {"", true, "Untitled* - Gallery"},
        {"/forms/gallery.json", false, "gallery.json - Gallery"},
        {"/forms/gallery.json", true, "gallery.json* - Gallery"},
    };
    for (const auto& c : cases) {
        TGalleryDocument document;
        document.SetFile(c.File);
        if (c.Changed)
            document.MarkModified();
        EXPECT_EQ(document.Title("Gallery"), c.Title) << c.File << c.Changed;
    }
}

TEST_F(GalleryTest, TheWindowTitleFollowsChangesAndSaving) {
    const std::string program = "Saruvi control gallery";
    EXPECT_EQ(HostWindowOf(gallery).Title(), "Untitled - " + program);
    Click(gallery->PaletteBar()->ButtonOf(TStrokeBar::StaticClass()), 5, 5);
    Click(&Designed(), 600, 500);
    EXPECT_EQ(HostWindowOf(gallery).Title(), "Untitled* - " + program);
    SaveAs(ScratchFile("titled.json"));
    EXPECT_EQ(HostWindowOf(gallery).Title(), "titled.json - " + program);
}
