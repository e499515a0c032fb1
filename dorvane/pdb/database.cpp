#include "database.h"

#include "bytes.h"
#include "filebytes.h"

namespace pdb {

namespace {

constexpr std::size_t kEntrySize = 8;

} // namespace

Database Database::open(const std::filesystem::path &path)
{
    Database db;
    if (auto bytes = readFileBytes(path)) {
        db.mBytes = std::move(*bytes);
        db.mOpened = true;
        db.readHeader();
    }
    return db;
}

Database Database::fromBytes(std::string bytes)
{
    Database db;
    db.mBytes = std::move(bytes);
    db.mOpened = true;
    db.readHeader();
    return db;
}

void Database::readHeader()
{
    mHeader = DatabaseHeader::decode(mBytes);
    mHeaderCheck = mBytes.size() >= DatabaseHeader::kSize && mHeader.hasQuirraCreator()
                       ? HeaderCheck::Quirra
                       : HeaderCheck::OtherCreator;
}

std::size_t Database::dataRecordCount() const
{
    return recordCount() > kFirstDataRecord ? recordCount() - kFirstDataRecord : 0;
}

std::optional<std::string_view> Database::record(std::size_t index) const
{
    if (!mOpened || index >= recordCount())
        return std::nullopt;
    const std::size_t size = mBytes.size();
    const std::size_t entry = DatabaseHeader::kSize + kEntrySize * index;
    if (entry + 4 > size)
        return std::nullopt;
    const std::uint64_t first = bigEndian32(mBytes, entry);
    if (first >= size)
        return std::nullopt;
    std::uint64_t end = size; // one past the last byte
    if (index + 1 < recordCount()) {
        const std::size_t next = entry + kEntrySize;
        if (next + 4 > size)
            return std::nullopt;
        end = bigEndian32(mBytes, next);
        if (end > size || end < first)
            return std::nullopt;
    }
    return std::string_view(mBytes).substr(first, end - first);
}

bool Database::readDescriptor()
{
    mHasDescriptor = false;
    mDescriptor = MasterRecord();
    mPopups = PopupLists();
    if (!mOpened || recordCount() == 0)
        return false;
    const std::size_t entry = DatabaseHeader::kSize;
    if (entry + 4 > mBytes.size())
        return false;
    const std::size_t first = bigEndian32(mBytes, entry);
    if (first >= mBytes.size())
        return false;
    // The descriptor is read from record 0's offset on, whatever the record list says
    // about its length; an older descriptor is shorter and its version says so.
    mDescriptor = MasterRecord::read(std::string_view(mBytes).substr(first, MasterRecord::kSize));
    for (int i = 0; i < kFieldCount; ++i) {
        if (const auto list = record(static_cast<std::size_t>(i) + 1))
            mPopups[static_cast<std::size_t>(i)] = PopupList::fromRecord(*list);
    }
    mHasDescriptor = true;
    return true;
}

std::string Database::fieldText(std::string_view recordBytes, int field, TextFormats formats) const
{
    return FieldFormatter(mDescriptor, mPopups, formats).text(DataRecord(recordBytes), field);
}

std::vector<DisplayField> Database::displayFields() const
{
    std::vector<DisplayField> result;
    result.reserve(kFieldCount);
    for (int p = 0; p < kFieldCount; ++p) {
        const int slot = mDescriptor.displayOrder[static_cast<std::size_t>(p)];
        const FieldDefinition &f = mDescriptor.fields[static_cast<std::size_t>(slot)];
        result.push_back(
            DisplayField{p, slot, f.type, f.nameText(), f.maxLength, f.shown != 0, f.columnWidth});
    }
    return result;
}

std::optional<std::vector<std::string>> Database::recordTexts(std::size_t index,
                                                              TextFormats formats) const
{
    const auto bytes = record(index);
    if (!bytes)
        return std::nullopt;
    const DataRecord data(*bytes);
    const FieldFormatter formatter(mDescriptor, mPopups, formats);
    std::vector<std::string> texts(kFieldCount);
    for (int p = 0; p < kFieldCount; ++p) {
        const int slot = mDescriptor.displayOrder[static_cast<std::size_t>(p)];
        if (mDescriptor.fields[static_cast<std::size_t>(slot)].used())
            formatter.appendText(texts[static_cast<std::size_t>(p)], data, slot);
    }
    return texts;
}

} // namespace pdb
