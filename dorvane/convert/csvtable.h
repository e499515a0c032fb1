// A CSV file read into memory at once and split into records and fields, in the dialect the
// converter reads:
// - a record ends at a carriage return, a line feed or a NUL byte outside quotes; one
//   carriage return or line feed right after it belongs to the same line end (CR LF, LF CR,
//   CR CR and LF LF each end one record); the end of the file ends the last record, and a
//   file ending with a line end has no empty record after it;
// - a field beginning with a double quote is quoted: separators, line ends and NUL bytes
//   inside it are data (each line-end byte or NUL kept as a carriage return), two double
//   quotes stand for one, and it ends at a double quote followed by the separator (which is
//   consumed) or by anything else, which then starts the next field or ends the record;
// - in an unquoted field two double quotes also stand for one, a double quote followed by
//   the separator ends the field, and a lone double quote switches to quoted reading and is
//   dropped;
// - two separators in a row give an empty field; fields missing at the end of a record read
//   as empty; a record holding only a line end is a record of 30 empty fields; only the
//   first 30 fields of a record are kept, and the records that lose text that way are
//   counted.
#pragma once

// std
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace convert {

class CsvTable
{
public:
    static constexpr std::size_t kMaxFields = 30;
    // The table keeps 32-bit offsets into its text.
    static constexpr std::size_t kMaxSize = UINT32_MAX - 1;

    // Takes the file's bytes over and decodes the fields in place; `bytes` must not be
    // larger than kMaxSize.
    [[nodiscard]] static CsvTable parse(std::string bytes, char separator);

    [[nodiscard]] std::size_t recordCount() const { return mRecordFirst.size() - 1; }
    // The number of fields the record has (at most 30; 30 for a record holding only a line
    // end).
    [[nodiscard]] std::size_t fieldCount(std::size_t record) const;
    // The field's text; empty for a field the record does not have.
    [[nodiscard]] std::string_view field(std::size_t record, std::size_t column) const;
    // The record's 30 fields.
    void fields(std::size_t record, std::array<std::string_view, kMaxFields> &out) const;
    // True when a field of the record holds a line break (a carriage return: the reader
    // keeps every line-end byte inside quotes as one).
    [[nodiscard]] bool hasLineBreaks(std::size_t record) const { return mLineBreaks[record]; }
    // The records with text in a field after the 30th, which is not kept (empty fields
    // there lose nothing and do not count).
    [[nodiscard]] std::size_t recordsCut() const { return mRecordsCut; }

private:
    std::string mText;
    // Start offset of every kept field; a field ends where the next one starts, so a last
    // entry closes the final field.
    std::vector<std::uint32_t> mFieldStarts;
    // Index into mFieldStarts of each record's first field, and one past the last record.
    std::vector<std::uint32_t> mRecordFirst;
    std::vector<bool> mLineBreaks;
    std::size_t mRecordsCut = 0;
};

} // namespace convert
