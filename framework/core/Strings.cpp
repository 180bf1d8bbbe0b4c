#include "framework/core/Strings.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/SysUtils.h"

const TClassInfo& TStrings::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TStrings>("TStrings", &TPersistent::StaticClass(), [](auto&) {});
    return info;
}

const TClassInfo& TStringList::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TStringList>("TStringList", &TStrings::StaticClass(), [](auto&) {});
    return info;
}

int TStrings::Add(const std::string& text) {
    int index = Count();
    Insert(index, text);
    return index;
}

int TStrings::IndexOf(std::string_view text) const {
    std::string wanted = LowerCase(text);
    for (int i = 0; i < Count(); ++i)
        if (LowerCase(Get(i)) == wanted)
            return i;
    return -1;
}

std::string TStrings::Text() const {
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        text += Get(i);
        text += "\r\n";
    }
    return text;
}

void TStrings::SetText(std::string_view text) {
    BeginUpdate();
    Clear();
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        Add(std::string(text.substr(pos, end - pos)));
        pos = end;
        if (pos < text.size() && text[pos] == '\r')
            ++pos;
        if (pos < text.size() && text[pos] == '\n')
            ++pos;
    }
    EndUpdate();
}

std::vector<std::string> TStrings::Lines() const {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(Count()));
    for (int i = 0; i < Count(); ++i)
        lines.push_back(Get(i));
    return lines;
}

void TStrings::SetLines(const std::vector<std::string>& lines) {
    BeginUpdate();
    Clear();
    for (const auto& line : lines)
        Add(line);
    EndUpdate();
}

void TStrings::Assign(const TPersistent* source) {
    if (auto* strings = dynamic_cast<const TStrings*>(source)) {
        if (strings != this)
            SetLines(strings->Lines());
        return;
    }
    TPersistent::Assign(source);
}

void TStrings::BeginUpdate() {
    ++FUpdateCount;
}

void TStrings::EndUpdate() {
    if (FUpdateCount == 0)
        return;
    if (--FUpdateCount == 0)
        UpdateEnded();
}

void TStrings::CheckIndex(int index, int limit) const {
    if (index < 0 || index >= limit)
        throw EStringListError(Format("List index out of bounds (%d)", index));
}

std::string TStringList::Get(int index) const {
    CheckIndex(index, Count());
    return FLines[static_cast<std::size_t>(index)];
}

void TStringList::Put(int index, const std::string& text) {
    CheckIndex(index, Count());
    FLines[static_cast<std::size_t>(index)] = text;
    Changed();
}

void TStringList::Insert(int index, const std::string& text) {
    CheckIndex(index, Count() + 1);
    FLines.insert(FLines.begin() + index, text);
    Changed();
}

void TStringList::Delete(int index) {
    CheckIndex(index, Count());
    FLines.erase(FLines.begin() + index);
    Changed();
}

void TStringList::Clear() {
    if (FLines.empty())
        return;
    FLines.clear();
    Changed();
}

void TStringList::Changed() {
    if (IsUpdating())
        FChangedWhileUpdating = true;
    else
        OnChange(this);
}

void TStringList::UpdateEnded() {
    if (!FChangedWhileUpdating)
        return;
    FChangedWhileUpdating = false;
    OnChange(this);
}
