#include "framework/streaming/FormReader.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Resources.h"
#include "framework/streaming/LocatedJson.h"
#include "framework/streaming/PropertyJson.h"

#include <set>
#include <vector>

namespace {

// Where in a description something is: the component and the path of property keys below it,
// which messages name, and the value concerned, which gives the line.
struct TPlace {
    std::string Component;
    std::vector<std::string> Keys;
    // Where the value is missing, the object that lacks it.
    const TJson* Value = nullptr;

    // A member of a description that is not a property ("class", "components").
    TPlace Member(const std::string& key) const {
        auto found = Value->find(key);
        return At(found != Value->end() ? *found : *Value);
    }
    // A list item, or a member already found.
    TPlace At(const TJson& value) const {
        TPlace inner = *this;
        inner.Value = &value;
        return inner;
    }
    TPlace Property(const std::string& key, const TJson& value) const {
        TPlace inner = At(value);
        inner.Keys.push_back(key);
        return inner;
    }
    std::string Text() const {
        std::string text = Component.empty() ? "<unnamed>" : Component;
        for (const auto& key : Keys)
            text += "." + key;
        return text;
    }
};

// The members every component description has, before its properties are looked at.
struct THeader {
    std::string Name;
    std::string Class;
    TPlace Place;
};

bool IsComponentKey(const std::string& key) {
    return key == "class" || key == "name" || key == "properties" || key == "components";
}

struct TPendingReference {
    TObject* Object;
    const TPropInfo* Prop;
    std::string Target;
    TPlace Place;
};

class TFormReader {
public:
    TFormReader(TComponent* root, std::string_view text, const std::string& source)
        : FRoot(root), FJson(text), FSource(source) {}

    void Read() {
        if (const auto& fault = FJson.Fault())
            throw EReadError(Where(fault->Line) + (fault->Key.empty() ? "" : fault->Key + ": ") +
                             "not a valid form description: " + fault->What);
        ReadRoot(FJson.Root());
        ResolveReferences();
        for (TComponent* component : FCreated)
            component->Loaded();
    }

private:
    void ReadRoot(const TJson& description) {
        THeader header = ReadHeader(description);
        if (!IsRootClass(header.Class))
            Fail(header.Place.Member("class"),
                 "the description is of class " + header.Class + ", not of " + FRoot->ClassName());
        FRoot->BeginLoading();
        FCreated.push_back(FRoot);
        if (FRoot->Name().empty())
            Guard(header.Place.Member("name"), [&] { FRoot->SetName(header.Name); });
        ReadProperties(*FRoot, description, header.Place);
        ReadChildren(description, FRoot, header.Place);
        RequireFields(header.Place.Member("components"));
    }

    // Checks every key of a component's description and reads the two that name it.
    THeader ReadHeader(const TJson& description) const {
        THeader header{{}, {}, TPlace{{}, {}, &description}};
        if (!description.is_object())
            Fail(header.Place, "a component is described by an object");
        header.Name = OptionalStringMember(description, "name", header.Place);
        header.Place.Component = header.Name;
        for (const auto& item : description.items())
            if (!IsComponentKey(item.key()))
                Fail(header.Place.At(item.value()),
                     "unknown key \"" + item.key() +
                         "\"; a component has only class, name, properties and components");
        header.Class = StringMember(description, "class", header.Place);
        if (header.Name.empty())
            header.Place.Component = "<unnamed " + header.Class + ">";
        return header;
    }

    bool IsRootClass(const std::string& className) const {
        for (const auto* info = &FRoot->ClassType(); info; info = info->Parent)
            if (info->Name == className)
                return true;
        return false;
    }

    void ReadChildren(const TJson& description, TComponent* parent, const TPlace& parentPlace) {
        auto children = description.find("components");
        if (children == description.end())
            return;
        TPlace list = parentPlace.Member("components");
        if (!children->is_array())
            Fail(list, "expected a list of components");
        for (const TJson& child : *children)
            ReadChild(child, parent);
    }

    void ReadChild(const TJson& description, TComponent* parent) {
        THeader header = ReadHeader(description);
        const TPlace& place = header.Place;
        TComponent* child = Create(header.Class, place.Member("class"));
        child->BeginLoading();
        if (FRoot->IsDesigning())
            child->SetDesigning(true);
        FCreated.push_back(child);
        Guard(place.Member("name"), [&] { child->SetName(header.Name); });
        FillField(child, place.Member("name"));
        Nest(child, parent, place);
        ReadProperties(*child, description, place);
        ReadChildren(description, child, place);
    }

    // The writer nests a component under the one its GetParentComponent names, the root's own
    // under none: a child that its parent does not take would be saved somewhere else.
    void Nest(TComponent* child, TComponent* parent, const TPlace& place) const {
        Guard(place, [&] { child->SetParentComponent(parent); });
        TComponent* nestedIn = child->GetParentComponent();
        if (nestedIn != parent && !(parent == FRoot && !nestedIn))
            Fail(place, "a " + parent->ClassName() + " cannot hold a " + child->ClassName());
    }

    TComponent* Create(const std::string& className, const TPlace& place) {
        const TClassInfo* info = FindClass(className);
        if (!info)
            Fail(place, "class " + className + " not found");
        if (!info->Create)
            Fail(place, "class " + className + " cannot be created by name");
        TComponent* component = nullptr;
        Guard(place, [&] { component = info->Create(FRoot); });
        return component;
    }

    void FillField(TComponent* child, const TPlace& place) {
        if (child->Name().empty())
            return;
        const TFieldInfo* field = FRoot->ClassType().FindField(child->Name());
        if (!field)
            return;
        if (!field->Assign(*FRoot, child))
            Fail(place, "the field " + child->Name() + " of " + FRoot->ClassName() +
                            " cannot hold a " + child->ClassName());
        FFilled.insert(field);
    }

    // The form's code relies on its fields; one left null is a fault of the description unless
    // the class declares that it may stay empty.
    void RequireFields(const TPlace& place) const {
        const TClassInfo& rootClass = FRoot->ClassType();
        for (const auto* info = &rootClass; info; info = info->Parent)
            for (const auto& field : info->Fields)
                if (!field.Optional && !FFilled.contains(&field) &&
                    rootClass.FindField(field.Name) == &field)
                    Fail(place, "the field " + field.Name + " of " + info->Name +
                                    " needs a component named " + field.Name);
    }

    void ReadProperties(TObject& object, const TJson& description, const TPlace& place) {
        auto properties = description.find("properties");
        if (properties == description.end())
            return;
        TPlace inner = place.Member("properties");
        if (!properties->is_object())
            Fail(inner, "expected an object of properties");
        ApplyProperties(object, *properties, inner);
    }

    void ApplyProperties(TObject& object, const TJson& properties, const TPlace& place) {
        const TClassInfo& info = object.ClassType();
        for (const auto& item : properties.items())
            if (!info.FindProperty(item.key()))
                Fail(place.Property(item.key(), item.value()),
                     info.Name + " has no property " + item.key());
        for (const TPropInfo* prop : info.ReadableProperties()) {
            auto value = properties.find(prop->Name);
            if (value != properties.end())
                ApplyProperty(object, *prop, *value, place.Property(prop->Name, *value));
        }
    }

    void ApplyProperty(TObject& object, const TPropInfo& prop, const TJson& value,
                       const TPlace& place) {
        switch (prop.Kind) {
        case TPropKind::Persistent:
            return ApplyNested(object, prop, value, place);
        case TPropKind::Event:
            return BindEvent(object, prop, value, place);
        case TPropKind::Component:
            return DeferReference(object, prop, value, place);
        default:
            if (!prop.Set)
                Fail(place, "the property is read-only");
            Guard(place, [&] { prop.Set(object, JsonToValue(prop, value)); });
        }
    }

    void ApplyNested(TObject& object, const TPropInfo& prop, const TJson& value,
                     const TPlace& place) {
        TPersistent* nested = prop.Object(object);
        if (!nested)
            Fail(place, "the property holds no object");
        if (!value.is_object())
            Fail(place, "expected an object");
        ApplyProperties(*nested, value, place);
    }

    void BindEvent(TObject& object, const TPropInfo& prop, const TJson& value,
                   const TPlace& place) {
        if (!value.is_string())
            Fail(place, "expected the name of a method");
        std::string handler = value.get<std::string>();
        if (handler.empty())
            return;
        const TMethodInfo* method = FRoot->ClassType().FindMethod(handler);
        if (!method)
            Fail(place, FRoot->Name() + " (" + FRoot->ClassName() + ") has no method " + handler);
        if (method->EventType != *prop.EventType)
            Fail(place,
                 "the method " + handler + " of " + FRoot->Name() + " does not fit " + prop.Name);
        prop.SetEvent(object, method->Bind(*FRoot));
    }

    void DeferReference(TObject& object, const TPropInfo& prop, const TJson& value,
                        const TPlace& place) {
        std::string target;
        Guard(place, [&] { target = std::get<std::string>(JsonToValue(prop, value)); });
        if (!target.empty())
            FReferences.push_back({&object, &prop, target, place});
    }

    void ResolveReferences() {
        for (const auto& ref : FReferences) {
            TComponent* target =
                ref.Target == FRoot->Name() ? FRoot : FRoot->FindComponent(ref.Target);
            if (!target)
                Fail(ref.Place, "no component named " + ref.Target);
            bool fits = false;
            Guard(ref.Place, [&] { fits = ref.Prop->SetReference(*ref.Object, target); });
            if (!fits)
                Fail(ref.Place, ref.Target + " is a " + target->ClassName() +
                                    ", which does not fit " + ref.Prop->Name);
            // A setter that ignores the value would have the next save lose it.
            if (ref.Prop->GetReference(*ref.Object) != target)
                Fail(ref.Place, target == ref.Object ? "cannot name " + ref.Target + " itself"
                                                     : ref.Target + " is not accepted here");
        }
    }

    std::string StringMember(const TJson& object, const char* key, const TPlace& place) const {
        auto member = object.find(key);
        if (member == object.end() || !member->is_string())
            Fail(place.Member(key), std::string("expected a string member \"") + key + "\"");
        return member->get<std::string>();
    }

    std::string OptionalStringMember(const TJson& object, const char* key,
                                     const TPlace& place) const {
        return object.contains(key) ? StringMember(object, key, place) : std::string();
    }

    // Runs action, reporting any framework failure in it at place.
    template <class F> void Guard(const TPlace& place, F&& action) const {
        try {
            action();
        } catch (const EReadError&) {
            throw;
        } catch (const Exception& e) {
            Fail(place, e.Message());
        }
    }

    [[noreturn]] void Fail(const TPlace& place, const std::string& what) const {
        throw EReadError(Where(FJson.LineOf(*place.Value)) + place.Text() + ": " + what);
    }

    std::string Where(int line) const {
        return line > 0 ? FSource + ", line " + std::to_string(line) + ": " : FSource + ": ";
    }

    TComponent* FRoot;
    TLocatedJson FJson;
    std::string FSource;
    std::vector<TComponent*> FCreated;
    std::vector<TPendingReference> FReferences;
    std::set<const TFieldInfo*> FFilled;
};

} // namespace

void ReadComponent(TComponent* root, std::string_view jsonText, const std::string& sourceName) {
    TFormReader(root, jsonText, sourceName).Read();
}

void ReadComponentResource(TComponent* root, std::string_view resourceName) {
    auto data = FindResource(resourceName);
    if (!data)
        throw EReadError("Resource " + std::string(resourceName) + " not found");
    std::string_view text(reinterpret_cast<const char*>(data->data()), data->size());
    ReadComponent(root, text, std::string(resourceName));
}
