#pragma once
// The gallery as a person uses it, on the headless host: both windows up, clicks on the palette,
// the Design switch, the chooser and the designed form's controls, file dialogs answered from a
// scratch folder.

#include "framework/forms/Form.h"
#include "tools/gallery/DesignedForm.h"
#include "tools/gallery/GalleryWindow.h"

#include "tests/support/FrameworkTest.h"

#include <string>
#include <vector>

class GalleryTest : public FrameworkTest {
protected:
    GalleryTest();

    TDesignedForm& Designed() const { return *gallery->DesignedForm(); }
    template <class T = TControl> T* Find(const std::string& name) const {
        return dynamic_cast<T*>(Designed().FindComponent(name));
    }
    // Clicks the Design switch.
    void ToggleDesign();
    // Chooses item of the chooser's menu (0: the form itself, then its components in order).
    void ChooseFromChooser(int item);
    // Answers the next file dialog by typing path as the file name.
    void AnswerFileDialog(const std::string& path);
    // Save form... and Open form..., answering the file dialog with path.
    void SaveAs(const std::string& path);
    void OpenFrom(const std::string& path);
    // Answers the next message dialog with a key (VK_RETURN: the first button, VK_ESCAPE, or
    // the letter of a button's accelerator) and keeps its text in dialogTexts.
    void AnswerDialog(unsigned short key);
    // A fresh path in the test's scratch folder.
    static std::string ScratchFile(const std::string& name);
    std::vector<std::string> LogLines() const;

    TGalleryWindow* gallery = nullptr;
    std::vector<std::string> dialogTexts;
};

// Whether some line of lines equals line.
bool HasLine(const std::vector<std::string>& lines, const std::string& line);
