#include "framework/core/Component.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/Exceptions.h"
#include "framework/core/SysUtils.h"

#include <algorithm>

const TClassInfo& TObject::StaticClass() {
    static const TClassInfo info = [] {
        TClassInfo object;
        object.Name = "TObject";
        return object;
    }();
    return info;
}

const TClassInfo& TPersistent::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TPersistent>("TPersistent", &TObject::StaticClass(), [](auto&) {});
    return info;
}

void TPersistent::Assign(const TPersistent* source) {
    if (!source)
        throw EConvertError("Cannot assign a nil to a " + ClassName());
    source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* dest) const {
    throw EConvertError("Cannot assign a " + ClassName() + " to a " + dest->ClassName());
}

const TClassInfo& TComponent::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TComponent>("TComponent", &TPersistent::StaticClass(), [](auto& c) {
            c.Int("Tag", &TComponent::Tag, &TComponent::SetTag, 0).AlwaysPublished = true;
        });
    return info;
}

namespace {
bool IsIdentifier(const std::string& name) {
    auto letter = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    };
    auto digit = [](char c) {
        return c >= '0' && c <= '9';
    };
    if (name.empty() || !letter(name.front()))
        return false;
    return std::all_of(name.begin(), name.end(), [&](char c) { return letter(c) || digit(c); });
}
} // namespace

TComponent::TComponent(TComponent* owner) {
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent() {
    MarkDestroying();
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        std::erase(FFreeNotifies, other);
        std::erase(other->FFreeNotifies, this);
        other->Notification(this, opRemove);
    }
    while (!FComponents.empty()) {
        TComponent* child = FComponents.back();
        FComponents.pop_back();
        UnindexName(child);
        child->FOwner = nullptr;
        delete child;
    }
    if (FOwner)
        FOwner->RemoveComponent(this);
}

void TComponent::SetName(const std::string& name) {
    if (name == FName)
        return;
    if (!name.empty() && !IsIdentifier(name))
        throw EComponentError("'" + name + "' is not a valid component name");
    if (!FOwner) {
        FName = name;
        return;
    }
    FOwner->ValidateName(name, this);
    FOwner->UnindexName(this);
    FName = name;
    FOwner->IndexName(this);
}

void TComponent::ValidateName(const std::string& name, const TComponent* renamed) const {
    const TComponent* holder = FindComponent(name);
    if (holder && holder != renamed)
        throw EComponentError("A component named " + name + " already exists");
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    if (name.empty())
        return nullptr;
    auto found = FNames.find(LowerCase(name));
    return found != FNames.end() ? found->second : nullptr;
}

void TComponent::IndexName(TComponent* component) {
    if (!component->FName.empty())
        FNames.emplace(LowerCase(component->FName), component);
}

void TComponent::UnindexName(TComponent* component) {
    if (!component->FName.empty())
        FNames.erase(LowerCase(component->FName));
}

void TComponent::InsertComponent(TComponent* component) {
    if (component->FOwner == this)
        return;
    ValidateName(component->FName, component);
    if (component->FOwner)
        component->FOwner->RemoveComponent(component);
    FComponents.push_back(component);
    IndexName(component);
    component->FOwner = this;
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    if (component->FOwner != this)
        return;
    Notification(component, opRemove);
    std::erase(FComponents, component);
    UnindexName(component);
    component->FOwner = nullptr;
}

void TComponent::SetDesigning(bool designing, bool children) {
    if (designing)
        FComponentState |= csDesigning;
    else
        FComponentState &= ~static_cast<unsigned>(csDesigning);
    if (children)
        for (TComponent* component : FComponents)
            component->SetDesigning(designing, true);
}

void TComponent::Loaded() {
    FComponentState &= ~static_cast<unsigned>(csLoading | csReading);
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this)
        return;
    FFreeNotifies.push_back(component);
    component->FFreeNotifies.push_back(this);
}

// Links that a destroyed component took with it are gone already, so a holder that lets go of
// one afterwards changes nothing.
void TComponent::RemoveFreeNotification(TComponent* component) {
    const auto mine = std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component);
    if (mine == FFreeNotifies.end())
        return;
    FFreeNotifies.erase(mine);
    auto& theirs = component->FFreeNotifies;
    theirs.erase(std::find(theirs.begin(), theirs.end(), this));
}

// A removal leaves the links alone: one made for a reference this component still holds is
// needed even when the component at the other end merely left its owner.
void TComponent::Notification(TComponent* component, TOperation operation) {
    // A handler may free components, so the list is re-read on every step.
    for (std::size_t i = 0; i < FComponents.size(); ++i)
        if (FComponents[i] != component)
            FComponents[i]->Notification(component, operation);
}

void TComponent::MarkDestroying() {
    if (IsDestroying())
        return;
    FComponentState |= csDestroying;
    for (TComponent* component : FComponents)
        component->MarkDestroying();
}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::GetChildren(const std::function<void(TComponent*)>& visit,
                             TComponent* root) const {
    if (root != this)
        return;
    for (TComponent* component : FComponents)
        if (!component->GetParentComponent())
            visit(component);
}
