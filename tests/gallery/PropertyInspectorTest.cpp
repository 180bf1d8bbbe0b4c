#include "tools/gallery/PropertyInspector.h"

#include "controls/ColorBtn.h"
#include "controls/CuteBtn.h"
#include "controls/NumberEdit.h"
#include "controls/StrokeBar.h"
#include "framework/core/ClassBuilder.h"
#include "framework/forms/Menus.h"
#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/Label.h"
#include "framework/stdctrls/Memo.h"
#include "framework/stdctrls/Panel.h"
#include "framework/windows/Win32Api.h"
#include "tests/support/FrameworkTest.h"

#include <string>
#include <vector>

namespace {

// A component whose setter refuses negative numbers by raising.
class TPicky : public TComponent {
    FRAMEWORK_CLASS(TPicky)
public:
    explicit TPicky(TComponent* owner) : TComponent(owner) {}
    int Count() const { return FCount; }
    void SetCount(int value) {
        if (value < 0)
            throw EConvertError("a count cannot be negative");
        FCount = value;
    }

private:
    int FCount = 3;
};

const TClassInfo& TPicky::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TPicky>("TPicky", &TComponent::StaticClass(), [](auto& c) {
            c.Int("Count", &TPicky::Count, &TPicky::SetCount, 3);
        });
    return info;
}

class PropertyInspectorTest : public FrameworkTest {
protected:
    void SetUp() override {
        Designed = NewForm(400, 200);
        Designed->SetName("Designed");
        Bar = new TStrokeBar(Designed);
        Bar->SetName("StrokeBar1");
        Bar->SetParent(Designed);
        Bar->SetBounds(10, 10, 200, 48);
        Bar->SetMin(10);
        Bar->SetValue(50);
        Tools = NewForm(360, 700);
        Tools->SetLeft(520);
        Inspector = new TPropertyInspector(Tools);
        Inspector->SetParent(Tools);
        Inspector->SetBounds(0, 0, 360, 700);
        Inspector->OnChange = TNotifyEvent::FromFunction([this](TObject*) { ++Changes; });
        Inspector->Inspect(Bar);
        RunUntilIdle();
    }

    TControl* Editor(const std::string& name) const {
        TControl* editor = Inspector->EditorOf(name);
        EXPECT_NE(editor, nullptr) << name;
        return editor;
    }
    // Clicks the arrows of the inspector's scroll bar until the editor is in sight.
    void Reveal(const TControl* editor) {
        const int bar = Inspector->ClientWidth() + 8;

        const int bottom = Inspector->ClientHeight();
        for (int clicks = 0; clicks < 100 && editor->Top() + editor->Height() > bottom; ++clicks)
            Click(Inspector, bar, bottom - 5);
        for (int clicks = 0; clicks < 100 && editor->Top() < 0; ++clicks)
            Click(Inspector, bar, 5);
    }
    // Clicks into the entry and replaces its text by typing.
    void Retype(TControl* entry, const std::string& text) {
        Reveal(entry);
        Click(entry, 5, 5);
        PressKey(VK_HOME);
        PressKey(VK_END, ssShift);
        Type(text);
    }
    // The same, then Enter.
    void Enter(TControl* entry, const std::string& text) {
        Retype(entry, text);
        PressKey(VK_RETURN);
    }
    void EnterProperty(const std::string& name, const std::string& text) {
        Enter(Editor(name), text);
    }
    std::string Shown(const std::string& name) const { return Editor(name)->Text(); }
    // The entry beside a colour swatch.
    TEdit* ColorEntry(const std::string& name) const {
        TControl* swatch = Editor(name);
        for (int i = 0; i < Inspector->ControlCount(); ++i)
            if (auto* edit = dynamic_cast<TEdit*>(Inspector->Controls(i));
                edit && edit->Top() == swatch->Top() && edit->Left() > swatch->Left())
                return edit;
        return nullptr;
    }
    // Drops the button's menu and chooses its item at index with the arrow keys.
    void ChooseFromMenu(const std::string& name, int index) {
        TControl* button = Editor(name);
        Reveal(button);
        Host().WhenIdle([this, button, index] {
            const int count = static_cast<TCuteButton*>(button)->DropDownMenu()->Items()->Count();
            for (platform::HeadlessWindow* menu : Host().Windows())
                if (menu->Kind() == platform::WindowKind::Popup && menu->Visible()) {
                    // Items of equal height inside a three-pixel border.
                    const int height = (menu->ClientBounds().Height() - 6) / count;
                    Host().Click(menu, 20, 3 + index * height + height / 2);
                }
        });
        MouseMove(button, 5, 5);
        MouseDown(button, 5, 5);
        RunUntilIdle();
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& box : Host().MessageBoxes())
            texts.push_back(box.Text);
        return texts;
    }

    TForm* Designed = nullptr;
    TStrokeBar* Bar = nullptr;
    TForm* Tools = nullptr;
    TPropertyInspector* Inspector = nullptr;
    int Changes = 0;
};

} // namespace

TEST_F(PropertyInspectorTest, ListsThePublishedPropertiesBaseClassFirstWithTheirValues) {
    EXPECT_EQ(Inspector->Inspected(), Bar);
    EXPECT_LT(Editor("Left")->Top(), Editor("Width")->Top());
    EXPECT_LT(Editor("Font.Name")->Top(), Editor("Visible")->Top());
    EXPECT_LT(Editor("Visible")->Top(), Editor("Max")->Top());
    EXPECT_LT(Editor("Max")->Top(), Editor("Min")->Top());
    EXPECT_EQ(Inspector->EditorOf("Font"), nullptr);
    EXPECT_EQ(Inspector->EditorOf("Nothing"), nullptr);
    EXPECT_EQ(Inspector->EditorOf("TabOrder"), nullptr); // not published by the stroke bar

    EXPECT_NE(dynamic_cast<TNumberEdit*>(Editor("Max")), nullptr);
    EXPECT_NE(dynamic_cast<TCheckBox*>(Editor("ShowLimit")), nullptr);
    EXPECT_NE(dynamic_cast<TColorButton*>(Editor("BarColor")), nullptr);
    EXPECT_NE(dynamic_cast<TCuteButton*>(Editor("BevelOuter")), nullptr);
    EXPECT_EQ(Shown("Max"), "100");
    EXPECT_EQ(Shown("Min"), "10");
    EXPECT_EQ(Shown("Value"), "50");
    EXPECT_EQ(Shown("Caption"), "");
    EXPECT_EQ(Shown("BevelOuter"), "sbNone");
    EXPECT_EQ(Shown("Font.Style"), "[]");
    EXPECT_EQ(Inspector->EditorOf("PopupMenu"), nullptr); // nor a context menu
    EXPECT_TRUE(static_cast<TCheckBox*>(Editor("ShowLimit"))->Checked());
    EXPECT_EQ(ColorEntry("BarColor")->Text(), "clNavy");
    EXPECT_EQ(Editor("BarColor")->Color(), clNavy);
}

TEST_F(PropertyInspectorTest, MaxTypedBelowMinShowsBothClampedValuesAtOnce) {
    EnterProperty("Max", "5");
    EXPECT_EQ(Bar->Max(), 10);
    EXPECT_EQ(Bar->Value(), 10);
    EXPECT_EQ(Shown("Max"), "10");
    EXPECT_EQ(Shown("Value"), "10");
    EXPECT_EQ(Changes, 1);
    EXPECT_TRUE(Messages().empty());

    // Leaving the entry applies it too.
    Reveal(Editor("Value"));
    Retype(Editor("Min"), "-20");
    Reveal(Editor("Value"));
    Click(Editor("Value"), 5, 5);
    EXPECT_EQ(Bar->Min(), -20);
    EXPECT_EQ(Changes, 2);
}

TEST_F(PropertyInspectorTest, TabbingThroughTheRowsKeepsTheFocusedEditorInSight) {
    TControl* max = Editor("Max");
    Reveal(max);
    Click(max, 5, 5);
    // Down to the last row, then round to the first ones, scrolled out of sight above.
    for (int tab = 0; tab < 30; ++tab) {
        PressKey(VK_TAB);
        const TControl* focused = FindControl(GetFocus());
        ASSERT_NE(focused, nullptr);
        EXPECT_GE(focused->Top(), 0) << tab;
        EXPECT_LE(focused->Top() + focused->Height(), Inspector->ClientHeight()) << tab;
    }
    EXPECT_EQ(Changes, 0);
}

TEST_F(PropertyInspectorTest, AStringIsTypedAndAppliedThroughTheSetter) {
    EnterProperty("Caption", "Speed");
    EXPECT_EQ(Bar->GetCaption(), "Speed");
    EXPECT_EQ(Shown("Caption"), "Speed");
}

TEST_F(PropertyInspectorTest, AColourIsTypedByNameOrAsHex) {
    TControl* swatch = Editor("BarColor");
    Reveal(swatch);
    // A click on the swatch puts the focus into the entry, all of it selected.
    Click(swatch, 5, 5);
    Type("clRed");
    PressKey(VK_RETURN);
    EXPECT_EQ(Bar->BarColor(), clRed);
    EXPECT_EQ(swatch->Color(), clRed);

    Enter(ColorEntry("BarColor"), "0x00FF00");
    EXPECT_EQ(Bar->BarColor(), clLime);
    EXPECT_EQ(ColorEntry("BarColor")->Text(), "clLime");
    Enter(ColorEntry("BarColor"), "0x123456");
    EXPECT_EQ(Bar->BarColor(), 0x123456);
    EXPECT_EQ(ColorEntry("BarColor")->Text(), "0x123456");

    Enter(ColorEntry("Font.Color"), "clHighlight");
    EXPECT_EQ(Bar->Font()->Color(), clHighlight);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(PropertyInspectorTest, EnumerationsAndSetsArePickedFromTheDropDownMenu) {
    ChooseFromMenu("BevelOuter", 2);
    EXPECT_EQ(Bar->BevelOuter(), sbRaised);
    EXPECT_EQ(Shown("BevelOuter"), "sbRaised");

    ChooseFromMenu("Font.Style", 0);
    ChooseFromMenu("Font.Style", 1);
    EXPECT_EQ(Shown("Font.Style"), "[fsBold, fsItalic]");
    ChooseFromMenu("Font.Style", 0);
    EXPECT_EQ(Bar->Font()->Style(), TFontStyles(fsItalic));
    EXPECT_EQ(Shown("Font.Style"), "[fsItalic]");
}

TEST_F(PropertyInspectorTest, TheAnchorConstraintAndDragRowsOfAControlShowAndEdit) {
    auto* panel = new TPanel(Designed);
    panel->SetName("Panel1");
    panel->SetParent(Designed);
    panel->SetBounds(8, 8, 200, 40);
    Inspector->Inspect(panel);
    RunUntilIdle();

    EXPECT_EQ(Shown("Anchors"), "[akLeft, akTop]");
    ChooseFromMenu("Anchors", 2);
    EXPECT_EQ(panel->Anchors(), akLeft | akTop | akRight);
    EXPECT_EQ(Shown("Anchors"), "[akLeft, akTop, akRight]");

    EXPECT_EQ(Inspector->EditorOf("Constraints"), nullptr);
    EXPECT_LT(Editor("Constraints.MinWidth")->Top(), Editor("Constraints.MaxHeight")->Top());
    EnterProperty("Constraints.MaxWidth", "150");
    EXPECT_EQ(panel->Width(), 150);
    EXPECT_EQ(Shown("Width"), "150");
    EnterProperty("Width", "400");
    EXPECT_EQ(Shown("Width"), "150");

    EXPECT_EQ(Shown("DragCursor"), "-12");
    EXPECT_EQ(Shown("DragKind"), "dkDrag");
    EXPECT_EQ(Shown("DragMode"), "dmManual");
    EXPECT_EQ(Shown("OnStartDrag"), "");
    EnterProperty("DragCursor", "-16");
    EXPECT_EQ(panel->DragCursor(), crMultiDrag);
    ChooseFromMenu("DragMode", 1);
    EXPECT_EQ(panel->DragMode(), dmAutomatic);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(PropertyInspectorTest, ABooleanIsToggledByItsCheckBox) {
    TControl* check = Editor("ShowLimit");
    Reveal(check);
    Click(check, 5, 5);
    EXPECT_FALSE(Bar->ShowLimit());
    PressKey(VK_SPACE, {}, " ");
    EXPECT_TRUE(Bar->ShowLimit());
    EXPECT_EQ(Changes, 2);

    // The control changing itself shows on Refresh, and is no edit.
    Bar->SetShowLimit(false);
    Inspector->Refresh();
    EXPECT_FALSE(static_cast<TCheckBox*>(check)->Checked());
    EXPECT_EQ(Changes, 2);
}

TEST_F(PropertyInspectorTest, EntriesThePropertyCannotTakeAreRefusedWithAMessage) {
    EnterProperty("Max", "abc");
    EnterProperty("Max", "99999999999");
    Enter(ColorEntry("BarColor"), "clPink");
    EXPECT_EQ(Bar->Max(), 100);
    EXPECT_EQ(Bar->BarColor(), clNavy);
    EXPECT_EQ(Shown("Max"), "100");
    EXPECT_EQ(ColorEntry("BarColor")->Text(), "clNavy");
    EXPECT_EQ(Changes, 0);
    const std::vector<std::string> messages = Messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0], "Max: 'abc' is not a number");
    EXPECT_EQ(messages[1],
              "Max: 99999999999 is out of the 32-bit range (-2147483648 to 2147483647)");
    EXPECT_EQ(messages[2].rfind("BarColor: 'clPink' is neither", 0), 0u) << messages[2];

    // After a refusal the entry takes a good value again.
    EnterProperty("Max", "80");
    EXPECT_EQ(Bar->Max(), 80);
}

TEST_F(PropertyInspectorTest, ASetterThatRaisesRefusesTheEntry) {
    auto* picky = new TPicky(Designed);
    Inspector->Inspect(picky);
    RunUntilIdle();
    EnterProperty("Count", "-4");
    EXPECT_EQ(picky->Count(), 3);
    EXPECT_EQ(Shown("Count"), "3");
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], "Count: a count cannot be negative");
}

TEST_F(PropertyInspectorTest, StringListsAreEditedInAMemoAndAppliedWithCtrlEnter) {
    auto* memo = new TMemo(Designed);
    memo->SetParent(Designed);
    memo->SetTop(80);
    Inspector->Inspect(memo);
    RunUntilIdle();
    TControl* editor = Editor("Lines");
    Reveal(editor);
    Click(editor, 5, 5);
    Type("one");
    PressKey(VK_RETURN, {}, "\r");
    Type("two");
    EXPECT_TRUE(memo->Lines()->Lines().empty());
    PressKey(VK_RETURN, ssCtrl);
    EXPECT_EQ(memo->Lines()->Lines(), (std::vector<std::string>{"one", "two"}));
}

TEST_F(PropertyInspectorTest, AReferenceOffersTheFittingComponentsOfTheForm) {
    auto* label = new TLabel(Designed);
    label->SetName("Label1");
    label->SetParent(Designed);
    label->SetTop(100);
    Inspector->Inspect(label);
    RunUntilIdle();
    // (none), then the only windowed control of the form.
    ChooseFromMenu("FocusControl", 1);
    EXPECT_EQ(label->FocusControl(), Bar);
    EXPECT_EQ(Shown("FocusControl"), "StrokeBar1");
    ChooseFromMenu("FocusControl", 0);
    EXPECT_EQ(label->FocusControl(), nullptr);
}

TEST_F(PropertyInspectorTest, EventsShowTheBoundMethodReadOnly) {
    auto* edit = dynamic_cast<TEdit*>(Editor("OnChanging"));
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->ReadOnly());
    EXPECT_EQ(edit->Text(), "");
}

TEST_F(PropertyInspectorTest, TheInspectorEmptiesWhenTheInspectedControlIsDestroyed) {
    // An entry typed but not applied when the control goes is dropped with it.
    TControl* max = Editor("Max");
    Reveal(max);
    Click(max, 5, 5);
    Type("7");
    delete Bar;
    RunUntilIdle();
    EXPECT_EQ(Inspector->Inspected(), nullptr);
    EXPECT_EQ(Inspector->EditorOf("Max"), nullptr);
    EXPECT_EQ(Inspector->ControlCount(), 0);
    EXPECT_EQ(Changes, 0);

    Inspector->Inspect(nullptr);
    EXPECT_EQ(Inspector->Inspected(), nullptr);
}
