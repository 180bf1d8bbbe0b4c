#pragma once
// TApplication: the program's message loop (host input, posted messages, paint, timers, the
// idle-time hover check, waiting), its forms, its title and icon, and its error box.

#include "framework/core/Component.h"
#include "framework/core/Events.h"
#include "framework/core/Exceptions.h"
#include "framework/forms/Form.h"

#include <memory>
#include <string>
#include <type_traits>

class TBitmap;
class THintController;

using TIdleEvent = TClosure<TObject*, bool&>;
// What help is asked for: a context number (htContext) or a keyword (htKeyword).
struct THelpRequest {
    THelpType Type = htContext;
    int Context = 0;
    std::string Keyword;
};
// The sender is the control whose help is asked for.
using THelpEvent = TClosure<TObject*, const THelpRequest&>;
using TExceptionEvent = TClosure<TObject*, const Exception&>;

class TApplication : public TComponent {
    FRAMEWORK_CLASS(TApplication)
public:
    // The program's entry makes one (tests one per test); Application points at it until it is
    // destroyed, and it destroys its forms.
    explicit TApplication(TComponent* owner = nullptr);
    ~TApplication() override;

    // Checks that the program's entry installed a host (the desktop's, or a test's headless one):
    // the forms run on whichever it chose.
    void Initialize();

    // Shown by the taskbar and as the title of message boxes.
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& value) { FTitle = value; }
    // The picture every form's window shows as its icon.
    TBitmap* Icon() const { return FIcon.get(); }
    void SetIcon(const TBitmap* icon);

    // Constructs a T owned by the application; the first form created becomes the main form.
    template <class T> void CreateForm(T*& reference) {
        reference = new T(this);
        if constexpr (std::is_base_of_v<TCustomForm, T>)
            if (!FMainForm)
                FMainForm = reference;
    }
    TCustomForm* MainForm() const { return FMainForm; }

    // Shows the main form and handles messages until the program is terminated (the main form
    // closed).
    void Run();
    void Terminate();
    bool Terminated() const { return FTerminated; }

    // Handles everything pending, never waiting.
    void ProcessMessages();
    // One message; when there is none: the idle work, then waiting for the host until input
    // arrives or the next timer is due.
    void HandleMessage();
    // One message; false when nothing was pending.
    bool ProcessMessage();
    // The idle work without waiting: the hover check, then OnIdle; false when an OnIdle handler
    // asks to be called again before waiting.
    bool Idle();

    // Inside a catch block: shows the exception in flight (OnException when assigned, else the
    // error box). One of a kind the framework does not know shows as an empty message.
    void HandleException(TObject* sender);
    // The error box: a host message box titled with Title.
    void ShowException(const Exception& e);

    // Raises OnHelp with the help of control, or of its nearest parent that has help; false
    // when none has.
    bool HelpFor(TControl* control);

    // When the controls' hints show.
    THintController& Hints() const { return *FHints; }

    TIdleEvent OnIdle;
    // The program shows its help here; the framework has no help viewer of its own.
    THelpEvent OnHelp;
    TExceptionEvent OnException;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

private:
    friend class TCustomForm;
    // The hover check: CM_MOUSELEAVE to the control the mouse left, CM_MOUSEENTER to the one it
    // is over now (while the mouse is captured, only to the capturing control; the control
    // entered before another took the capture hears of leaving once the capture ends).
    void DoMouseIdle();
    void Wait();

    std::string FTitle;
    std::unique_ptr<TBitmap> FIcon;
    THintController* FHints = nullptr; // owned
    TCustomForm* FMainForm = nullptr;
    bool FTerminated = false;
};

// The one application object, or null when there is none.
extern TApplication* Application;
