#include "framework/streaming/LocatedJson.h"

#include <iterator>
#include <unordered_set>
#include <utility>
#include <vector>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// How far the parser has read: the line of the last character read that was not blank. At a
// parser event that is the line of the token just read, though a number ends only at the
// character after it, which may be a line break.
struct TReadLine {
    int Current = 1;
    int OfToken = 1;
};

// Hands the text to the parser one character at a time, counting lines as it goes.
class TReadIterator {
public:
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    TReadIterator(const char* at, TReadLine* line) : FAt(at), FLine(line) {}

    reference operator*() const { return *FAt; }
    TReadIterator& operator++() {
        if (*FAt == '\n')
            ++FLine->Current;
        else if (!IsBlank(*FAt))
            FLine->OfToken = FLine->Current;
        ++FAt;
        return *this;
    }
    TReadIterator operator++(int) {
        TReadIterator old = *this;
        ++*this;
        return old;
    }
    bool operator==(const TReadIterator& other) const { return FAt == other.FAt; }

private:
    const char* FAt;
    TReadLine* FLine;
};

// Keeps a message readable when the token it quotes is a megabyte long, cutting between UTF-8
// characters.
std::string Abbreviated(std::string text, std::size_t length) {
    if (text.size() <= length)
        return text;
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        --length;
    text.resize(length);
    return text + "...";
}

// The library's message without its "[json.exception.parse_error.101] " prefix.
std::string Describe(const std::string& token, const nlohmann::detail::exception& error) {
    constexpr int NumberOverflow = 406;
    if (error.id == NumberOverflow)
        return "the number " + Abbreviated(token, 40) + " is out of range";
    std::string what = error.what();
    const auto prefixEnd = what.find("] ");
    if (what.starts_with("[json.exception.") && prefixEnd != std::string::npos)
        what.erase(0, prefixEnd + 2);
    return Abbreviated(std::move(what), 200);
}

} // namespace

// Builds the tree from the parser's events. Members are appended without the ordered map's
// search for an equal key, which makes a wide object quadratic; a hash set per open object
// finds repeated keys instead. The lines of a container's elements are kept until it closes:
// only then do their addresses stop moving.
class TLocatedJson::TBuilder : public nlohmann::json_sax<TJson> {
public:
    TBuilder(TLocatedJson& owner, const TReadLine& line) : FOwner(owner), FLine(line) {}

    bool null() override { return Add(nullptr); }
    bool boolean(bool value) override { return Add(value); }
    bool number_integer(number_integer_t value) override { return Add(value); }
    bool number_unsigned(number_unsigned_t value) override { return Add(value); }
    bool number_float(number_float_t value, const string_t&) override { return Add(value); }
    bool string(string_t& value) override { return Add(std::move(value)); }
    bool binary(binary_t& value) override { return Add(std::move(value)); }

    bool start_object(std::size_t) override { return Open(TJson::object()); }
    bool start_array(std::size_t) override { return Open(TJson::array()); }
    bool end_object() override { return Close(); }
    bool end_array() override { return Close(); }

    bool key(string_t& key) override {
        TOpen& object = FOpen.back();
        object.Key = key;
        if (!object.Keys.insert(std::move(key)).second)
            return Refuse("the key \"" + object.Key + "\" appears twice");
        return true;
    }

    bool parse_error(std::size_t, const std::string& token,
                     const nlohmann::detail::exception& error) override {
        return Refuse(Describe(token, error));
    }

private:
    struct TOpen {
        TJson* Value;
        std::string Key;
        std::unordered_set<std::string> Keys;
        std::vector<int> Lines; // of the elements, in order
    };

    bool Add(TJson value) {
        Place(std::move(value));
        return true;
    }

    TJson* Place(TJson value) {
        if (FOpen.empty()) {
            FOwner.FRoot = std::move(value);
            FOwner.FLines.emplace(&FOwner.FRoot, FLine.OfToken);
            return &FOwner.FRoot;
        }
        TOpen& container = FOpen.back();
        container.Lines.push_back(FLine.OfToken);
        if (container.Value->is_array()) {
            container.Value->get_ref<TJson::array_t&>().push_back(std::move(value));
            return &container.Value->back();
        }
        auto& members =
            static_cast<TJson::object_t::Container&>(container.Value->get_ref<TJson::object_t&>());
        members.emplace_back(container.Key, std::move(value));
        return &members.back().second;
    }

    bool Open(TJson container) {
        if (FOpen.size() >= MaxDepth)
            return Refuse("nested deeper than " + std::to_string(MaxDepth) + " levels");
        FOpen.push_back({Place(std::move(container)), {}, {}, {}});
        return true;
    }

    bool Close() {
        TOpen& container = FOpen.back();
        auto line = container.Lines.begin();
        for (const TJson& element : *container.Value)
            FOwner.FLines.emplace(&element, *line++);
        FOpen.pop_back();
        return true;
    }

    bool Refuse(std::string what) {
        FOwner.FFault = TJsonFault{FLine.OfToken, LastKey(), std::move(what)};
        return false;
    }

    std::string LastKey() const {
        for (auto open = FOpen.rbegin(); open != FOpen.rend(); ++open)
            if (open->Value->is_object())
                return open->Key;
        return {};
    }

    TLocatedJson& FOwner;
    const TReadLine& FLine;
    std::vector<TOpen> FOpen;
};

TLocatedJson::TLocatedJson(std::string_view text) {
    TReadLine line;
    TBuilder builder(*this, line);
    const char* begin = text.data();
    TJson::sax_parse(TReadIterator(begin, &line), TReadIterator(begin + text.size(), &line),
                     &builder);
    if (FFault) {
        FRoot = nullptr;
        FLines.clear();
    }
}

int TLocatedJson::LineOf(const TJson& value) const {
    auto found = FLines.find(&value);
    return found != FLines.end() ? found->second : 0;
}
