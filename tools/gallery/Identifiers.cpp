#include "tools/gallery/Identifiers.h"

#include "framework/core/SysUtils.h"
#include "framework/windows/Control.h"

namespace {

const TIdentifiers& Cursors() {
    static const TIdentifiers cursors{
        {"crDefault", crDefault},     {"crCross", crCross},         {"crIBeam", crIBeam},
        {"crSizeNESW", crSizeNESW},   {"crSizeNS", crSizeNS},       {"crSizeNWSE", crSizeNWSE},
        {"crSizeWE", crSizeWE},       {"crHourGlass", crHourGlass}, {"crDrag", crDrag},
        {"crNoDrop", crNoDrop},       {"crHSplit", crHSplit},       {"crVSplit", crVSplit},
        {"crMultiDrag", crMultiDrag}, {"crSQLWait", crSQLWait},     {"crNo", crNo},
        {"crAppStart", crAppStart},   {"crHandPoint", crHandPoint}, {"crSizeAll", crSizeAll},
    };
    return cursors;
}

} // namespace

const TIdentifiers* IdentifiersOf(std::string_view propertyName) {
    if (propertyName == "Cursor" || propertyName == "DragCursor")
        return &Cursors();
    return nullptr;
}

std::optional<int> IdentToInt(const TIdentifiers& table, std::string_view name) {
    const std::string trimmed = Trim(name);
    for (const auto& [ident, value] : table)
        if (LowerCase(ident) == LowerCase(trimmed))
            return value;
    return TryStrToInt(trimmed);
}

std::string IntToIdent(const TIdentifiers& table, int value) {
    for (const auto& [ident, named] : table)
        if (named == value)
            return ident;
    return IntToStr(value);
}
