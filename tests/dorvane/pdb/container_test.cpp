// The container: header bytes, record list, and the rules for locating and reading records.
#include "dorvane/pdb/bytes.h"
#include "dorvane/pdb/containerwriter.h"
#include "dorvane/pdb/database.h"
#include "dorvane/pdb/databasebuilder.h"

#include <gtest/gtest.h>

// std
#include <string>
#include <vector>

using namespace pdb;

namespace {

std::string hexBytes(std::string_view bytes)
{
    static const char *digits = "0123456789abcdef";
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

// A file with the given records, laid out by the writer.
std::string fileWithRecords(const std::vector<std::string> &records, std::uint16_t count = 0)
{
    DatabaseHeader header;
    header.setDefaults("T");
    std::vector<std::uint32_t> lengths;
    for (const auto &r : records)
        lengths.push_back(static_cast<std::uint32_t>(r.size()));
    std::string bytes = containerPrefix(header, lengths);
    for (const auto &r : records)
        bytes += r;
    if (count != 0) {
        bytes[76] = static_cast<char>(count >> 8);
        bytes[77] = static_cast<char>(count & 0xFF);
    }
    return bytes;
}

void putOffset(std::string &bytes, std::size_t record, std::uint32_t offset)
{
    std::string b;
    appendBigEndian32(b, offset);
    bytes.replace(78 + 8 * record, 4, b);
}

} // namespace

TEST(Container, HeaderOfAFileThisProgramWrites)
{
    DatabaseHeader header;
    header.setDefaults("Price List");
    header.recordCount = 33;
    header.appInfoOffset = appInfoOffset(33);
    std::string bytes;
    header.encode(bytes);
    ASSERT_EQ(bytes.size(), 78u);
    // name, zero after the terminator
    EXPECT_EQ(hexBytes(bytes.substr(0, 32)), "5072696365204c697374" + std::string(44, '0'));
    EXPECT_EQ(hexBytes(bytes.substr(32)),
              "0008"     // attributes
              "0000"     // version
              "3548e7fe" // creation date, fixed
              "3548e803" // modification date, fixed
              "00000000" // last backup
              "00000056" // modification number 86
              "00000158" // application info at 78 + 8 * 33 + 2 = 344
              "00000000" // sort info
              "517a7276"
              "517a7276" // type and creator "Qzrv"
              "00000000"
              "00000000" // unique-ID seed, next record list
              "0021");   // 33 records
    EXPECT_EQ(DatabaseHeader::decode(bytes), header);
}

TEST(Container, NameIsCutTo31BytesAndKeepsItsTerminator)
{
    DatabaseHeader header;
    header.setDefaults(std::string(40, 'x'));
    EXPECT_EQ(header.databaseName(), std::string(31, 'x'));
    EXPECT_EQ(header.name[31], '\0');
}

TEST(Container, RecordListOfTwoDataRecords)
{
    DatabaseBuilder builder("Two");
    builder.setField(0, FieldType::Text, "Name");
    builder.addRecordFromTexts({"a"});
    builder.addRecordFromTexts({"bc"});
    const std::string bytes = builder.bytes();
    const Database db = Database::fromBytes(bytes);
    ASSERT_EQ(db.recordCount(), 33u);
    EXPECT_EQ(db.header().appInfoOffset, 344u);
    // record 0 starts after the two zero bytes and the 40-byte application-info block
    EXPECT_EQ(bigEndian32(bytes, 78), 384u);
    EXPECT_EQ(bytes.substr(342, 42), std::string(42, '\0'));
    // each entry: offset, then four zero bytes; records back to back
    EXPECT_EQ(bigEndian32(bytes, 78 + 8), 384u + 2152u);
    EXPECT_EQ(bytes.substr(78 + 4, 4), std::string(4, '\0'));
    for (std::size_t k = 1; k <= 30; ++k)
        EXPECT_EQ(*db.record(k), std::string(3, '\0')) << k;
    EXPECT_EQ(bigEndian32(bytes, 78 + 8 * 31), 384u + 2152u + 90u);
    EXPECT_EQ(db.record(31)->size(), 1u + 2 + 2 + 2);
    EXPECT_EQ(bytes.size(), 384u + 2152 + 90 + 7 + 8);
}

TEST(Container, HeaderCheckLooksAtTheCreatorOnly)
{
    std::string bytes = DatabaseBuilder("x").bytes();
    EXPECT_EQ(Database::fromBytes(bytes).headerCheck(), Database::HeaderCheck::Quirra);

    std::string otherType = bytes;
    otherType.replace(60, 4, "DATA");
    EXPECT_EQ(Database::fromBytes(otherType).headerCheck(), Database::HeaderCheck::Quirra);

    std::string otherCreator = bytes;
    otherCreator.replace(64, 4, "abcd");
    EXPECT_EQ(Database::fromBytes(otherCreator).headerCheck(), Database::HeaderCheck::OtherCreator);

    EXPECT_EQ(Database::fromBytes(bytes.substr(0, 77)).headerCheck(),
              Database::HeaderCheck::OtherCreator);
    EXPECT_EQ(Database::open("/nonexistent/file.pdb").headerCheck(),
              Database::HeaderCheck::CannotOpen);
}

TEST(Container, LastRecordRunsToTheEndOfTheFile)
{
    std::string bytes = fileWithRecords({"abc", "de"});
    bytes += "trailing";
    const Database db = Database::fromBytes(bytes);
    EXPECT_EQ(*db.record(0), "abc");
    EXPECT_EQ(*db.record(1), "detrailing");
    EXPECT_FALSE(db.record(2)); // not below the record count
}

TEST(Container, MalformedRecordEntriesAreUnreadable)
{
    const std::string good = fileWithRecords({"abc", "de", "fgh"});
    const std::size_t start = 78 + 8 * 3 + 2 + 40;

    // a length of 0 is an empty record
    std::string empty = good;
    putOffset(empty, 1, static_cast<std::uint32_t>(start + 5));
    EXPECT_EQ(*Database::fromBytes(empty).record(1), "");
    EXPECT_EQ(*Database::fromBytes(empty).record(0), "abcde");

    // the next record begins before this one: a negative length
    std::string negative = good;
    putOffset(negative, 2, static_cast<std::uint32_t>(start + 1));
    EXPECT_FALSE(Database::fromBytes(negative).record(1));

    // first byte at the end of the file, or beyond it
    std::string atEnd = good;
    putOffset(atEnd, 2, static_cast<std::uint32_t>(good.size()));
    EXPECT_FALSE(Database::fromBytes(atEnd).record(2));
    std::string beyond = good;
    putOffset(beyond, 2, 0xFFFFFFF0u);
    EXPECT_FALSE(Database::fromBytes(beyond).record(2));
    // ... which also puts the previous record's last byte beyond the end
    EXPECT_FALSE(Database::fromBytes(beyond).record(1));

    // a record list cut short by the end of the file
    const Database cut = Database::fromBytes(good.substr(0, 78 + 8 + 3));
    EXPECT_FALSE(cut.record(0));
    EXPECT_FALSE(cut.record(2));
}

TEST(Container, RecordCountBelow31MeansNoDataRecords)
{
    const Database db = Database::fromBytes(fileWithRecords({"abc", "de"}));
    EXPECT_EQ(db.recordCount(), 2u);
    EXPECT_EQ(db.dataRecordCount(), 0u);

    // A count larger than the list that follows reads what is there and no further.
    const Database tooMany = Database::fromBytes(fileWithRecords({"abc"}, 65535));
    EXPECT_EQ(tooMany.dataRecordCount(), 65504u);
    for (std::size_t r = 31; r < 65535; r += 997)
        EXPECT_FALSE(tooMany.record(r));
}
