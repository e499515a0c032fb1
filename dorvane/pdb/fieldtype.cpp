#include "fieldtype.h"

// std
#include <array>

namespace pdb {

std::string_view fieldTypeName(std::uint16_t code)
{
    static constexpr std::array<std::string_view, 16> kNames = {
        "unused", "text",        "integer", "decimal", "popup",         "check box",
        "unique", "placeholder", "date",    "time",    "unique number", "unique number with tail",
        "note",   "no value",    "text",    "derived"};
    if (code < kNames.size())
        return kNames[code];
    return "unknown";
}

} // namespace pdb
