// Converting a CSV file to a database. The columns become new text fields (named from the
// first line, or "Field 1" to "Field 30"), or take their field definitions, popup lists and
// header values from an existing database; popup lists grow by the CSV's values.
#pragma once

#include "conversionsettings.h"
#include "engineui.h"
#include "output.h"

#include "dorvane/pdb/database.h"

// std
#include <filesystem>
#include <string>
#include <string_view>

namespace convert {

// `fieldInformation` names the existing database whose fields are used; an empty path
// derives the fields from the CSV. Uses the separator, field-names flag, date and time
// formats, database name and CSV text encoding of `settings`. An existing output file is
// replaced only when the conversion succeeds.
ConversionResult csvToDatabase(const std::filesystem::path &csv,
                               const std::filesystem::path &output,
                               const std::filesystem::path &fieldInformation,
                               const ConversionSettings &settings, EngineUi &ui);

// The same for a CSV file already read (smaller than CsvTable::kMaxSize). `fieldInformation`
// is the existing database, or null to derive the fields; `outputName` names the output in
// messages.
ConversionResult csvToDatabase(std::string csvBytes, pdb::Database *fieldInformation,
                               Output &output, std::string_view outputName,
                               const ConversionSettings &settings, EngineUi &ui);

} // namespace convert
