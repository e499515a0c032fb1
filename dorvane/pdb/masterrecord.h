// Record 0 of every database: the descriptor. 30 field definitions, the display order, the
// access word and the database password, plus bytes whose meaning belongs to the handheld;
// every one of the 2152 bytes is carried from reading to writing. Numbers big-endian.
#pragma once

#include "fieldtype.h"

// std
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace pdb {

inline constexpr int kFieldCount = 30;

struct SettingsBlock
{
    std::uint16_t number0 = 0;
    std::uint16_t number2 = 0;
    std::array<char, 40> text4{};
    std::array<char, 40> text44{};
    std::int32_t number84 = 0;
    std::int32_t number88 = 65000;

    bool operator==(const SettingsBlock &) const = default;
};

// 56 bytes; member names carry the byte offset where the byte has no meaning to us.
struct FieldDefinition
{
    static constexpr std::size_t kSize = 56;
    static constexpr std::size_t kMaxNameLength = 19;

    std::uint16_t type = 0;
    std::uint16_t maxLength = 40;
    std::uint8_t longText = 0; // 1 for a note made from CSV
    std::uint8_t byte5 = 0;
    std::uint16_t columnWidth = 58;
    std::uint8_t byte8 = 1;
    std::uint8_t shown = 1; // nonzero: the viewer shows the field's column
    std::uint8_t derivedValue = 0;
    std::uint8_t byte11 = 0;
    std::uint8_t byte12 = 0;
    std::uint8_t byte13 = 0;
    std::array<std::uint8_t, 20> parameters{}; // last byte: result kind of a derived field
    std::uint8_t byte34 = 0;
    std::uint8_t byte35 = 255;
    std::array<char, 20> name{};

    [[nodiscard]] FieldType fieldType() const { return fieldTypeFromCode(type); }
    [[nodiscard]] bool used() const { return type != 0; }
    [[nodiscard]] std::uint8_t resultKind() const { return parameters[19]; }
    [[nodiscard]] std::string nameText() const;
    // At most 19 bytes; the rest of the field becomes zero.
    void setName(std::string_view text);

    bool operator==(const FieldDefinition &) const = default;
};

// What the access word allows for reading the data on the desktop (converting to CSV,
// viewing, printing).
enum class ReadAccess { Allowed, NeedsPassword, NotAllowed };

struct MasterRecord
{
    static constexpr std::size_t kSize = 2152;
    // A descriptor older than version 2 ends before the access word.
    static constexpr std::size_t kOldSize = 2038;
    static constexpr std::uint8_t kCurrentVersion = 2;

    MasterRecord(); // a fresh descriptor

    std::uint32_t nextUniqueNumber = 1;
    SettingsBlock settings4;
    SettingsBlock settings96;
    std::array<std::uint8_t, 6> bytePairs188{255, 1, 255, 1, 255, 1};
    std::uint8_t byte194 = 255;
    std::uint8_t byte195 = 1;
    std::uint16_t number196 = 31;
    std::uint16_t number198 = 0;
    std::uint8_t byte200 = 1;
    std::uint8_t byte201 = 1;
    std::array<char, 20> password{};
    std::array<FieldDefinition, kFieldCount> fields;
    std::uint8_t byte1902 = 255;
    std::uint8_t byte1903 = 0;
    std::array<char, 35> text1904{};
    std::uint8_t byte1939 = 0;
    std::uint16_t recordTagFlag = 0; // nonzero: every data record begins with a tag
    std::uint16_t number1942 = 0;
    std::uint16_t number1944 = 0;
    std::uint8_t version = kCurrentVersion;
    std::uint8_t readMark = 0; // set to 1 whenever a descriptor is read
    std::array<std::uint8_t, kFieldCount> displayOrder{};
    std::array<std::uint8_t, kFieldCount> bytes1978{};
    std::array<std::uint8_t, kFieldCount> bytes2008{};
    // Version 2 and later:
    std::uint16_t accessWord = 0;
    std::array<char, 40> text2040{};
    std::array<char, 70> text2080{};
    std::uint16_t derivedValueFlag = 0;

    bool operator==(const MasterRecord &) const = default;

    // Appends the 2152 bytes (always the version 2 layout).
    void encode(std::string &out) const;
    // Reads a descriptor from the bytes at the start of `bytes` over the fresh values,
    // then applies the checks and the upgrade of older versions. Bytes missing at the end
    // keep their fresh values.
    [[nodiscard]] static MasterRecord read(std::string_view bytes);
    // The checks and the upgrade that follow every read.
    void checkAndUpgrade();

    [[nodiscard]] std::string passwordText() const;
    void setPassword(std::string_view text);
    [[nodiscard]] bool hasPassword() const { return password[0] != '\0'; }

    // The field's column in a CSV file: how many used fields stand before it in the display
    // order; -1 when the field is not in the display order.
    [[nodiscard]] int displayColumn(int field) const;
    // The display position p whose entry is the field; -1 when there is none.
    [[nodiscard]] int displayPosition(int field) const;
    // True when the slot or a later one holds a used field.
    [[nodiscard]] bool anyUsedFieldFrom(int slot) const;
    [[nodiscard]] int usedFieldCount() const;

    // Access word: eight 2-bit slots, slot k in bits 2k and 2k+1.
    [[nodiscard]] int accessSlot(int slot) const;
    void setAccessSlot(int slot, int value);
    [[nodiscard]] ReadAccess readAccess() const;
};

} // namespace pdb
