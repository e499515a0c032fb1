// Every text the conversion engine shows: message boxes and status texts, exactly as the
// person at the screen reads them.
#pragma once

// std
#include <cstddef>
#include <string>
#include <string_view>

namespace convert::messages {

inline constexpr std::string_view kErrorCaption = "ERROR!";
inline constexpr std::string_view kAccessDeniedCaption = "ACCESS DENIED";

// Access check
inline constexpr std::string_view kActionNotAllowed = "Action Not Allowed for this Database!";
inline constexpr std::string_view kPasswordIncorrect = "Password Incorrect!";

// Database to CSV
[[nodiscard]] std::string cannotOpenForReading(std::string_view path);
inline constexpr std::string_view kReadingHeader =
    "ERROR: Reading header!\nMake sure you are converting a Quirra data file!\n";
inline constexpr std::string_view kReadingMasterRecord = "ERROR: Reading MasterRecord\n";
inline constexpr std::string_view kCancelledPasswordNotEntered =
    "Conversion Cancelled: Password not Entered";
inline constexpr std::string_view kCancelled = "Conversion Cancelled.";
[[nodiscard]] std::string openingForWriting(std::string_view path);
[[nodiscard]] std::string writingFailed(std::string_view path);
[[nodiscard]] std::string readingRecordStatus(std::size_t dataRecordNumber);
inline constexpr std::string_view kRecordReadOk = "OK!";
[[nodiscard]] std::string readingRecordError(std::size_t recordIndex);
[[nodiscard]] std::string writingRecordStatus(std::size_t recordIndex);
inline constexpr char kValueWritten = '.';

// CSV to database
[[nodiscard]] std::string openingFileForReading(std::string_view path);
inline constexpr std::string_view kGettingFieldsInformation = "Getting Fields Information...";
inline constexpr std::string_view kSettingUpMasterRecord = "ERROR:Setting up MasterRecord!";
inline constexpr std::string_view kTooManyRecords =
    "ERROR:Too many records for one database (at most 65504)!";
[[nodiscard]] std::string couldntOpenForWriting(std::string_view path);
[[nodiscard]] std::string couldntWrite(std::string_view path);
inline constexpr std::string_view kWritingRecordsHeader = "Writing Records Header...";
inline constexpr std::string_view kWritingPopups = "Writing Popups for fields...";
[[nodiscard]] std::string readingCsvLine(std::size_t line);
[[nodiscard]] std::string writingPdbRecord(std::size_t line);
// Said with the outcome of a successful conversion whose CSV lines had text after their
// 30th field (lines > 0).
[[nodiscard]] std::string linesCut(std::size_t lines);

} // namespace convert::messages
