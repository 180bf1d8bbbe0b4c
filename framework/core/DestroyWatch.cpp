#include "framework/core/DestroyWatch.h"

TDestroyWatch::TDestroyWatch(TComponent* watched) : TComponent(nullptr), FWatched(watched) {
    FreeNotification(watched);
}

// Unlinked first, so that the watched component hears nothing of the watch going.
TDestroyWatch::~TDestroyWatch() {
    RemoveFreeNotification(FWatched);
}

void TDestroyWatch::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FWatched)
        FWatched = nullptr;
}
