// Converting a database to a CSV file: one line per data record, one column per used field
// in display order, optionally after a line of field names. The access word and the
// database password are checked before anything is written.
#pragma once

#include "conversionsettings.h"
#include "engineui.h"
#include "output.h"

#include "dorvane/pdb/database.h"

// std
#include <filesystem>
#include <string_view>

namespace convert {

// Uses the separator, quotes flag, field-names flag, date and time formats and CSV text
// encoding of `settings`. An existing CSV file is replaced only when the conversion
// succeeds.
ConversionResult databaseToCsv(const std::filesystem::path &database,
                               const std::filesystem::path &csv, const ConversionSettings &settings,
                               EngineUi &ui);

// The same for a database already read; `outputName` names the output in messages.
ConversionResult databaseToCsv(pdb::Database &database, Output &output, std::string_view outputName,
                               const ConversionSettings &settings, EngineUi &ui);

} // namespace convert
