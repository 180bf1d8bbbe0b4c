// What holds for every class of the library's manifest alike: its palette page, its defaults as
// a form file sees them, every published property through a form file and in the gallery's
// inspector.

#include "controls/Library.h"
#include "framework/core/Action.h"
#include "framework/core/Exceptions.h"
#include "framework/forms/Menus.h"
#include "framework/streaming/FormReader.h"
#include "framework/streaming/FormWriter.h"
#include "framework/streaming/PropertyJson.h"
#include "framework/streaming/Registration.h"
#include "tests/support/FrameworkTest.h"
#include "tools/gallery/PropertyInspector.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

// A published property, or one of a nested object's ("Font.Height").
struct TPropPath {
    std::string Name;
    std::function<TObject&(TComponent&)> Target;
    const TPropInfo* Prop;
};

std::vector<TPropPath> PlainProperties(TComponent& instance) {
    std::vector<TPropPath> paths;
    for (const TPropInfo* prop : instance.ClassType().AllProperties()) {
        if (prop->Kind != TPropKind::Persistent) {
            paths.push_back({prop->Name, [](TComponent& c) -> TObject& { return c; }, prop});
            continue;
        }
        auto nested = [prop](TComponent& c) -> TObject& {
            return *prop->Object(c);
        };
        for (const TPropInfo* inner : nested(instance).ClassType().AllProperties())
            paths.push_back({prop->Name + "." + inner->Name, nested, inner});
    }
    return paths;
}

// Values to try for a property, the first that leaves it off its default wins.
std::vector<TPropValue> Candidates(const TPropInfo& prop, const TPropValue& now, TComponent& form) {
    const auto number = std::holds_alternative<std::int64_t>(now) ? std::get<std::int64_t>(now) : 0;
    switch (prop.Kind) {
    case TPropKind::Integer:
        return {number + 1, number - 1, std::int64_t{1}};
    case TPropKind::Color:
        return {std::int64_t{0x123456}, std::int64_t{0xFF}};
    case TPropKind::Boolean:
        return {!std::get<bool>(now)};
    case TPropKind::String:
        return {std::string("12"), std::string("Text")};
    case TPropKind::Strings:
        return {std::vector<std::string>{"One", "Two"}};
    case TPropKind::Enum: {
        std::vector<TPropValue> values;
        for (std::size_t i = 1; i < prop.EnumNames->size(); ++i)
            values.emplace_back(static_cast<std::int64_t>((number + i) % prop.EnumNames->size()));
        return values;
    }
    case TPropKind::Set:
        return {number ^ 1, number ^ 2, number ^ 4};
    case TPropKind::Component: {
        std::vector<TPropValue> values;
        for (int i = 0; i < form.ComponentCount(); ++i)
            if (prop.Accepts(form.Components(i)))
                values.emplace_back(form.Components(i)->Name());
        return values;
    }
    default:
        return {};
    }
}

class ControlLibraryTest : public FrameworkTest, public testing::WithParamInterface<TControlUnit> {
protected:
    const TClassInfo& Class() const { return GetParam().Class(); }

    // A form holding a fresh control of the class and the components a reference can name.
    TForm* FormWithControl(bool placed = true) {
        RegisterClass(Class());
        auto* form = new TForm(Application);
        form->SetName("Form" + std::to_string(++FForms));
        auto* menu = new TPopupMenu(form);
        menu->SetName("Menu1");
        auto* action = new TAction(form);
        action->SetName("Action1");
        auto* control = Class().Create(form);
        control->SetName("Control1");
        if (auto* c = dynamic_cast<TControl*>(control); c && placed)
            c->SetParent(form);
        return form;
    }
    static TComponent& ControlOf(TForm& form) { return *form.FindComponent("Control1"); }

    // Sets the property to the first candidate its setter keeps off the default; false when
    // none is.
    static bool SetOffDefault(TForm& form, const TPropPath& path) {
        TObject& target = path.Target(ControlOf(form));
        const TPropValue before = path.Prop->Get(target);
        for (const TPropValue& value : Candidates(*path.Prop, before, form)) {
            try {
                if (path.Prop->Kind == TPropKind::Component)
                    path.Prop->SetReference(target,
                                            form.FindComponent(std::get<std::string>(value)));
                else
                    path.Prop->Set(target, value);
            } catch (const Exception&) {
                continue;
            }
            const TPropValue after = path.Prop->Get(target);
            if (path.Prop->Default ? after != *path.Prop->Default : after != before)
                return true;
        }
        return false;
    }

private:
    int FForms = 0;
};

TEST(ControlLibrary, RegistersItsPagesInManifestOrder) {
    TComponentPalette palette;
    palette.Install();
    RegisterControlLibrary();
    std::vector<std::pair<std::string, std::vector<std::string>>> pages;
    for (const auto& page : palette.Pages()) {
        pages.push_back({page.Name, {}});
        for (const TClassInfo* info : page.Classes)
            pages.back().second.push_back(info->Name);
    }
    const decltype(pages) expected = {
        {"Custom", {"TStrokeBar", "TxGauge", "TColorButton", "TCuteButton", "TxTrackBar"}},
        {"Tolvan Common", {"TNumberEdit"}}};
    EXPECT_EQ(pages, expected);
}

TEST_P(ControlLibraryTest, RegisterRaisesWithoutADesignEnvironmentAndPutsTheClassOnItsPage) {
    EXPECT_THROW(GetParam().Register(), EComponentError);
    TComponentPalette palette;
    palette.Install();
    GetParam().Register();
    ASSERT_EQ(palette.Pages().size(), 1u);
    EXPECT_EQ(palette.Pages()[0].Name, GetParam().Page);
    EXPECT_EQ(palette.Pages()[0].Classes, TComponentClasses{&Class()});
    EXPECT_EQ(FindClass(Class().Name), &Class());
    ASSERT_NE(FindControlUnit(Class()), nullptr);
    EXPECT_STREQ(FindControlUnit(Class())->Unit, GetParam().Unit);
}

// A property whose default in the table differs from the constructor's value is written. The
// control is not placed, as a tab order comes with a place.
TEST_P(ControlLibraryTest, AFreshControlWritesOnlyWhatHasNoDefault) {
    TForm* form = FormWithControl(false);
    const TJson written = TJson::parse(WriteComponent(form));
    for (const TJson& component : written["components"]) {
        if (component["name"] != "Control1" || !component.contains("properties"))
            continue;
        for (const auto& item : component["properties"].items()) {
            const TPropInfo* prop = Class().FindProperty(item.key());
            ASSERT_NE(prop, nullptr) << item.key();
            EXPECT_TRUE(!prop->Default && prop->Kind != TPropKind::Persistent)
                << item.key() << " is written as " << item.value();
        }
    }
}

// Values that loading takes from elsewhere, whatever the form file says.
const std::set<std::pair<std::string, std::string>> Derived = {
    {"TNumberEdit", "Height"}, // from the font, while AutoSize
};

// Events are left out: a form file binds them by the name of a method of its own form.
TEST_P(ControlLibraryTest, EveryPublishedPropertyReadsBackFromAFormFile) {
    TForm* probe = FormWithControl();
    for (const TPropPath& path : PlainProperties(ControlOf(*probe))) {
        const bool single = path.Prop->Kind == TPropKind::Enum && path.Prop->EnumNames->size() < 2;
        if (path.Prop->Kind == TPropKind::Event || single ||
            Derived.contains({Class().Name, path.Name}))
            continue;
        SCOPED_TRACE(path.Name);
        TForm* form = FormWithControl();
        ASSERT_TRUE(SetOffDefault(*form, path)) << "no value off the default sticks";
        const TPropValue set = path.Prop->Get(path.Target(ControlOf(*form)));
        const std::string written = WriteComponent(form);
        // The name goes with the form it was written from.
        delete form;
        TForm* again = new TForm(Application);
        ReadComponent(again, written, "form");
        EXPECT_EQ(path.Prop->Get(path.Target(ControlOf(*again))), set);
        EXPECT_EQ(WriteComponent(again), written);
        delete again;
    }
}

TEST_P(ControlLibraryTest, TheGallerysInspectorHasAnEditorForEveryPublishedProperty) {
    TForm* form = FormWithControl();
    auto* inspector = new TPropertyInspector(form);
    inspector->SetParent(form);
    inspector->SetBounds(0, 0, 300, 400);
    inspector->Inspect(&ControlOf(*form));
    for (const TPropPath& path : PlainProperties(ControlOf(*form)))
        EXPECT_NE(inspector->EditorOf(path.Name), nullptr) << path.Name;
}

INSTANTIATE_TEST_SUITE_P(Manifest, ControlLibraryTest, testing::ValuesIn(ControlLibrary()),
                         [](const testing::TestParamInfo<TControlUnit>& unit) {
                             return std::string(unit.param.Unit);
                         });

} // namespace
