#include "tests/support/FrameworkTest.h"
#include "tests/windows/Probes.h"

#include "framework/windows/Win32Api.h"

#include <string>
#include <vector>

namespace {

// A default-button-like control: a click, or Enter anywhere in its form, sets its form's modal
// result.
class TResultProbe : public TPaintProbe {
    DECLARE_MESSAGE_MAP
public:
    using TPaintProbe::TPaintProbe;
    TModalResult Result = mrNone;
    void Click() override {
        if (TCustomForm* form = GetParentForm(this))
            form->SetModalResult(Result);
        TPaintProbe::Click();
    }

private:
    void CMDialogKey(TWMKey& message) {
        if (message.CharCode == VK_RETURN) {
            Click();
            message.Result = 1;
        }
    }
};

const TMessageMap& TResultProbe::StaticMessageMap() {
    static const TMessageMap map(&TCustomControl::StaticMessageMap(),
                                 {MessageHandler<CM_DIALOGKEY, &TResultProbe::CMDialogKey>()});
    return map;
}

class ModalTest : public FrameworkTest {
protected:
    void SetUp() override {
        main = NewForm(300, 200);
        opener = Place(new TPaintProbe(main), main, 10, 10, 50, 20);
        dialog = new TForm(Application);
        dialog->SetBorderStyle(TFormBorderStyle::bsDialog);
        dialog->SetClientWidth(120);
        dialog->SetClientHeight(80);
        ok = Place(new TResultProbe(dialog), dialog, 10, 10, 40, 20);
        ok->Result = mrOk;
        RunUntilIdle();
    }
    // The opener's click shows the dialog modally and keeps what it returned.
    void OpenOnClick() {
        opener->OnClick = TNotifyEvent::FromFunction([this](TObject*) {
            shown = dialog->Visible();
            results.push_back(dialog->ShowModal());
        });
    }
    // Queues the dialog's OK click for when the modal loop waits for input.
    void ClickOkWhenIdle() {
        Host().WhenIdle([this] {
            mainEnabledMeanwhile = IsWindowEnabled(main->Handle());
            const TPoint p = WindowPoint(ok, 5, 5);
            Host().Click(&HostWindowOf(ok), p.x, p.y);
        });
    }
    TForm* main = nullptr;
    TPaintProbe* opener = nullptr;
    TForm* dialog = nullptr;
    TResultProbe* ok = nullptr;
    std::vector<TModalResult> results;
    bool shown = true;
    bool mainEnabledMeanwhile = true;
};

TEST_F(ModalTest, ShowModalFromAHandlerReturnsTheResultOfTheDialogsButton) {
    OpenOnClick();
    ClickOkWhenIdle();
    Click(opener, 5, 5);
    EXPECT_EQ(results, (std::vector<TModalResult>{mrOk}));
    EXPECT_FALSE(shown);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_FALSE(HostWindowOf(dialog).Visible());
}

TEST_F(ModalTest, TheOtherFormsTakeNoInputMeanwhileAndGetItBackAfterwards) {
    OpenOnClick();
    ClickOkWhenIdle();
    Click(opener, 5, 5);
    EXPECT_FALSE(mainEnabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(main->Handle()));
    EXPECT_EQ(GetActiveWindow(), main->Handle());
    opener->Log.clear();
    opener->OnClick = nullptr;
    Click(opener, 5, 5);
    EXPECT_EQ(opener->Log.size(), 3u);
}

TEST_F(ModalTest, EnterInTheDialogPressesItsDefaultControl) {
    OpenOnClick();
    Host().WhenIdle([this] { Host().KeyPress(&HostWindowOf(dialog), VK_RETURN); });
    Click(opener, 5, 5);
    EXPECT_EQ(results, (std::vector<TModalResult>{mrOk}));
}

TEST_F(ModalTest, TheCloseBoxEndsTheModalLoopWithCancel) {
    OpenOnClick();
    Host().WhenIdle([this] { Host().CloseBox(&HostWindowOf(dialog)); });
    Click(opener, 5, 5);
    EXPECT_EQ(results, (std::vector<TModalResult>{mrCancel}));
}

TEST_F(ModalTest, HidingTheDialogByProgramEndsTheModalLoopWithCancel) {
    OpenOnClick();
    Host().WhenIdle([this] { dialog->SetVisible(false); });
    Click(opener, 5, 5);
    EXPECT_EQ(results, (std::vector<TModalResult>{mrCancel}));
    EXPECT_TRUE(IsWindowEnabled(main->Handle()));
}

TEST_F(ModalTest, TheSameFormCanBeShownModallyAgain) {
    OpenOnClick();
    ClickOkWhenIdle();
    Click(opener, 5, 5);
    ClickOkWhenIdle();
    Click(opener, 5, 5);
    EXPECT_EQ(results, (std::vector<TModalResult>{mrOk, mrOk}));
}

TEST_F(ModalTest, CloseInsideTheDialogKeepsAResultAlreadySet) {
    ok->OnClick = TNotifyEvent::FromFunction([this](TObject*) { dialog->Close(); });
    OpenOnClick();
    ClickOkWhenIdle();
    Click(opener, 5, 5);
    EXPECT_EQ(results, (std::vector<TModalResult>{mrOk}));
}

TEST_F(ModalTest, OnCloseQueryCanKeepTheDialogOpen) {
    int asked = 0;
    dialog->OnCloseQuery =
        TCloseQueryEvent::FromFunction([&](TObject*, bool& canClose) { canClose = ++asked > 1; });
    OpenOnClick();
    ClickOkWhenIdle();
    ClickOkWhenIdle();
    Click(opener, 5, 5);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(results, (std::vector<TModalResult>{mrOk}));
}

TEST_F(ModalTest, ANestedProcessMessagesHandlesInputQueuedMeanwhile) {
    int depth = 0;
    std::vector<int> depths;
    opener->OnClick = TNotifyEvent::FromFunction([&](TObject*) {
        depths.push_back(depth);
        if (depths.size() == 1) {
            ++depth;
            const TPoint p = WindowPoint(opener, 5, 5);
            Host().Click(&HostWindowOf(opener), p.x, p.y);
            Application->ProcessMessages();
            --depth;
        }
    });
    Click(opener, 5, 5);
    EXPECT_EQ(depths, (std::vector<int>{0, 1}));
}

TEST_F(ModalTest, ClosingTheMainFormEndsTheProgram) {
    EXPECT_EQ(Application->MainForm(), nullptr); // made by NewForm, not CreateForm
    TForm* created = nullptr;
    Application->CreateForm(created);
    EXPECT_EQ(Application->MainForm(), created);
    Host().WhenIdle([&] { Host().CloseBox(&HostWindowOf(created)); });
    Application->Run();
    EXPECT_TRUE(Application->Terminated());
}

} // namespace
