#pragma once
// Events: callbacks bound to an object, like method pointers with their instance.
// Two events compare equal when they call the same method of the same object.

#include <array>
#include <cstddef>
#include <cstring>
#include <functional>
#include <memory>

class TObject;

template <class... Args> class TClosure {
public:
    TClosure() = default;
    TClosure(std::nullptr_t) {}

    template <class T, class Base = T>
    TClosure(T* object, void (Base::*method)(Args...))
        : FObject(object), FCall([object, method](Args... a) { (object->*method)(a...); }) {
        static_assert(sizeof(method) <= sizeof(FMethodKey), "method pointer too large");
        std::memcpy(FMethodKey.data(), &method, sizeof(method));
    }

    // An event with no object to compare by: a free function or lambda. Such events compare
    // equal only to themselves (copies included).
    static TClosure FromFunction(std::function<void(Args...)> fn) {
        TClosure c;
        c.FToken = std::make_shared<char>();
        c.FObject = c.FToken.get();
        c.FCall = std::move(fn);
        return c;
    }

    explicit operator bool() const { return static_cast<bool>(FCall); }
    void operator()(Args... args) const {
        if (FCall)
            FCall(args...);
    }
    const void* Data() const { return FObject; }

    friend bool operator==(const TClosure& a, const TClosure& b) {
        if (!a.FCall || !b.FCall)
            return !a.FCall && !b.FCall;
        return a.FObject == b.FObject && a.FMethodKey == b.FMethodKey;
    }

private:
    const void* FObject = nullptr;
    std::function<void(Args...)> FCall;
    std::array<unsigned char, 2 * sizeof(void*)> FMethodKey{};
    std::shared_ptr<char> FToken;
};

enum TShiftStateBit : unsigned {
    ssShift = 1 << 0,
    ssAlt = 1 << 1,
    ssCtrl = 1 << 2,
    ssLeft = 1 << 3,
    ssRight = 1 << 4,
    ssMiddle = 1 << 5,
    ssDouble = 1 << 6,
};

// A set of TShiftStateBit.
class TShiftState {
public:
    constexpr TShiftState() = default;
    constexpr TShiftState(unsigned bits) : FBits(bits) {}
    constexpr bool Contains(TShiftStateBit b) const { return (FBits & b) != 0; }
    constexpr unsigned Bits() const { return FBits; }
    constexpr TShiftState operator|(TShiftState o) const { return FBits | o.FBits; }
    friend constexpr bool operator==(TShiftState, TShiftState) = default;

private:
    unsigned FBits = 0;
};

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
using enum TMouseButton;

using TNotifyEvent = TClosure<TObject*>;
using TMouseEvent = TClosure<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TClosure<TObject*, TShiftState, int, int>;
using TKeyEvent = TClosure<TObject*, unsigned short&, TShiftState>;
using TKeyPressEvent = TClosure<TObject*, char&>;
