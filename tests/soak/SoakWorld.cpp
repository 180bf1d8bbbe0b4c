#include "tests/soak/SoakWorld.h"

#include "app/RegionSweep.h"
#include "app/Startup.h"
#include "app/about.h"
#include "app/main.h"
#include "controls/ColorBtn.h"
#include "controls/CuteBtn.h"
#include "controls/Library.h"
#include "controls/NumberEdit.h"
#include "controls/StrokeBar.h"
#include "controls/xGauge.h"
#include "controls/xTrackBar.h"
#include "framework/core/ClassInfo.h"
#include "framework/core/Exceptions.h"
#include "framework/graphics/Bitmap.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Image.h"
#include "framework/stdctrls/Memo.h"
#include "framework/stdctrls/Panel.h"
#include "framework/stdctrls/SpeedButton.h"
#include "framework/streaming/FormReader.h"
#include "framework/windows/Messages.h"
#include "framework/windows/Window.h"
#include "framework/windows/WindowManager.h"
#include "tools/gallery/DesignedForm.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <deque>
#include <sstream>
#include <stdexcept>

namespace {

platform::MouseButton HostButton(int button) {
    return button == 1   ? platform::MouseButton::Right
           : button == 2 ? platform::MouseButton::Middle
                         : platform::MouseButton::Left;
}

unsigned ButtonBit(int button) {
    return button == 1 ? platform::ModRight : button == 2 ? platform::ModMiddle : platform::ModLeft;
}

// Shift, Ctrl and Alt from the low three bits.
unsigned KeyMods(unsigned mods) {
    return (mods & 1 ? platform::ModShift : 0u) | (mods & 2 ? platform::ModCtrl : 0u) |
           (mods & 4 ? platform::ModAlt : 0u);
}

std::string TypedBy(int vk, unsigned mods) {
    if ((vk >= 0x30 && vk <= 0x39) || vk == 0x20)
        return std::string(1, static_cast<char>(vk));
    if (vk >= 0x41 && vk <= 0x5A && (mods & 6) == 0)
        return std::string(1, static_cast<char>(mods & 1 ? vk : vk + 0x20));
    return {};
}

bool HoldsClass(const TComponent& owner, const TClassInfo& info) {
    for (int i = 0; i < owner.ComponentCount(); ++i)
        if (&owner.Components(i)->ClassType() == &info)
            return true;
    return false;
}

template <class T> std::vector<T*> OfClass(const std::vector<TControl*>& controls) {
    std::vector<T*> found;
    for (TControl* c : controls)
        if (auto* t = dynamic_cast<T*>(c))
            found.push_back(t);
    return found;
}

std::string Range(const std::string& what, std::int64_t low, std::int64_t value,
                  std::int64_t high) {
    std::ostringstream out;
    out << what << ": " << low << " <= " << value << " <= " << high << " does not hold";
    return out.str();
}

// With TabFocusUp the resting look is raised: the look a keyboard press or an accelerator
// leaves, and the look of its form's active control, also while another form is active. The
// look the focus gave stays while the button is its form's active control, though TabFocusUp
// was cleared meanwhile.
bool RestsRaised(const TCuteButton& button) {
    const TCustomForm* form = GetParentForm(&button);
    const bool active = form && form->ActiveControl() == &button;
    return (button.TabFocusUp() || active) && button.BevelOuter() == bvRaised;
}

} // namespace

TSoakWorld::TSoakWorld(std::string images) : FImages(std::move(images)) {
    SourceBitmap->SetSize(0, 0);
    StartSaruvi();
    Form1->Show();
    RunUntilIdle();
    BuildControlsForm();
    for (TForm* form : {static_cast<TForm*>(Form1), static_cast<TForm*>(AboutDlg), FControlsForm}) {
        FControls.push_back(form);
        for (int i = 0; i < form->ComponentCount(); ++i)
            if (auto* c = dynamic_cast<TControl*>(form->Components(i)); c && c != Form1->sbExit)
                FControls.push_back(c);
    }
}

// The gallery's own designed form, which holds every class of the library's manifest.
void TSoakWorld::BuildControlsForm() {
    FPalette.Install();
    RegisterControlLibrary();
    RegisterClass(TDesignedForm::StaticClass());
    FControlsForm = new TDesignedForm(Application);
    ReadComponentResource(FControlsForm, "gallery.json");
    for (const TControlUnit& unit : ControlLibrary())
        if (!HoldsClass(*FControlsForm, unit.Class()))
            throw std::logic_error(std::string("soak: the gallery form has no ") +
                                   unit.Class().Name);
    FControlsForm->Show();
    RunUntilIdle();
}

int TSoakWorld::MessageBoxCount() const {
    return static_cast<int>(Host().MessageBoxes().size());
}

// --- playing

std::optional<TSoakFailure> TSoakWorld::Play(const TSoakEvents& events) {
    FEvents = &events;
    FNext = 0;
    Check();
    while (!FFailure && FNext < events.size()) {
        QueueContinuation();
        Apply(events[FNext++]);
        Settle();
        if (!FFailure)
            Check();
    }
    return FFailure;
}

void TSoakWorld::QueueContinuation() {
    if (FContinuationQueued)
        return;
    FContinuationQueued = true;
    Host().WhenIdle([this] {
        FContinuationQueued = false;
        Continue();
    });
}

// Runs when a nested loop has nothing left to do: the previous event is fully handled.
void TSoakWorld::Continue() {
    QueueContinuation();
    if (!FFailure)
        Check();
    if (!FFailure && FNext < FEvents->size())
        Apply((*FEvents)[FNext++]);
    else
        CloseNestedLoops();
}

void TSoakWorld::CloseNestedLoops() {
    if (++FCloseAttempts > 40) {
        Fail("nested loops end", "a modal dialog or menu stays open after 40 attempts to close it");
        throw std::logic_error("soak: a nested loop does not end");
    }
    ReleaseHeldButtons();
    for (int vk : FKeysHeld)
        Host().KeyUp(Topmost(), vk);
    FKeysHeld.clear();
    if (FCloseAttempts % 2 == 1) {
        Host().KeyPress(Topmost(), VK_ESCAPE);
    } else if (AboutDlg->Visible()) {
        Host().CloseBox(&HostWindowOf(AboutDlg));
    } else {
        Host().KeyDown(&HostWindowOf(FControlsForm), VK_ESCAPE);
        Host().KeyDown(&HostWindowOf(Form1), VK_ESCAPE);
    }
}

void TSoakWorld::Settle() {
    TWindowManager& wm = WindowManager();
    for (int round = 0; round < 1000; ++round) {
        Application->ProcessMessages();
        Application->Idle();
        if (!Host().HasPendingEvents() && !wm.HasPosted() && !wm.PaintPending() &&
            wm.TimeToNextTimer() != 0)
            return;
    }
    Fail("the loop runs empty", "still busy after 1000 rounds");
}

// --- events

platform::HeadlessWindow* TSoakWorld::Topmost() const {
    platform::HeadlessWindow* top = nullptr;
    for (platform::HeadlessWindow* w : Host().Windows())
        if (w->Visible())
            top = w;
    if (platform::HeadlessWindow* menu = OpenMenu())
        return menu;
    if (AboutDlg->Visible())
        return &HostWindowOf(AboutDlg);
    if (HWND active = WindowManager().ActiveWindow())
        if (auto* host = dynamic_cast<platform::HeadlessWindow*>(active->HostWindow()))
            return host;
    return top;
}

platform::HeadlessWindow* TSoakWorld::OpenMenu() const {
    for (platform::HeadlessWindow* w : Host().Windows())
        if (w->Kind() == platform::WindowKind::Popup && w->Visible())
            return w;
    return nullptr;
}

bool TSoakWorld::Usable(const TControl* control) const {
    const TControl* top = control;
    while (top->Parent())
        top = top->Parent();
    auto* form = dynamic_cast<const TWinControl*>(top);
    // The host drops input to a window behind a modal dialog, as a desktop does.
    return form && form->HandleAllocated() && HostWindowOf(control).Visible() &&
           (!AboutDlg->Visible() || top == AboutDlg);
}

TPoint TSoakWorld::PointIn(const TControl* control, int x, int y) const {
    const auto scale = [](int size, int perMille) {
        return static_cast<int>(std::clamp<std::int64_t>(
            static_cast<std::int64_t>(std::clamp(size, -4000, 4000)) * perMille / 1000, -5000,
            5000));
    };
    return WindowPoint(control, scale(control->Width(), x), scale(control->Height(), y));
}

void TSoakWorld::ClickCentre(const TControl* control) {
    ReleaseHeldButtons();
    const TPoint p = PointIn(control, 500, 500);
    Host().Click(&HostWindowOf(control), p.x, p.y);
}

void TSoakWorld::Apply(const TSoakEvent& e) {
    TControl* control = FControls[static_cast<std::size_t>(e.Target) % FControls.size()];
    try {
        switch (e.Kind) {
        case TSoakKind::MouseMove:
        case TSoakKind::MouseDown:
        case TSoakKind::MouseUp:
        case TSoakKind::Click:
        case TSoakKind::DoubleClick:
        case TSoakKind::Wheel:
        case TSoakKind::MoveAway:
        case TSoakKind::WindowClick:
            ApplyMouse(e, control);
            break;
        case TSoakKind::Key:
        case TSoakKind::KeyDown:
        case TSoakKind::KeyUp:
        case TSoakKind::Type:
        case TSoakKind::Paste:
            ApplyKeyboard(e);
            break;
        case TSoakKind::Clock:
            Host().Advance(std::llabs(e.Value % 2000));
            break;
        case TSoakKind::Focus:
            if (auto* w = dynamic_cast<TWinControl*>(control); w && w->CanFocus())
                w->SetFocus();
            else
                Host().KeyPress(Topmost(), VK_TAB, e.Mods & 1 ? platform::ModShift : 0u);
            break;
        case TSoakKind::Enable:
            if (!dynamic_cast<TForm*>(control))
                control->SetEnabled(!control->Enabled());
            break;
        case TSoakKind::Resize:
            if (Usable(control))
                Host().UserResize(&HostWindowOf(control), std::abs(e.X), std::abs(e.Y));
            break;
        case TSoakKind::Property:
            ApplyProperty(e, control);
            break;
        case TSoakKind::Load: {
            static constexpr const char* Names[] = {"good.bmp", "small.bmp", "truncated.bmp",
                                                    "missing.bmp"};
            Host().QueueFileDialogAnswer(FImages + "/" + Names[std::llabs(e.Value) % 4]);
            if (Usable(Form1->sbOpen))
                ClickCentre(Form1->sbOpen);
            break;
        }
        case TSoakKind::Measure:
            if (Usable(Form1->Image)) {
                ReleaseHeldButtons();
                const TPoint p = PointIn(Form1->Image, std::abs(e.X) % 1000, std::abs(e.Y) % 1000);
                Host().Click(&HostWindowOf(Form1->Image), p.x, p.y);
                ClickCentre(Form1->sbCalc);
                FMeasuring = true;
            }
            break;
        case TSoakKind::About:
            if (Usable(Form1->SpeedButton1))
                ClickCentre(Form1->SpeedButton1);
            break;
        case TSoakKind::CloseBox:
            // Closing the main window ends the program; the soak closes the others.
            if (Usable(control) && &HostWindowOf(control) != &HostWindowOf(Form1))
                Host().CloseBox(&HostWindowOf(control));
            break;
        case TSoakKind::Show:
            if (!FControlsForm->Visible())
                FControlsForm->Show();
            break;
        }
    } catch (const Exception&) {
        // A refusal with a clear error is an allowed answer to a direct call.
    }
}

void TSoakWorld::ApplyMouse(const TSoakEvent& e, TControl* control) {
    if (e.Kind == TSoakKind::MoveAway) {
        Host().SetCursorPos({-10000, -10000});
        for (platform::HeadlessWindow* w : Host().Windows())
            if (w->Visible())
                Host().MouseLeave(w);
        FPointerAway = true;
        return;
    }
    // A mouse button cannot go down twice: the user lets it go first.
    const bool presses = e.Kind == TSoakKind::MouseDown || e.Kind == TSoakKind::Click ||
                         e.Kind == TSoakKind::DoubleClick || e.Kind == TSoakKind::WindowClick;
    if (presses && (Host().ButtonsHeld() & ButtonBit(e.Button)))
        ReleaseWhereThePointerIs(e.Button);
    platform::HeadlessWindow* window = nullptr;
    TPoint p;
    if (e.Kind == TSoakKind::WindowClick || !Usable(control)) {
        window = Topmost();
        if (!window)
            return;
        const TRect b = window->ClientBounds();
        p = {b.Width() * (std::abs(e.X) % 1000) / 1000, b.Height() * (std::abs(e.Y) % 1000) / 1000};
    } else {
        window = &HostWindowOf(control);
        p = PointIn(control, e.X, e.Y);
    }
    FPointerAway = false;
    // A desktop delivers a first press only inside the client area: outside it lies the frame
    // or another window. While a button is held, the host's grab takes everything anywhere.
    if (presses && !Host().Grab()) {
        const TRect b = window->ClientBounds();
        p = {std::clamp(p.x, 0, std::max(b.Width() - 1, 0)),
             std::clamp(p.y, 0, std::max(b.Height() - 1, 0))};
    }
    const unsigned mods = KeyMods(e.Mods);
    switch (e.Kind) {
    case TSoakKind::MouseMove:
        Host().MouseMove(window, p.x, p.y, mods);
        break;
    case TSoakKind::MouseDown:
        Host().MouseDown(window, p.x, p.y, HostButton(e.Button), mods);
        break;
    case TSoakKind::MouseUp:
        Host().MouseUp(window, p.x, p.y, HostButton(e.Button), mods);
        break;
    case TSoakKind::DoubleClick:
        Host().DoubleClick(window, p.x, p.y, HostButton(e.Button), mods);
        break;
    case TSoakKind::Wheel:
        Host().MouseWheel(window, p.x, p.y, static_cast<int>(e.Value % 100000), mods);
        break;
    default:
        Host().Click(window, p.x, p.y, HostButton(e.Button), mods);
        break;
    }
}

void TSoakWorld::ReleaseWhereThePointerIs(int button) {
    platform::HeadlessWindow* window = Host().Grab() ? Host().Grab() : Topmost();
    const TPoint origin = window ? window->ClientBounds().TopLeft() : TPoint{};
    const TPoint at = Host().CursorPos();
    Host().MouseUp(window, at.x - origin.x, at.y - origin.y, HostButton(button));
}

void TSoakWorld::ReleaseHeldButtons() {
    for (int button = 0; button < 3; ++button)
        if (Host().ButtonsHeld() & ButtonBit(button))
            ReleaseWhereThePointerIs(button);
}

void TSoakWorld::ApplyKeyboard(const TSoakEvent& e) {
    platform::HeadlessWindow* window = Topmost();
    if (!window)
        return;
    const int vk = static_cast<int>(e.Value);
    const unsigned mods = KeyMods(e.Mods);
    switch (e.Kind) {
    case TSoakKind::Key:
        Host().KeyPress(window, vk, mods, TypedBy(vk, e.Mods));
        break;
    case TSoakKind::KeyDown:
        Host().KeyDown(window, vk, mods, TypedBy(vk, e.Mods));
        FKeysHeld.insert(vk);
        break;
    case TSoakKind::KeyUp:
        Host().KeyUp(window, vk, mods);
        FKeysHeld.erase(vk);
        break;
    case TSoakKind::Type:
        Host().Type(window, e.Text);
        break;
    default:
        Host().SetClipboardText(e.Text);
        Host().KeyPress(window, 'V', platform::ModCtrl);
        break;
    }
}

void TSoakWorld::ApplyProperty(const TSoakEvent& e, TControl* control) {
    // As with the enable events, a disabled form is the program's own choice: a modal one
    // would leave the user nothing to press.
    const bool form = dynamic_cast<TForm*>(control) != nullptr;
    std::vector<const TPropInfo*> props;
    for (const TPropInfo* p : control->ClassType().AllProperties())
        if (p->Set && p->Name != "Name" && p->Kind != TPropKind::Persistent &&
            p->Kind != TPropKind::Event && p->Kind != TPropKind::Component &&
            p->Kind != TPropKind::Resource && !(form && p->Name == "Enabled"))
            props.push_back(p);
    if (props.empty())
        return;
    const TPropInfo& prop = *props[static_cast<std::size_t>(std::abs(e.X)) % props.size()];
    TPropValue value;
    switch (prop.Kind) {
    case TPropKind::Boolean:
        value = (e.Value & 1) != 0;
        break;
    case TPropKind::Enum:
        value = std::llabs(e.Value) %
                static_cast<std::int64_t>(std::max<std::size_t>(prop.EnumNames->size(), 1));
        break;
    case TPropKind::Set:
        value = e.Value & ((std::int64_t{1} << prop.EnumNames->size()) - 1);
        break;
    case TPropKind::String:
        value = e.Text;
        break;
    case TPropKind::Strings:
        value = std::vector<std::string>{e.Text, e.Text};
        break;
    default:
        value = e.Value;
        break;
    }
    prop.Set(*control, value);
}

// --- invariants

void TSoakWorld::Fail(const std::string& invariant, const std::string& detail) {
    if (!FFailure)
        FFailure = TSoakFailure{invariant, detail, static_cast<int>(FNext)};
}

void TSoakWorld::Check() {
    CheckValues();
    CheckCapture();
    CheckReleased();
    CheckMeasurement();
}

void TSoakWorld::CheckValues() {
    for (TxGauge* g : OfClass<TxGauge>(FControls))
        if (!(g->Min() <= g->Position() && g->Position() <= g->Max()))
            Fail("gauge position in range", Range("gauge", g->Min(), g->Position(), g->Max()));
    for (TTrackBar* t : OfClass<TTrackBar>(FControls))
        if (!(t->Min() <= t->Position() && t->Position() <= t->Max()))
            Fail("track bar position in range",
                 Range("track bar", t->Min(), t->Position(), t->Max()));
    for (TStrokeBar* s : OfClass<TStrokeBar>(FControls)) {
        if (!(s->Min() <= s->Value() && s->Value() <= s->Max()))
            Fail("stroke bar value in range", Range("stroke bar", s->Min(), s->Value(), s->Max()));
        // A size change other than through Width leaves the bar where it was, so it may end
        // past the right edge until the next setter or stroke; it never starts before the left.
        if (s->BarEnd() < 0)
            Fail("stroke bar position not before the left edge",
                 Range("bar end", 0, s->BarEnd(), s->Width()));
    }
    for (TNumberEdit* n : OfClass<TNumberEdit>(FControls)) {
        try {
            (void)n->GetValue();
        } catch (const std::exception& x) {
            Fail("numeric edit value readable", "\"" + n->Text() + "\": " + x.what());
        }
    }
}

void TSoakWorld::CheckCapture() {
    HWND capture = WindowManager().Capture();
    if (!capture || Host().ButtonsHeld() != 0 || OpenMenu())
        return;
    TControl* holder = WindowManager().CaptureControl();
    if (!holder)
        holder = capture->Control();
    if (!dynamic_cast<TStrokeBar*>(holder))
        Fail("capture only while a button is held or a control tracks",
             "held by " + (holder ? holder->ClassType().Name + " " + holder->Name() : "a window"));
}

void TSoakWorld::CheckReleased() {
    if (Host().ButtonsHeld() != 0 || !FKeysHeld.empty() || OpenMenu())
        return;
    for (TButton* b : OfClass<TButton>(FControls))
        if (b->Pressed())
            Fail("no button left pressed", b->ClassType().Name + " " + b->Name());
    for (TSpeedButton* b : OfClass<TSpeedButton>(FControls))
        if (b->State() == bsDown && !b->Down())
            Fail("no button left pressed", "speed button " + b->Name());
    for (TCuteButton* b : OfClass<TCuteButton>(FControls)) {
        if (b->BevelOuter() == bvLowered)
            Fail("no button left pressed", "cute button " + b->Name());
        else if (FPointerAway && b->BevelOuter() != bvNone && !RestsRaised(*b))
            Fail("no button left hovered", "cute button " + b->Name());
    }
}

// The reference count: a plain 4-connected flood fill over the pixels the sweep calls dark, from
// the seed or, when the seed is bright, from its left neighbour, where the sweep's leftward run
// starts; row 0 never counts, nor column 0 unless the seed is in it. It agrees with the sweep on
// the soak's images: black rectangles on white.
static int FloodCount(const TBitmap& bitmap, TPoint seed) {
    const int w = bitmap.Width();
    const int h = bitmap.Height();
    const int firstColumn = seed.x == 0 ? 0 : 1;
    const auto dark = [&](int x, int y) {
        return x >= firstColumn && y >= 1 && x < w && y < h && x < SweepLimit && y < SweepLimit &&
               static_cast<std::int32_t>(PixelToColor(bitmap.ScanLine(y)[x])) <=
                   static_cast<std::int32_t>(RowThreshold);
    };
    if (!dark(seed.x, seed.y))
        seed.x -= 1;
    if (!dark(seed.x, seed.y))
        return 0;
    std::vector<bool> seen(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    std::deque<TPoint> todo{seed};
    seen[static_cast<std::size_t>(seed.y) * w + seed.x] = true;
    int count = 0;
    while (!todo.empty()) {
        const TPoint p = todo.front();
        todo.pop_front();
        ++count;
        for (const TPoint n : {TPoint{p.x + 1, p.y}, TPoint{p.x - 1, p.y}, TPoint{p.x, p.y + 1},
                               TPoint{p.x, p.y - 1}})
            if (dark(n.x, n.y) && !seen[static_cast<std::size_t>(n.y) * w + n.x]) {
                seen[static_cast<std::size_t>(n.y) * w + n.x] = true;
                todo.push_back(n);
            }
    }
    return count;
}

// Only right after a measurement: the log is an ordinary memo that the user may edit.
void TSoakWorld::CheckMeasurement() {
    const int lines = Form1->Memo->Lines()->Count();
    const bool measured = FMeasuring && lines != FLogLines;
    FLogLines = lines;
    FMeasuring = false;
    if (!measured)
        return;
    const std::string last = lines > 0 ? Form1->Memo->Lines()->Strings(lines - 1) : std::string();
    static const std::string prefix = "* Total Pixels = ";
    if (last.rfind(prefix, 0) != 0)
        return;
    const int expected = FloodCount(*SourceBitmap, Form1->Seed());
    if (last != prefix + std::to_string(expected))
        Fail("measurement equals a flood fill",
             "\"" + last + "\", a flood fill from (" + std::to_string(Form1->Seed().x) + ", " +
                 std::to_string(Form1->Seed().y) + ") counts " + std::to_string(expected));
}
