// The field entries of a data record (records 31 onward): a tag (21 bytes when its first byte
// is nonzero, else 1 byte), then one entry per field in slot order, each a little-endian
// 2-byte length and that many bytes; the length 0xFFFF marks the end. A field after the end
// mark, or one that the record is too short to hold, is absent. Absent and empty fields
// both read as the empty value.
#pragma once

#include "masterrecord.h"

// std
#include <array>
#include <optional>
#include <string_view>

namespace pdb {

inline constexpr std::uint16_t kEndMark = 0xFFFF;
inline constexpr std::size_t kTagSize = 21;
inline constexpr std::string_view kTagText = "FromCSV";

class DataRecord
{
public:
    explicit DataRecord(std::string_view bytes);

    // The value bytes of the field's entry; nothing when the field is absent. An entry whose
    // length runs past the record's end holds the bytes that are there.
    [[nodiscard]] std::optional<std::string_view> entry(int field) const
    {
        return mEntries[static_cast<std::size_t>(field)];
    }

private:
    std::array<std::optional<std::string_view>, kFieldCount> mEntries;
};

} // namespace pdb
