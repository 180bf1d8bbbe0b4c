#pragma once
// TDestroyWatch: tells whether a component survived a call that may destroy it. A control that
// runs a user's handler (its own click) and has more to do afterwards keeps one around the call:
//
//   TDestroyWatch watch(this);
//   OnClick(this);
//   if (!watch.Alive())
//       return;

#include "framework/core/Component.h"

class TDestroyWatch final : public TComponent {
public:
    explicit TDestroyWatch(TComponent* watched);
    ~TDestroyWatch() override;

    bool Alive() const { return FWatched != nullptr; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TComponent* FWatched;
};
