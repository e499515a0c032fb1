// The template "prodnocog.pjt" with the converter's engine: its fields in display order take
// the hand-off's seven columns, and a hand-off CSV file converted with it decodes to the
// catalogue's products.

#include "productrows.h"

#include "tests/dorvane/recordingui.h"
#include "dorvane/convert/csvtodatabase.h"
#include "dorvane/convert/databasetocsv.h"
#include "dorvane/pdb/database.h"
#include "vendara/exchange/handheldcsv.h"
#include "vendara/exchange/handheldtemplate.h"

#include "common/qt/cp1252text.h"

// Qt
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using testsupport::Catalogue;

TEST(HandheldTemplateTest, SevenFieldsInTheColumnsOrder)
{
    QTemporaryDir dir;
    const std::string path =
        QDir(dir.path()).filePath(QStringLiteral("prodnocog.pjt")).toStdString();
    ASSERT_TRUE(vendara::HandheldTemplate::build().write(path).ok());
    pdb::Database database = pdb::Database::open(path);
    ASSERT_EQ(database.headerCheck(), pdb::Database::HeaderCheck::Quirra);
    ASSERT_TRUE(database.readDescriptor());
    std::vector<std::string> names;
    std::vector<pdb::FieldType> types;
    for (const pdb::DisplayField &field : database.displayFields()) {
        if (field.type == 0)
            continue;
        names.push_back(field.name);
        types.push_back(pdb::fieldTypeFromCode(field.type));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Quote", "Cat Number", "Description", "Price",
                                               "Includes", "Notes", "Discounts"}));
    EXPECT_EQ(types, (std::vector<pdb::FieldType>{pdb::FieldType::CheckBox, pdb::FieldType::Text,
                                                  pdb::FieldType::Text, pdb::FieldType::Text,
                                                  pdb::FieldType::Note, pdb::FieldType::Note,
                                                  pdb::FieldType::Text}));
    EXPECT_EQ(database.dataRecordCount(), 0u);
}

TEST(HandheldTemplateTest, AHandOffFileConvertsToTheProducts)
{
    QTemporaryDir dir;
    auto path = [&](const char *name) {
        return QDir(dir.path()).filePath(QLatin1String(name));
    };
    ASSERT_TRUE(vendara::HandheldTemplate::build().write(path("prodnocog.pjt").toStdString()).ok());
    Catalogue c;
    c.add({QStringLiteral("A-1"), QString::fromUtf8("12\" ruler, caf\u00e9"),
           QStringLiteral("#1049.99"), QStringLiteral("Line one\r\nLine two"),
           QStringLiteral("Case"), QStringLiteral("10"), QStringLiteral("1,100.00")});
    c.add({QStringLiteral("B-2"), QStringLiteral("Bracket \"L\""), QStringLiteral("#3.75")});
    const QByteArray csv = common::toCp1252(vendara::HandheldCsv::text(c.table, {1, 2}));
    testsupport::writeFile(path("Spring.CSV"), csv);

    testsupport::RecordingUi ui;
    convert::ConversionSettings settings;
    settings.databaseName = "Spring";
    ASSERT_TRUE(convert::csvToDatabase(path("Spring.CSV").toStdString(),
                                       path("Spring.pdb").toStdString(),
                                       path("prodnocog.pjt").toStdString(), settings, ui)
                    .ok);
    settings.useQuotes = true;
    ASSERT_TRUE(convert::databaseToCsv(path("Spring.pdb").toStdString(),
                                       path("back.csv").toStdString(), settings, ui)
                    .ok);
    EXPECT_EQ(common::fromCp1252(testsupport::fileBytes(path("back.csv"))),
              QString::fromUtf8(
                  "\"Quote\",\"Cat "
                  "Number\",\"Description\",\"Price\",\"Includes\",\"Notes\",\"Discounts\"\r\n"
                  "\"0\",\"A-1\",\"12  ruler  caf\u00e9\",\"$1,049.99\",\"Case\",\"Line "
                  "one\r\nLine two\",\"10 - $1,100.00\"\r\n"
                  "\"0\",\"B-2\",\"Bracket \"\"L\"\"\",\"$3.75\",\"\",\"\",\"\"\r\n"));
}

} // namespace
