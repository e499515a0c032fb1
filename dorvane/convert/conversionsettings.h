// The one set of conversion settings the converter's window fills before each conversion.
#pragma once

#include "dorvane/pdb/textformats.h"

// std
#include <optional>
#include <string>
#include <string_view>

namespace convert {

// How the text of a CSV file is encoded. Databases always hold Windows-1252 text.
enum class CsvEncoding {
    Windows1252, // bytes pass unchanged
    Utf8,        // converted at the CSV boundary; what Windows-1252 cannot hold becomes "?"
};

[[nodiscard]] std::string_view csvEncodingName(CsvEncoding encoding); // "Windows-1252", "UTF-8"
// Either name, letter case ignored; nothing for another name.
[[nodiscard]] std::optional<CsvEncoding> csvEncodingFromName(std::string_view name);

struct ConversionSettings
{
    char separator = ','; // one Windows-1252 character
    int dateFormat = 0;   // 0 to 6
    int timeFormat = 0;   // 0 to 4
    // Database to CSV: enclose every value in double quotes.
    bool useQuotes = false;
    // Database to CSV: write a first line of field names. CSV to database: the first line
    // holds field names.
    bool fieldNames = true;
    // CSV to database: the name in the header (UTF-8; stored as Windows-1252, at most 31
    // bytes).
    std::string databaseName = "Default";
    CsvEncoding csvEncoding = CsvEncoding::Windows1252;

    [[nodiscard]] pdb::TextFormats textFormats() const { return {dateFormat, timeFormat}; }
};

// What a conversion reports back. Failures and refusals were shown through the EngineUi
// when they happened.
struct ConversionResult
{
    bool ok = false;
    std::size_t records = 0; // data records converted
    // UTF-8 CSV text only: characters that Windows-1252 cannot hold (or malformed UTF-8),
    // each stored as "?".
    std::size_t replacedCharacters = 0;
    // CSV to database: lines with text after their 30th field, which has nowhere to go and
    // is left out.
    std::size_t linesCut = 0;

    explicit operator bool() const { return ok; }
};

} // namespace convert
