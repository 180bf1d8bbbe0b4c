#include "framework/streaming/FormWriter.h"

#include "framework/streaming/PropertyJson.h"

namespace {

class TFormWriter {
public:
    explicit TFormWriter(const TComponent* root) : FRoot(const_cast<TComponent*>(root)) {}

    TJson Write() const { return Describe(*FRoot); }

private:
    TJson Describe(TComponent& component) const {
        TJson description = TJson::object();
        description["class"] = component.ClassName();
        description["name"] = component.Name();
        TJson properties = Properties(component);
        if (!properties.empty())
            description["properties"] = std::move(properties);
        TJson children = TJson::array();
        component.GetChildren([&](TComponent* child) { children.push_back(Describe(*child)); },
                              FRoot);
        if (!children.empty())
            description["components"] = std::move(children);
        return description;
    }

    TJson Properties(TObject& object) const {
        TJson properties = TJson::object();
        for (const TPropInfo* prop : object.ClassType().AllProperties()) {
            if (prop->IsStored && !prop->IsStored(object))
                continue;
            TJson value = Value(object, *prop);
            if (!value.is_null())
                properties[prop->Name] = std::move(value);
        }
        return properties;
    }

    // Null when nothing is to be stored.
    TJson Value(TObject& object, const TPropInfo& prop) const {
        switch (prop.Kind) {
        case TPropKind::Persistent: {
            TPersistent* nested = prop.Object(object);
            TJson properties = nested ? Properties(*nested) : TJson();
            return properties.empty() ? TJson() : properties;
        }
        case TPropKind::Event:
            return HandlerName(prop.GetEvent(object), prop);
        default: {
            TPropValue value = prop.Get(object);
            if (prop.Default && *prop.Default == value)
                return nullptr;
            return ValueToJson(prop, value);
        }
        }
    }

    // A bound event that no published method of the root matches (a lambda) cannot be stored.
    TJson HandlerName(const std::any& event, const TPropInfo& prop) const {
        for (const auto* info = &FRoot->ClassType(); info; info = info->Parent)
            for (const auto& method : info->Methods)
                if (method.EventType == *prop.EventType &&
                    prop.EventEquals(event, method.Bind(*FRoot)))
                    return method.Name;
        return nullptr;
    }

    TComponent* FRoot;
};

} // namespace

std::string WriteComponent(const TComponent* root) {
    return TFormWriter(root).Write().dump(2, ' ', false, TJson::error_handler_t::replace) + "\n";
}
