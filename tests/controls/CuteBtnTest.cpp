#include "tests/controls/CuteBtnTest.h"

#include "framework/stdctrls/Panel.h"

namespace {

std::string ShiftText(TShiftState shift) {
    std::string text;
    for (auto [bit, name] : {std::pair{ssShift, "S"}, std::pair{ssAlt, "A"}, std::pair{ssCtrl, "C"},
                             std::pair{ssLeft, "L"}})
        if (shift.Contains(bit))
            text += name;
    return "[" + text + "]";
}

std::string ButtonText(TMouseButton button) {
    return button == mbLeft ? "L" : button == mbRight ? "R" : "M";
}

} // namespace

void CuteBtnTest::SetUp() {
    RegisterClass(TCuteButton::StaticClass());
    Form = NewForm(300, 200);
    Button = new TCuteButton(Form);
    Button->SetName("CuteButton1");
    Button->SetLeft(20);
    Button->SetTop(20);
    Button->SetCaption("&Go");
    Button->SetParent(Form);
    Other = new TPanel(Form);
    Other->SetBounds(200, 20, 40, 40);
    Other->SetTabStop(true);
    Other->SetParent(Form);

    Menu = new TPopupMenu(Form);
    for (const char* caption : {"Apple", "Pear", "Plum"}) {
        auto* item = new TMenuItem(Form);
        item->SetCaption(caption);
        Menu->Items()->Add(item);
    }
    Menu->OnPopup = TNotifyEvent::FromFunction([this](TObject*) { ++Popups; });

    Button->OnClick = TNotifyEvent::FromFunction([this](TObject*) {
        ++Clicks;
        LookInClick = Look();
    });
    Button->OnMouseDown =
        TMouseEvent::FromFunction([this](TObject*, TMouseButton b, TShiftState s, int x, int y) {
            Events.push_back("down " + ButtonText(b) + " " + std::to_string(x) + " " +
                             std::to_string(y) + " " + ShiftText(s));
        });
    Button->OnMouseUp =
        TMouseEvent::FromFunction([this](TObject*, TMouseButton b, TShiftState s, int x, int y) {
            Events.push_back("up " + ButtonText(b) + " " + std::to_string(x) + " " +
                             std::to_string(y) + " " + ShiftText(s));
        });
    Button->OnKeyUp = TKeyEvent::FromFunction([this](TObject*, unsigned short& key, TShiftState s) {
        Events.push_back("keyup " + std::to_string(key) + " " + ShiftText(s));
    });
    RunUntilIdle();
}

platform::HeadlessWindow* CuteBtnTest::OpenMenu() const {
    for (platform::HeadlessWindow* w : Host().Windows())
        if (w->Kind() == platform::WindowKind::Popup && w->Visible())
            return w;
    return nullptr;
}

void CuteBtnTest::WhenMenuOpensPressEscape() {
    Host().WhenIdle([this] {
        if (platform::HeadlessWindow* menu = OpenMenu())
            MenuAt = {menu->ClientBounds().Left, menu->ClientBounds().Top};
        Host().KeyDown(&HostWindowOf(Form), VK_ESCAPE);
    });
}

void CuteBtnTest::FocusElsewhere() {
    Other->SetFocus();
    RunUntilIdle();
}
