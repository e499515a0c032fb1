// The workbook readers against workbooks made by a real spreadsheet program: every format
// must give the cell texts a person reads in the spreadsheet.

#include "vendara/exchange/sheetcell.h"
#include "vendara/exchange/textsheetreader.h"
#include "vendara/exchange/workbook.h"
#include "vendara/exchange/xlsxreader.h"

// Qt
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using vendara::SheetCell;
using vendara::TextSheetReader;
using vendara::Workbook;

QString fixture(const QString &name)
{
    return QStringLiteral(TEST_DATA_DIR "/spreadsheets/") + name;
}

QStringList expectedLines(const QString &name)
{
    QFile file(fixture(name + QStringLiteral(".expected.tsv")));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

// The sheet in the fixtures' TSV form: rows 1 to the last, columns A to `columns`.
QStringList asLines(const Workbook &sheet, int rows, int columns)
{
    QStringList lines;
    for (int r = 1; r <= rows; ++r) {
        QStringList fields;
        for (int c = 1; c <= columns; ++c) {
            QString text = sheet.cell(r, c).shown();
            text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
            text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
            text.replace(QLatin1Char('\t'), QLatin1String("\\t"));
            fields.append(text);
        }
        lines.append(fields.join(QLatin1Char('\t')));
    }
    return lines;
}

class FixtureTest : public testing::TestWithParam<const char *>
{
};

TEST_P(FixtureTest, EveryFormatGivesTheCellsAPersonReads)
{
    const QString name = QString::fromLatin1(GetParam());
    const QStringList expected = expectedLines(name);
    const int columns = int(expected.first().count(QLatin1Char('\t'))) + 1;
    for (const char *extension : {".xls", ".xlsx", ".ods"}) {
        SCOPED_TRACE(extension);
        const Workbook::OpenResult opened =
            Workbook::open(fixture(name + QLatin1String(extension)));
        ASSERT_TRUE(opened.workbook) << opened.reason.toStdString();
        EXPECT_EQ(asLines(*opened.workbook, int(expected.size()), columns).join(QLatin1Char('\n')),
                  expected.join(QLatin1Char('\n')));
        EXPECT_LE(opened.workbook->lastRow(), expected.size());
    }
}

INSTANTIATE_TEST_SUITE_P(Spreadsheets, FixtureTest,
                         testing::Values("basic", "mapping", "types", "emptyfirst", "sheets"));

TEST(WorkbookTest, CellKindsSurviveEachFormat)
{
    for (const char *extension : {".xls", ".xlsx", ".ods"}) {
        SCOPED_TRACE(extension);
        const auto opened =
            Workbook::open(fixture(QStringLiteral("types") + QLatin1String(extension)));
        ASSERT_TRUE(opened.workbook);
        const Workbook &sheet = *opened.workbook;
        EXPECT_EQ(sheet.cell(QStringLiteral("A2")).kind(), SheetCell::Kind::Text); // 00123
        EXPECT_EQ(sheet.cell(QStringLiteral("B2")).kind(), SheetCell::Kind::Number);
        EXPECT_EQ(sheet.cell(QStringLiteral("H2")).kind(), SheetCell::Kind::Date);
        EXPECT_EQ(sheet.cell(QStringLiteral("I2")).kind(), SheetCell::Kind::Boolean);
        EXPECT_EQ(sheet.cell(QStringLiteral("J2")).kind(), SheetCell::Kind::Number); // =B2*2
        EXPECT_EQ(sheet.cell(QStringLiteral("J3")).kind(), SheetCell::Kind::Text);
        EXPECT_EQ(sheet.cell(QStringLiteral("R2")).kind(), SheetCell::Kind::Empty);
    }
}

TEST(WorkbookTest, AddressesAndColumnNames)
{
    EXPECT_EQ(Workbook::parseAddress(QStringLiteral("A1")), std::make_pair(1, 1));
    EXPECT_EQ(Workbook::parseAddress(QStringLiteral("r12")), std::make_pair(12, 18));
    EXPECT_EQ(Workbook::parseAddress(QStringLiteral("AB7")), std::make_pair(7, 28));
    EXPECT_FALSE(Workbook::parseAddress(QStringLiteral("A0")));
    EXPECT_FALSE(Workbook::parseAddress(QStringLiteral("@1"))); // "Skip Field" gives column @
    EXPECT_FALSE(Workbook::parseAddress(QStringLiteral("?1")));
    EXPECT_FALSE(Workbook::parseAddress(QStringLiteral("1A")));
    EXPECT_FALSE(Workbook::parseAddress(QStringLiteral("XFE1")));
    EXPECT_EQ(Workbook::columnName(1), QStringLiteral("A"));
    EXPECT_EQ(Workbook::columnName(18), QStringLiteral("R"));
    EXPECT_EQ(Workbook::columnName(27), QStringLiteral("AA"));
    EXPECT_EQ(Workbook::columnName(16384), QStringLiteral("XFD"));
}

TEST(WorkbookTest, ShortestNumbers)
{
    EXPECT_EQ(SheetCell::shortestNumber(12.5), QStringLiteral("12.5"));
    EXPECT_EQ(SheetCell::shortestNumber(1000), QStringLiteral("1000"));
    EXPECT_EQ(SheetCell::shortestNumber(1000000), QStringLiteral("1000000"));
    EXPECT_EQ(SheetCell::shortestNumber(0.1), QStringLiteral("0.1"));
    EXPECT_EQ(SheetCell::shortestNumber(1234567.89), QStringLiteral("1234567.89"));
    EXPECT_EQ(SheetCell::shortestNumber(-0.0), QStringLiteral("0"));
    EXPECT_EQ(SheetCell::shortestNumber(0.1 + 0.2), QStringLiteral("0.30000000000000004"));
}

TEST(WorkbookTest, SerialDatesOfBothSystems)
{
    EXPECT_EQ(vendara::XlsxReader::serialText(46082, 1, false), QStringLiteral("2026-03-01"));
    EXPECT_EQ(vendara::XlsxReader::serialText(46082.5, 3, false),
              QStringLiteral("2026-03-01 12:00:00"));
    EXPECT_EQ(vendara::XlsxReader::serialText(0.75, 2, false), QStringLiteral("18:00:00"));
    EXPECT_EQ(vendara::XlsxReader::serialText(1, 1, false), QStringLiteral("1900-01-01"));
    EXPECT_EQ(vendara::XlsxReader::serialText(61, 1, false), QStringLiteral("1900-03-01"));
    EXPECT_EQ(vendara::XlsxReader::serialText(0, 1, true), QStringLiteral("1904-01-01"));
    EXPECT_EQ(vendara::XlsxReader::dateParts(168, QStringLiteral("[$-409]yyyy\\-mm\\-dd")), 1);
    EXPECT_EQ(vendara::XlsxReader::dateParts(169, QStringLiteral("[$$-409]#,##0.00")), 0);
    EXPECT_EQ(vendara::XlsxReader::dateParts(170, QStringLiteral("h:mm")), 2);
    EXPECT_EQ(vendara::XlsxReader::dateParts(171, QStringLiteral("\"day\" 0")), 0);
    EXPECT_EQ(vendara::XlsxReader::dateParts(14, QString()), 1);
    EXPECT_EQ(vendara::XlsxReader::dateParts(0, QStringLiteral("General")), 0);
}

TEST(WorkbookTest, TextFilesTabOrComma)
{
    // The export's own form: tabs, no quoting, a lone carriage return inside a value.
    auto tabs =
        TextSheetReader::parse(QByteArray("Part Number\tNotes\r\nA-1\t\"quoted\" x\ry\r\n"));
    ASSERT_TRUE(tabs.workbook);
    EXPECT_EQ(tabs.workbook->cell(2, 2).shown(), QStringLiteral("\"quoted\" x\ry"));
    EXPECT_EQ(tabs.workbook->lastRow(), 2);

    auto commas = TextSheetReader::parse(
        QByteArray("Part Number,Name\n\"A,1\",\"12\"\" ruler\nsecond line\"\nB-2,Caf\xE9\n"));
    ASSERT_TRUE(commas.workbook);
    EXPECT_EQ(commas.workbook->cell(2, 1).shown(), QStringLiteral("A,1"));
    EXPECT_EQ(commas.workbook->cell(2, 2).shown(), QStringLiteral("12\" ruler\nsecond line"));
    EXPECT_EQ(commas.workbook->cell(3, 2).shown(), QString::fromUtf8("Café")); // Windows-1252

    auto utf8 = TextSheetReader::parse(QByteArray("\xEF\xBB\xBFName\nCaf\xC3\xA9\n"));
    EXPECT_EQ(utf8.workbook->cell(2, 1).shown(), QString::fromUtf8("Café"));

    auto mac = TextSheetReader::parse(QByteArray("a,b\rc,d\r"));
    EXPECT_EQ(mac.workbook->cell(2, 2).shown(), QStringLiteral("d"));
}

TEST(WorkbookTest, FilesThatAreNoWorkbook)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.xls"));
    EXPECT_EQ(Workbook::open(missing).errorNumber, 53);
    EXPECT_EQ(Workbook::open(dir.path()).errorNumber, 75);

    auto write = [&](const QString &name, const QByteArray &bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    // Binary bytes, a compound document that is cut short, a zip that holds no workbook.
    EXPECT_EQ(
        Workbook::open(write(QStringLiteral("a.xls"), QByteArray("\x01\x00\x02", 3))).errorNumber,
        432);
    QFile real(fixture(QStringLiteral("basic.xls")));
    ASSERT_TRUE(real.open(QIODevice::ReadOnly));
    EXPECT_EQ(Workbook::open(write(QStringLiteral("cut.xls"), real.read(1500))).errorNumber, 432);
    QFile xlsx(fixture(QStringLiteral("basic.xlsx")));
    ASSERT_TRUE(xlsx.open(QIODevice::ReadOnly));
    EXPECT_EQ(Workbook::open(write(QStringLiteral("cut.xlsx"), xlsx.read(2000))).errorNumber, 432);
}

} // namespace
