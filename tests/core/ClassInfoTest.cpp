#include "framework/core/ClassBuilder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

enum class TInfoAlign { Left, Center, Right };
const std::vector<std::string> InfoAlignNames{"taLeft", "taCenter", "taRight"};

class TInfoBase : public TComponent {
    FRAMEWORK_CLASS(TInfoBase)
public:
    using TComponent::TComponent;
    short Small() const { return FSmall; }
    void SetSmall(short value) { FSmall = value; }
    void Clicked(TObject*) { ++Clicks; }

    short FSmall = 0;
    TColor FColor = clBtnFace;
    TNotifyEvent FOnClick;
    int Clicks = 0;
};

class TInfoDerived : public TInfoBase {
    FRAMEWORK_CLASS(TInfoDerived)
public:
    using TInfoBase::TInfoBase;
    void SetAlign(TInfoAlign value) { FAlign = value; }
    void SetShift(TShiftState value) noexcept { FShift = value; }
    TInfoBase* Partner() const { return FPartner; }
    void SetPartner(TInfoBase* value) { FPartner = value; }
    TStringList* Items() const { return FItems.get(); }

    TInfoAlign FAlign = TInfoAlign::Left;
    TShiftState FShift;
    TInfoBase* FPartner = nullptr;
    TInfoBase* FField = nullptr;
    std::unique_ptr<TStringList> FItems = std::make_unique<TStringList>();
};

class TInfoAbstract : public TComponent {
    FRAMEWORK_CLASS(TInfoAbstract)
public:
    using TComponent::TComponent;
    virtual void Pure() = 0;
};

const TClassInfo& TInfoBase::StaticClass() {
    static const TClassInfo info = DescribeClass<TInfoBase>(
        "TInfoBase", &TComponent::StaticClass(), [](TClassBuilder<TInfoBase>& c) {
            c.Int("Small", &TInfoBase::Small, &TInfoBase::SetSmall, 0);
            c.Color("Color", &TInfoBase::FColor, &TInfoBase::FColor, clBtnFace);
            c.Event("OnClick", &TInfoBase::FOnClick);
            c.Method("Clicked", &TInfoBase::Clicked);
        });
    return info;
}

const TClassInfo& TInfoDerived::StaticClass() {
    static const TClassInfo info = DescribeClass<TInfoDerived>(
        "TInfoDerived", &TInfoBase::StaticClass(), [](TClassBuilder<TInfoDerived>& c) {
            c.Enum("Align", &TInfoDerived::FAlign, &TInfoDerived::SetAlign, InfoAlignNames);
            c.Color("Color", &TInfoDerived::FColor, &TInfoDerived::FColor, clWindow);
            c.Set("Shift", &TInfoDerived::FShift, &TInfoDerived::SetShift, 0, InfoAlignNames);
            c.Component("Partner", &TInfoDerived::Partner, &TInfoDerived::SetPartner);
            c.Strings("Items", &TInfoDerived::Items);
            c.Field("FField", &TInfoDerived::FField);
        });
    return info;
}

const TClassInfo& TInfoAbstract::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TInfoAbstract>("TInfoAbstract", &TComponent::StaticClass(), [](auto&) {});
    return info;
}

std::vector<std::string> Names(const std::vector<const TPropInfo*>& props) {
    std::vector<std::string> names;
    for (const auto* p : props)
        names.push_back(p->Name);
    return names;
}

TEST(ClassInfoTest, PropertiesComeBaseFirstAndRedeclaredOnesKeepTheirPlace) {
    const TClassInfo& info = TInfoDerived::StaticClass();
    auto all = info.AllProperties();
    EXPECT_THAT(Names(all), ElementsAre("Tag", "Small", "Color", "OnClick", "Align", "Shift",
                                        "Partner", "Items"));
    EXPECT_EQ(std::get<std::int64_t>(*all[2]->Default), clWindow);
    EXPECT_EQ(info.FindProperty("Color"), all[2]);
    EXPECT_EQ(info.FindProperty("Nope"), nullptr);
}

TEST(ClassInfoTest, InheritanceAndLookupsWalkTheParents) {
    const TClassInfo& info = TInfoDerived::StaticClass();
    EXPECT_TRUE(info.InheritsFrom(TComponent::StaticClass()));
    EXPECT_TRUE(info.InheritsFrom(TObject::StaticClass()));
    EXPECT_FALSE(TInfoBase::StaticClass().InheritsFrom(info));
    EXPECT_NE(info.FindMethod("Clicked"), nullptr);
    EXPECT_NE(info.FindField("FField"), nullptr);
    EXPECT_EQ(TInfoBase::StaticClass().FindField("FField"), nullptr);
    TInfoDerived object(nullptr);
    EXPECT_EQ(object.ClassName(), "TInfoDerived");
    EXPECT_TRUE(object.InheritsFrom(TInfoBase::StaticClass()));
}

TEST(ClassInfoTest, OnlyConcreteComponentsCanBeCreatedByName) {
    ASSERT_TRUE(TInfoDerived::StaticClass().Create);
    EXPECT_FALSE(TInfoAbstract::StaticClass().Create);
    TComponent owner(nullptr);
    TComponent* made = TInfoDerived::StaticClass().Create(&owner);
    EXPECT_EQ(made->Owner(), &owner);
    EXPECT_EQ(&made->ClassType(), &TInfoDerived::StaticClass());
}

TEST(ClassInfoTest, ScalarValuesTravelThroughTheSetters) {
    TInfoDerived object(nullptr);
    const TClassInfo& info = object.ClassType();
    info.FindProperty("Small")->Set(object, std::int64_t{-300});
    EXPECT_EQ(object.FSmall, -300);
    info.FindProperty("Align")->Set(object, std::int64_t{2});
    EXPECT_EQ(object.FAlign, TInfoAlign::Right);
    EXPECT_EQ(info.FindProperty("Align")->Get(object), TPropValue(std::int64_t{2}));
    info.FindProperty("Shift")->Set(object, std::int64_t{ssAlt | ssCtrl});
    EXPECT_EQ(object.FShift, TShiftState(ssAlt | ssCtrl));
    EXPECT_EQ(info.FindProperty("Shift")->Get(object), TPropValue(std::int64_t{ssAlt | ssCtrl}));
}

TEST(ClassInfoTest, NumbersThatDoNotFitTheSetterAreRefused) {
    TInfoDerived object(nullptr);
    const TPropInfo* small = object.ClassType().FindProperty("Small");
    EXPECT_THROW(small->Set(object, std::int64_t{40000}), EConvertError);
    EXPECT_EQ(object.FSmall, 0);
}

TEST(ClassInfoTest, StringsReferencesAndEvents) {
    TInfoDerived object(nullptr);
    const TClassInfo& info = object.ClassType();
    info.FindProperty("Items")->Set(object, std::vector<std::string>{"a", "b"});
    EXPECT_EQ(object.Items()->Text(), "a\r\nb\r\n");

    const TPropInfo* partner = info.FindProperty("Partner");
    TInfoBase base(nullptr);
    base.SetName("Other");
    TComponent plain(nullptr);
    EXPECT_TRUE(partner->SetReference(object, &base));
    EXPECT_EQ(partner->Get(object), TPropValue(std::string("Other")));
    EXPECT_FALSE(partner->SetReference(object, &plain));
    EXPECT_EQ(object.Partner(), &base);
    EXPECT_TRUE(partner->Accepts(&base));
    EXPECT_FALSE(partner->Accepts(&plain));

    const TPropInfo* onClick = info.FindProperty("OnClick");
    const TMethodInfo* clicked = info.FindMethod("Clicked");
    EXPECT_EQ(clicked->EventType, *onClick->EventType);
    onClick->SetEvent(object, clicked->Bind(base));
    object.FOnClick(&object);
    EXPECT_EQ(base.Clicks, 1);
    EXPECT_TRUE(onClick->EventEquals(onClick->GetEvent(object), clicked->Bind(base)));
    EXPECT_FALSE(onClick->EventEquals(onClick->GetEvent(object), clicked->Bind(object)));
}

TEST(ClassInfoTest, FieldsTakeOnlyComponentsOfTheirClass) {
    TInfoDerived object(nullptr);
    const TFieldInfo* field = object.ClassType().FindField("FField");
    TComponent plain(nullptr);
    EXPECT_FALSE(field->Assign(object, &plain));
    TInfoDerived fitting(nullptr);
    EXPECT_TRUE(field->Assign(object, &fitting));
    EXPECT_EQ(object.FField, &fitting);
}

TEST(ClassRegistryTest, FindsRegisteredClassesByName) {
    RegisterClass(TInfoDerived::StaticClass());
    RegisterClass(TInfoDerived::StaticClass());
    EXPECT_EQ(FindClass("TInfoDerived"), &TInfoDerived::StaticClass());
    EXPECT_EQ(FindClass("TInfoNeverRegistered"), nullptr);
}

TEST(ClassRegistryTest, AnotherClassUnderATakenNameIsRefused) {
    RegisterClass(TInfoBase::StaticClass());
    static const TClassInfo impostor =
        DescribeClass<TInfoDerived>("TInfoBase", nullptr, [](auto&) {});
    EXPECT_THROW(RegisterClass(impostor), EComponentError);
    EXPECT_EQ(FindClass("TInfoBase"), &TInfoBase::StaticClass());
}

TEST(ClosureTest, EqualWhenTheyCallTheSameMethodOfTheSameObject) {
    TInfoBase a(nullptr);
    TInfoBase b(nullptr);
    EXPECT_EQ(TNotifyEvent(&a, &TInfoBase::Clicked), TNotifyEvent(&a, &TInfoBase::Clicked));
    EXPECT_NE(TNotifyEvent(&a, &TInfoBase::Clicked), TNotifyEvent(&b, &TInfoBase::Clicked));
    EXPECT_EQ(TNotifyEvent(), TNotifyEvent(nullptr));
    auto lambda = TNotifyEvent::FromFunction([](TObject*) {});
    auto copy = lambda;
    EXPECT_EQ(lambda, copy);
    EXPECT_NE(lambda, TNotifyEvent::FromFunction([](TObject*) {}));
    TNotifyEvent().operator()(nullptr);
}

} // namespace
