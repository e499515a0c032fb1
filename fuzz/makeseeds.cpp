// Writes the fuzz targets' seed corpus, made with the project's own code:
//   dorvane_fuzz_seeds FOLDER   (writes FOLDER/database/* and FOLDER/csv/*)
#include "dorvane/pdb/databasebuilder.h"

// std
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace fs = std::filesystem;

namespace {

void write(const fs::path &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

pdb::DatabaseBuilder textDatabase()
{
    pdb::DatabaseBuilder b("Products");
    b.setField(0, pdb::FieldType::Text, "Part");
    b.setField(1, pdb::FieldType::Note, "Notes");
    b.setField(2, pdb::FieldType::Decimal, "Price");
    b.addRecordFromTexts({"HX-100", "two\nlines", "12.50"});
    b.addRecordFromTexts({"Smith, John", "say \"hi\"", ""});
    return b;
}

pdb::DatabaseBuilder everyTypeDatabase()
{
    pdb::DatabaseBuilder b("Every type");
    for (int t = 1; t <= 15; ++t)
        b.setField(t - 1, static_cast<pdb::FieldType>(t), "F" + std::to_string(t));
    b.setField(20, pdb::FieldType::Derived, "Seconds").parameters[19] = 2;
    b.setField(21, pdb::FieldType::Derived, "Days").parameters[19] = 3;
    b.setPopupItems(3, {"Red", "Green", "Blue"});
    std::array<std::uint8_t, 30> order{};
    for (std::size_t p = 0; p < order.size(); ++p)
        order[p] = static_cast<std::uint8_t>(29 - p);
    b.setDisplayOrder(order);
    std::vector<std::string> row(30);
    // columns go by display column: the order is reversed
    const std::vector<std::string> values = {"text", "-42",   "3.14",   "green",   "0",
                                             "7",    "x",     "7/4/03", "2:51 pm", "8",
                                             "9",    "notes", "",       "text2",   "5"};
    for (int t = 1; t <= 15; ++t)
        row[static_cast<std::size_t>(b.descriptor().displayColumn(t - 1))] = values[t - 1];
    row[static_cast<std::size_t>(b.descriptor().displayColumn(20))] = "53460";
    row[static_cast<std::size_t>(b.descriptor().displayColumn(21))] = "1826";
    b.addRecordFromTexts(row);
    b.addRecordFromTexts(std::vector<std::string>(30, "No Value"));
    return b;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: dorvane_fuzz_seeds FOLDER\n";
        return 2;
    }
    const fs::path root = argv[1];
    fs::create_directories(root / "database");
    fs::create_directories(root / "csv");

    write(root / "database" / "text", textDatabase().bytes());
    write(root / "database" / "every-type", everyTypeDatabase().bytes());

    pdb::DatabaseBuilder tagged = textDatabase();
    tagged.descriptor().recordTagFlag = 1;
    tagged.addRecordFromTexts({"tagged", "", "1"});
    write(root / "database" / "tagged", tagged.bytes());

    pdb::DatabaseBuilder locked = textDatabase();
    locked.descriptor().setPassword("Secret");
    locked.descriptor().setAccessSlot(0, 1);
    write(root / "database" / "password", locked.bytes());
    locked.descriptor().setAccessSlot(0, 2);
    write(root / "database" / "not-allowed", locked.bytes());

    pdb::DatabaseBuilder old = textDatabase();
    old.descriptor().version = 1;
    std::string oldBytes = old.bytes();
    write(root / "database" / "old-version", oldBytes);

    std::string broken = textDatabase().bytes();
    broken[78 + 8 * 31] = '\x7F'; // the first data record far beyond the end
    write(root / "database" / "broken-offset", broken);
    write(root / "database" / "few-records", textDatabase().bytes().substr(0, 78 + 8 * 3));

    // CSV inputs: byte 0 chooses separator and flags, byte 1 the date and time formats.
    const std::vector<std::pair<std::string, std::string>> csv = {
        {"names", std::string("\x08\x00", 2) + "Name,Price,Notes\r\nBolt,0.35,\"a\r\nb\"\r\n"},
        {"quotes", std::string("\x08\x00", 2) + "\"a\"\"b\",c\"d,\"e\"f,g\"\r\nh\r\n"},
        {"line-ends", std::string("\x00\x00", 2) + "a\rb\n\nc\r\r\r\nd\0e"s},
        {"semicolon", std::string("\x09\x09", 2) + "x;y\r\n1;\"2;3\"\r\n"},
        {"tab-quoted", std::string("\x1A\x05", 2) + "a\tb\r\n\"c\"\t\"\"\r\n"},
        {"utf8", std::string("\x28\x00", 2) + "\xEF\xBB\xBFName\r\nCaf\xC3\xA9 \xE2\x98\x95\r\n"},
        {"wide", std::string("\x08\x00", 2) + std::string(40, ',') + "\r\n" + std::string(40, 'x')},
        {"dates", std::string("\x00\x10", 2) + "7/4/03,12:15 am,No Value,No Time,NO DATE\r\n"},
        {"empty", std::string("\x08\x00", 2)},
    };
    for (const auto &[name, bytes] : csv)
        write(root / "csv" / name, bytes);
    return 0;
}
