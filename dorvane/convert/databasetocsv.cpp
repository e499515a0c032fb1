#include "databasetocsv.h"

#include "accesscheck.h"
#include "csvwriter.h"
#include "messages.h"
#include "outputfile.h"

#include "dorvane/pdb/datarecord.h"
#include "dorvane/pdb/fieldformatter.h"
#include "dorvane/pdb/filebytes.h"

namespace convert {

namespace {

void showError(EngineUi &ui, std::string_view text)
{
    std::string shown(text);
    shown += '\n';
    ui.showMessage(messages::kErrorCaption, shown);
}

// Writes a piece of the file once this much has gathered.
constexpr std::size_t kFlushSize = 256 * 1024;

} // namespace

ConversionResult databaseToCsv(const std::filesystem::path &database,
                               const std::filesystem::path &csv, const ConversionSettings &settings,
                               EngineUi &ui)
{
    if (!pdb::pathExists(database)) {
        showError(ui, messages::cannotOpenForReading(database.string()));
        return {};
    }
    pdb::Database db = pdb::Database::open(database);
    OutputFile output(csv);
    return databaseToCsv(db, output, csv.string(), settings, ui);
}

ConversionResult databaseToCsv(pdb::Database &database, Output &output, std::string_view outputName,
                               const ConversionSettings &settings, EngineUi &ui)
{
    ConversionResult result;
    if (database.headerCheck() != pdb::Database::HeaderCheck::Quirra) {
        showError(ui, messages::kReadingHeader);
        return result;
    }
    if (!database.readDescriptor()) {
        showError(ui, messages::kReadingMasterRecord);
        return result;
    }
    switch (checkReadAccess(database.descriptor(), ui)) {
    case AccessOutcome::Allowed:
        break;
    case AccessOutcome::PasswordNotEntered:
        ui.showStatus(messages::kCancelledPasswordNotEntered);
        return result;
    case AccessOutcome::Refused:
        ui.showStatus(messages::kCancelled);
        return result;
    }
    if (!output.open()) {
        showError(ui, messages::openingForWriting(outputName));
        return result;
    }

    const pdb::MasterRecord &descriptor = database.descriptor();
    // the used fields in display order
    std::vector<int> columns;
    for (const std::uint8_t slot : descriptor.displayOrder) {
        if (descriptor.fields[slot].used())
            columns.push_back(slot);
    }

    std::string buffer;
    CsvWriter writer(buffer, settings.separator, settings.useQuotes, settings.csvEncoding);
    if (settings.fieldNames) {
        for (const int slot : columns)
            writer.value(descriptor.fields[static_cast<std::size_t>(slot)].nameText());
        writer.endLine();
    }

    const pdb::FieldFormatter formatter(descriptor, database.popupLists(), settings.textFormats());
    bool ok = true;
    std::string status;
    std::string text;
    for (std::size_t r = pdb::kFirstDataRecord; r < database.recordCount(); ++r) {
        status = messages::readingRecordStatus(r - pdb::kFirstDataRecord + 1);
        ui.showStatus(status);
        const auto bytes = database.record(r);
        if (!bytes) {
            showError(ui, messages::readingRecordError(r));
            ok = false;
            continue;
        }
        status += messages::kRecordReadOk;
        ui.showStatus(status);
        ui.processEvents();
        status = messages::writingRecordStatus(r);
        ui.showStatus(status);
        const pdb::DataRecord record(*bytes);
        for (const int slot : columns) {
            writer.value(formatter.textView(record, slot, text));
            status += messages::kValueWritten;
            ui.showStatus(status);
            ui.processEvents();
        }
        writer.endLine();
        ++result.records;
        if (buffer.size() >= kFlushSize) {
            output.write(buffer);
            buffer.clear();
        }
    }
    output.write(buffer);

    if (!ok) {
        // a failed conversion leaves no partly written file behind
        output.discard();
        result.records = 0;
        return result;
    }
    if (!output.commit().ok()) {
        showError(ui, messages::writingFailed(outputName));
        result.records = 0;
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace convert
