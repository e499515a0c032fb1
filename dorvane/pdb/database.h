// A database file read into memory: its header, its records, and once the descriptor is
// read, the field definitions, the popup lists and the text of every value. This is what
// the conversion to CSV, the viewer, the printout and the dump read a database with.
#pragma once

#include "databaseheader.h"
#include "datarecord.h"
#include "fieldformatter.h"
#include "masterrecord.h"
#include "popuplist.h"
#include "textformats.h"

// std
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pdb {

// Records 1 to 30 are the popup lists; data records follow.
inline constexpr std::size_t kFirstDataRecord = 31;
// The record count is a 16-bit number: 31 leading records leave room for 65504 rows.
inline constexpr std::size_t kMaxDataRecords = 65535 - kFirstDataRecord;

// One column of the viewer: the field at a display position.
struct DisplayField
{
    int position = 0;
    int slot = 0;
    std::uint16_t type = 0;
    std::string name; // Windows-1252
    std::uint16_t maxLength = 0;
    bool shown = false;
    std::uint16_t columnWidth = 0;

    // A defined field (type 1 to 15) whose shown flag is set.
    [[nodiscard]] bool visible() const { return type >= 1 && type <= 15 && shown; }
};

class Database
{
public:
    enum class HeaderCheck {
        Quirra,       // the header was read and the creator is "Qzrv"
        OtherCreator, // read, but another creator (or the file is shorter than a header)
        CannotOpen,
    };

    // Reads the whole file; a file that cannot be read gives CannotOpen.
    [[nodiscard]] static Database open(const std::filesystem::path &path);
    [[nodiscard]] static Database fromBytes(std::string bytes);

    [[nodiscard]] HeaderCheck headerCheck() const { return mHeaderCheck; }
    [[nodiscard]] const DatabaseHeader &header() const { return mHeader; }
    [[nodiscard]] const std::string &bytes() const { return mBytes; }

    // Reads record 0 as the descriptor (with its checks and the upgrade of older versions)
    // and the popup lists of the 30 fields. False when the header's record count is 0 or
    // record 0 lies outside the file.
    bool readDescriptor();
    [[nodiscard]] bool hasDescriptor() const { return mHasDescriptor; }
    [[nodiscard]] const MasterRecord &descriptor() const { return mDescriptor; }
    [[nodiscard]] const PopupLists &popupLists() const { return mPopups; }

    // The header's record count, and how many of them are data records (none when the count
    // is below 31).
    [[nodiscard]] std::size_t recordCount() const { return mHeader.recordCount; }
    [[nodiscard]] std::size_t dataRecordCount() const;

    // The bytes of record `index`. Nothing when the index is not below the record count, or
    // the record is unreadable: its entry lies outside the file, its first byte at or beyond
    // the end of the file, its last byte beyond it, or the next entry's offset lies before
    // it. A record of length 0 is empty, not unreadable. The last record runs to the end of
    // the file.
    [[nodiscard]] std::optional<std::string_view> record(std::size_t index) const;

    // The text of one field of a record, by slot.
    [[nodiscard]] std::string fieldText(std::string_view recordBytes, int field,
                                        TextFormats formats) const;
    // The 30 columns of the viewer in display order, and the texts of a record in the same
    // order (empty for an unused field); nothing when the record is unreadable.
    [[nodiscard]] std::vector<DisplayField> displayFields() const;
    [[nodiscard]] std::optional<std::vector<std::string>> recordTexts(std::size_t index,
                                                                      TextFormats formats) const;

private:
    Database() = default;
    void readHeader();

    std::string mBytes;
    bool mOpened = false;
    HeaderCheck mHeaderCheck = HeaderCheck::CannotOpen;
    DatabaseHeader mHeader;
    bool mHasDescriptor = false;
    MasterRecord mDescriptor;
    PopupLists mPopups;
};

} // namespace pdb
