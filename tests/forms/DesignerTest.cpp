#include "framework/windows/Designer.h"
#include "framework/stdctrls/Edit.h"

#include "tests/support/FrameworkTest.h"
#include "tests/windows/Probes.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Takes the messages of the controls it is asked about, or lets them through, and logs them as
// "Name msg".
class TDesignerLog : public IDesigner {
public:
    bool Takes = true;
    std::vector<std::string> Log;

    bool IsDesignMsg(TControl& sender, TMessage& message) override {
        Log.push_back(sender.Name() + " " + std::to_string(message.Msg));
        return Takes;
    }

    bool Saw(const std::string& name, UINT msg) const {
        return std::find(Log.begin(), Log.end(), name + " " + std::to_string(msg)) != Log.end();
    }
};

class DesignerTest : public FrameworkTest {
protected:
    DesignerTest() {
        form = NewForm(200, 120);
        form->SetName("Form");
        windowed = Place(new TPaintProbe(form), form, 10, 10, 60, 30);
        windowed->SetName("Windowed");
        graphic = Place(new TGraphicProbe(form), form, 100, 10, 60, 30);
        graphic->SetName("Graphic");
        edit = Place(new TEdit(form), form, 10, 60, 100, 21);
        edit->SetName("Edit");
        RunUntilIdle();
    }

    void Design(bool designing) { form->SetDesigning(designing); }

    TForm* form = nullptr;
    TPaintProbe* windowed = nullptr;
    TGraphicProbe* graphic = nullptr;
    TEdit* edit = nullptr;
    TDesignerLog designer;
};

} // namespace

TEST_F(DesignerTest, TheDesignerTakesTheMouseOfDesigningControlsBeforeThey) {
    form->SetDesigner(&designer);
    Design(true);
    Click(windowed, 5, 5);
    Click(graphic, 5, 5);
    Click(form, 190, 110);

    EXPECT_TRUE(designer.Saw("Windowed", WM_LBUTTONDOWN));
    EXPECT_TRUE(designer.Saw("Windowed", WM_LBUTTONUP));
    EXPECT_TRUE(designer.Saw("Graphic", WM_LBUTTONDOWN));
    EXPECT_TRUE(designer.Saw("Form", WM_LBUTTONDOWN));
    EXPECT_TRUE(windowed->Log.empty());
    EXPECT_TRUE(graphic->Log.empty());
}

TEST_F(DesignerTest, TheDesignerTakesTheKeysOfADesigningControl) {
    edit->SetFocus();
    RunUntilIdle();
    form->SetDesigner(&designer);
    Design(true);
    Type("ab");
    EXPECT_TRUE(designer.Saw("Edit", WM_KEYDOWN));
    EXPECT_TRUE(designer.Saw("Edit", WM_CHAR));
    EXPECT_EQ(edit->Text(), "");
}

TEST_F(DesignerTest, AMessageTheDesignerLeavesReachesTheControl) {
    form->SetDesigner(&designer);
    Design(true);
    designer.Takes = false;
    Click(windowed, 5, 5);
    EXPECT_TRUE(designer.Saw("Windowed", WM_LBUTTONDOWN));
    EXPECT_EQ(windowed->Log, (std::vector<std::string>{"down L 5,5", "click", "up L 5,5"}));
}

TEST_F(DesignerTest, ControlsNotDesigningOrOnAFormWithoutADesignerKeepTheirInput) {
    form->SetDesigner(&designer);
    Click(windowed, 5, 5);
    EXPECT_TRUE(designer.Log.empty());
    EXPECT_EQ(windowed->Log.size(), 3u);

    form->SetDesigner(nullptr);
    Design(true);
    Click(graphic, 5, 5);
    EXPECT_EQ(graphic->Log, (std::vector<std::string>{"down L 5,5", "click", "up L 5,5"}));
}
