// The descriptor (record 0) and the popup lists: byte layout, fresh values, carried bytes,
// the checks and upgrade after reading, display columns, access word.
#include "dorvane/pdb/bytes.h"
#include "dorvane/pdb/database.h"
#include "dorvane/pdb/databasebuilder.h"
#include "dorvane/pdb/masterrecord.h"
#include "dorvane/pdb/popuplist.h"

#include <gtest/gtest.h>

// std
#include <numeric>
#include <string>

using namespace pdb;
using namespace std::string_literals;

namespace {

std::string encoded(const MasterRecord &m)
{
    std::string bytes;
    m.encode(bytes);
    return bytes;
}

std::uint8_t at(const std::string &bytes, std::size_t offset)
{
    return static_cast<std::uint8_t>(bytes[offset]);
}

constexpr std::size_t fieldOffset(std::size_t slot)
{
    return 222 + 56 * slot;
}

} // namespace

TEST(Descriptor, FreshDescriptorBytes)
{
    const std::string b = encoded(MasterRecord());
    ASSERT_EQ(b.size(), 2152u);
    EXPECT_EQ(bigEndian32(b, 0), 1u); // next unique number
    for (const std::size_t block : {std::size_t{4}, std::size_t{96}}) {
        EXPECT_EQ(bigEndian16(b, block), 0u);
        EXPECT_EQ(b.substr(block + 4, 80), std::string(80, '\0'));
        EXPECT_EQ(bigEndian32(b, block + 84), 0u);
        EXPECT_EQ(bigEndian32(b, block + 88), 65000u);
    }
    EXPECT_EQ(b.substr(188, 8), std::string("\xFF\x01\xFF\x01\xFF\x01\xFF\x01", 8));
    EXPECT_EQ(bigEndian16(b, 196), 31u);
    EXPECT_EQ(bigEndian16(b, 198), 0u);
    EXPECT_EQ(at(b, 200), 1);
    EXPECT_EQ(at(b, 201), 1);
    EXPECT_EQ(b.substr(202, 20), std::string(20, '\0')); // no password
    for (std::size_t slot = 0; slot < 30; ++slot) {
        const std::size_t f = fieldOffset(slot);
        EXPECT_EQ(bigEndian16(b, f), 0u);
        EXPECT_EQ(bigEndian16(b, f + 2), 40u);
        EXPECT_EQ(bigEndian16(b, f + 6), 58u);
        EXPECT_EQ(at(b, f + 8), 1);
        EXPECT_EQ(at(b, f + 9), 1);
        EXPECT_EQ(at(b, f + 35), 255);
        std::string name = "Field " + std::to_string(slot + 1);
        name.resize(20, '\0');
        EXPECT_EQ(b.substr(f + 36, 20), name);
    }
    EXPECT_EQ(at(b, 1902), 255);
    EXPECT_EQ(at(b, 1946), 2); // version
    EXPECT_EQ(at(b, 1947), 0);
    for (std::size_t p = 0; p < 30; ++p)
        EXPECT_EQ(at(b, 1948 + p), p);
    EXPECT_EQ(b.substr(1978, 2152 - 1978), std::string(2152 - 1978, '\0'));
}

TEST(Descriptor, FieldsAndAccessWordAtTheirOffsets)
{
    MasterRecord m;
    m.nextUniqueNumber = 0x01020304;
    m.setPassword("secret");
    FieldDefinition &f = m.fields[2];
    f.type = 4;
    f.maxLength = 0x0102;
    f.columnWidth = 0x0304;
    f.shown = 0;
    f.parameters[19] = 7;
    f.setName("A name longer than nineteen");
    m.recordTagFlag = 1;
    m.displayOrder = {2, 0, 1};
    m.accessWord = 0xA5C3;
    m.derivedValueFlag = 1;
    const std::string b = encoded(m);
    EXPECT_EQ(b.substr(0, 4), "\x01\x02\x03\x04");
    EXPECT_EQ(b.substr(202, 7), std::string("secret\0", 7));
    const std::size_t o = fieldOffset(2);
    EXPECT_EQ(b.substr(o, 4), "\x00\x04\x01\x02"s);
    EXPECT_EQ(b.substr(o + 6, 2), "\x03\x04");
    EXPECT_EQ(at(b, o + 9), 0);
    EXPECT_EQ(at(b, o + 33), 7);
    EXPECT_EQ(b.substr(o + 36, 20), std::string("A name longer than \0", 20));
    EXPECT_EQ(bigEndian16(b, 1940), 1u);
    EXPECT_EQ(b.substr(1948, 3), "\x02\x00\x01"s);
    EXPECT_EQ(bigEndian16(b, 2038), 0xA5C3u);
    EXPECT_EQ(bigEndian16(b, 2150), 1u);
}

TEST(Descriptor, EveryByteIsCarriedFromReadingToWriting)
{
    // Bytes with no meaning here take any value and come back unchanged; only the read
    // mark becomes 1.
    std::string b = encoded(MasterRecord());
    for (std::size_t i = 0; i < b.size(); ++i)
        b[i] = static_cast<char>((i * 7 + 3) & 0xFF);
    b[1946] = 2; // current version: no upgrade
    for (std::size_t p = 0; p < 30; ++p)
        b[1948 + p] = static_cast<char>(29 - p);
    for (std::size_t slot = 0; slot < 30; ++slot)
        b[fieldOffset(slot) + 1] = 1; // type 1..255 would be fine too; keep them used
    const MasterRecord m = MasterRecord::read(b);
    std::string expected = b;
    expected[1947] = 1;
    // derived-value flag: set when a type 15 field has its byte set; none is type 15 here
    EXPECT_EQ(encoded(m), expected);
}

TEST(Descriptor, DisplayOrderIsCheckedAfterReading)
{
    MasterRecord m;
    m.displayOrder[5] = 200; // becomes 0, which repeats: the whole order is reset
    MasterRecord read = MasterRecord::read(encoded(m));
    std::array<std::uint8_t, 30> identity{};
    std::iota(identity.begin(), identity.end(), 0);
    EXPECT_EQ(read.displayOrder, identity);

    std::iota(m.displayOrder.rbegin(), m.displayOrder.rend(), 0);
    read = MasterRecord::read(encoded(m));
    EXPECT_EQ(read.displayOrder[0], 29);
    EXPECT_EQ(read.displayOrder[29], 0);

    m.displayOrder[0] = 31; // 31 -> 0 while 0 still stands at the end: repeated
    EXPECT_EQ(MasterRecord::read(encoded(m)).displayOrder, identity);
}

TEST(Descriptor, DisplayOrderEntriesAreSignedBytes)
{
    // 0 missing, 1 and 2 swapped: an entry of 30 to 127 stands for slot 0 and the order is
    // kept, while a byte of 128 to 255 is an entry below 0 and resets the whole order.
    MasterRecord m;
    std::iota(m.displayOrder.begin(), m.displayOrder.end(), 0);
    m.displayOrder[1] = 2;
    m.displayOrder[2] = 1;
    std::array<std::uint8_t, 30> identity{};
    std::iota(identity.begin(), identity.end(), 0);
    for (int entry = 30; entry <= 255; ++entry) {
        m.displayOrder[0] = static_cast<std::uint8_t>(entry);
        const MasterRecord read = MasterRecord::read(encoded(m));
        if (entry < 128) {
            EXPECT_EQ(read.displayOrder[0], 0) << entry;
            EXPECT_EQ(read.displayOrder[1], 2) << entry;
        } else {
            EXPECT_EQ(read.displayOrder, identity) << entry;
        }
    }
    // a negative entry anywhere, even the last one
    std::iota(m.displayOrder.rbegin(), m.displayOrder.rend(), 0);
    m.displayOrder[29] = 0x80;
    EXPECT_EQ(MasterRecord::read(encoded(m)).displayOrder, identity);
}

TEST(Descriptor, OlderDescriptorIsUpgraded)
{
    MasterRecord m;
    m.version = 1;
    m.setPassword("pw");
    m.fields[0].type = 3; // decimal: length 4
    m.fields[0].longText = 1;
    m.fields[0].shown = 1;
    m.fields[0].byte8 = 0;
    m.fields[1].type = 12; // note: long text
    m.fields[2].type = 4;  // popup: byte 12 cleared
    m.fields[2].byte12 = 9;
    m.fields[3].type = 15;
    m.fields[3].derivedValue = 1;
    m.fields[3].byte34 = 5;
    m.byte200 = 1;
    m.number1944 = 7;
    m.byte1939 = 3;
    // An older descriptor is 2038 bytes: the access word and what follows are not in it.
    std::string b = encoded(m).substr(0, MasterRecord::kOldSize);
    const MasterRecord read = MasterRecord::read(b);
    EXPECT_EQ(read.version, 2);
    EXPECT_EQ(read.readMark, 1);
    EXPECT_EQ(read.fields[0].maxLength, 4);
    EXPECT_EQ(read.fields[0].longText, 0);
    EXPECT_EQ(read.fields[0].byte8, 1);
    EXPECT_EQ(read.fields[1].longText, 1);
    EXPECT_EQ(read.fields[2].byte12, 0);
    EXPECT_EQ(read.fields[3].derivedValue, 0);
    EXPECT_EQ(read.fields[3].byte34, 0);
    EXPECT_EQ(read.derivedValueFlag, 0);
    EXPECT_EQ(read.byte200, 0);
    EXPECT_EQ(read.number1944, 0);
    EXPECT_EQ(read.byte1939, 0);
    // the password now guards reading: slots 0 and 4 ask for it
    EXPECT_EQ(read.accessWord, 0x0101);
    EXPECT_EQ(read.readAccess(), ReadAccess::NeedsPassword);

    m.setPassword("");
    EXPECT_EQ(MasterRecord::read(encoded(m).substr(0, MasterRecord::kOldSize)).accessWord, 0);

    // A version whose signed byte is 2 or more has the newer fields, which the upgrade
    // then resets all the same.
    m.version = 3;
    m.accessWord = 0x0003;
    std::string v3 = encoded(m);
    EXPECT_EQ(MasterRecord::read(v3).accessWord, 0);
    EXPECT_EQ(MasterRecord::read(v3).version, 2);
}

TEST(Descriptor, DerivedValueFlagFollowsTheFields)
{
    MasterRecord m;
    m.fields[29].type = 15;
    m.fields[29].derivedValue = 1;
    EXPECT_EQ(MasterRecord::read(encoded(m)).derivedValueFlag, 1);
    m.fields[29].derivedValue = 0;
    m.derivedValueFlag = 1; // kept as read when no field sets it
    EXPECT_EQ(MasterRecord::read(encoded(m)).derivedValueFlag, 1);
}

TEST(Descriptor, ShortRecordZeroKeepsFreshValuesForTheMissingBytes)
{
    MasterRecord m;
    m.nextUniqueNumber = 77;
    m.fields[0].type = 1;
    const MasterRecord read = MasterRecord::read(encoded(m).substr(0, 300));
    EXPECT_EQ(read.nextUniqueNumber, 77u);
    EXPECT_EQ(read.fields[0].type, 1);
    EXPECT_EQ(read.fields[5], MasterRecord().fields[5]);
}

TEST(Descriptor, DisplayColumnCountsUsedFieldsBeforeTheField)
{
    MasterRecord m;
    m.fields[0].type = 1;
    m.fields[2].type = 1;
    EXPECT_EQ(m.displayColumn(0), 0);
    EXPECT_EQ(m.displayColumn(2), 1);
    EXPECT_EQ(m.displayPosition(2), 2);
    EXPECT_EQ(m.displayColumn(40), -1);
    EXPECT_EQ(m.displayPosition(40), -1);

    // shown in the order 2, 1, 0, ...: field 0 comes after field 2
    m.displayOrder[0] = 2;
    m.displayOrder[2] = 0;
    EXPECT_EQ(m.displayColumn(2), 0);
    EXPECT_EQ(m.displayColumn(0), 1);
    EXPECT_EQ(m.displayPosition(0), 2);

    EXPECT_TRUE(m.anyUsedFieldFrom(1));
    EXPECT_TRUE(m.anyUsedFieldFrom(2));
    EXPECT_FALSE(m.anyUsedFieldFrom(3));
    EXPECT_EQ(m.usedFieldCount(), 2);
}

TEST(Descriptor, AccessSlots)
{
    MasterRecord m;
    m.setAccessSlot(0, 1);
    m.setAccessSlot(3, 2);
    m.setAccessSlot(7, 3);
    EXPECT_EQ(m.accessWord, 0b11'00'00'00'10'00'00'01);
    EXPECT_EQ(m.accessSlot(3), 2);
    m.setAccessSlot(3, 0);
    EXPECT_EQ(m.accessSlot(3), 0);
    EXPECT_EQ(m.accessSlot(7), 3);
    EXPECT_EQ(m.readAccess(), ReadAccess::NeedsPassword);
    m.setAccessSlot(0, 0);
    EXPECT_EQ(m.readAccess(), ReadAccess::Allowed);
    m.setAccessSlot(0, 2);
    EXPECT_EQ(m.readAccess(), ReadAccess::NotAllowed);
    m.setAccessSlot(0, 3);
    EXPECT_EQ(m.readAccess(), ReadAccess::NotAllowed);
}

TEST(Descriptor, ReadFromAFile)
{
    DatabaseBuilder builder;
    builder.setField(3, FieldType::Popup, "Colour");
    builder.setPopupItems(3, {"Red", "Green"});
    std::string bytes = builder.bytes();
    Database db = Database::fromBytes(bytes);
    ASSERT_TRUE(db.readDescriptor());
    EXPECT_EQ(db.descriptor().fields[3].nameText(), "Colour");
    EXPECT_EQ(db.descriptor().readMark, 1);
    EXPECT_EQ(db.popupLists()[3].items(), (std::vector<std::string>{"Red", "Green"}));

    // record count 0, or record 0 beyond the end of the file
    std::string noRecords = bytes;
    noRecords[76] = noRecords[77] = 0;
    EXPECT_FALSE(Database::fromBytes(noRecords).readDescriptor());
    std::string beyond = bytes;
    beyond[78] = '\x7F';
    EXPECT_FALSE(Database::fromBytes(beyond).readDescriptor());
}

TEST(PopupList, ItemsEndAtTheFirstEmptyText)
{
    const PopupList list = PopupList::fromRecord(std::string("Red\0\0Blue\0\0\0\0", 13));
    EXPECT_EQ(list.items(), std::vector<std::string>{"Red"});
    EXPECT_EQ(list.textOf(0), "Red");
    EXPECT_EQ(list.textOf(1), "");
    EXPECT_EQ(list.textOf(255), "No Value");
    EXPECT_TRUE(PopupList::fromRecord(std::string(3, '\0')).empty());
    // an item without its NUL at the end of the record runs to the end
    EXPECT_EQ(PopupList::fromRecord("abc").items(), std::vector<std::string>{"abc"});
    EXPECT_EQ(PopupList({"a", "b"}).encoded(), std::string("a\0b\0\0\0\0", 7));
}

TEST(PopupList, LookupIgnoresCaseAndNoValue)
{
    const PopupList list({"Red", "Green", "Crème", std::string(79, 'x')});
    EXPECT_EQ(list.indexOf("red"), 0);
    EXPECT_EQ(list.indexOf("GREEN"), 1);
    EXPECT_EQ(list.indexOf("CR\xC8ME"), 255) << "UTF-8 text is not Windows-1252";
    EXPECT_EQ(PopupList({"Cr\xE8me"}).indexOf("CR\xC8ME"), 0);
    EXPECT_EQ(list.indexOf("Blue"), 255);
    EXPECT_EQ(list.indexOf("Red No Value"), 255);
    EXPECT_EQ(list.indexOf(""), 255);
    // a value longer than 79 characters finds the item it was added as
    EXPECT_EQ(list.indexOf(std::string(100, 'X')), 3);
    EXPECT_TRUE(list.contains(std::string(100, 'x')));
    // a long item shows as its first 79 characters
    EXPECT_EQ(PopupList({std::string(90, 'y')}).textOf(0), std::string(79, 'y'));
}
