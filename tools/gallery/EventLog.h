#pragma once
// TEventLog: logs every event that one component raises. Attached, it keeps the handlers the
// component's event properties hold and puts in their place handlers of the same types that
// write a line, "StrokeBar1.OnClick(Sender=StrokeBar1)", and then call the kept one. Detached
// (or attached elsewhere) it puts the kept handlers back; a component being destroyed is only
// forgotten.

#include "framework/core/Component.h"

#include <any>
#include <functional>
#include <string>
#include <vector>

class TEventLog : public TComponent {
    FRAMEWORK_CLASS(TEventLog)
public:
    using TSink = std::function<void(const std::string& line)>;

    TEventLog(TComponent* owner, TSink sink);
    ~TEventLog() override;

    // Detaches first; null only detaches.
    void Attach(TComponent* component);
    void Detach();
    TComponent* Attached() const { return FComponent; }
    // The handler the program gave an event property of target: the one kept while attached to
    // it, otherwise the one it holds.
    std::any HandlerOf(const TObject& target, const TPropInfo& prop) const;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    struct THooked {
        const TPropInfo* Prop;
        std::any Kept;
    };

    TSink FSink;
    TComponent* FComponent = nullptr;
    std::vector<THooked> FHooked;
};
