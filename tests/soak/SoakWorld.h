#pragma once
// The world a soak session plays in: a fresh headless host and application, the program's main
// window and About box as the program starts them, and the gallery's designed form, which holds
// every control of the library. Play runs events one by one and checks every invariant
// after each; a step that opens a nested loop (a modal dialog, a drop-down menu) goes on from
// inside that loop, and once the events run out the loops are closed.

#include "framework/streaming/Registration.h"
#include "tests/soak/SoakEvent.h"
#include "tests/support/FrameworkTest.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

struct TSoakFailure {
    std::string Invariant; // what broke; shrinking keeps a list only while this stays the same
    std::string Detail;
    int Step = 0; // how many events had run
};

class TSoakWorld : public FrameworkTest {
public:
    // images: a directory holding good.bmp, small.bmp and truncated.bmp.
    explicit TSoakWorld(std::string images);

    std::optional<TSoakFailure> Play(const TSoakEvents& events);
    // How many events have been applied, counting the one being applied.
    int Applied() const { return static_cast<int>(FNext); }
    int MessageBoxCount() const;

private:
    void TestBody() override {}

    void BuildControlsForm();
    void Apply(const TSoakEvent& event);
    void ApplyMouse(const TSoakEvent& event, TControl* control);
    // The user lets a held button go before pressing it again, where the pointer is.
    void ReleaseWhereThePointerIs(int button);
    // Before the soak clicks a button of the program for the user.
    void ReleaseHeldButtons();
    void ApplyKeyboard(const TSoakEvent& event);
    void ApplyProperty(const TSoakEvent& event, TControl* control);
    void ClickCentre(const TControl* control);
    void Settle();
    void Continue();
    void QueueContinuation();
    void CloseNestedLoops();
    platform::HeadlessWindow* Topmost() const;
    platform::HeadlessWindow* OpenMenu() const;
    bool Usable(const TControl* control) const;
    TPoint PointIn(const TControl* control, int x, int y) const;

    void Check();
    void CheckValues();
    void CheckCapture();
    void CheckReleased();
    void CheckMeasurement();
    void Fail(const std::string& invariant, const std::string& detail);

    std::string FImages;
    TComponentPalette FPalette;
    std::vector<TControl*> FControls;
    TForm* FControlsForm = nullptr;
    const TSoakEvents* FEvents = nullptr;
    std::size_t FNext = 0;
    bool FContinuationQueued = false;
    int FCloseAttempts = 0;
    std::set<int> FKeysHeld;
    bool FPointerAway = true;
    int FLogLines = 0;
    bool FMeasuring = false; // a measurement was asked for since the last check
    std::optional<TSoakFailure> FFailure;
};
