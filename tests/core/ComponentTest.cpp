#include "framework/core/Component.h"

#include "framework/core/Exceptions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

using ::testing::ElementsAre;

namespace {

// Records its destruction and the removals it is told about.
class TProbe : public TComponent {
public:
    TProbe(TComponent* owner, std::string name, std::vector<std::string>& log)
        : TComponent(owner), FLog(log) {
        SetName(name);
    }
    ~TProbe() override { FLog.push_back("~" + Name() + (IsDestroying() ? " destroying" : "")); }

    TComponent* Target = nullptr;
    int Removals = 0;

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == opRemove && component == Target) {
            Target = nullptr;
            ++Removals;
        }
    }

private:
    std::vector<std::string>& FLog;
};

TEST(ComponentTest, OwnerFreesItsComponentsLastCreatedFirstWithDestroyingSet) {
    std::vector<std::string> log;
    {
        TComponent owner(nullptr);
        new TProbe(&owner, "A", log);
        auto* b = new TProbe(&owner, "B", log);
        new TProbe(b, "BChild", log);
        new TProbe(&owner, "C", log);
        EXPECT_EQ(owner.ComponentCount(), 3);
    }
    EXPECT_THAT(
        log, ElementsAre("~C destroying", "~B destroying", "~BChild destroying", "~A destroying"));
}

TEST(ComponentTest, DestroyedComponentLeavesItsOwner) {
    std::vector<std::string> log;
    TComponent owner(nullptr);
    auto* a = new TProbe(&owner, "A", log);
    new TProbe(&owner, "B", log);
    delete a;
    ASSERT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.Components(0)->Name(), "B");
    EXPECT_EQ(owner.FindComponent("A"), nullptr);
}

TEST(ComponentTest, InsertAndRemoveMoveOwnership) {
    TComponent first(nullptr);
    TComponent second(nullptr);
    auto* child = new TComponent(&first);
    child->SetName("Child");
    second.InsertComponent(child);
    EXPECT_EQ(child->Owner(), &second);
    EXPECT_EQ(first.ComponentCount(), 0);
    second.RemoveComponent(child);
    EXPECT_EQ(child->Owner(), nullptr);
    EXPECT_EQ(second.ComponentCount(), 0);
    delete child;
}

TEST(ComponentTest, NamesMustBeIdentifiers) {
    TComponent component(nullptr);
    for (const char* bad : {"1abc", "a b", "a-b", "名前", " x"})
        EXPECT_THROW(component.SetName(bad), EComponentError) << bad;
    component.SetName("_Panel1");
    EXPECT_EQ(component.Name(), "_Panel1");
    component.SetName("");
    EXPECT_EQ(component.Name(), "");
}

TEST(ComponentTest, NamesAreUniqueAmongSiblingsRegardlessOfCase) {
    TComponent owner(nullptr);
    auto* a = new TComponent(&owner);
    a->SetName("Button1");
    auto* b = new TComponent(&owner);
    EXPECT_THROW(b->SetName("BUTTON1"), EComponentError);
    EXPECT_EQ(b->Name(), "");
    a->SetName("button1");
    EXPECT_EQ(owner.FindComponent("BUTTON1"), a);
    TComponent stranger(nullptr);
    stranger.SetName("Button1");
    EXPECT_THROW(owner.InsertComponent(&stranger), EComponentError);
    EXPECT_EQ(stranger.Owner(), nullptr);
}

TEST(ComponentTest, FreeNotificationTellsWhicheverOutlivesTheOther) {
    std::vector<std::string> log;
    TProbe watcher(nullptr, "Watcher", log);
    auto* menu = new TProbe(nullptr, "Menu", log);
    watcher.Target = menu;
    menu->FreeNotification(&watcher);
    menu->Target = &watcher;
    delete menu;
    EXPECT_EQ(watcher.Target, nullptr);
    EXPECT_EQ(watcher.Removals, 1);
}

TEST(ComponentTest, FreeNotificationWorksInTheOtherDirectionToo) {
    std::vector<std::string> log;
    TProbe menu(nullptr, "Menu", log);
    auto* watcher = new TProbe(nullptr, "Watcher", log);
    watcher->Target = &menu;
    menu.FreeNotification(watcher);
    menu.Target = watcher;
    delete watcher;
    EXPECT_EQ(menu.Target, nullptr);
    EXPECT_EQ(menu.Removals, 1);
}

TEST(ComponentTest, RemovedFreeNotificationIsNotSent) {
    std::vector<std::string> log;
    TProbe watcher(nullptr, "Watcher", log);
    auto* menu = new TProbe(nullptr, "Menu", log);
    watcher.Target = menu;
    menu->FreeNotification(&watcher);
    menu->RemoveFreeNotification(&watcher);
    delete menu;
    EXPECT_EQ(watcher.Removals, 0);
}

// Two references, each linked and unlinked by its setter as the framework's properties are.
class THolder : public TComponent {
public:
    using TComponent::TComponent;
    std::array<TComponent*, 2> Refs{};

    void SetRef(std::size_t index, TComponent* value) {
        if (Refs.at(index))
            Refs.at(index)->RemoveFreeNotification(this);
        Refs.at(index) = value;
        if (value)
            value->FreeNotification(this);
    }

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == opRemove)
            std::replace(Refs.begin(), Refs.end(), component, static_cast<TComponent*>(nullptr));
    }
};

TEST(ComponentTest, AReferenceIsClearedWhenItsTargetGoesWhateverElseLetGoOfTheTarget) {
    struct Case {
        const char* Name;
        std::function<void(THolder&, TComponent&, TComponent& targetOwner)> Before;
    };
    const Case cases[] = {
        {"first of two references cleared",
         [](THolder& h, TComponent& t, TComponent&) {
             h.SetRef(0, &t);
             h.SetRef(1, &t);
             h.SetRef(0, nullptr);
         }},
        {"second of two references cleared",
         [](THolder& h, TComponent& t, TComponent&) {
             h.SetRef(0, &t);
             h.SetRef(1, &t);
             h.SetRef(1, nullptr);
         }},
        {"another holder went first",
         [](THolder& h, TComponent& t, TComponent&) {
             auto* other = new THolder(nullptr);
             other->SetRef(0, &t);
             other->SetRef(1, &t);
             h.SetRef(0, &t);
             other->SetRef(0, nullptr);
             delete other;
         }},
        {"the holder left the target's owner",
         [](THolder& h, TComponent& t, TComponent& owner) {
             owner.InsertComponent(&h);
             h.SetRef(1, &t);
             owner.RemoveComponent(&h);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        THolder holder(nullptr);
        auto* owner = new TComponent(nullptr);
        auto* target = new TComponent(owner);
        c.Before(holder, *target, *owner);
        delete owner;
        EXPECT_EQ(holder.Refs, (std::array<TComponent*, 2>{}));
    }
}

TEST(ComponentTest, SiblingsHearOfARemovalThroughTheirOwner) {
    std::vector<std::string> log;
    TComponent owner(nullptr);
    auto* watcher = new TProbe(&owner, "Watcher", log);
    auto* target = new TProbe(&owner, "Target", log);
    watcher->Target = target;
    delete target;
    EXPECT_EQ(watcher->Target, nullptr);
}

TEST(ComponentTest, LoadedClearsLoadingAndReading) {
    TComponent component(nullptr);
    component.BeginLoading();
    EXPECT_TRUE(component.IsLoading());
    EXPECT_NE(component.ComponentState() & csReading, 0u);
    component.Loaded();
    EXPECT_EQ(component.ComponentState() & (csLoading | csReading), 0u);
}

TEST(ComponentTest, DesigningSpreadsToOwnedComponents) {
    TComponent owner(nullptr);
    auto* child = new TComponent(&owner);
    owner.SetDesigning(true);
    EXPECT_TRUE(child->IsDesigning());
    owner.SetDesigning(false, false);
    EXPECT_FALSE(owner.IsDesigning());
    EXPECT_TRUE(child->IsDesigning());
}

TEST(ComponentTest, RootListsOnlyItsUnparentedComponentsAsChildren) {
    TComponent root(nullptr);
    auto* a = new TComponent(&root);
    auto* b = new TComponent(&root);
    std::vector<TComponent*> seen;
    root.GetChildren([&](TComponent* c) { seen.push_back(c); }, &root);
    EXPECT_THAT(seen, ElementsAre(a, b));
    seen.clear();
    a->GetChildren([&](TComponent* c) { seen.push_back(c); }, &root);
    EXPECT_TRUE(seen.empty());
}

TEST(PersistentTest, AssignWithoutSupportNamesBothClasses) {
    TComponent a(nullptr);
    TComponent b(nullptr);
    try {
        a.Assign(&b);
        FAIL() << "no EConvertError";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Cannot assign a TComponent to a TComponent");
    }
    EXPECT_THROW(a.Assign(nullptr), EConvertError);
}

} // namespace
