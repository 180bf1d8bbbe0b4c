#pragma once
// TAction: a command that controls link to. A click on a linked control that has no OnClick of
// its own executes the action; the action's Caption and Enabled are handed to its clients.

#include "framework/core/Component.h"
#include "framework/core/Events.h"

#include <string>
#include <vector>

class TAction : public TComponent {
    FRAMEWORK_CLASS(TAction)
public:
    explicit TAction(TComponent* owner);

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value);
    // A disabled action does not execute.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);

    // Runs OnExecute when the action is enabled; true when it ran.
    virtual bool Execute();

    // Links a client: onChange runs after every change of Caption or Enabled, until the client
    // is unlinked or either of the two is destroyed.
    void AddClient(TComponent* client, const TNotifyEvent& onChange);
    void RemoveClient(TComponent* client);

    TNotifyEvent OnExecute;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    struct TClient {
        TComponent* Component;
        TNotifyEvent OnChange;
    };
    void Changed();

    std::string FCaption;
    bool FEnabled = true;
    std::vector<TClient> FClients;
};
