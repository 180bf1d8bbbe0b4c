#include "tools/gallery/PropertyInspector.h"

#include "controls/ColorBtn.h"
#include "controls/CuteBtn.h"
#include "controls/NumberEdit.h"
#include "controls/StrokeBar.h"
#include "controls/xTrackBar.h"
#include "framework/core/ClassBuilder.h"
#include "framework/forms/Menus.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/Label.h"
#include "framework/stdctrls/Memo.h"
#include "framework/stdctrls/Panel.h"
#include "framework/stdctrls/ScrollBox.h"
#include "framework/windows/Win32Api.h"
#include "tests/support/FrameworkTest.h"

#include <algorithm>
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
        TScrollBox* rows = Inspector->Rows();
        const int bar = rows->ClientWidth() + 8;
        const int bottom = rows->ClientHeight();
        for (int clicks = 0; clicks < 100 && editor->Top() + editor->Height() > bottom; ++clicks)
            Click(rows, bar, bottom - 5);
        for (int clicks = 0; clicks < 100 && editor->Top() < 0; ++clicks)
            Click(rows, bar, 5);
    }
    // Clicks into the entry and replaces its text by typing.
    void Retype(TControl* entry, const std::string& text) {
        Reveal(entry);
        Click(entry, 5, 5);
        PressKey(VK_HOME);
        PressKey(VK_END, ssShift);
        PressKey(VK_DELETE);
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
    // The control of class T right of a row's editor (the entry beside a colour swatch, the
    // button that drops a pick list).
    template <class T> T* Beside(const std::string& name) const {
        TControl* editor = Editor(name);
        TScrollBox* rows = Inspector->Rows();
        for (int i = 0; i < rows->ControlCount(); ++i)
            if (auto* found = dynamic_cast<T*>(rows->Controls(i));
                found && found->Top() == editor->Top() && found->Left() > editor->Left())
                return found;
        return nullptr;
    }
    TEdit* ColorEntry(const std::string& name) const { return Beside<TEdit>(name); }
    // Where a row's value is typed.
    TControl* Entry(const std::string& name) const {
        TControl* editor = Editor(name);
        return dynamic_cast<TColorButton*>(editor) ? ColorEntry(name) : editor;
    }
    // Drops the button's menu and chooses its item at index with the arrow keys.
    void ChooseFromMenu(const std::string& name, int index) {
        ChooseFromMenu(static_cast<TCuteButton*>(Editor(name)), index);
    }
    void ChooseFromMenu(TCuteButton* button, int index) {
        Reveal(button);
        Host().WhenIdle([this, button, index] {
            const int count = button->DropDownMenu()->Items()->Count();
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
    EXPECT_NE(dynamic_cast<TButton*>(Editor("Font")), nullptr);
    EXPECT_LT(Editor("Font")->Top(), Editor("Font.Name")->Top());
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

    EXPECT_EQ(Shown("DragCursor"), "crDrag");
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

TEST_F(PropertyInspectorTest, EntriesThePropertyCannotTakeAreRefusedWithANote) {
    const struct {
        const char* property;
        const char* entry;
        const char* note;
    } cases[] = {
        {"Max", "abc", "Max: 'abc' is not a number"},
        {"Max", "99999999999",
         "Max: 99999999999 is out of the 32-bit range (-2147483648 to 2147483647)"},
        {"BarColor", "clPink",
         "BarColor: 'clPink' is no colour: a name (clRed), #RRGGBB, $00BBGGRR or 0xBBGGRR"},
        {"Cursor", "crNope",
         "Cursor: 'crNope' is neither a name of the list (crDefault...) nor a "
         "number"},
    };
    for (const auto& c : cases) {
        Enter(Entry(c.property), c.entry);
        EXPECT_EQ(Inspector->Status(), c.note);
    }
    EXPECT_EQ(Bar->Max(), 100);
    EXPECT_EQ(Bar->BarColor(), clNavy);
    EXPECT_EQ(Bar->Cursor(), crDefault);
    EXPECT_EQ(Shown("Max"), "100");
    EXPECT_EQ(ColorEntry("BarColor")->Text(), "clNavy");
    EXPECT_EQ(Shown("Cursor"), "crDefault");
    EXPECT_EQ(Changes, 0);
    EXPECT_TRUE(Messages().empty());

    // After a refusal the entry takes a good value again, and the note goes.
    EnterProperty("Max", "80");
    EXPECT_EQ(Bar->Max(), 80);
    EXPECT_EQ(Inspector->Status(), "");
}

TEST_F(PropertyInspectorTest, ASetterThatRaisesRefusesTheEntry) {
    auto* picky = new TPicky(Designed);
    Inspector->Inspect(picky);
    RunUntilIdle();
    EnterProperty("Count", "-4");
    EXPECT_EQ(picky->Count(), 3);
    EXPECT_EQ(Shown("Count"), "3");
    EXPECT_EQ(Inspector->Status(), "Count: a count cannot be negative");
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
    EXPECT_TRUE(Inspector->Paths().empty());
    EXPECT_EQ(Changes, 0);

    Inspector->Inspect(nullptr);
    EXPECT_EQ(Inspector->Inspected(), nullptr);
    // Empty, it says how to select.
    EXPECT_EQ(Inspector->Hint(),
              "Click a control on the form with Design on, or pick one in the chooser above.");
    Inspector->Inspect(Designed);
    EXPECT_EQ(Inspector->Hint(), "");
}

TEST_F(PropertyInspectorTest, ColoursAreTakenAsNamesWebHexDollarHexOrCHex) {
    const struct {
        const char* entry;
        TColor stored; // clInvalid: refused
    } cases[] = {
        {"clRed", clRed},      {"clbtnface", clBtnFace}, {" clWindow ", clWindow},
        {"#00ff00", clLime},   {"#0000FF", clBlue},      {"#123456", 0x563412},
        {"$000000FF", clRed},  {"$80000005", clWindow},  {"0x123456", 0x123456},
        {"#12345", clInvalid}, {"#1234567", clInvalid},  {"$FF", clInvalid},
        {"red", clInvalid},    {"#GG0000", clInvalid},   {"-0x1", clInvalid},
    };
    for (const auto& c : cases) {
        Bar->SetBarColor(clNavy);
        Inspector->Refresh();
        Enter(ColorEntry("BarColor"), c.entry);
        EXPECT_EQ(Bar->BarColor(), c.stored == clInvalid ? clNavy : c.stored) << c.entry;
        EXPECT_EQ(Inspector->Status().empty(), c.stored != clInvalid) << c.entry;
    }
}

TEST_F(PropertyInspectorTest, AValueTheSetterClampsIsShownAsStoredWithANote) {
    auto* track = new TxTrackBar(Designed);
    track->SetParent(Designed);
    track->SetMax(100);
    Inspector->Inspect(track);
    RunUntilIdle();
    const struct {
        const char* property;
        const char* entry;
        const char* shown;
        const char* note;
    } cases[] = {
        {"Position", "7025", "100", "Position: 7025 is out of range, stored 100"},
        {"Position", "40", "40", ""},
        {"Position", "-3", "0", "Position: -3 is out of range, stored 0"},
        {"Min", "50", "50", ""},
        {"Position", "20", "50", "Position: 20 is out of range, stored 50"},
    };
    for (const auto& c : cases) {
        EnterProperty(c.property, c.entry);
        EXPECT_EQ(Shown(c.property), c.shown) << c.entry;
        EXPECT_EQ(Inspector->Status(), c.note) << c.entry;
    }
    EXPECT_EQ(Changes, 5);
}

TEST_F(PropertyInspectorTest, ColoursAndCursorsArePickedByName) {
    ChooseFromMenu(Beside<TCuteButton>("BarColor"), 10); // the standard colours first: clRed
    EXPECT_EQ(Bar->BarColor(), clRed);
    EXPECT_EQ(ColorEntry("BarColor")->Text(), "clRed");
    TPopupMenu* colours = Beside<TCuteButton>("BarColor")->DropDownMenu();
    ASSERT_GT(colours->Items()->Count(), 26);
    EXPECT_EQ(colours->Items()->Items(26)->Caption(), "clBtnFace");
    EXPECT_EQ(colours->Items()->Items(26)->Swatch(), clBtnFace);

    ChooseFromMenu(Beside<TCuteButton>("Cursor"), 16);
    EXPECT_EQ(Bar->Cursor(), crHandPoint);
    EXPECT_EQ(Shown("Cursor"), "crHandPoint");
    EnterProperty("Cursor", "CRIBEAM");
    EXPECT_EQ(Bar->Cursor(), crIBeam);
    EnterProperty("Cursor", "-16");
    EXPECT_EQ(Shown("Cursor"), "crMultiDrag");
    EXPECT_EQ(Changes, 4);
}

TEST_F(PropertyInspectorTest, ARenameIsCheckedAndRaisesOnChange) {
    auto* label = new TLabel(Designed);
    label->SetName("Label1");
    EXPECT_LT(Editor("Name")->Top(), Editor("Left")->Top());
    const struct {
        const char* entry;
        const char* name;
        const char* note;
    } cases[] = {
        {"Speed", "Speed", ""},
        {"2Fast", "Speed",
         "Name: '2Fast' is not a valid name: use letters, digits and _, starting with a letter or "
         "_"},
        {"Label1", "Speed", "Name: the form already has a component named Label1"},
        {"label1", "Speed", "Name: the form already has a component named Label1"},
        {"", "Speed", "Name: a component needs a name"},
        {"StrokeBar1", "StrokeBar1", ""},
    };
    for (const auto& c : cases) {
        EnterProperty("Name", c.entry);
        EXPECT_EQ(Bar->Name(), c.name) << c.entry;
        EXPECT_EQ(Shown("Name"), c.name) << c.entry;
        EXPECT_EQ(Inspector->Status(), c.note) << c.entry;
    }
    EXPECT_EQ(Changes, 2);
}

TEST_F(PropertyInspectorTest, SeveralComponentsShowWhatTheyShareAndAnEditSetsThemAll) {
    auto* second = new TStrokeBar(Designed);
    second->SetName("StrokeBar2");
    second->SetParent(Designed);
    second->SetMin(10);
    second->SetMax(90);
    auto* edit = new TNumberEdit(Designed);
    edit->SetParent(Designed);
    Inspector->Inspect(std::vector<TComponent*>{Bar, second});
    RunUntilIdle();
    EXPECT_EQ(Inspector->Inspected(), nullptr);
    EXPECT_EQ(Inspector->EditorOf("Name"), nullptr);
    EXPECT_EQ(Shown("Min"), "10");
    EXPECT_EQ(Shown("Max"), "");
    EXPECT_EQ(ColorEntry("BarColor")->Text(), "clNavy");
    EnterProperty("Max", "80");
    EXPECT_EQ(Bar->Max(), 80);
    EXPECT_EQ(second->Max(), 80);
    EXPECT_EQ(Shown("Max"), "80");
    EXPECT_EQ(Changes, 1);

    // A bar and an edit share the properties of a control, not those of either.
    Inspector->Inspect(std::vector<TComponent*>{Bar, edit});
    RunUntilIdle();
    EXPECT_NE(Inspector->EditorOf("Left"), nullptr);
    EXPECT_NE(Inspector->EditorOf("Font.Name"), nullptr);
    EXPECT_EQ(Inspector->EditorOf("Max"), nullptr);
    EXPECT_EQ(Inspector->EditorOf("MaxValue"), nullptr);

    // One of them destroyed, the other stays inspected.
    delete edit;
    EXPECT_EQ(Inspector->Inspected(), Bar);
}

TEST_F(PropertyInspectorTest, AColourButtonsCaptionIsEditedAsOneListOfLines) {
    auto* button = new TColorButton(Designed);
    button->SetParent(Designed);
    TStringList lines;
    lines.SetLines({"Two", "lines"});
    button->SetCaptionLines(&lines);
    Inspector->Inspect(button);
    RunUntilIdle();
    auto* memo = dynamic_cast<TMemo*>(Editor("Caption"));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(Inspector->EditorOf("CaptionLines"), memo);
    const std::vector<std::string> paths = Inspector->Paths();
    EXPECT_EQ(std::ranges::count(paths, "CaptionLines"), 0);
    EXPECT_EQ(memo->Lines()->Lines(), (std::vector<std::string>{"Two", "lines"}));

    const struct {
        std::vector<std::string> typed; // each line ended by Enter
        std::string caption;
        std::vector<std::string> lines;
    } cases[] = {
        {{"One"}, "One", {}},
        {{"Three", "more", "lines"}, "", {"Three", "more", "lines"}},
        {{"Back", ""}, "Back", {}},
    };
    for (const auto& c : cases) {
        Reveal(memo);
        Click(memo, 5, 5);
        PressKey('A', ssCtrl);
        for (const std::string& line : c.typed) {
            Type(line);
            PressKey(VK_RETURN, {}, "\r");
        }
        PressKey(VK_RETURN, ssCtrl);
        EXPECT_EQ(button->Caption(), c.caption) << c.caption;
        EXPECT_EQ(button->CaptionLines()->Lines(), c.lines) << c.caption;
        EXPECT_EQ(memo->Lines()->Lines().size(), std::max<std::size_t>(c.lines.size(), 1));
    }
}

TEST_F(PropertyInspectorTest, TheWheelScrollsTheRowsWhereverTheFocusIs) {
    // A memo of the same window that could scroll too.
    auto* memo = new TMemo(Tools);
    memo->SetParent(Tools);
    memo->SetBounds(0, 640, 200, 40);
    memo->Lines()->SetLines(std::vector<std::string>(30, "line"));
    RunUntilIdle();
    for (TWinControl* focused : {static_cast<TWinControl*>(Editor("Name")),
                                 static_cast<TWinControl*>(memo), static_cast<TWinControl*>(Bar)}) {
        Inspector->Rows()->VertScrollBar()->SetPosition(0);
        focused->SetFocus();
        Wheel(Inspector->Rows(), 5, 30, -120);
        EXPECT_GT(Inspector->Rows()->VertScrollBar()->Position(), 0) << focused->ClassName();
    }
}

TEST_F(PropertyInspectorTest, TheFontRowOpensTheFontDialogAndItsChoiceSetsTheFont) {
    Bar->Font()->SetName("IPAPGothic");
    Bar->Font()->SetSize(9);
    Inspector->Refresh();
    platform::FontDialogSpec chosen{"IPAPMincho", 14, true, false, true, false, clRed};
    const struct {
        std::optional<platform::FontDialogSpec> answer;
        std::string name;
        int size;
        TFontStyles style;
        TColor color;
    } cases[] = {
        {std::nullopt, "IPAPGothic", 9, 0, clWindowText},
        {chosen, "IPAPMincho", 14, fsBold | fsUnderline, clRed},
    };
    for (const auto& c : cases) {
        Host().QueueFontDialogAnswer(c.answer);
        Reveal(Editor("Font"));
        Click(Editor("Font"), 5, 5);
        EXPECT_EQ(Bar->Font()->Name(), c.name);
        EXPECT_EQ(Bar->Font()->Size(), c.size);
        EXPECT_EQ(Bar->Font()->Style(), c.style);
        EXPECT_EQ(Bar->Font()->Color(), c.color);
        EXPECT_EQ(Shown("Font.Name"), c.name);
        EXPECT_EQ(Host().FontDialogs().back().Name, "IPAPGothic");
    }
    EXPECT_EQ(Host().FontDialogs().front().Size, 9);
    EXPECT_EQ(Changes, 1);
}

TEST_F(PropertyInspectorTest, ADoubleClickOnAnEventRowNamesItsHandler) {
    auto* second = new TStrokeBar(Designed);
    second->SetName("StrokeBar2");
    const struct {
        std::vector<TComponent*> selection;
        const char* event;
        const char* shown;
    } cases[] = {
        {{Bar}, "OnChanging", "StrokeBar1Changing"},
        {{Bar}, "OnMouseDown", "StrokeBar1MouseDown"},
        {{second}, "OnChanging", "StrokeBar2Changing"},
        {{Bar, second}, "OnChanging", ""},           // each has its own
        {{Bar}, "OnChanging", "StrokeBar1Changing"}, // kept across selections
    };
    for (const auto& c : cases) {
        Inspector->Inspect(c.selection);
        RunUntilIdle();
        TControl* row = Editor(c.event);
        Reveal(row);
        DoubleClick(row, 5, 5);
        EXPECT_EQ(row->Text(), c.shown) << c.event;
    }
    EXPECT_EQ(Changes, 0);
}

TEST_F(PropertyInspectorTest, EntriesSelectAllCopyAndPasteAsEveryEditDoes) {
    Bar->SetCaption("Level");
    Inspector->Refresh();
    const struct {
        const char* property;
        const char* shown;
        const char* pasted;
    } cases[] = {
        {"Max", "100", "80"},
        {"Caption", "Level", "Speed"},
        {"BarColor", "clNavy", "#00ff00"},
        {"Cursor", "crDefault", "crHandPoint"},
    };
    for (const auto& c : cases) {
        TControl* entry = Entry(c.property);
        Reveal(entry);
        Click(entry, 5, 5);
        PressKey('A', ssCtrl);
        PressKey('C', ssCtrl);
        EXPECT_EQ(Host().ClipboardText(), c.shown) << c.property;
        Host().SetClipboardText(c.pasted);
        PressKey('A', ssCtrl);
        PressKey('V', ssCtrl);
        PressKey(VK_RETURN);
        EXPECT_EQ(entry->Text(), c.property == std::string("BarColor") ? "clLime" : c.pasted);
    }
    EXPECT_EQ(Bar->Max(), 80);
    EXPECT_EQ(Bar->BarColor(), clLime);
    EXPECT_EQ(Inspector->Status(), "");
}
