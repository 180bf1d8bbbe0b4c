#include "framework/streaming/FormReader.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Resources.h"
#include "framework/streaming/PropertyJson.h"

#include <algorithm>
#include <vector>

namespace {

// Where in a description something is: a component and the path of keys below its properties.
struct TPlace {
    std::string Component;
    std::vector<std::string> Keys;

    TPlace With(const std::string& key) const {
        TPlace inner = *this;
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

// The parser keeps no positions, so lines are found again in the text: first the component's
// "name" member, then each key in turn after it.
class TSourceLines {
public:
    explicit TSourceLines(std::string_view text) : FText(text) {}

    int LineAt(std::size_t offset) const {
        offset = std::min(offset, FText.size());
        return 1 + static_cast<int>(std::count(
                       FText.begin(), FText.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
    }

    // 0 when the component cannot be found.
    int LineOf(const TPlace& place) const {
        if (place.Component.empty())
            return 0;
        std::size_t at = FindMember(0, "name", place.Component);
        if (at == std::string_view::npos)
            return 0;
        for (const auto& key : place.Keys) {
            std::size_t next = FindMember(at, key, {});
            if (next == std::string_view::npos)
                break;
            at = next;
        }
        return LineAt(at);
    }

private:
    // The offset of a member "key": (followed by the string "value" when one is given).
    std::size_t FindMember(std::size_t from, std::string_view key, std::string_view value) const {
        std::string quoted = "\"" + std::string(key) + "\"";
        for (std::size_t at = FText.find(quoted, from); at != std::string_view::npos;
             at = FText.find(quoted, at + 1)) {
            std::size_t pos = SkipBlanks(at + quoted.size());
            if (pos >= FText.size() || FText[pos] != ':')
                continue;
            if (value.empty())
                return at;
            pos = SkipBlanks(pos + 1);
            if (FText.compare(pos, value.size() + 2, "\"" + std::string(value) + "\"") == 0)
                return at;
        }
        return std::string_view::npos;
    }
    std::size_t SkipBlanks(std::size_t pos) const {
        while (pos < FText.size() && (FText[pos] == ' ' || FText[pos] == '\t' ||
                                      FText[pos] == '\r' || FText[pos] == '\n'))
            ++pos;
        return pos;
    }

    std::string_view FText;
};

struct TPendingReference {
    TObject* Object;
    const TPropInfo* Prop;
    std::string Target;
    TPlace Place;
};

class TFormReader {
public:
    TFormReader(TComponent* root, std::string_view text, const std::string& source)
        : FRoot(root), FText(text), FLines(text), FSource(source) {}

    void Read() {
        TJson description = Parse();
        ReadRoot(description);
        ResolveReferences();
        for (TComponent* component : FCreated)
            component->Loaded();
    }

private:
    TJson Parse() const {
        try {
            return TJson::parse(FText);
        } catch (const TJson::parse_error& e) {
            throw EReadError(Where(FLines.LineAt(e.byte > 0 ? e.byte - 1 : 0)) +
                             "not a valid form description: " + e.what());
        }
    }

    void ReadRoot(const TJson& description) {
        if (!description.is_object())
            Fail({}, "the description is not an object");
        TPlace place{OptionalMember(description, "name", {}), {}};
        std::string className = Member(description, "class", place);
        if (!IsRootClass(className))
            Fail(place,
                 "the description is of class " + className + ", not of " + FRoot->ClassName());
        FRoot->BeginLoading();
        FCreated.push_back(FRoot);
        if (FRoot->Name().empty())
            Guard(place, [&] { FRoot->SetName(place.Component); });
        ReadProperties(*FRoot, description, place);
        ReadChildren(description, FRoot, place);
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
        if (!children->is_array())
            Fail(parentPlace.With("components"), "expected a list of components");
        for (const auto& child : *children)
            ReadChild(child, parent, parentPlace);
    }

    void ReadChild(const TJson& description, TComponent* parent, const TPlace& parentPlace) {
        if (!description.is_object())
            Fail(parentPlace.With("components"), "a component is not an object");
        TPlace place{OptionalMember(description, "name", parentPlace.With("components")), {}};
        TComponent* child = Create(Member(description, "class", place), place);
        child->BeginLoading();
        if (FRoot->IsDesigning())
            child->SetDesigning(true);
        FCreated.push_back(child);
        Guard(place, [&] { child->SetName(place.Component); });
        FillField(child, place);
        child->SetParentComponent(parent);
        ReadProperties(*child, description, place);
        ReadChildren(description, child, place);
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
        if (field && !field->Assign(*FRoot, child))
            Fail(place, "the field " + child->Name() + " of " + FRoot->ClassName() +
                            " cannot hold a " + child->ClassName());
    }

    void ReadProperties(TObject& object, const TJson& description, const TPlace& place) {
        auto properties = description.find("properties");
        if (properties == description.end())
            return;
        if (!properties->is_object())
            Fail(place.With("properties"), "expected an object of properties");
        ApplyProperties(object, *properties, place);
    }

    void ApplyProperties(TObject& object, const TJson& properties, const TPlace& place) {
        const TClassInfo& info = object.ClassType();
        for (const auto& item : properties.items())
            if (!info.FindProperty(item.key()))
                Fail(place.With(item.key()), info.Name + " has no property " + item.key());
        for (const TPropInfo* prop : info.AllProperties()) {
            auto value = properties.find(prop->Name);
            if (value != properties.end())
                ApplyProperty(object, *prop, *value, place.With(prop->Name));
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
        }
    }

    std::string Member(const TJson& object, const char* key, const TPlace& place) const {
        auto member = object.find(key);
        if (member == object.end() || !member->is_string())
            Fail(place, std::string("expected a string member \"") + key + "\"");
        return member->get<std::string>();
    }

    std::string OptionalMember(const TJson& object, const char* key, const TPlace& place) const {
        return object.contains(key) ? Member(object, key, place) : std::string();
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
        throw EReadError(Where(FLines.LineOf(place)) + place.Text() + ": " + what);
    }

    std::string Where(int line) const {
        return line > 0 ? FSource + ", line " + std::to_string(line) + ": " : FSource + ": ";
    }

    TComponent* FRoot;
    std::string_view FText;
    TSourceLines FLines;
    std::string FSource;
    std::vector<TComponent*> FCreated;
    std::vector<TPendingReference> FReferences;
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
