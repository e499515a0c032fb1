#include "databasebuilder.h"

#include "containerwriter.h"
#include "recordencoder.h"

#include "common/core/safefile.h"

// std
#include <span>

namespace pdb {

DatabaseBuilder::DatabaseBuilder(std::string_view databaseName)
{
    mHeader.setDefaults(databaseName);
    for (std::size_t i = 0; i < mPopupRecords.size(); ++i)
        mPopupRecords[i] = mPopups[i].encoded();
}

FieldDefinition &DatabaseBuilder::setField(int slot, FieldType type, std::string_view name,
                                           bool shown)
{
    FieldDefinition &f = mDescriptor.fields.at(static_cast<std::size_t>(slot));
    f.type = static_cast<std::uint16_t>(type);
    f.setName(name);
    f.shown = shown ? 1 : 0;
    return f;
}

void DatabaseBuilder::setDisplayOrder(const std::array<std::uint8_t, kFieldCount> &order)
{
    mDescriptor.displayOrder = order;
}

void DatabaseBuilder::setPopupItems(int slot, std::vector<std::string> items)
{
    const auto i = static_cast<std::size_t>(slot);
    mPopups.at(i) = PopupList(std::move(items));
    mPopupRecords[i] = mPopups[i].encoded();
}

void DatabaseBuilder::setPopupRecord(int slot, std::string bytes)
{
    const auto i = static_cast<std::size_t>(slot);
    mPopups.at(i) = PopupList::fromRecord(bytes);
    mPopupRecords[i] = std::move(bytes);
}

const PopupList &DatabaseBuilder::popupItems(int slot) const
{
    return mPopups.at(static_cast<std::size_t>(slot));
}

void DatabaseBuilder::addRecord(std::string bytes)
{
    mRecords.push_back(std::move(bytes));
}

void DatabaseBuilder::addRecordFromTexts(const std::vector<std::string> &columns,
                                         TextFormats formats)
{
    std::vector<std::string_view> views(columns.begin(), columns.end());
    std::string record;
    RecordEncoder(mDescriptor, mPopups, formats).encode(views, record);
    mRecords.push_back(std::move(record));
}

std::string DatabaseBuilder::bytes() const
{
    std::string descriptor;
    mDescriptor.encode(descriptor);
    std::vector<std::uint32_t> lengths;
    lengths.reserve(1 + mPopupRecords.size() + mRecords.size());
    lengths.push_back(static_cast<std::uint32_t>(descriptor.size()));
    for (const std::string &r : mPopupRecords)
        lengths.push_back(static_cast<std::uint32_t>(r.size()));
    for (const std::string &r : mRecords)
        lengths.push_back(static_cast<std::uint32_t>(r.size()));
    std::string out = containerPrefix(mHeader, lengths);
    out += descriptor;
    for (const std::string &r : mPopupRecords)
        out += r;
    for (const std::string &r : mRecords)
        out += r;
    return out;
}

common::Status DatabaseBuilder::write(const std::filesystem::path &path) const
{
    return common::replaceFile(path, bytes());
}

} // namespace pdb
