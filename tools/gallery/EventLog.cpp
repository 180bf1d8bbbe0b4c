#include "tools/gallery/EventLog.h"

#include "framework/core/ClassBuilder.h"
#include "framework/forms/Form.h"

#include <array>
#include <string_view>
#include <typeindex>
#include <unordered_map>

namespace {

// --- arguments as text

std::string Text(TObject* sender) {
    const auto* component = dynamic_cast<const TComponent*>(sender);
    if (!component)
        return sender ? sender->ClassName() : "nil";
    return component->Name().empty() ? component->ClassName() : component->Name();
}

std::string Text(TShiftState shift) {
    static constexpr std::array<std::pair<TShiftStateBit, std::string_view>, 7> names{{
        {ssShift, "ssShift"},
        {ssAlt, "ssAlt"},
        {ssCtrl, "ssCtrl"},
        {ssLeft, "ssLeft"},
        {ssRight, "ssRight"},
        {ssMiddle, "ssMiddle"},
        {ssDouble, "ssDouble"},
    }};
    std::string text = "[";
    for (const auto& [bit, name] : names)
        if (shift.Contains(bit))
            text.append(text.size() > 1 ? "," : "").append(name);
    return text + "]";
}

std::string Text(TMouseButton button) {
    switch (button) {
    case mbRight:
        return "mbRight";
    case mbMiddle:
        return "mbMiddle";
    default:
        return "mbLeft";
    }
}

std::string Text(int number) {
    return std::to_string(number);
}

std::string Text(unsigned short key) {
    return std::to_string(key);
}

std::string Text(char key) {
    if (key >= ' ' && key < 127)
        return std::string("'") + key + "'";
    return "#" + std::to_string(static_cast<unsigned char>(key));
}

std::string Text(bool value) {
    return value ? "true" : "false";
}

std::string Text(TPoint point) {
    return "(" + std::to_string(point.x) + ", " + std::to_string(point.y) + ")";
}

std::string Text(TCloseAction action) {
    static constexpr std::array<std::string_view, 4> names{"caNone", "caHide", "caFree",
                                                           "caMinimize"};
    const auto index = static_cast<std::size_t>(action);
    return index < names.size() ? std::string(names[index]) : std::to_string(index);
}

// --- a logging handler per closure type

using TBuilder = std::function<std::any(const std::string& prefix, const std::any& kept,
                                        const TEventLog::TSink& sink)>;

template <class... Args>
std::pair<const std::type_index, TBuilder> Logging(std::array<const char*, sizeof...(Args)> names) {
    using E = TClosure<Args...>;
    return {typeid(E),
            [names](const std::string& prefix, const std::any& kept, const TEventLog::TSink& sink) {
                const E original = std::any_cast<const E&>(kept);
                return std::any(E::FromFunction([=](Args... args) {
                    const std::array<std::string, sizeof...(Args)> values{Text(args)...};
                    std::string line = prefix + "(";
                    for (std::size_t i = 0; i < values.size(); ++i)
                        line += (i ? ", " : "") + std::string(names[i]) + "=" + values[i];
                    sink(line + ")");
                    original(args...);
                }));
            }};
}

const std::unordered_map<std::type_index, TBuilder>& Builders() {
    static const std::unordered_map<std::type_index, TBuilder> builders{
        Logging<TObject*>({"Sender"}),
        Logging<TObject*, TMouseButton, TShiftState, int, int>(
            {"Sender", "Button", "Shift", "X", "Y"}),
        Logging<TObject*, TShiftState, int, int>({"Sender", "Shift", "X", "Y"}),
        Logging<TObject*, unsigned short&, TShiftState>({"Sender", "Key", "Shift"}),
        Logging<TObject*, char&>({"Sender", "Key"}),
        Logging<TObject*, TCloseAction&>({"Sender", "Action"}),
        Logging<TObject*, bool&>({"Sender", "CanClose"}),
        Logging<TObject*, TPoint, bool&>({"Sender", "MousePos", "Handled"}),
    };
    return builders;
}

} // namespace

const TClassInfo& TEventLog::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TEventLog>("TEventLog", &TComponent::StaticClass(), [](auto&) {});
    return info;
}

TEventLog::TEventLog(TComponent* owner, TSink sink) : TComponent(owner), FSink(std::move(sink)) {}

TEventLog::~TEventLog() {
    Detach();
}

void TEventLog::Attach(TComponent* component) {
    Detach();
    if (!component)
        return;
    FComponent = component;
    FComponent->FreeNotification(this);
    const std::string name = Text(component);
    for (const TPropInfo* prop : component->ClassType().AllProperties()) {
        if (prop->Kind != TPropKind::Event)
            continue;
        const auto builder = Builders().find(*prop->EventType);
        if (builder == Builders().end())
            continue;
        std::any kept = prop->GetEvent(*component);
        prop->SetEvent(*component, builder->second(name + "." + prop->Name, kept, FSink));
        FHooked.push_back({prop, std::move(kept)});
    }
}

void TEventLog::Detach() {
    if (!FComponent)
        return;
    if (!FComponent->IsDestroying())
        for (const THooked& hooked : FHooked)
            hooked.Prop->SetEvent(*FComponent, hooked.Kept);
    FComponent->RemoveFreeNotification(this);
    FComponent = nullptr;
    FHooked.clear();
}

std::any TEventLog::HandlerOf(const TObject& target, const TPropInfo& prop) const {
    if (&target == FComponent)
        for (const THooked& hooked : FHooked)
            if (hooked.Prop == &prop)
                return hooked.Kept;
    return prop.GetEvent(target);
}

void TEventLog::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FComponent) {
        FComponent = nullptr;
        FHooked.clear();
    }
}
