// The 78-byte header at the start of every database file, numbers big-endian.
#pragma once

// std
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace pdb {

struct DatabaseHeader
{
    static constexpr std::size_t kSize = 78;
    // The dates are fixed values, never the current time.
    static constexpr std::uint32_t kCreationDate = 0x3548E7FE;
    static constexpr std::uint32_t kModificationDate = 0x3548E803;
    static constexpr std::uint16_t kAttributes = 8;
    static constexpr std::uint32_t kModificationNumber = 86;
    static constexpr std::string_view kQuirraType = "Qzrv";
    // The name field holds 31 bytes of text and the NUL.
    static constexpr std::size_t kMaxNameLength = 31;

    std::array<char, 32> name{};
    std::uint16_t attributes = 0;
    std::uint16_t version = 0;
    std::uint32_t creationDate = 0;
    std::uint32_t modificationDate = 0;
    std::uint32_t backupDate = 0;
    std::uint32_t modificationNumber = 0;
    std::uint32_t appInfoOffset = 0;
    std::uint32_t sortInfoOffset = 0;
    std::array<char, 4> type{};
    std::array<char, 4> creator{};
    std::uint32_t uniqueIdSeed = 0;
    std::uint32_t nextRecordListId = 0;
    std::uint16_t recordCount = 0;

    // The values of a file that this program writes: the name (at most 31 bytes, the rest
    // of the field zero), the fixed attributes, dates and modification number, type and
    // creator "Qzrv". The application-info offset and the record count are the writer's.
    void setDefaults(std::string_view databaseName);

    [[nodiscard]] std::string databaseName() const;
    [[nodiscard]] bool hasQuirraCreator() const;

    // Appends the 78 bytes.
    void encode(std::string &out) const;
    // Reads the fields in order from `bytes`; fields beyond its end stay zero.
    [[nodiscard]] static DatabaseHeader decode(std::string_view bytes);

    bool operator==(const DatabaseHeader &) const = default;
};

} // namespace pdb
