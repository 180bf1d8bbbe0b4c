#pragma once
// Declares a class's run-time information. Used only in the source file of the class:
//
//   const TClassInfo& TPanel::StaticClass() {
//       static const TClassInfo info = DescribeClass<TPanel>("TPanel",
//       &TCustomPanel::StaticClass(),
//           [](TClassBuilder<TPanel>& c) {
//               c.Enum("BevelOuter", &TPanel::FBevelOuter, &TPanel::SetBevelOuter, bvRaised,
//                      BevelNames);
//           });
//       return info;
//   }
//
// A getter is a const member function or a data member; a setter is a member function taking the
// value, a data member written directly, or a callable taking (T&, value). Either may belong to a
// base class of T.

#include "framework/core/ClassInfo.h"
#include "framework/core/Component.h"
#include "framework/core/Events.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Strings.h"

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace detail {

template <class T, class G> auto ReadValue(const T& o, G get) {
    return std::decay_t<decltype(std::invoke(get, o))>(std::invoke(get, o));
}

template <class S> struct SetterArg : SetterArg<decltype(&S::operator())> {};
template <class C, class A> struct SetterArg<void (C::*)(A)> { using type = std::decay_t<A>; };
template <class C, class A> struct SetterArg<void (C::*)(A) noexcept> {
    using type = std::decay_t<A>;
};
template <class L, class O, class A> struct SetterArg<void (L::*)(O&, A) const> {
    using type = std::decay_t<A>;
};
template <class C, class R>
requires(!std::is_function_v<R>) struct SetterArg<R C::*> {
    using type = R;
};

template <class T, class S, class A> void WriteValue(T& o, S set, A value) {
    if constexpr (std::is_member_object_pointer_v<S>)
        o.*set = std::move(value);
    else
        std::invoke(set, o, std::move(value));
}

// Set types may be plain bit masks or classes exposing Bits().
template <class V, class R> V ToVariant(const R& r) {
    if constexpr (requires { r.Bits(); })
        return static_cast<V>(r.Bits());
    else
        return static_cast<V>(r);
}

// A stored number that does not fit the setter's type is refused rather than truncated.
template <class A, class V> A FromVariant(const V& v) {
    if constexpr (std::is_same_v<A, V>) {
        return v;
    } else if constexpr (std::is_integral_v<A> && std::is_integral_v<V>) {
        if constexpr (!std::is_same_v<A, bool>)
            if (!std::in_range<A>(v))
                throw EConvertError("Value " + std::to_string(v) + " is out of range");
        return static_cast<A>(v);
    } else {
        return static_cast<A>(v);
    }
}

template <class> struct ClosureOf;
template <class C, class... Args> struct ClosureOf<void (C::*)(Args...)> {
    using type = TClosure<Args...>;
};

template <class> struct PointeeOf;
template <class C> struct PointeeOf<C*> { using type = C; };

} // namespace detail

template <class T> class TClassBuilder {
public:
    explicit TClassBuilder(TClassInfo& info) : FInfo(info) {}

    // Every adder returns the property so that IsStored can be attached.
    template <class G, class S> TPropInfo& Int(const char* name, G get, S set) {
        return Scalar<std::int64_t>(name, TPropKind::Integer, get, set, std::nullopt);
    }
    template <class G, class S> TPropInfo& Int(const char* name, G get, S set, std::int64_t def) {
        return Scalar<std::int64_t>(name, TPropKind::Integer, get, set, TPropValue(def));
    }
    template <class G, class S> TPropInfo& Bool(const char* name, G get, S set) {
        return Scalar<bool>(name, TPropKind::Boolean, get, set, std::nullopt);
    }
    template <class G, class S> TPropInfo& Bool(const char* name, G get, S set, bool def) {
        return Scalar<bool>(name, TPropKind::Boolean, get, set, TPropValue(def));
    }
    template <class G, class S> TPropInfo& Color(const char* name, G get, S set) {
        return Scalar<std::int64_t>(name, TPropKind::Color, get, set, std::nullopt);
    }
    template <class G, class S> TPropInfo& Color(const char* name, G get, S set, TColor def) {
        return Scalar<std::int64_t>(name, TPropKind::Color, get, set,
                                    TPropValue(static_cast<std::int64_t>(def)));
    }
    template <class G, class S> TPropInfo& String(const char* name, G get, S set) {
        return Scalar<std::string>(name, TPropKind::String, get, set, std::nullopt);
    }
    template <class G, class S> TPropInfo& String(const char* name, G get, S set, std::string def) {
        return Scalar<std::string>(name, TPropKind::String, get, set, TPropValue(std::move(def)));
    }
    // An enumeration stored in any integral or enum type; names indexed by ordinal.
    template <class G, class S>
    TPropInfo& Enum(const char* name, G get, S set, const std::vector<std::string>& names) {
        return Enumerated(name, TPropKind::Enum, get, set, std::nullopt, names);
    }
    template <class G, class S, class E>
    TPropInfo& Enum(const char* name, G get, S set, E def, const std::vector<std::string>& names) {
        return Enumerated(name, TPropKind::Enum, get, set,
                          TPropValue(static_cast<std::int64_t>(def)), names);
    }
    // A set held as a bit mask (or a class with Bits()), bit i for names[i].
    template <class G, class S>
    TPropInfo& Set(const char* name, G get, S set, unsigned def,
                   const std::vector<std::string>& names) {
        return Enumerated(name, TPropKind::Set, get, set,
                          TPropValue(static_cast<std::int64_t>(def)), names);
    }
    // A string list: get returns the list object; set, when given, takes the lines, otherwise
    // the lines are assigned to the list.
    template <class G> TPropInfo& Strings(const char* name, G get) {
        return Strings(name, get, [get](T& o, const std::vector<std::string>& lines) {
            std::invoke(get, std::as_const(o))->SetLines(lines);
        });
    }
    template <class G, class S> TPropInfo& Strings(const char* name, G get, S set) {
        auto& p = Add(name, TPropKind::Strings);
        p.Default = TPropValue(std::vector<std::string>());
        p.Get = [get](const TObject& o) {
            const TStrings* list = std::invoke(get, static_cast<const T&>(o));
            return TPropValue(list ? list->Lines() : std::vector<std::string>());
        };
        p.Set = [set](TObject& o, const TPropValue& v) {
            detail::WriteValue(static_cast<T&>(o), set, std::get<std::vector<std::string>>(v));
        };
        return p;
    }
    // A component reference by name; resolved after the whole form is read.
    template <class G, class S> TPropInfo& Component(const char* name, G get, S set) {
        using C = typename detail::PointeeOf<typename detail::SetterArg<S>::type>::type;
        auto& p = Add(name, TPropKind::Component);
        p.Default = TPropValue(std::string());
        p.Get = [get](const TObject& o) {
            const TComponent* target = std::invoke(get, static_cast<const T&>(o));
            return TPropValue(target ? target->Name() : std::string());
        };
        p.GetReference = [get](const TObject& o) -> TComponent* {
            return std::invoke(get, static_cast<const T&>(o));
        };
        p.Accepts = [](const TComponent* target) {
            return dynamic_cast<const C*>(target) != nullptr;
        };
        p.SetReference = [set](TObject& o, TComponent* target) {
            auto* typed = dynamic_cast<C*>(target);
            if (target && !typed)
                return false;
            detail::WriteValue(static_cast<T&>(o), set, typed);
            return true;
        };
        return p;
    }
    // An embedded resource (glyph, picture): set takes the resource name; get returns it.
    template <class G, class S> TPropInfo& Resource(const char* name, G get, S set) {
        return Scalar<std::string>(name, TPropKind::Resource, get, set, TPropValue(std::string()));
    }
    // A nested persistent object whose published properties are stored in its place.
    template <class G> TPropInfo& Object(const char* name, G get) {
        auto& p = Add(name, TPropKind::Persistent);
        p.Object = [get](TObject& o) -> TPersistent* {
            return std::invoke(get, std::as_const(static_cast<T&>(o)));
        };
        return p;
    }
    // An event property, held in a field of a TClosure type.
    template <class C, class... Args>
    requires std::is_base_of_v<C, T> TPropInfo& Event(const char* name,
                                                      TClosure<Args...> C::*field) {
        using E = TClosure<Args...>;
        auto& p = Add(name, TPropKind::Event);
        p.EventType = typeid(E);
        p.GetEvent = [field](const TObject& o) {
            return std::any(static_cast<const T&>(o).*field);
        };
        p.SetEvent = [field](TObject& o, const std::any& v) {
            static_cast<T&>(o).*field = std::any_cast<const E&>(v);
        };
        p.EventEquals = [](const std::any& a, const std::any& b) {
            return std::any_cast<const E&>(a) == std::any_cast<const E&>(b);
        };
        return p;
    }

    // Keeps an inherited property out of stored forms (a value stored in another form instead);
    // it stays published, in its place, and a stored form may still set it.
    TPropInfo& Unstored(const char* name) {
        const TPropInfo* inherited = FInfo.Parent ? FInfo.Parent->FindProperty(name) : nullptr;
        if (!inherited)
            throw EComponentError(FInfo.Name + " inherits no property " + name);
        auto& p = FInfo.Properties.emplace_back(*inherited);
        p.IsStored = [](const TObject&) {
            return false;
        };
        return p;
    }

    // Publishes of the inherited properties only those named here (and those published always);
    // the rest are hidden from stored forms and designers. Naming a property the base class does
    // not publish raises EComponentError.
    void PublishInherited(std::initializer_list<std::string_view> names) {
        const std::vector<const TPropInfo*> inherited =
            FInfo.Parent ? FInfo.Parent->AllProperties() : std::vector<const TPropInfo*>();
        for (std::string_view name : names)
            if (std::none_of(inherited.begin(), inherited.end(),
                             [name](const TPropInfo* p) { return p->Name == name; }))
                throw EComponentError(FInfo.Name + " inherits no property " + std::string(name));
        for (const TPropInfo* p : inherited)
            if (!p->AlwaysPublished &&
                std::find(names.begin(), names.end(), p->Name) == names.end())
                FInfo.Hidden.push_back(p->Name);
    }

    // A method that stored forms can name as an event handler.
    template <class M> void Method(const char* name, M method) {
        using E = typename detail::ClosureOf<M>::type;
        FInfo.Methods.push_back({name, typeid(E), [method](TObject& self) {
                                     return std::any(E(&static_cast<T&>(self), method));
                                 }});
    }
    // A field that a loaded form fills with the component of the same name.
    template <class C, class B>
    requires std::is_base_of_v<B, T> TFieldInfo& Field(const char* name, C* B::*field) {
        FInfo.Fields.push_back({name, [field](TObject& self, TComponent* component) {
                                    auto* typed = dynamic_cast<C*>(component);
                                    if (!typed)
                                        return false;
                                    static_cast<T&>(self).*field = typed;
                                    return true;
                                }});
        return FInfo.Fields.back();
    }

private:
    TPropInfo& Add(const char* name, TPropKind kind) {
        FInfo.Properties.push_back({});
        auto& p = FInfo.Properties.back();
        p.Name = name;
        p.Kind = kind;
        if (const TPropInfo* base = FInfo.Parent ? FInfo.Parent->FindProperty(name) : nullptr)
            p.AlwaysPublished = base->AlwaysPublished;
        return p;
    }

    // V is the variant alternative the value travels in.
    template <class V, class G, class S>
    TPropInfo& Scalar(const char* name, TPropKind kind, G get, S set,
                      std::optional<TPropValue> def) {
        using A = typename detail::SetterArg<S>::type;
        auto& p = Add(name, kind);
        p.Default = std::move(def);
        p.Get = [get](const TObject& o) {
            return TPropValue(
                detail::ToVariant<V>(detail::ReadValue(static_cast<const T&>(o), get)));
        };
        p.Set = [set](TObject& o, const TPropValue& v) {
            detail::WriteValue(static_cast<T&>(o), set, ToArgument<A>(std::get<V>(v)));
        };
        return p;
    }

    template <class G, class S>
    TPropInfo& Enumerated(const char* name, TPropKind kind, G get, S set,
                          std::optional<TPropValue> def, const std::vector<std::string>& names) {
        auto& p = Scalar<std::int64_t>(name, kind, get, set, std::move(def));
        p.EnumNames = &names;
        return p;
    }

    template <class A, class V> static A ToArgument(const V& v) {
        if constexpr (std::is_enum_v<A>)
            return static_cast<A>(detail::FromVariant<std::underlying_type_t<A>>(v));
        else
            return detail::FromVariant<A>(v);
    }

    TClassInfo& FInfo;
};

// Builds the information of class T: its name, its base class's information and what it adds.
template <class T, class F>
TClassInfo DescribeClass(const char* name, const TClassInfo* parent, F&& declare) {
    TClassInfo info;
    info.Name = name;
    info.Parent = parent;
    if constexpr (!std::is_abstract_v<T> && std::is_constructible_v<T, TComponent*>)
        info.Create = [](TComponent* owner) -> TComponent* {
            return new T(owner);
        };
    TClassBuilder<T> builder(info);
    declare(builder);
    return info;
}
