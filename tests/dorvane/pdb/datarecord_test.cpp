// Data records: the stored form of every field type, and its text.
#include "dorvane/pdb/datarecord.h"
#include "dorvane/pdb/fieldformatter.h"
#include "dorvane/pdb/recordencoder.h"

#include <gtest/gtest.h>

// std
#include <string>
#include <vector>

using namespace pdb;
using namespace std::string_literals;

namespace {

struct RecordSetup
{
    MasterRecord descriptor;
    PopupLists popups;
    TextFormats formats;

    std::string encode(const std::vector<std::string_view> &columns) const
    {
        const RecordEncoder encoder(descriptor, popups, formats);
        std::string out;
        const std::size_t n = encoder.encode(columns, out);
        EXPECT_EQ(n, out.size());
        EXPECT_EQ(encoder.encodedSize(columns), out.size());
        return out;
    }
    std::string text(const std::string &record, int field) const
    {
        return FieldFormatter(descriptor, popups, formats).text(DataRecord(record), field);
    }
    // Encodes one value in field 0 and reads its text back.
    std::string roundTrip(FieldType type, std::string_view value)
    {
        descriptor.fields[0].type = static_cast<std::uint16_t>(type);
        return text(encode({value}), 0);
    }
};

} // namespace

TEST(DataRecord, UnusedFieldBetweenUsedOnesAndTheEndMark)
{
    RecordSetup s;
    s.descriptor.fields[0].type = 1;
    s.descriptor.fields[2].type = 1;
    // field 2 stands in CSV column 1: field 1 is unused
    EXPECT_EQ(s.encode({"ab", "c"}), "\x00" // no tag
                                     "\x03\x00"
                                     "ab\x00"   // field 0
                                     "\x00\x00" // field 1, unused, length 0
                                     "\x02\x00"
                                     "c\x00"       // field 2
                                     "\xFF\xFF"s); // end mark
    // field 29 used: no end mark
    RecordSetup last;
    last.descriptor.fields[29].type = 2;
    const std::string record = last.encode({"-2"});
    EXPECT_EQ(record.size(), 1u + 29 * 2 + 2 + 4);
    EXPECT_EQ(record.substr(record.size() - 6), "\x04\x00\xFE\xFF\xFF\xFF"s);
    EXPECT_EQ(last.text(record, 29), "-2");
    // nothing used: only the tag and the end mark
    EXPECT_EQ(RecordSetup().encode({}), "\x00\xFF\xFF"s);
}

TEST(DataRecord, TagWhenTheDescriptorAsksForIt)
{
    RecordSetup s;
    s.descriptor.recordTagFlag = 1;
    s.descriptor.fields[0].type = 1;
    const std::string record = s.encode({"x"});
    EXPECT_EQ(record.substr(0, 21), "\x01"
                                    "FromCSV"
                                        + std::string(13, '\0'));
    EXPECT_EQ(record.substr(21), "\x02\x00x\x00\xFF\xFF"s);
    EXPECT_EQ(s.text(record, 0), "x");
    // a reader skips 21 bytes whenever the first byte is nonzero
    s.descriptor.recordTagFlag = 0;
    EXPECT_EQ(s.text(record, 0), "x");
}

TEST(DataRecord, StoredFormOfEachType)
{
    RecordSetup s;
    const std::vector<std::pair<FieldType, std::string>> types = {
        {FieldType::Integer, "\x04\x00\x39\x30\x00\x00"s}, // 12345
        {FieldType::Unique, "\x04\x00\x39\x30\x00\x00"s},
        {FieldType::UniqueNumber, "\x04\x00\x39\x30\x00\x00"s},
        {FieldType::UniqueWithTail, "\x18\x00\x39\x30\x00\x00"s + std::string(20, '\0')},
        {FieldType::CheckBox, "\x01\x00\x01"s},
        {FieldType::Placeholder, "\x01\x00\x00"s},
        {FieldType::NoValue, "\x00\x00"s},
        {FieldType::Decimal, "\x06\x00"
                             "12345\x00"s},
        {FieldType::Text, "\x06\x00"
                          "12345\x00"s},
    };
    for (const auto &[type, entry] : types) {
        s.descriptor.fields[0].type = static_cast<std::uint16_t>(type);
        EXPECT_EQ(s.encode({"12345"}), "\x00"s + entry + "\xFF\xFF") << int(type);
    }
    s.descriptor.fields[0].type = 8; // date: the day number, little-endian
    EXPECT_EQ(s.encode({"12/31/1908"}), "\x00\x04\x00\x22\x07\x00\x00\xFF\xFF"s);
    s.descriptor.fields[0].type = 9; // time: 0, minute, hour, 0
    EXPECT_EQ(s.encode({"2:51 pm"}), "\x00\x04\x00\x00\x33\x0E\x00\xFF\xFF"s);
    s.descriptor.fields[0].type = 4;
    s.popups[0] = PopupList({"Red", "Green"});
    EXPECT_EQ(s.encode({"green"}), "\x00\x01\x00\x01\xFF\xFF"s);
    EXPECT_EQ(s.encode({"blue"}), "\x00\x01\x00\xFF\xFF\xFF"s);
    s.descriptor.fields[0].type = 99; // a code this program does not know stores nothing
    EXPECT_EQ(s.encode({"x"}), "\x00\x00\x00\xFF\xFF"s);
}

TEST(DataRecord, TextLimitsAndLineBreaks)
{
    RecordSetup s;
    EXPECT_EQ(s.roundTrip(FieldType::Text, std::string(300, 'a')), std::string(254, 'a'));
    EXPECT_EQ(s.roundTrip(FieldType::Text2, std::string(300, 'a')), std::string(254, 'a'));
    EXPECT_EQ(s.roundTrip(FieldType::Note, std::string(2500, 'n')), std::string(1999, 'n'));
    EXPECT_EQ(s.roundTrip(FieldType::Decimal, "123456.7890"), "123456.78");
    EXPECT_EQ(s.roundTrip(FieldType::Decimal, "123456789"), "123456789");
    EXPECT_EQ(s.roundTrip(FieldType::Derived, "1234567890"), "123456789");
    // each CR or LF becomes LF, a second one right after it is dropped
    EXPECT_EQ(s.roundTrip(FieldType::Text, "a\r\rb"), "a\nb");
    EXPECT_EQ(s.roundTrip(FieldType::Text, "a\r\r\r\rb"), "a\n\nb");
    EXPECT_EQ(s.roundTrip(FieldType::Note, "a\nb\r"), "a\nb\n");
    EXPECT_EQ(s.roundTrip(FieldType::Text, "a\n\r\n"), "a\n\n");
    // the limit counts the characters stored: a CSV line break is two characters
    std::string pairs;
    std::string stored;
    for (int i = 0; i < 100; ++i) {
        pairs += "a\r\r";
        stored += "a\n";
    }
    EXPECT_EQ(s.roundTrip(FieldType::Text, pairs + std::string(60, 'b')),
              stored + std::string(54, 'b'));
    EXPECT_EQ(s.roundTrip(FieldType::Text, std::string(253, 'c') + "\r\rd"),
              std::string(253, 'c') + "\n");
    // decimal fields keep the bytes as they are
    EXPECT_EQ(s.roundTrip(FieldType::Decimal, "1\r\r2"), "1\r\r2");
    // empty text: length 0
    s.descriptor.fields[0].type = 1;
    EXPECT_EQ(s.encode({""}), "\x00\x00\x00\xFF\xFF"s);
}

TEST(DataRecord, TextOfEachType)
{
    RecordSetup s;
    EXPECT_EQ(s.roundTrip(FieldType::Integer, "-42"), "-42");
    EXPECT_EQ(s.roundTrip(FieldType::UniqueWithTail, "7x"), "7");
    EXPECT_EQ(s.roundTrip(FieldType::CheckBox, "no"), "1");
    EXPECT_EQ(s.roundTrip(FieldType::CheckBox, "00"), "0");
    EXPECT_EQ(s.roundTrip(FieldType::CheckBox, ""), "1") << "an empty cell is checked";
    EXPECT_EQ(s.roundTrip(FieldType::Placeholder, "x"), "");
    EXPECT_EQ(s.roundTrip(FieldType::NoValue, "x"), "");
    EXPECT_EQ(s.roundTrip(FieldType::Date, "7/4/03"), "07/04/2003");
    EXPECT_EQ(s.roundTrip(FieldType::Date, ""), "NO DATE");
    EXPECT_EQ(s.roundTrip(FieldType::Time, "12:15 am"), "12:15 am");
    EXPECT_EQ(s.roundTrip(FieldType::Time, "No Time"), "No Time");
    s.formats.dateFormat = 6;
    s.formats.timeFormat = 1;
    EXPECT_EQ(s.roundTrip(FieldType::Date, "2003-7-4"), "2003-07-04");
    EXPECT_EQ(s.roundTrip(FieldType::Time, "12:15"), "12:15");

    s.popups[0] = PopupList({"Red"});
    EXPECT_EQ(s.roundTrip(FieldType::Popup, "RED"), "Red");
    EXPECT_EQ(s.roundTrip(FieldType::Popup, "No Value"), "No Value");
    s.descriptor.fields[0].type = 4;
    EXPECT_EQ(s.text("\x00\x01\x00\x05\xFF\xFF"s, 0), "") << "beyond the list";
}

TEST(DataRecord, DerivedValuesByResultKind)
{
    RecordSetup s;
    s.formats.timeFormat = 1;
    s.descriptor.fields[0].type = 15;
    const auto derived = [&](std::uint8_t kind, std::string_view stored) {
        s.descriptor.fields[0].parameters[19] = kind;
        return s.text(s.encode({stored}), 0);
    };
    for (const std::uint8_t kind : {0, 1, 4, 5, 6})
        EXPECT_EQ(derived(kind, "12.5"), "12.5") << int(kind);
    EXPECT_EQ(derived(2, "53460"), "14:51"); // seconds of the day
    EXPECT_EQ(derived(3, "1826"), "12/31/1908");
    EXPECT_EQ(derived(7, "1"), "Error!");
    EXPECT_EQ(derived(255, "1"), "Error!");
    EXPECT_EQ(derived(2, ""), "") << "empty entries give empty text for every type";
}

TEST(DataRecord, MalformedRecordsReadAsEmptyOrShortValues)
{
    RecordSetup s;
    s.descriptor.fields[0].type = 1;
    s.descriptor.fields[1].type = 2;
    s.descriptor.fields[2].type = 9;
    EXPECT_EQ(s.text("", 0), "");
    EXPECT_EQ(s.text("\x05", 0), "") << "a tag running past the end";
    // an entry longer than the record holds what is there; later fields are absent
    EXPECT_EQ(s.text("\x00\x50\x00"
                     "abc"s,
                     0),
              "abc");
    EXPECT_EQ(s.text("\x00\x50\x00"
                     "abc"s,
                     1),
              "");
    // an end mark in the middle: the fields after it are absent
    EXPECT_EQ(s.text("\x00\x02\x00"
                     "a\x00\xFF\xFF\x04\x00\x01\x00\x00\x00"s,
                     1),
              "");
    // short number and time entries use the bytes they have
    EXPECT_EQ(s.text("\x00\x00\x00\x01\x00\x07"s, 1), "7");
    EXPECT_EQ(s.text("\x00\x00\x00\x00\x00\x02\x00\x00\x05"s, 2), "12:05 am");
    // text without its NUL
    EXPECT_EQ(s.text("\x00\x02\x00"
                     "ab"s,
                     0),
              "ab");
}
