#include "framework/core/Action.h"

#include "framework/core/ClassBuilder.h"

#include <algorithm>

const TClassInfo& TAction::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TAction>("TAction", &TComponent::StaticClass(), [](auto& c) {
            c.String("Caption", &TAction::Caption, &TAction::SetCaption, "");
            c.Bool("Enabled", &TAction::Enabled, &TAction::SetEnabled, true);
            c.Event("OnExecute", &TAction::OnExecute);
        });
    return info;
}

TAction::TAction(TComponent* owner) : TComponent(owner) {}

void TAction::SetCaption(const std::string& value) {
    if (value == FCaption)
        return;
    FCaption = value;
    Changed();
}

void TAction::SetEnabled(bool value) {
    if (value == FEnabled)
        return;
    FEnabled = value;
    Changed();
}

bool TAction::Execute() {
    if (!FEnabled || !OnExecute)
        return false;
    OnExecute(this);
    return true;
}

void TAction::AddClient(TComponent* client, const TNotifyEvent& onChange) {
    RemoveClient(client);
    FClients.push_back({client, onChange});
    FreeNotification(client);
}

void TAction::RemoveClient(TComponent* client) {
    if (std::erase_if(FClients, [client](const TClient& c) { return c.Component == client; }))
        RemoveFreeNotification(client);
}

void TAction::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove)
        std::erase_if(FClients, [component](const TClient& c) { return c.Component == component; });
}

// A client's handler may unlink clients; work on a copy.
void TAction::Changed() {
    const std::vector<TClient> clients = FClients;
    for (const TClient& client : clients)
        if (std::any_of(FClients.begin(), FClients.end(),
                        [&](const TClient& c) { return c.Component == client.Component; }))
            client.OnChange(this);
}
