// Building a database in C++: a descriptor with chosen fields, popup lists and records,
// written as a complete file. Used for template databases made at build time, and by tests.
#pragma once

#include "databaseheader.h"
#include "fieldtype.h"
#include "masterrecord.h"
#include "popuplist.h"
#include "textformats.h"

#include "common/core/status.h"

// std
#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace pdb {

class DatabaseBuilder
{
public:
    // A fresh descriptor and the header values of a file this program writes.
    explicit DatabaseBuilder(std::string_view databaseName = "Default");

    [[nodiscard]] DatabaseHeader &header() { return mHeader; }
    [[nodiscard]] MasterRecord &descriptor() { return mDescriptor; }

    // Defines the field in a slot (0 to 29); its other bytes keep their fresh values.
    FieldDefinition &setField(int slot, FieldType type, std::string_view name, bool shown = true);
    // Entry p is the slot shown at position p; must be a permutation of 0 to 29.
    void setDisplayOrder(const std::array<std::uint8_t, kFieldCount> &order);
    void setPopupItems(int slot, std::vector<std::string> items);
    // Any bytes as the popup record of a slot (records 1 to 30), kept exactly.
    void setPopupRecord(int slot, std::string bytes);
    [[nodiscard]] const PopupList &popupItems(int slot) const;

    // A data record as stored bytes.
    void addRecord(std::string bytes);
    // A data record from column texts, column n going to the field whose display column is
    // n, as a CSV line would; texts are Windows-1252.
    void addRecordFromTexts(const std::vector<std::string> &columns, TextFormats formats = {});

    [[nodiscard]] std::string bytes() const;
    // Writes the file through a temporary file and a rename.
    [[nodiscard]] common::Status write(const std::filesystem::path &path) const;

private:
    DatabaseHeader mHeader;
    MasterRecord mDescriptor;
    std::array<PopupList, kFieldCount> mPopups;
    std::array<std::string, kFieldCount> mPopupRecords;
    std::vector<std::string> mRecords;
};

} // namespace pdb
