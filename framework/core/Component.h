#pragma once
// The roots of the class tree: TObject, TPersistent and TComponent.

#include "framework/core/ClassInfo.h"

#include <string>
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
    ~TComponent() override; // frees the owned components, last created first

    TComponent* Owner() const { return FOwner; }
    const std::string& Name() const { return FName; }
    // Raises EComponentError for a name that is not an identifier or that a sibling has.
    virtual void SetName(const std::string& name);
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int index) const { return FComponents.at(index); }
    TComponent* FindComponent(const std::string& name) const;
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    unsigned ComponentState() const { return FComponentState; }
    bool IsLoading() const { return (FComponentState & csLoading) != 0; }
    bool IsDesigning() const { return (FComponentState & csDesigning) != 0; }
    bool IsDestroying() const { return (FComponentState & csDestroying) != 0; }
    void SetDesigning(bool designing, bool children = true);
    // The form reader marks a component loading, applies its properties, then calls Loaded.
    void BeginLoading() { FComponentState |= csLoading | csReading; }
    virtual void Loaded();

    // Asks for a Notification(component, opRemove) when component is destroyed.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    std::int64_t Tag() const { return FTag; }
    void SetTag(std::int64_t tag) { FTag = tag; }

protected:
    virtual void Notification(TComponent* component, TOperation operation);
    void MarkDestroying();

private:
    TComponent* FOwner = nullptr;
    std::string FName;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    unsigned FComponentState = 0;
    std::int64_t FTag = 0;
};
