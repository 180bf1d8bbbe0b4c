#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Edit.h"
#include "framework/windows/Win32Api.h"
#include "framework/windows/Window.h"
#include "tests/support/FrameworkTest.h"

#include <vector>

namespace {

// A button that paints itself through its parent's draw-item request, as an owner-drawn
// button does, and records what the framework tells it.
class TRecordingButton : public TButton {
    DECLARE_MESSAGE_MAP
public:
    explicit TRecordingButton(TComponent* owner, bool ownerDraw = false)
        : TButton(owner), FOwnerDraw(ownerDraw) {}

    std::vector<DRAWITEMSTRUCT> Draws;
    std::vector<bool> Styles;

    void SetButtonStyle(bool ADefault) override {
        Styles.push_back(ADefault);
        if (!FOwnerDraw)
            TButton::SetButtonStyle(ADefault);
    }

protected:
    void CreateParams(TCreateParams& params) override {
        TButton::CreateParams(params);
        if (FOwnerDraw)
            params.Style |= BS_OWNERDRAW;
    }
    void CNDrawItem(TWMDrawItem& message) { Draws.push_back(*message.DrawItemStruct); }

private:
    bool FOwnerDraw;
};

class TOwnerDrawnButton : public TRecordingButton {
public:
    explicit TOwnerDrawnButton(TComponent* owner) : TRecordingButton(owner, true) {}
};

const TMessageMap& TRecordingButton::StaticMessageMap() {
    static const TMessageMap map(&TButton::StaticMessageMap(),
                                 {MessageHandler<CN_DRAWITEM, &TRecordingButton::CNDrawItem>()});
    return map;
}

class ButtonTest : public FrameworkTest {
protected:
    template <class T = TButton> T* NewButton(TForm* form, int left, const std::string& caption) {
        auto* button = new T(form);
        button->SetParent(form);
        button->SetBounds(left, 10, 75, 25);
        button->SetCaption(caption);
        button->OnClick = TNotifyEvent::FromFunction([this, button](TObject* sender) {
            EXPECT_EQ(sender, button);
            Clicks.push_back(button);
        });
        return button;
    }

    std::vector<TButton*> Clicks;
};

TEST_F(ButtonTest, ClicksOnlyWhenReleasedInside) {
    TForm* form = NewForm();
    TButton* button = NewButton(form, 10, "OK");
    RunUntilIdle();

    Click(button, 30, 12);
    EXPECT_EQ(Clicks.size(), 1u);

    MouseDown(button, 30, 12);
    EXPECT_TRUE(button->Pressed());
    MouseMove(button, 200, 100);
    EXPECT_FALSE(button->Pressed());
    MouseMove(button, 5, 5);
    EXPECT_TRUE(button->Pressed());
    MouseMove(button, -3, 5);
    MouseUp(button, -3, 5);
    EXPECT_FALSE(button->Pressed());
    EXPECT_EQ(Clicks.size(), 1u);
}

TEST_F(ButtonTest, LooksSunkenOnlyWhilePressedOverIt) {
    TForm* form = NewForm();
    TButton* button = NewButton(form, 10, "OK");
    RunUntilIdle();
    EXPECT_EQ(PixelAt(button, 0, 0), ColorToRGB(cl3DLight));

    MouseDown(button, 30, 12);
    // Pressing gives the focus, and the focused button looks like the default one.
    EXPECT_EQ(PixelAt(button, 0, 0), ColorToRGB(clWindowFrame));
    EXPECT_EQ(PixelAt(button, 1, 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelAt(button, 73, 23), ColorToRGB(clBtnShadow));

    MouseMove(button, 200, 100);
    EXPECT_EQ(PixelAt(button, 1, 1), ColorToRGB(cl3DLight));
    EXPECT_EQ(PixelAt(button, 73, 23), ColorToRGB(cl3DDkShadow));
    MouseUp(button, 200, 100);
}

TEST_F(ButtonTest, SpaceClicksOnRelease) {
    TForm* form = NewForm();
    TButton* button = NewButton(form, 10, "OK");
    RunUntilIdle();
    button->SetFocus();
    RunUntilIdle();

    KeyDown(VK_SPACE, {}, " ");
    EXPECT_TRUE(button->Pressed());
    EXPECT_TRUE(Clicks.empty());
    KeyUp(VK_SPACE);
    EXPECT_FALSE(button->Pressed());
    EXPECT_EQ(Clicks.size(), 1u);
}

TEST_F(ButtonTest, EnterPressesTheDefaultOrTheFocusedButton) {
    TForm* form = NewForm();
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    TButton* ok = NewButton(form, 10, "OK");
    TButton* other = NewButton(form, 100, "Other");
    ok->SetDefault(true);
    RunUntilIdle();
    edit->SetFocus();
    RunUntilIdle();

    PressKey(VK_RETURN, {}, "\r");
    ASSERT_EQ(Clicks.size(), 1u);
    EXPECT_EQ(Clicks[0], ok);

    other->SetFocus();
    RunUntilIdle();
    PressKey(VK_RETURN, {}, "\r");
    ASSERT_EQ(Clicks.size(), 2u);
    EXPECT_EQ(Clicks[1], other);
}

TEST_F(ButtonTest, EscapePressesTheCancelButton) {
    TForm* form = NewForm();
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    TButton* ok = NewButton(form, 10, "OK");
    TButton* cancel = NewButton(form, 100, "Cancel");
    cancel->SetCancel(true);
    RunUntilIdle();
    edit->SetFocus();
    RunUntilIdle();

    PressKey(VK_ESCAPE, {}, "\x1b");
    ASSERT_EQ(Clicks.size(), 1u);
    EXPECT_EQ(Clicks[0], cancel);
    (void)ok;
}

TEST_F(ButtonTest, ModalResultEndsTheModalShowWithIt) {
    TForm* form = NewForm();
    auto* dialog = new TForm(Application);
    dialog->SetClientWidth(200);
    dialog->SetClientHeight(100);
    TButton* ok = NewButton(dialog, 10, "OK");
    ok->SetModalResult(mrOk);
    Host().WhenIdle([&] {
        const TPoint p = WindowPoint(ok, 20, 10);
        Host().Click(&HostWindowOf(ok), p.x, p.y);
    });

    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_EQ(Clicks.size(), 1u);
    EXPECT_FALSE(dialog->Visible());
    (void)form;
}

TEST_F(ButtonTest, AcceleratorOfTheCaptionClicks) {
    TForm* form = NewForm();
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    TButton* go = NewButton(form, 10, "&Go");
    RunUntilIdle();
    edit->SetFocus();
    RunUntilIdle();

    PressKey('H', ssAlt);
    EXPECT_TRUE(Clicks.empty());
    PressKey('G', ssAlt);
    ASSERT_EQ(Clicks.size(), 1u);
    EXPECT_EQ(Clicks[0], go);
}

TEST_F(ButtonTest, DisabledButtonTakesNoClickAndShowsNoDarkText) {
    TForm* form = NewForm();
    TButton* enabled = NewButton(form, 10, "OK");
    TButton* disabled = NewButton(form, 100, "OK");
    disabled->SetEnabled(false);
    RunUntilIdle();

    Click(disabled, 30, 12);
    EXPECT_TRUE(Clicks.empty());
    const auto darkPixels = [this](const TControl* button) {
        int count = 0;
        for (int x = 3; x < 72; ++x)
            for (int y = 3; y < 22; ++y) {
                const TColor c = PixelAt(button, x, y);
                count += GetRValue(c) < 0x40 && GetGValue(c) < 0x40 && GetBValue(c) < 0x40;
            }
        return count;
    };
    EXPECT_GT(darkPixels(enabled), 0);
    EXPECT_EQ(darkPixels(disabled), 0);
}

TEST_F(ButtonTest, OwnerDrawnButtonIsAskedToPaintWithItsState) {
    TForm* form = NewForm();
    auto* button = NewButton<TOwnerDrawnButton>(form, 10, "OK");
    RunUntilIdle();
    ASSERT_FALSE(button->Draws.empty());
    const DRAWITEMSTRUCT& first = button->Draws.back();
    EXPECT_EQ(first.CtlType, ODT_BUTTON);
    EXPECT_EQ(first.hwndItem, button->Handle());
    EXPECT_NE(first.hDC, nullptr);
    EXPECT_EQ(first.rcItem, Rect(0, 0, 75, 25));
    EXPECT_EQ(first.itemState & (ODS_SELECTED | ODS_FOCUS), 0u);

    MouseDown(button, 30, 12);
    EXPECT_EQ(button->Draws.back().itemState & (ODS_SELECTED | ODS_FOCUS),
              ODS_SELECTED | ODS_FOCUS);
    MouseUp(button, 30, 12);
    EXPECT_EQ(button->Draws.back().itemState & (ODS_SELECTED | ODS_FOCUS), ODS_FOCUS);
    EXPECT_EQ(Clicks.size(), 1u);

    button->SetEnabled(false);
    button->Repaint();
    EXPECT_NE(button->Draws.back().itemState & ODS_DISABLED, 0u);
}

TEST_F(ButtonTest, OwnerDrawnStyleSurvivesFocusChanges) {
    TForm* form = NewForm();
    auto* button = NewButton<TOwnerDrawnButton>(form, 10, "OK");
    RunUntilIdle();
    button->SetFocus();
    RunUntilIdle();
    EXPECT_EQ(GetWindowLong(button->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
}

TEST_F(ButtonTest, FocusChangesTellEveryButtonWhetherItLooksDefault) {
    TForm* form = NewForm();
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    auto* ok = NewButton<TRecordingButton>(form, 10, "OK");
    auto* other = NewButton<TRecordingButton>(form, 100, "Other");
    ok->SetDefault(true);
    RunUntilIdle();

    edit->SetFocus();
    RunUntilIdle();
    ASSERT_FALSE(ok->Styles.empty());
    EXPECT_TRUE(ok->Styles.back());
    EXPECT_FALSE(other->Styles.back());
    EXPECT_EQ(GetWindowLong(ok->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);

    other->SetFocus();
    RunUntilIdle();
    EXPECT_FALSE(ok->Styles.back());
    EXPECT_TRUE(other->Styles.back());
    EXPECT_EQ(GetWindowLong(ok->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    EXPECT_EQ(GetWindowLong(other->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
}

TEST_F(ButtonTest, DefaultButtonIsCreatedWithTheDefaultStyleAndFrame) {
    TForm* form = NewForm();
    TButton* ok = NewButton(form, 10, "OK");
    ok->SetDefault(true);
    TButton* other = NewButton(form, 100, "Other");
    RunUntilIdle();
    ok->RecreateWnd();
    RunUntilIdle();
    EXPECT_EQ(GetWindowLong(ok->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(ok->Handle()->ClassName(), "BUTTON");
    EXPECT_EQ(PixelAt(ok, 0, 0), ColorToRGB(clWindowFrame));
    EXPECT_EQ(PixelAt(other, 0, 0), ColorToRGB(cl3DLight));
}

} // namespace
