#pragma once
// The roots of the class tree: TObject, TPersistent and TComponent.

#include "framework/core/ClassInfo.h"

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

class TObject {
public:
    virtual ~TObject() = default;
    static const TClassInfo& StaticClass();
    virtual const TClassInfo& ClassType() const { return StaticClass(); }
    const std::string& ClassName() const { return ClassType().Name; }
    bool InheritsFrom(const TClassInfo& info) const { return ClassType().InheritsFrom(info); }
};

class TPersistent : public TObject {
    FRAMEWORK_CLASS(TPersistent)
public:
    // Copies source into this object; raises EConvertError when neither side knows how.
    virtual void Assign(const TPersistent* source);

protected:
    // The other half of Assign: the source copies itself into dest.
    virtual void AssignTo(TPersistent* dest) const;
};

enum TComponentStateBit : unsigned {
    csLoading = 1 << 0,
    csReading = 1 << 1,
    csWriting = 1 << 2,
    csDestroying = 1 << 3,
    csDesigning = 1 << 4,
};

enum class TOperation { opInsert, opRemove };
using enum TOperation;

class TComponent : public TPersistent {
    FRAMEWORK_CLASS(TComponent)
public:
    explicit TComponent(TComponent* owner);
    // Marks itself and its components destroying, notifies those that asked, frees the owned
    // components last created first, then leaves its owner.
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return FOwner; }
    const std::string& Name() const { return FName; }
    // Raises EComponentError for a name that is not an identifier or that a sibling has.
    virtual void SetName(const std::string& name);
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int index) const { return FComponents.at(index); }
    // Names compare without regard to ASCII case; nullptr for an empty or unknown name.
    TComponent* FindComponent(const std::string& name) const;
    // Takes ownership (leaving any previous owner); the component's name must be free here.
    void InsertComponent(TComponent* component);
    // Gives up ownership without destroying the component.
    void RemoveComponent(TComponent* component);

    unsigned ComponentState() const { return FComponentState; }
    bool IsLoading() const { return (FComponentState & csLoading) != 0; }
    bool IsDesigning() const { return (FComponentState & csDesigning) != 0; }
    bool IsDestroying() const { return (FComponentState & csDestroying) != 0; }
    void SetDesigning(bool designing, bool children = true);
    // The form reader marks a component loading, applies its properties, then calls Loaded.
    void BeginLoading() { FComponentState |= csLoading | csReading; }
    virtual void Loaded();

    // Links the two so that whichever is destroyed first tells the other with
    // Notification(it, opRemove). Links are counted: each reference a component holds makes one
    // and drops it when it lets go, and the two stay linked while any link is left.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    std::int64_t Tag() const { return FTag; }
    void SetTag(std::int64_t tag) { FTag = tag; }

    // Stored forms nest components by parent: the reader calls SetParentComponent with the
    // component a child is nested in (a control sets its Parent); the writer asks each component
    // for the children to nest under it, in order.
    virtual void SetParentComponent(TComponent* parent);
    virtual TComponent* GetParentComponent() const { return nullptr; }
    // By default the root visits the components it owns that have no parent component.
    virtual void GetChildren(const std::function<void(TComponent*)>& visit, TComponent* root) const;

protected:
    // Insertion into and removal from the owner are passed on to all owned components.
    virtual void Notification(TComponent* component, TOperation operation);
    // A removal that is the component's destruction, not only its leaving an owner: the one
    // removal that ends a reference held through FreeNotification.
    static bool IsDestruction(const TComponent* component, TOperation operation) {
        return operation == opRemove && component->IsDestroying();
    }
    // Sets csDestroying here and on every owned component; a derived destructor may call it
    // first so that children see their parent going.
    void MarkDestroying();

private:
    TComponent* FOwner = nullptr;
    std::string FName;
    std::vector<TComponent*> FComponents;
    // FComponents by lower-case name, so that naming each of many components costs no search.
    std::unordered_map<std::string, TComponent*> FNames;
    std::vector<TComponent*> FFreeNotifies; // one entry per link, so a pair may repeat
    unsigned FComponentState = 0;
    std::int64_t FTag = 0;

    void ValidateName(const std::string& name, const TComponent* renamed) const;
    void IndexName(TComponent* component);
    void UnindexName(TComponent* component);
};
