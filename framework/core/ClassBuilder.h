#pragma once
// Declares a class's run-time information. Used only in the source file of the class:
//
//   const TClassInfo& TPanel::StaticClass() {
//       static const TClassInfo info = DescribeClass<TPanel>("TPanel", &TCustomPanel::StaticClass(),
//           [](TClassBuilder<TPanel>& c) {
//               c.Enum("BevelOuter", &TPanel::FBevelOuter, &TPanel::SetBevelOuter, bvRaised,
//                      BevelNames);
//           });
//       return info;
//   }

#include "framework/core/ClassInfo.h"
#include "framework/core/Events.h"

#include <string>
#include <type_traits>
#include <utility>

class TStrings;

namespace detail {

// A getter is a const member function or a data member.
template <class T, class R> auto Read(R (T::*get)() const) {
    return [get](const T& o) { return (o.*get)(); };
}
template <class T, class R>
    requires(!std::is_function_v<R>)
auto Read(R T::*field) {
    return [field](const T& o) { return o.*field; };
}
// A setter is a member function taking the value or a data member written directly.
template <class T, class A> auto Write(void (T::*set)(A)) {
    return [set](T& o, std::decay_t<A> v) { (o.*set)(std::move(v)); };
}
template <class T, class R>
    requires(!std::is_function_v<R>)
auto Write(R T::*field) {
    return [field](T& o, R v) { o.*field = std::move(v); };
}

template <class> struct ClosureOf;
template <class T, class... Args> struct ClosureOf<void (T::*)(Args...)> {
    using type = TClosure<Args...>;
};

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
    template <class G, class S, class E>
    TPropInfo& Enum(const char* name, G get, S set, const std::vector<std::string>& names) {
        return Enumerated<E>(name, TPropKind::Enum, get, set, std::nullopt, names);
    }
    template <class G, class S, class E>
    TPropInfo& Enum(const char* name, G get, S set, E def, const std::vector<std::string>& names) {
        return Enumerated<E>(name, TPropKind::Enum, get, set,
                             TPropValue(static_cast<std::int64_t>(def)), names);
    }
    // A set held as an unsigned bit mask, bit i for names[i].
    template <class G, class S>
    TPropInfo& Set(const char* name, G get, S set, unsigned def,
                   const std::vector<std::string>& names) {
        auto& p = Scalar<std::int64_t>(name, TPropKind::Set, get, set,
                                       TPropValue(static_cast<std::int64_t>(def)));
        p.EnumNames = &names;
        return p;
    }
    // A string list: get returns the list object; set copies lines into it.
    TPropInfo& Strings(const char* name, TStrings* (T::*get)() const,
                       void (T::*set)(const std::vector<std::string>&));
    // A component reference by name; resolved after the whole form is read.
    template <class C>
    TPropInfo& Component(const char* name, C* (T::*get)() const, void (T::*set)(C*));
    // An embedded resource (glyph, picture): set takes the resource name; get returns it.
    template <class G, class S> TPropInfo& Resource(const char* name, G get, S set) {
        return Scalar<std::string>(name, TPropKind::Resource, get, set, TPropValue(std::string()));
    }
    // A nested persistent object whose published properties are stored in its place.
    template <class P> TPropInfo& Object(const char* name, P* (T::*get)() const) {
        auto& p = Add(name, TPropKind::Persistent);
        p.Object = [get](TObject& o) -> TPersistent* { return (static_cast<T&>(o).*get)(); };
        return p;
    }
    // An event property, held in a field of a TClosure type.
    template <class... Args> TPropInfo& Event(const char* name, TClosure<Args...> T::*field) {
        using C = TClosure<Args...>;
        auto& p = Add(name, TPropKind::Event);
        p.EventType = typeid(C);
        p.GetEvent = [field](const TObject& o) { return std::any(static_cast<const T&>(o).*field); };
        p.SetEvent = [field](TObject& o, const std::any& v) {
            static_cast<T&>(o).*field = std::any_cast<const C&>(v);
        };
        p.EventEquals = [](const std::any& a, const std::any& b) {
            return std::any_cast<const C&>(a) == std::any_cast<const C&>(b);
        };
        return p;
    }

    // A method that stored forms can name as an event handler.
    template <class M> void Method(const char* name, M method) {
        using C = typename detail::ClosureOf<M>::type;
        FInfo.Methods.push_back({name, typeid(C), [method](TObject& self) {
                                     return std::any(C(&static_cast<T&>(self), method));
                                 }});
    }
    // A field that a loaded form fills with the component of the same name.
    template <class C> void Field(const char* name, C* T::*field) {
        FInfo.Fields.push_back({name, [field](TObject& self, TComponent* component) {
                                    auto* typed = dynamic_cast<C*>(component);
                                    if (!typed)
                                        return false;
                                    static_cast<T&>(self).*field = typed;
                                    return true;
                                }});
    }

private:
    TPropInfo& Add(const char* name, TPropKind kind) {
        FInfo.Properties.push_back({});
        auto& p = FInfo.Properties.back();
        p.Name = name;
        p.Kind = kind;
        return p;
    }

    // V is the variant alternative the value travels in.
    template <class V, class G, class S>
    TPropInfo& Scalar(const char* name, TPropKind kind, G get, S set,
                      std::optional<TPropValue> def) {
        auto& p = Add(name, kind);
        p.Default = std::move(def);
        auto read = detail::Read<T>(get);
        auto write = detail::Write<T>(set);
        p.Get = [read](const TObject& o) {
            using R = std::decay_t<decltype(read(static_cast<const T&>(o)))>;
            if constexpr (std::is_enum_v<R>)
                return TPropValue(static_cast<std::int64_t>(read(static_cast<const T&>(o))));
            else
                return TPropValue(static_cast<V>(read(static_cast<const T&>(o))));
        };
        p.Set = [write](TObject& o, const TPropValue& v) {
            write(static_cast<T&>(o), Convert<decltype(write)>(std::get<V>(v)));
        };
        return p;
    }

    template <class E, class G, class S>
    TPropInfo& Enumerated(const char* name, TPropKind kind, G get, S set,
                          std::optional<TPropValue> def, const std::vector<std::string>& names) {
        auto& p = Scalar<std::int64_t>(name, kind, get, set, std::move(def));
        p.EnumNames = &names;
        return p;
    }

    // Converts a variant alternative to the argument type the writer takes.
    template <class W, class V> static auto Convert(const V& v) {
        using Arg = typename ArgOf<W>::type;
        if constexpr (std::is_same_v<Arg, V>)
            return v;
        else
            return static_cast<Arg>(v);
    }
    template <class W> struct ArgOf : ArgOf<decltype(&W::operator())> {};
    template <class L, class A> struct ArgOf<void (L::*)(T&, A) const> {
        using type = std::decay_t<A>;
    };

    TClassInfo& FInfo;
};

// Builds the information of class T: its name, its base class's information and what it adds.
template <class T, class F>
TClassInfo DescribeClass(const char* name, const TClassInfo* parent, F&& declare) {
    TClassInfo info;
    info.Name = name;
    info.Parent = parent;
    if constexpr (!std::is_abstract_v<T> && std::is_constructible_v<T, TComponent*>)
        info.Create = [](TComponent* owner) -> TComponent* { return new T(owner); };
    TClassBuilder<T> builder(info);
    declare(builder);
    return info;
}
