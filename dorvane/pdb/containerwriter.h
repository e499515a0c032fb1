// Laying out a database file: the header, the record list (one 8-byte entry per record:
// the record's offset, then four zero bytes), two zero bytes, the 40-byte application-info
// block, then the records back to back from record 0 on.
#pragma once

#include "databaseheader.h"

// std
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace pdb {

inline constexpr std::size_t kAppInfoSize = 40;

// The application-info offset of a file with `recordCount` records.
[[nodiscard]] constexpr std::uint32_t appInfoOffset(std::size_t recordCount)
{
    return static_cast<std::uint32_t>(DatabaseHeader::kSize + 8 * recordCount + 2);
}

// Everything before record 0, for records of the given lengths (record 0 first). The
// header's record count and application-info offset are set from them; its other values
// are taken as they are.
[[nodiscard]] std::string containerPrefix(DatabaseHeader header,
                                          std::span<const std::uint32_t> recordLengths);

} // namespace pdb
