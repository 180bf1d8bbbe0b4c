#pragma once
// Run-time class information: each framework class declares its published properties, its
// published methods (event handlers a stored form can bind to by name) and its published fields
// (component references a loaded form fills in), once, in declaration order. The form reader, the
// writer and the palette all read these tables.

#include "framework/core/Types.h"

#include <any>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <typeindex>
#include <variant>
#include <vector>

class TObject;
class TPersistent;
class TComponent;
class TStrings;

enum class TPropKind {
    Integer,
    Boolean,
    String,
    Color,
    Enum,       // one name of EnumNames, stored by name
    Set,        // a set of EnumNames, as bits 1 << ordinal
    Strings,    // a TStrings, stored as a list of lines
    Persistent, // a nested object whose own published properties are stored (Font.Name)
    Component,  // a reference to another component, stored by name
    Resource,   // an embedded resource (a glyph, a picture), stored by resource name
    Event,      // stored by the name of the handler method
};

// Integer, Boolean, Color, Enum, Set: int64; String, Component, Resource: string; Strings: lines.
// A Component's Get yields the target's name; the reader sets references with SetReference.
using TPropValue =
    std::variant<std::monostate, std::int64_t, bool, std::string, std::vector<std::string>>;

struct TPropInfo {
    std::string Name;
    TPropKind Kind = TPropKind::Integer;
    const std::vector<std::string>* EnumNames = nullptr; // Enum and Set
    std::optional<TPropValue> Default;                   // none: always stored

    // Plain kinds (everything but Persistent and Event).
    std::function<TPropValue(const TObject&)> Get;
    std::function<void(TObject&, const TPropValue&)> Set;
    // Component: the referenced component; SetReference is false when its class does not fit.
    std::function<TComponent*(const TObject&)> GetReference;
    std::function<bool(TObject&, TComponent*)> SetReference;
    // Component: whether a component's class fits, so that a designer can offer only those.
    std::function<bool(const TComponent*)> Accepts;
    // Persistent: the nested object.
    std::function<TPersistent*(TObject&)> Object;
    // Event: the closure type, and reading or writing it as a std::any holding that type.
    std::optional<std::type_index> EventType;
    std::function<std::any(const TObject&)> GetEvent;
    std::function<void(TObject&, const std::any&)> SetEvent;
    std::function<bool(const std::any&, const std::any&)> EventEquals;
    // When present and false, the value is not stored whatever it is (a colour that follows the
    // parent's).
    std::function<bool(const TObject&)> IsStored;
    // Published by every descendant, whatever its list of inherited properties says (a control's
    // place and size).
    bool AlwaysPublished = false;
};

struct TMethodInfo {
    std::string Name;
    std::type_index EventType = typeid(void);
    std::function<std::any(TObject& self)> Bind; // the closure, as a std::any of EventType
};

struct TFieldInfo {
    std::string Name;
    // Stores the component in the field; false when its class does not fit the field's type.
    std::function<bool(TObject& self, TComponent* component)> Assign;
    // A loaded form must fill every field that does not say it may stay empty.
    bool Optional = false;
};

class TClassInfo {
public:
    using Factory = std::function<TComponent*(TComponent* owner)>;

    std::string Name;
    const TClassInfo* Parent = nullptr;
    Factory Create;                    // empty for classes that cannot be created by name
    std::vector<TPropInfo> Properties; // own, in declaration order
    // Inherited properties this class no longer publishes, nor do its descendants unless they
    // declare them again.
    std::vector<std::string> Hidden;
    std::vector<TMethodInfo> Methods;
    std::vector<TFieldInfo> Fields;

    // The published properties: base class first, then own; a redeclared property keeps its
    // base's position.
    std::vector<const TPropInfo*> AllProperties() const;
    // The published properties and, in their places, the hidden ones: a stored form may still set
    // those, so that files written before a property was hidden keep loading.
    std::vector<const TPropInfo*> ReadableProperties() const;
    // A property by name, hidden or not; nullptr for an unknown one.
    const TPropInfo* FindProperty(const std::string& name) const;
    const TMethodInfo* FindMethod(const std::string& name) const;
    const TFieldInfo* FindField(const std::string& name) const;
    bool InheritsFrom(const TClassInfo& other) const;

private:
    bool Publishes(const TPropInfo& prop) const;
};

// Classes that a stored form can name. The framework registers its own; a control library
// registers its classes (its Register operation, or RegisterClass in a program).
// Registering a second, different class under a name already taken raises EComponentError.
void RegisterClass(const TClassInfo& info);
const TClassInfo* FindClass(const std::string& name); // nullptr when none is registered

#define FRAMEWORK_CLASS(Class)                                                                     \
public:                                                                                            \
    static const TClassInfo& StaticClass();                                                        \
    const TClassInfo& ClassType() const override {                                                 \
        return StaticClass();                                                                      \
    }                                                                                              \
                                                                                                   \
private:
