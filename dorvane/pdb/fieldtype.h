// The field types of a database's 30 field slots, by their stored code.
#pragma once

// std
#include <cstdint>
#include <string_view>

namespace pdb {

enum class FieldType : std::uint16_t {
    Unused = 0,
    Text = 1,    // up to 254 characters
    Integer = 2, // signed 32-bit number
    Decimal = 3, // a number kept as text, up to 9 characters
    Popup = 4,   // index into the field's popup list
    CheckBox = 5,
    Unique = 6,      // unique number
    Placeholder = 7, // one byte, always 0
    Date = 8,
    Time = 9,
    UniqueNumber = 10,   // 4-byte number counted among the unique numbers
    UniqueWithTail = 11, // 4-byte number with a 20-byte tail, counted among them too
    Note = 12,           // long text, up to 1999 characters
    NoValue = 13,        // a field with no stored value
    Text2 = 14,          // text, as type 1
    Derived = 15,        // derived value kept as text, shown by its result kind
};

[[nodiscard]] constexpr FieldType fieldTypeFromCode(std::uint16_t code)
{
    return static_cast<FieldType>(code);
}

[[nodiscard]] constexpr bool isUniqueNumberType(FieldType type)
{
    return type == FieldType::Unique || type == FieldType::UniqueNumber
           || type == FieldType::UniqueWithTail;
}

// A short English name of the type for listings ("text", "popup", ...); "unknown" for a code
// outside 0 to 15.
[[nodiscard]] std::string_view fieldTypeName(std::uint16_t code);

} // namespace pdb
