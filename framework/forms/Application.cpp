#include "framework/forms/Application.h"

#include "framework/core/ClassBuilder.h"
#include "framework/forms/HintController.h"
#include "framework/forms/Screen.h"
#include "framework/graphics/Bitmap.h"
#include "framework/platform/Host.h"
#include "framework/windows/InputRouter.h"
#include "framework/windows/Win32Api.h"
#include "framework/windows/WindowManager.h"

#include <stdexcept>

TApplication* Application = nullptr;

namespace {

// Input that takes a shown hint away.
bool EndsHint(const platform::HostEvent& event) {
    using Kind = platform::HostEvent::Kind;
    switch (event.Type) {
    case Kind::MouseDown:
    case Kind::MouseDoubleClick:
    case Kind::MouseWheel:
    case Kind::KeyDown:
    case Kind::Deactivate:
        return true;
    default:
        return false;
    }
}

} // namespace

const TClassInfo& TApplication::StaticClass() {
    static const TClassInfo info = DescribeClass<TApplication>(
        "TApplication", &TComponent::StaticClass(), [](TClassBuilder<TApplication>&) {});
    return info;
}

TApplication::TApplication(TComponent* owner) : TComponent(owner) {
    if (!Application)
        Application = this;
    new TScreen(this);
    FHints = new THintController(this);
    WindowManager().OnException = [this] {
        HandleException(this);
    };
}

TApplication::~TApplication() {
    MarkDestroying();
    // The forms go first, the screen they register with last; then nothing may be left behind
    // for the next application object.
    while (ComponentCount() > 0)
        delete Components(ComponentCount() - 1);
    WindowManager().Reset();
    WindowManager().OnException = nullptr;
    if (Application == this)
        Application = nullptr;
}

void TApplication::Initialize() {
    if (!platform::HasHost())
        throw std::logic_error("TApplication::Initialize: no host installed; the program's entry "
                               "installs one first");
}

void TApplication::SetIcon(const TBitmap* icon) {
    if (!FIcon)
        FIcon = std::make_unique<TBitmap>();
    FIcon->Assign(icon);
    if (Screen)
        for (int i = 0; i < Screen->FormCount(); ++i)
            Screen->Forms(i)->Perform(CM_ICONCHANGED);
}

// --- the loop

void TApplication::Run() {
    if (FMainForm)
        FMainForm->Show();
    while (!FTerminated)
        HandleMessage();
}

void TApplication::Terminate() {
    FTerminated = true;
    if (platform::HasHost())
        platform::Host().Wake();
}

bool TApplication::ProcessMessage() {
    TWindowManager& wm = WindowManager();
    bool handled = true;
    try {
        if (wm.DispatchPosted()) {
        } else if (auto event = platform::HasHost() ? platform::Host().PollEvent() : std::nullopt) {
            if (EndsHint(*event))
                FHints->Cancel();
            RouteHostEvent(*event);
        } else if (wm.PaintPending()) {
            wm.PaintAll();
        } else if (!wm.DispatchDueTimer()) {
            handled = false;
        }
    } catch (...) {
        HandleException(this);
    }
    wm.FlushAll();
    return handled;
}

void TApplication::ProcessMessages() {
    while (ProcessMessage()) {
    }
}

void TApplication::HandleMessage() {
    if (ProcessMessage())
        return;
    if (Idle() && !FTerminated)
        Wait();
}

bool TApplication::Idle() {
    bool done = true;
    try {
        DoMouseIdle();
        OnIdle(this, done);
    } catch (...) {
        HandleException(this);
    }
    WindowManager().FlushAll();
    return done;
}

void TApplication::Wait() {
    TWindowManager& wm = WindowManager();
    // The idle work may have left something to do; only an empty queue waits.
    if (wm.HasPosted() || wm.PaintPending() || !platform::HasHost())
        return;
    const std::int64_t timeout = wm.TimeToNextTimer();
    if (timeout != 0)
        platform::Host().WaitForEvent(timeout);
}

void TApplication::DoMouseIdle() {
    TPoint cursor;
    if (!GetCursorPos(&cursor))
        return;
    TControl* control = FindDragTarget(cursor, true);
    if (control && control->IsDesigning())
        control = nullptr;
    TWindowManager& wm = WindowManager();
    TControl* previous = wm.MouseControl();
    if (control == previous)
        return;
    // While the mouse is captured only the capturing control hears of entering and leaving. A
    // control entered before another took the capture (an open menu) is left as it is until the
    // capture ends; then it hears that the pointer has gone.
    TControl* capture = GetCaptureControl();
    if (capture && previous && previous != capture)
        return;
    TControl* entered = !capture || control == capture ? control : nullptr;
    wm.SetMouseControl(entered);
    FHints->MouseEntered(entered);
    if (previous)
        previous->Perform(CM_MOUSELEAVE);
    if (entered && wm.MouseControl() == entered)
        entered->Perform(CM_MOUSEENTER);
}

// --- errors

void TApplication::HandleException(TObject* sender) {
    try {
        throw;
    } catch (const Exception& e) {
        if (OnException)
            OnException(sender, e);
        else
            ShowException(e);
    } catch (...) {
        const Exception unknown("");
        if (OnException)
            OnException(sender, unknown);
        else
            ShowException(unknown);
    }
}

void TApplication::ShowException(const Exception& e) {
    if (platform::HasHost())
        platform::Host().MessageBox(FTitle, e.Message(), platform::MessageBoxKind::Error);
}

bool TApplication::HelpFor(TControl* control) {
    while (control && !control->HasHelp())
        control = control->Parent();
    if (!control)
        return false;
    OnHelp(control, {control->HelpType(), control->HelpContext(), control->HelpKeyword()});
    return true;
}
