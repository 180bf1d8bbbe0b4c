#include "framework/streaming/LocatedJson.h"

#include <algorithm>
#include <functional>
#include <iterator>

namespace {

// Hands the text to the parser and remembers the last character handed out. During a parser
// callback that character ends the token just read, or follows it when the token is a number.
class TReadIterator {
public:
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    TReadIterator(const char* at, const char** lastRead) : FAt(at), FLastRead(lastRead) {}

    reference operator*() const {
        *FLastRead = FAt;
        return *FAt;
    }
    TReadIterator& operator++() {
        ++FAt;
        return *this;
    }
    TReadIterator operator++(int) {
        TReadIterator old = *this;
        ++FAt;
        return old;
    }
    bool operator==(const TReadIterator& other) const { return FAt == other.FAt; }

private:
    const char* FAt;
    const char** FLastRead;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

// Follows the parser's events to know the pointer of each value as it is read.
class TLocatedJson::TTracker {
public:
    TTracker(TLocatedJson& owner, std::string_view text) : FOwner(owner), FText(text) {}

    const char* LastRead = nullptr;

    bool operator()(int, TJson::parse_event_t event, TJson& parsed) {
        using E = TJson::parse_event_t;
        switch (event) {
        case E::key:
            Key(parsed.get<std::string>());
            break;
        case E::object_start:
        case E::array_start:
            FOpen.push_back({Value(), event == E::array_start, 0, {}});
            break;
        case E::value:
            Value();
            break;
        case E::object_end:
        case E::array_end:
            FOpen.pop_back();
            break;
        }
        return true;
    }

private:
    struct TContainer {
        TJson::json_pointer Pointer;
        bool IsArray = false;
        std::size_t Count = 0;
        std::string Key;
    };

    TJson::json_pointer Value() {
        TJson::json_pointer pointer;
        if (!FOpen.empty()) {
            TContainer& container = FOpen.back();
            pointer = container.IsArray ? container.Pointer / container.Count++
                                        : container.Pointer / container.Key;
        }
        FOwner.FLines.emplace(pointer.to_string(), LineOfToken());
        return pointer;
    }

    void Key(std::string key) {
        TContainer& object = FOpen.back();
        if (!FOwner.FFault && FOwner.FLines.contains((object.Pointer / key).to_string()))
            FOwner.FFault = TJsonFault{LineOfToken(), "the key \"" + key + "\" appears twice"};
        object.Key = std::move(key);
    }

    // A number ends only at the character after it, which may already be on the next line.
    int LineOfToken() const {
        auto at = static_cast<std::size_t>(LastRead - FText.data());
        while (at > 0 && IsBlank(FText[at]))
            --at;
        return FOwner.LineAt(at);
    }

    TLocatedJson& FOwner;
    std::string_view FText;
    std::vector<TContainer> FOpen;
};

TLocatedJson::TLocatedJson(std::string_view text) {
    FLineStarts.push_back(0);
    for (std::size_t at = 0; at < text.size(); ++at)
        if (text[at] == '\n')
            FLineStarts.push_back(at + 1);
    TTracker tracker(*this, text);
    const char* begin = text.data();
    try {
        TJson root =
            TJson::parse(TReadIterator(begin, &tracker.LastRead),
                         TReadIterator(begin + text.size(), &tracker.LastRead), std::ref(tracker));
        if (!FFault)
            FRoot = std::move(root);
    } catch (const TJson::parse_error& e) {
        if (!FFault)
            FFault = TJsonFault{LineAt(e.byte > 0 ? e.byte - 1 : 0), e.what()};
    }
}

int TLocatedJson::LineOf(TJson::json_pointer pointer) const {
    for (;;) {
        auto found = FLines.find(pointer.to_string());
        if (found != FLines.end())
            return found->second;
        if (pointer.empty())
            return 0;
        pointer = pointer.parent_pointer();
    }
}

int TLocatedJson::LineAt(std::size_t offset) const {
    auto after = std::upper_bound(FLineStarts.begin(), FLineStarts.end(), offset);
    return static_cast<int>(after - FLineStarts.begin());
}
