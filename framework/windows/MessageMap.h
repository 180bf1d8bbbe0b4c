#pragma once
// Message maps: each control class that handles messages declares one table of
// {message, handler}; Dispatch looks a message up from the most derived class's table to the
// base's and hands what no table handles to DefaultHandler.
//
//   class TColorButton : public TButton {
//       DECLARE_MESSAGE_MAP
//       void CNDrawItem(TWMDrawItem& message);
//       void CMMouseEnter(TMessage& message);
//   };
//
//   const TMessageMap& TColorButton::StaticMessageMap() {
//       static const TMessageMap map(&TButton::StaticMessageMap(), {
//           MessageHandler<CN_DRAWITEM, &TColorButton::CNDrawItem>(),
//           MessageHandler<CM_MOUSEENTER, &TColorButton::CMMouseEnter>(),
//       });
//       return map;
//   }
//
// A handler takes a TMessage& or one of the typed views of Messages.h. It passes a message on
// as the base classes would (a Delphi "inherited") with
// `DispatchInherited(TButton::StaticMessageMap(), message)`.

#include "framework/windows/Messages.h"

#include <initializer_list>
#include <type_traits>
#include <vector>

class TControl;

struct TMessageEntry {
    UINT Msg;
    void (*Call)(TControl& control, TMessage& message);
};

class TMessageMap {
public:
    TMessageMap(const TMessageMap* parent, std::initializer_list<TMessageEntry> entries)
        : FParent(parent), FEntries(entries) {}

    const TMessageMap* Parent() const { return FParent; }
    // The entry this table itself holds for msg, or null.
    const TMessageEntry* FindOwn(UINT msg) const {
        for (const auto& e : FEntries)
            if (e.Msg == msg)
                return &e;
        return nullptr;
    }
    // The entry of this table or the nearest base table that handles msg, or null.
    const TMessageEntry* Find(UINT msg) const {
        for (const TMessageMap* map = this; map; map = map->FParent)
            if (const auto* e = map->FindOwn(msg))
                return e;
        return nullptr;
    }

private:
    const TMessageMap* FParent;
    std::vector<TMessageEntry> FEntries;
};

namespace detail {
template <class> struct HandlerTraits;
template <class T, class M> struct HandlerTraits<void (T::*)(M&)> {
    using Class = T;
    using Message = M;
};
} // namespace detail

// One table row: Method is a member function of a TControl descendant taking TMessage& or a
// typed view constructible from it.
template <UINT Msg, auto Method> TMessageEntry MessageHandler() {
    using Traits = detail::HandlerTraits<decltype(Method)>;
    using T = typename Traits::Class;
    using M = typename Traits::Message;
    static_assert(std::is_base_of_v<TControl, T>, "message handlers belong to controls");
    return {Msg, [](TControl& control, TMessage& message) {
                auto& self = static_cast<T&>(control);
                if constexpr (std::is_same_v<M, TMessage>) {
                    (self.*Method)(message);
                } else {
                    M view(message);
                    (self.*Method)(view);
                }
            }};
}

// Declares the class's own table; the class's source file defines StaticMessageMap.
#define DECLARE_MESSAGE_MAP                                                                        \
public:                                                                                            \
    static const TMessageMap& StaticMessageMap();                                                  \
                                                                                                   \
protected:                                                                                         \
    const TMessageMap& MessageMap() const override {                                               \
        return StaticMessageMap();                                                                 \
    }                                                                                              \
                                                                                                   \
private:
