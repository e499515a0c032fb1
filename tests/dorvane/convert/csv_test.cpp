// The two CSV dialects: what the reader takes apart and what the writer puts together.
#include "dorvane/convert/csvtable.h"
#include "dorvane/convert/csvwriter.h"

#include <gtest/gtest.h>

// std
#include <string>
#include <vector>

using convert::CsvTable;
using convert::CsvWriter;
using namespace std::string_literals;

namespace {

using Rows = std::vector<std::vector<std::string>>;

// Every record's fields as the reader gives them (a line-end-only record as one entry
// "<30 empty>").
Rows read(std::string bytes, char separator = ',')
{
    const CsvTable table = CsvTable::parse(std::move(bytes), separator);
    Rows rows;
    for (std::size_t r = 0; r < table.recordCount(); ++r) {
        std::vector<std::string> row;
        if (table.fieldCount(r) == CsvTable::kMaxFields && table.field(r, 0).empty()
            && table.field(r, 29).empty()) {
            rows.push_back({"<30 empty>"});
            continue;
        }
        for (std::size_t c = 0; c < table.fieldCount(r); ++c)
            row.emplace_back(table.field(r, c));
        rows.push_back(row);
    }
    return rows;
}

} // namespace

TEST(CsvReader, LineEnds)
{
    EXPECT_EQ(read("a,b\r\nc,d\r\n"), (Rows{{"a", "b"}, {"c", "d"}}));
    EXPECT_EQ(read("a,b\nc,d"), (Rows{{"a", "b"}, {"c", "d"}}));
    // CR LF, LF CR, CR CR and LF LF each end one record
    EXPECT_EQ(read("a\n\rb\r\rc\n\nd"), (Rows{{"a"}, {"b"}, {"c"}, {"d"}}));
    // a third line-end byte starts a record that holds only a line end
    EXPECT_EQ(read("a\r\n\r\nb"), (Rows{{"a"}, {"<30 empty>"}, {"b"}}));
    EXPECT_EQ(read("a\0b\0\nc"s), (Rows{{"a"}, {"b"}, {"c"}}));
    EXPECT_EQ(read(""), Rows{});
    EXPECT_EQ(read("\r\n"), (Rows{{"<30 empty>"}}));
    EXPECT_EQ(read("x"), (Rows{{"x"}}));
}

TEST(CsvReader, QuotedFields)
{
    EXPECT_EQ(read("\"a,b\",c"), (Rows{{"a,b", "c"}}));
    EXPECT_EQ(read("\"say \"\"hi\"\"\",x"), (Rows{{"say \"hi\"", "x"}}));
    // line ends and NUL inside quotes are data, each kept as a CR
    EXPECT_EQ(read("\"1\r\n2\n3\0004\",x\r\ny"s), (Rows{{"1\r\r2\r3\r4", "x"}, {"y"}}));
    // after the closing quote anything but the separator starts the next field
    EXPECT_EQ(read("\"a\"b,c"), (Rows{{"a", "b", "c"}}));
    EXPECT_EQ(read("\"a\"\r\nb"), (Rows{{"a"}, {"b"}}));
    EXPECT_EQ(read("\"\",\"\""), (Rows{{"", ""}}));
    // a quote that never closes runs to the end of the file
    EXPECT_EQ(read("\"abc\r\ndef"), (Rows{{"abc\r\rdef"}}));
}

TEST(CsvReader, QuotesInsideUnquotedFields)
{
    EXPECT_EQ(read("a\"\"b,c"), (Rows{{"a\"b", "c"}}));
    // a quote before the separator ends the field
    EXPECT_EQ(read("ab\",c"), (Rows{{"ab", "c"}}));
    // a lone quote switches to quoted reading and is dropped
    EXPECT_EQ(read("ab\"c,d\"e,f"), (Rows{{"abc,d", "e", "f"}}));
    EXPECT_EQ(read("ab\"\r\nc"), (Rows{{"ab\r\rc"}}));
}

TEST(CsvReader, FieldCounts)
{
    EXPECT_EQ(read("a,,b,"), (Rows{{"a", "", "b", ""}}));
    EXPECT_EQ(read(",\r\n"), (Rows{{"", ""}}));
    // only the first 30 fields are kept
    std::string line;
    for (int i = 0; i < 35; ++i)
        line += std::to_string(i) + ",";
    const CsvTable table = CsvTable::parse(line + "\r\nnext", ',');
    ASSERT_EQ(table.recordCount(), 2u);
    EXPECT_EQ(table.fieldCount(0), 30u);
    EXPECT_EQ(table.field(0, 29), "29");
    EXPECT_EQ(table.field(0, 30), "");
    EXPECT_EQ(table.field(1, 0), "next");
    // missing fields read as empty
    EXPECT_EQ(table.field(1, 5), "");
}

TEST(CsvReader, RecordsThatLoseTextAfterTheThirtiethFieldAreCounted)
{
    const std::string thirty = [] {
        std::string fields = "1";
        for (int i = 2; i <= 30; ++i)
            fields += "," + std::to_string(i);
        return fields;
    }();
    const auto cut = [](const std::string &text) {
        return CsvTable::parse(text, ',').recordsCut();
    };
    EXPECT_EQ(cut(thirty + "\r\n" + thirty), 0u);
    // empty fields after the 30th lose nothing, quoted or not
    EXPECT_EQ(cut(thirty + ",,\"\",\r\n" + thirty + ",\r\n"), 0u);
    // text in any of them, plain, quoted, a doubled quote or a line break inside quotes
    EXPECT_EQ(cut(thirty + ",x\r\n" + thirty + "\r\n" + thirty + ",,\"a,b\"\r\n"), 2u);
    EXPECT_EQ(cut(thirty + ",\"\"\"\"\r\n" + thirty + ",\"\r\n\"\r\n" + thirty + ",y"), 3u);
    // the 30th field itself is kept whole
    const CsvTable table = CsvTable::parse(thirty + "0,z", ',');
    EXPECT_EQ(table.field(0, 29), "300");
    EXPECT_EQ(table.recordsCut(), 1u);
}

TEST(CsvReader, OtherSeparators)
{
    EXPECT_EQ(read("Smith, John;12\r\n", ';'), (Rows{{"Smith, John", "12"}}));
    EXPECT_EQ(read("a\tb\t\"c\td\"", '\t'), (Rows{{"a", "b", "c\td"}}));
    // a NUL separator takes precedence over NUL as a line end
    EXPECT_EQ(read("a\0b\r\n"s, '\0'), (Rows{{"a", "b"}}));
}

TEST(CsvWriter, QuoteRule)
{
    EXPECT_EQ(CsvWriter::quoted("plain", ',', false), "plain");
    EXPECT_EQ(CsvWriter::quoted("Smith, John", ',', false), "\"Smith, John\"");
    EXPECT_EQ(CsvWriter::quoted("Smith, John", ';', false), "Smith, John");
    EXPECT_EQ(CsvWriter::quoted("Smith; John", ';', false), "\"Smith; John\"");
    EXPECT_EQ(CsvWriter::quoted("5\" nail", ';', false), "\"5\"\" nail\"");
    EXPECT_EQ(CsvWriter::quoted("", ',', true), "\"\"");
    EXPECT_EQ(CsvWriter::quoted("x", ',', true), "\"x\"");
    // line breaks are enclosed, each line feed written as CR LF
    EXPECT_EQ(CsvWriter::quoted("a\nb", ',', false), "\"a\r\nb\"");
    EXPECT_EQ(CsvWriter::quoted("a\rb", ',', false), "\"a\rb\"");
}

TEST(CsvWriter, LinesAndEncodings)
{
    std::string out;
    CsvWriter writer(out, ',', false, convert::CsvEncoding::Windows1252);
    writer.value("a");
    writer.value("\xE9t\xE9");
    writer.endLine();
    writer.value("");
    writer.endLine();
    EXPECT_EQ(out, "a,\xE9t\xE9\r\n\r\n");

    std::string utf8;
    CsvWriter u(utf8, '\xA7', false, convert::CsvEncoding::Utf8); // the section sign
    u.value("\x80 5");
    u.value("a\xA7"
            "b");
    u.endLine();
    EXPECT_EQ(utf8, "\xE2\x82\xAC 5\xC2\xA7\"a\xC2\xA7"
                    "b\"\r\n");
}

TEST(CsvRoundTrip, WrittenValuesReadBack)
{
    // What the writer writes, the reader reads as the same values (line feeds come back
    // as the CR pairs the record encoder turns into one line feed).
    const std::vector<std::string> values = {"plain", "a,b", "say \"hi\"", "",      "x\ny",
                                             "\"",    ",",   " lead",      "trail "};
    for (const char sep : {',', ';', '\t'}) {
        for (const bool quoteAll : {false, true}) {
            std::string out;
            CsvWriter writer(out, sep, quoteAll, convert::CsvEncoding::Windows1252);
            for (const auto &v : values)
                writer.value(v);
            writer.endLine();
            const CsvTable table = CsvTable::parse(out, sep);
            ASSERT_EQ(table.recordCount(), 1u) << out;
            ASSERT_EQ(table.fieldCount(0), values.size());
            for (std::size_t i = 0; i < values.size(); ++i) {
                std::string expected = values[i];
                if (expected == "x\ny")
                    expected = "x\r\ry";
                EXPECT_EQ(table.field(0, i), expected) << sep << quoteAll;
            }
        }
    }
}
