#include "fuzztargets.h"
#include "promise.h"

#include "dorvane/convert/accesscheck.h"
#include "dorvane/convert/csvtable.h"
#include "dorvane/convert/csvtodatabase.h"
#include "dorvane/convert/databasetocsv.h"
#include "dorvane/convert/engineui.h"
#include "dorvane/convert/outputstring.h"
#include "dorvane/pdb/database.h"
#include "dorvane/pdb/databasebuilder.h"

// std
#include <string>
#include <vector>

namespace fuzz {

namespace {

// Answers the password dialog once with a wrong password, then with `right`.
class FuzzUi : public convert::EngineUi
{
public:
    explicit FuzzUi(std::string right)
        : mRight(std::move(right))
    {}
    void showMessage(std::string_view, std::string_view) override {}
    void showStatus(std::string_view) override {}
    void processEvents() override {}
    convert::PasswordAnswer askPassword() override
    {
        if (mAsked++ == 0)
            return {convert::PasswordAnswer::Result::Ok, mRight + "x"};
        return {convert::PasswordAnswer::Result::Ok, mRight};
    }

private:
    std::string mRight;
    int mAsked = 0;
};

// Every value of every data record as text, as the viewer shows them.
std::vector<std::vector<std::string>> allTexts(const pdb::Database &db, pdb::TextFormats formats)
{
    std::vector<std::vector<std::string>> texts;
    for (std::size_t r = pdb::kFirstDataRecord; r < db.recordCount(); ++r) {
        auto row = db.recordTexts(r, formats);
        texts.push_back(row ? std::move(*row) : std::vector<std::string>{"<unreadable>"});
    }
    return texts;
}

// Reads every value of every data record without keeping them.
void readAllTexts(const pdb::Database &db, pdb::TextFormats formats)
{
    std::size_t characters = 0;
    for (std::size_t r = pdb::kFirstDataRecord; r < db.recordCount(); ++r) {
        if (const auto row = db.recordTexts(r, formats)) {
            for (const std::string &text : *row)
                characters += text.size();
        }
    }
    require(characters < std::size_t{1} << 40, "texts of a sane length");
}

// A database the conversion wrote must read back whole.
pdb::Database readBack(const std::string &bytes, std::size_t records)
{
    pdb::Database db = pdb::Database::fromBytes(bytes);
    require(db.headerCheck() != pdb::Database::HeaderCheck::CannotOpen, "written header");
    require(db.readDescriptor(), "written descriptor");
    require(db.recordCount() == pdb::kFirstDataRecord + records, "written record count");
    for (std::size_t r = 0; r < db.recordCount(); ++r)
        require(db.record(r).has_value(), "written record readable");
    return db;
}

// A layout with a field of every type, popup lists and a unique number.
const std::string &everyTypeLayout()
{
    static const std::string bytes = [] {
        pdb::DatabaseBuilder b("Every type");
        for (int t = 1; t <= 15; ++t)
            b.setField(t - 1, static_cast<pdb::FieldType>(t), "F" + std::to_string(t));
        b.setField(17, static_cast<pdb::FieldType>(15), "Kind 2").parameters[19] = 2;
        b.setField(18, static_cast<pdb::FieldType>(15), "Kind 3").parameters[19] = 3;
        b.setField(19, static_cast<pdb::FieldType>(4), "Popup 2");
        b.setPopupItems(3, {"Red", "Green"});
        b.descriptor().recordTagFlag = 1;
        std::array<std::uint8_t, 30> order{};
        for (std::size_t p = 0; p < order.size(); ++p)
            order[p] = static_cast<std::uint8_t>((p * 7) % 30);
        b.setDisplayOrder(order);
        return b.bytes();
    }();
    return bytes;
}

} // namespace

void readDatabase(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    pdb::Database db = pdb::Database::fromBytes(bytes);
    (void)db.headerCheck();
    if (!db.readDescriptor())
        return;
    (void)db.displayFields();
    for (int f = 0; f < pdb::kDateFormatCount; f += 3)
        readAllTexts(db, {f, f % pdb::kTimeFormatCount});

    FuzzUi ui(db.descriptor().passwordText());
    convert::OutputString csv;
    const auto result = convert::databaseToCsv(db, csv, "out.csv", {}, ui);
    require(!result.ok || csv.committed(), "a successful conversion commits");

    // As the field layout of a CSV file.
    convert::OutputString out;
    convert::ConversionSettings settings;
    const auto made =
        convert::csvToDatabase("a,b,c\r\nRed,1,2\r\nx,,\r\n", &db, out, "out.pdb", settings, ui);
    if (made.ok)
        readAllTexts(readBack(out.bytes(), made.records), {});
}

void readCsv(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return;
    static constexpr char kSeparators[] = {',', ';', '\t', ' ', '|', 'a', '\0', '\xA7'};
    convert::ConversionSettings settings;
    settings.separator = kSeparators[data[0] & 7];
    settings.fieldNames = (data[0] & 8) != 0;
    settings.useQuotes = (data[0] & 16) != 0;
    settings.csvEncoding =
        (data[0] & 32) != 0 ? convert::CsvEncoding::Utf8 : convert::CsvEncoding::Windows1252;
    settings.dateFormat = data[1] % pdb::kDateFormatCount;
    settings.timeFormat = (data[1] / pdb::kDateFormatCount) % pdb::kTimeFormatCount;
    const std::string csv(reinterpret_cast<const char *>(data) + 2, size - 2);
    convert::SilentEngineUi ui;

    // New text fields.
    convert::OutputString first;
    const auto made = convert::csvToDatabase(csv, nullptr, first, "first.pdb", settings, ui);
    if (made.ok) {
        pdb::Database db = readBack(first.bytes(), made.records);
        const auto texts = allTexts(db, settings.textFormats());

        // There and back: the CSV written from the database, read with that database's
        // layout, gives the same values (the writer and the reader agree).
        convert::ConversionSettings back = settings;
        back.csvEncoding = convert::CsvEncoding::Windows1252;
        convert::OutputString written;
        require(convert::databaseToCsv(db, written, "back.csv", back, ui).ok, "to CSV");
        convert::OutputString again;
        const auto remade =
            convert::csvToDatabase(written.bytes(), &db, again, "again.pdb", back, ui);
        require(remade.ok, "back to a database");
        require(allTexts(readBack(again.bytes(), remade.records), settings.textFormats()) == texts,
                "the same values there and back");
    }

    // A layout of every field type.
    pdb::Database layout = pdb::Database::fromBytes(everyTypeLayout());
    convert::OutputString typed;
    const auto typedResult = convert::csvToDatabase(csv, &layout, typed, "typed.pdb", settings, ui);
    if (typedResult.ok)
        readAllTexts(readBack(typed.bytes(), typedResult.records), settings.textFormats());
}

} // namespace fuzz
