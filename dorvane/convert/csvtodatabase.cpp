#include "csvtodatabase.h"

#include "csvtable.h"
#include "messages.h"
#include "outputfile.h"

#include "dorvane/pdb/containerwriter.h"
#include "dorvane/pdb/fixedtext.h"
#include "dorvane/pdb/filebytes.h"
#include "dorvane/pdb/recordencoder.h"

#include "common/core/cp1252.h"

// std
#include <algorithm>
#include <array>
#include <limits>
#include <span>

namespace convert {

namespace {

// A column whose longest text has this many characters becomes a note.
constexpr std::size_t kNoteThreshold = 245;
// Room added to the longest text for a field's maximum length.
constexpr std::size_t kLengthMargin = 10;
// Popup lists grow by the CSV's values while they have fewer items than this.
constexpr std::size_t kPopupGrowLimit = 29;
constexpr std::size_t kPopupMaxItems = 30;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
// Records go to the file in pieces of about this size.
constexpr std::size_t kFlushSize = 256 * 1024;

void showError(EngineUi &ui, std::string_view text)
{
    std::string shown(text);
    shown += '\n';
    ui.showMessage(messages::kErrorCaption, shown);
}

std::string cp1252Name(std::string_view utf8Name)
{
    std::string name = common::utf8ToCp1252(utf8Name).bytes;
    if (name.size() > pdb::DatabaseHeader::kMaxNameLength)
        name.resize(pdb::DatabaseHeader::kMaxNameLength);
    return name;
}

pdb::RecordEncoder::LineBreaks lineBreaksOf(const CsvTable &table, std::size_t record)
{
    return table.hasLineBreaks(record) ? pdb::RecordEncoder::LineBreaks::Possible
                                       : pdb::RecordEncoder::LineBreaks::None;
}

class Conversion
{
public:
    Conversion(const CsvTable &table, const ConversionSettings &settings)
        : mTable(table)
        , mSettings(settings)
        , mFirstData(settings.fieldNames && table.recordCount() > 0 ? 1 : 0)
    {}

    [[nodiscard]] std::size_t dataRecords() const { return mTable.recordCount() - mFirstData; }

    // New text fields, one per column of the first record.
    void deriveFields(pdb::MasterRecord &descriptor) const
    {
        if (mTable.recordCount() == 0)
            return;
        const std::size_t columns = mTable.fieldCount(0);
        const auto longest = longestColumnTexts();
        for (std::size_t p = 0; p < columns; ++p) {
            pdb::FieldDefinition &field = descriptor.fields[descriptor.displayOrder[p]];
            field.type = static_cast<std::uint16_t>(pdb::FieldType::Text);
            if (mSettings.fieldNames)
                field.setName(mTable.field(0, p));
            if (!longest[p])
                continue; // no data records: text of length 40
            if (*longest[p] >= kNoteThreshold) {
                field.type = static_cast<std::uint16_t>(pdb::FieldType::Note);
                field.longText = 1;
            }
            field.maxLength = static_cast<std::uint16_t>(std::min<std::size_t>(
                *longest[p] + kLengthMargin, std::numeric_limits<std::uint16_t>::max()));
        }
    }

    // The largest number in the columns of the unique-number fields; 0 when there is none.
    [[nodiscard]] std::int32_t largestUnique(const pdb::MasterRecord &descriptor) const
    {
        std::vector<int> columns;
        for (int i = 0; i < pdb::kFieldCount; ++i) {
            const pdb::FieldDefinition &f = descriptor.fields[static_cast<std::size_t>(i)];
            if (pdb::isUniqueNumberType(f.fieldType()))
                columns.push_back(descriptor.displayColumn(i));
        }
        std::int32_t largest = 0;
        if (columns.empty())
            return largest;
        for (std::size_t r = mFirstData; r < mTable.recordCount(); ++r) {
            for (const int c : columns) {
                if (c >= 0)
                    largest = std::max(largest, pdb::numberOfText(mTable.field(r, c)));
            }
        }
        return largest;
    }

    // The items of the existing list (up to its first empty item, at most 30), then the
    // column's values that are not in it yet, while it has fewer than 29 items.
    [[nodiscard]] pdb::PopupList buildPopupList(std::string_view existing, int column) const
    {
        pdb::PopupList list = pdb::PopupList::fromRecord(existing, kPopupMaxItems);
        if (column < 0)
            return list;
        const auto c = static_cast<std::size_t>(column);
        for (std::size_t r = mFirstData; r < mTable.recordCount(); ++r) {
            if (list.size() >= kPopupGrowLimit || mTable.fieldCount(r) < c)
                break;
            const std::string_view value = mTable.field(r, c);
            if (value.empty() || value.find(pdb::PopupList::kNoValueText) != std::string_view::npos
                || list.contains(value))
                continue;
            list.append(value.substr(0, pdb::PopupList::kMaxItemLength));
        }
        return list;
    }

private:
    // The greatest length of each column over the data records; nothing when there are no
    // data records.
    [[nodiscard]] std::array<std::optional<std::size_t>, CsvTable::kMaxFields>
    longestColumnTexts() const
    {
        std::array<std::optional<std::size_t>, CsvTable::kMaxFields> longest{};
        if (dataRecords() == 0)
            return longest;
        std::array<std::size_t, CsvTable::kMaxFields> lengths{};
        std::array<std::string_view, CsvTable::kMaxFields> fields;
        for (std::size_t r = mFirstData; r < mTable.recordCount(); ++r) {
            mTable.fields(r, fields);
            for (std::size_t c = 0; c < fields.size(); ++c)
                lengths[c] = std::max(lengths[c], fields[c].size());
        }
        for (std::size_t c = 0; c < lengths.size(); ++c)
            longest[c] = lengths[c];
        return longest;
    }

    const CsvTable &mTable;
    const ConversionSettings &mSettings;
    std::size_t mFirstData;
};

} // namespace

ConversionResult csvToDatabase(const std::filesystem::path &csv,
                               const std::filesystem::path &output,
                               const std::filesystem::path &fieldInformation,
                               const ConversionSettings &settings, EngineUi &ui)
{
    auto bytes = pdb::readFileBytes(csv);
    if (!bytes || bytes->size() > CsvTable::kMaxSize) {
        showError(ui, messages::openingFileForReading(csv.string()));
        return {};
    }
    std::optional<pdb::Database> info;
    if (!fieldInformation.empty())
        info = pdb::Database::open(fieldInformation);
    OutputFile file(output);
    return csvToDatabase(std::move(*bytes), info ? &*info : nullptr, file, output.string(),
                         settings, ui);
}

ConversionResult csvToDatabase(std::string csvBytes, pdb::Database *fieldInformation,
                               Output &output, std::string_view outputName,
                               const ConversionSettings &settings, EngineUi &ui)
{
    ConversionResult result;
    if (settings.csvEncoding == CsvEncoding::Utf8) {
        std::string_view text(csvBytes);
        if (text.starts_with(kUtf8Bom))
            text.remove_prefix(kUtf8Bom.size());
        common::Cp1252Encoding encoded = common::utf8ToCp1252(text);
        result.replacedCharacters = encoded.replaced;
        csvBytes = std::move(encoded.bytes);
    }
    CsvTable table = CsvTable::parse(std::move(csvBytes), settings.separator);
    const Conversion conversion(table, settings);

    pdb::MasterRecord descriptor;
    pdb::DatabaseHeader header;
    const std::string name = cp1252Name(settings.databaseName);
    header.setDefaults(name);

    ui.showStatus(messages::kGettingFieldsInformation);
    const bool useExisting = fieldInformation != nullptr;
    if (useExisting) {
        // Another creator is accepted here; only a file that cannot be read is refused.
        if (fieldInformation->headerCheck() == pdb::Database::HeaderCheck::CannotOpen
            || !fieldInformation->readDescriptor()) {
            showError(ui, messages::kSettingUpMasterRecord);
            return {};
        }
        descriptor = fieldInformation->descriptor();
        header = fieldInformation->header();
        pdb::overwriteFixedText(header.name, name);
    } else {
        conversion.deriveFields(descriptor);
    }

    const std::size_t dataRecords = conversion.dataRecords();
    if (dataRecords > pdb::kMaxDataRecords) {
        showError(ui, messages::kTooManyRecords);
        return {};
    }
    // Compared unsigned, as the handheld keeps the number.
    const std::uint32_t nextUnique =
        static_cast<std::uint32_t>(conversion.largestUnique(descriptor)) + 1;
    if (descriptor.nextUniqueNumber < nextUnique)
        descriptor.nextUniqueNumber = nextUnique;

    if (!output.open()) {
        showError(ui, messages::couldntOpenForWriting(outputName));
        return {};
    }

    // Popup records 1 to 30: an existing database's records carried over, a popup field's
    // list extended by the CSV's values; otherwise empty lists.
    std::array<std::string, pdb::kFieldCount> popupRecords;
    std::array<pdb::PopupList, pdb::kFieldCount> popups;
    for (int i = 0; i < pdb::kFieldCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        std::optional<std::string_view> existing;
        if (useExisting)
            existing = fieldInformation->record(slot + 1);
        if (useExisting && descriptor.fields[slot].fieldType() == pdb::FieldType::Popup) {
            popups[slot] = conversion.buildPopupList(existing.value_or(std::string_view{}),
                                                     descriptor.displayColumn(i));
            popupRecords[slot] = popups[slot].encoded();
        } else if (existing) {
            popupRecords[slot] = std::string(*existing);
        } else {
            popupRecords[slot] = pdb::PopupList().encoded();
        }
    }

    const pdb::RecordEncoder encoder(descriptor, popups, settings.textFormats());
    const std::size_t firstData = table.recordCount() - dataRecords;
    std::array<std::string_view, CsvTable::kMaxFields> columns;

    // Record lengths first, so that the record list can be written before the records.
    std::vector<std::uint32_t> lengths;
    lengths.reserve(pdb::kFirstDataRecord + dataRecords);
    lengths.push_back(static_cast<std::uint32_t>(pdb::MasterRecord::kSize));
    for (const std::string &popup : popupRecords)
        lengths.push_back(static_cast<std::uint32_t>(popup.size()));
    for (std::size_t r = firstData; r < table.recordCount(); ++r) {
        table.fields(r, columns);
        lengths.push_back(
            static_cast<std::uint32_t>(encoder.encodedSize(columns, lineBreaksOf(table, r))));
    }

    // Record offsets are 32-bit numbers: a file that would not fit them is not written.
    std::uint64_t fileSize =
        pdb::appInfoOffset(lengths.size()) + pdb::kAppInfoSize + pdb::MasterRecord::kSize;
    for (const std::string &popup : popupRecords)
        fileSize += popup.size();
    for (std::size_t i = pdb::kFirstDataRecord; i < lengths.size(); ++i)
        fileSize += lengths[i];
    if (fileSize > UINT32_MAX) {
        output.discard();
        showError(ui, messages::couldntWrite(outputName));
        return {};
    }

    ui.showStatus(messages::kWritingRecordsHeader);
    std::string buffer = pdb::containerPrefix(header, lengths);
    descriptor.encode(buffer);
    ui.showStatus(messages::kWritingPopups);
    for (const std::string &popup : popupRecords)
        buffer += popup;
    output.write(buffer);
    buffer.clear();

    for (std::size_t n = 0; n < dataRecords; ++n) {
        ui.showStatus(messages::readingCsvLine(n));
        ui.processEvents();
        table.fields(firstData + n, columns);
        ui.showStatus(messages::writingPdbRecord(n));
        const std::size_t before = buffer.size();
        buffer.resize(before + lengths[pdb::kFirstDataRecord + n]);
        encoder.encodeTo(columns, buffer.data() + before, lineBreaksOf(table, firstData + n));
        if (buffer.size() >= kFlushSize) {
            output.write(buffer);
            buffer.clear();
        }
    }
    output.write(buffer);

    if (!output.commit().ok()) {
        showError(ui, messages::couldntWrite(outputName));
        return {};
    }
    result.ok = true;
    result.records = dataRecords;
    result.linesCut = table.recordsCut();
    return result;
}

} // namespace convert
