// The catalogue file and line breaks: whatever the product table holds comes back from the
// file as the same products, and files written before (older five-field records, texts with a
// DEL before a line break or a line break at their start) read as their products.

#include "catalogue.h"

#include "common/qt/cp1252text.h"
#include "vendara/store/linebreaks.h"
#include "vendara/store/numberforms.h"
#include "vendara/store/productcolumns.h"
#include "vendara/store/products.h"

// Qt
#include <QTemporaryDir>

// std
#include <random>

#include <gtest/gtest.h>

namespace {

using namespace vendara;
using testsupport::kS;
using testsupport::readBytes;
using testsupport::record;
using testsupport::writeBytes;

// A cell as a save and a load give it back: texts enter the table without DEL characters and
// leading line breaks, characters Windows-1252 cannot hold come back as "?", every line break
// as CR LF, the price as a number (empty when it is not one) and numbers elsewhere as their
// text.
Cell afterSaveAndLoad(const Cell &stored, int column)
{
    if (stored.isEmpty())
        return column == product::Price ? Cell() : Cell(QString());
    QString text = stored.toText();
    text = toTableLineBreaks(common::fromCp1252(common::toCp1252(text)));
    if (column != product::Price)
        return Cell(text);
    if (const auto price = NumberForms::readSingle(text))
        return Cell(*price);
    return Cell();
}

class RandomTables
{
public:
    explicit RandomTables(unsigned seed)
        : mRng(seed)
    {}

    QString text()
    {
        static const QStringList pieces = {
            QStringLiteral("a"),         QStringLiteral("Zq"),
            QStringLiteral(" "),         QStringLiteral("\t"),
            QStringLiteral("\r"),        QStringLiteral("\n"),
            QStringLiteral("\r\n"),      QString(QChar(0x7F)),
            QStringLiteral("12.5"),      QStringLiteral(","),
            QString::fromUtf8("\u00e9"), QString::fromUtf8("\u20ac"),
            QString::fromUtf8("\u2013"), QString::fromUtf8("\u2713"),
            QString::fromUtf8("\u65e5"), QString::fromUtf8("\U0001F600")};
        QString text;
        const int length = pick(9);
        for (int i = 0; i < length; ++i)
            text += pieces.at(pick(int(pieces.size())));
        return text;
    }

    Cell cell()
    {
        switch (pick(6)) {
        case 0:
            return Cell();
        case 1:
            return Cell(QString());
        case 2:
            // Numbers of up to seven significant digits, as the file writes them.
            return Cell(float(pick(2000000) - 1000000) / 100.0f);
        default:
            return Cell(text());
        }
    }

    void fill(Table &table)
    {
        table.setBounds(pick(12), product::ColumnCount);
        for (int row = 1; row <= table.rows(); ++row) {
            for (int column = 1; column <= product::ColumnCount; ++column)
                table.setCell(row, column, cell());
        }
    }

private:
    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(mRng); }

    std::mt19937 mRng;
};

class CatalogueFileTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return QDir(mDir.path()).filePath(name); }
    // Reads a file into a fresh table as it stands, rows in file order.
    Products::ReadResult readInto(Table &table, const QString &file)
    {
        Products reader(table);
        table.setBounds(product::Capacity, product::ColumnCount);
        const Products::ReadResult read = reader.ReadProds(file);
        table.setBounds(read.count, product::ColumnCount);
        return read;
    }
    QTemporaryDir mDir;
};

TEST_F(CatalogueFileTest, RandomTablesComeBackAsTheirProducts)
{
    for (unsigned seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(seed);
        RandomTables random(seed);
        Table original;
        random.fill(original);
        ASSERT_TRUE(Products(original).WriteProds(path(QStringLiteral("first.dat"))).ok());

        Table loaded;
        readInto(loaded, path(QStringLiteral("first.dat")));
        QList<int> products;
        for (int row = 1; row <= original.rows(); ++row) {
            if (!original.cell(row, product::PartNumber).isEmpty())
                products.append(row);
        }
        ASSERT_EQ(loaded.rows(), products.size());
        for (int i = 0; i < products.size(); ++i) {
            for (int column = 1; column <= product::ColumnCount; ++column) {
                const Cell expected =
                    afterSaveAndLoad(original.cell(products.at(i), column), column);
                ASSERT_EQ(loaded.cell(i + 1, column), expected)
                    << "row " << i + 1 << " column " << column << ": "
                    << loaded.cell(i + 1, column).toText().toStdString() << " | "
                    << expected.toText().toStdString();
            }
        }

        // From then on the file stays byte for byte what it is.
        ASSERT_TRUE(Products(loaded).WriteProds(path(QStringLiteral("second.dat"))).ok());
        Table again;
        readInto(again, path(QStringLiteral("second.dat")));
        ASSERT_TRUE(Products(again).WriteProds(path(QStringLiteral("third.dat"))).ok());
        ASSERT_EQ(readBytes(path(QStringLiteral("third.dat"))),
                  readBytes(path(QStringLiteral("second.dat"))));
    }
}

TEST_F(CatalogueFileTest, TextsEnterTheTableWithoutLeadingLineBreaks)
{
    Table table(1, product::ColumnCount);
    table.setCell(1, product::PartNumber, Cell(QStringLiteral("A-1")));
    table.setCell(1, product::Notes, Cell(QStringLiteral("\r\n\r\nNotes\r\nmore\r\n")));
    table.setCell(1, product::Includes, Cell(QStringLiteral("\n\r\n")));
    table.setCell(1, product::pricePointQuantity(1),
                  Cell(QString(QChar(0x7F)) + QStringLiteral("\n 10")));
    EXPECT_EQ(table.cell(1, product::Notes).text(), QStringLiteral("Notes\r\nmore\r\n"));
    EXPECT_TRUE(table.cell(1, product::Includes).isEmpty());
    EXPECT_EQ(table.cell(1, product::pricePointQuantity(1)).text(), QStringLiteral(" 10"));

    // The file has no line break right after a separator but the record's end.
    ASSERT_TRUE(Products(table).WriteProds(path(QStringLiteral("vadata.dat"))).ok());
    const QByteArray bytes = readBytes(path(QStringLiteral("vadata.dat")));
    EXPECT_EQ(bytes, record({"A-1", "", "", "Notes\r\nmore\r\n", "", " 10"}));
    EXPECT_EQ(bytes.count(kS + "\r"), 1);
    EXPECT_TRUE(bytes.endsWith(kS + "\r\n"));
    EXPECT_FALSE(bytes.contains(kS + "\n"));
}

TEST_F(CatalogueFileTest, FilesOfOlderCopiesReadAsBefore)
{
    // Five-field records, with notes over several lines and includes that end in a line
    // break, next to whole records.
    const QByteArray older =
        record({"A-1", "Five", "3", "line one\r\n\r\nline three", "inc\r\n"}, 5)
        + record({"B-2", "Whole", "4", "n", "i", "10", "9.5"})
        + record({"C-3", "Five again", "", "", ""}, 5);
    const QString file = path(QStringLiteral("older.dat"));
    writeBytes(file, older);
    Table table;
    ASSERT_EQ(readInto(table, file).count, 3);
    EXPECT_EQ(table.cell(1, product::Notes).text(), QStringLiteral("line one\r\n\r\nline three"));
    EXPECT_EQ(table.cell(1, product::Includes).text(), QStringLiteral("inc\r\n"));
    EXPECT_TRUE(table.cell(1, product::pricePointQuantity(1)).isEmpty());
    EXPECT_EQ(table.cell(2, product::pricePointPrice(1)).text(), QStringLiteral("9.5"));
    EXPECT_EQ(table.cell(3, product::ProductName).text(), QStringLiteral("Five again"));

    // Texts that an older copy wrote with a line break at their start: the record is whole
    // again, and the text is kept without that line break.
    const QByteArray leading = QByteArray("D-4") + kS + "Widget" + kS + "5" + kS
                               + "\r\nNotes after a blank line" + kS + "\r\n\r\nIncludes" + kS
                               + "10" + kS + "4.5" + kS + kS + kS + kS + kS + kS + kS + kS + kS
                               + "\r\n";
    writeBytes(file, leading + record({"E-5", "Next"}));
    ASSERT_EQ(readInto(table, file).count, 2);
    EXPECT_EQ(table.cell(1, product::Notes).text(), QStringLiteral("Notes after a blank line"));
    EXPECT_EQ(table.cell(1, product::Includes).text(), QStringLiteral("Includes"));
    EXPECT_EQ(table.cell(1, product::pricePointPrice(1)).text(), QStringLiteral("4.5"));
    EXPECT_EQ(table.cell(2, product::PartNumber).text(), QStringLiteral("E-5"));
}

TEST_F(CatalogueFileTest, ADelBeforeALineBreakInsideATextDoesNotEndTheRecord)
{
    // Edited elsewhere: a DEL typed just before a line break in the notes and in the includes.
    const QByteArray edited = QByteArray("A-1") + kS + "Widget" + kS + "1" + kS + "line one\x7F"
                              + "\r\nline two" + kS + "inc one\x7F\r\ninc two" + kS + "10" + kS
                              + "9" + kS + kS + kS + kS + kS + kS + kS + kS + kS + "\r\n";
    const QString file = path(QStringLiteral("edited.dat"));
    writeBytes(file, edited + record({"B-2", "Bracket"}));
    Table table;
    ASSERT_EQ(readInto(table, file).count, 2);
    EXPECT_EQ(table.cell(1, product::Notes).text(), QStringLiteral("line one\r\nline two"));
    EXPECT_EQ(table.cell(1, product::Includes).text(), QStringLiteral("inc one\r\ninc two"));
    EXPECT_EQ(table.cell(1, product::pricePointQuantity(1)).text(), QStringLiteral("10"));
    EXPECT_EQ(table.cell(2, product::PartNumber).text(), QStringLiteral("B-2"));
}

} // namespace
