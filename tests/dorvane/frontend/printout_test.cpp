#include "formfixture.h"

#include "dorvane/frontend/databaseprintout.h"
#include "dorvane/pdb/databasebuilder.h"

// Qt
#include <QDate>
#include <QFile>
#include <QPdfWriter>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

using dorvane::DatabasePrintout;
using dorvane::TMainForm;
using Field = TMainForm::Field;
using testsupport::FormFixture;

std::filesystem::path fsPath(const QString &path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// The printed lines without the blanks that pdftotext adds for the layout.
QStringList printedLines(const QString &pdf)
{
    QStringList lines;
    for (const QString &line : testsupport::pdfText(pdf).split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty() && trimmed != QStringLiteral("\f"))
            lines.append(trimmed.startsWith(QLatin1Char('\f')) ? trimmed.mid(1) : trimmed);
    }
    return lines;
}

class Printout : public ::testing::Test
{
protected:
    void SetUp() override { f.form().FormCreate({}); }
    TMainForm &form() { return f.form(); }

    FormFixture f;
};

TEST_F(Printout, RecordsAsFieldLinesWrappedAtSevenInches)
{
    pdb::DatabaseBuilder b("Stock");
    b.setField(0, pdb::FieldType::Text, "Name");
    b.setField(1, pdb::FieldType::Note, "Notes", false); // printed although not shown
    b.setField(2, pdb::FieldType::Integer, "Qty");
    const std::string word(150, 'W'); // about 20 inches
    b.addRecordFromTexts({"Desk", "Oak top,\r\n\r\nsteel legs", "4"});
    b.addRecordFromTexts({"Chair", word, ""});
    const QString db = f.path(QStringLiteral("Stock.pdb"));
    ASSERT_TRUE(b.write(fsPath(db)).ok());
    form().setText(Field::PDBNameField, db);
    const QString pdf = f.path(QStringLiteral("out.pdf"));
    f.printer.printTo(pdf);
    EXPECT_TRUE(form().PrintDatabaseButtonClick());
    EXPECT_EQ(f.printer.lastTitle, QStringLiteral("Printout of All Quirra Records"));

    const QStringList lines = printedLines(pdf);
    ASSERT_GE(lines.size(), 9);
    const QRegularExpression title(QStringLiteral(
        "^Quirra Database: (.*)\\s+Printed: (\\d\\d/\\d\\d/\\d\\d) (\\d\\d:\\d\\d)$"));
    const auto match = title.match(lines[0]);
    ASSERT_TRUE(match.hasMatch()) << lines[0].toStdString();
    EXPECT_EQ(match.captured(1).trimmed(), db);
    EXPECT_EQ(match.captured(2), QDate::currentDate().toString(QStringLiteral("MM/dd/yy")));
    const QString hyphens(62, QLatin1Char('-'));
    EXPECT_EQ(lines.mid(1, 5),
              QStringList({QStringLiteral("Name: Desk"), QStringLiteral("Notes: Oak top,"),
                           QStringLiteral("steel legs"), QStringLiteral("Qty: 4"), hyphens}));
    EXPECT_EQ(lines[6], QStringLiteral("Name: Chair"));
    // The line breaks at its last blank; the word wider than seven inches then comes 10
    // characters shorter at a time until it fits, and the rest follows on the next lines.
    EXPECT_EQ(lines[7], QStringLiteral("Notes:"));
    QString joined;
    int i = 8;
    for (; i < lines.size() && !lines[i].startsWith(QStringLiteral("Qty:")); ++i) {
        EXPECT_EQ(lines[i].count(QLatin1Char('W')), lines[i].size());
        EXPECT_EQ(lines[i].size() % 10, 0);
        joined += lines[i];
    }
    EXPECT_GE(i - 8, 3);
    EXPECT_EQ(joined, QString::fromStdString(word));
    EXPECT_EQ(lines.last(), hyphens);
}

TEST_F(Printout, FittingTextToTheWidth)
{
    QPdfWriter writer(f.path(QStringLiteral("fit.pdf")));
    writer.setResolution(300);
    DatabasePrintout printout(writer);
    ASSERT_TRUE(printout.begin());
    EXPECT_EQ(printout.widthLimit(), 7 * 300);
    const QString words = QStringLiteral("alpha beta gamma   delta");
    const int upToGamma = printout.textWidth(QStringLiteral("alpha beta gamma"));
    // Cut after the last word that fits; the blanks before the next word go with the cut.
    EXPECT_EQ(printout.FitToWidth(words, upToGamma + 1), 16);
    EXPECT_EQ(printout.FitToWidth(words, upToGamma), 10);
    // No blank to cut at (or only leading ones): 10 characters at a time.
    const QString run(35, QLatin1Char('x'));
    EXPECT_EQ(printout.FitToWidth(run, printout.textWidth(QString(26, QLatin1Char('x')))), 25);
    EXPECT_EQ(printout.FitToWidth(QStringLiteral("   ") + run,
                                  printout.textWidth(QString(30, QLatin1Char('x')))),
              28);
    EXPECT_EQ(printout.FitToWidth(run, 1), 1);
    printout.end();
}

TEST_F(Printout, PagesFillToTheBottom)
{
    pdb::DatabaseBuilder b("Many");
    b.setField(0, pdb::FieldType::Integer, "N");
    for (int n = 1; n <= 120; ++n)
        b.addRecordFromTexts({std::to_string(n)});
    const QString db = f.path(QStringLiteral("Many.pdb"));
    ASSERT_TRUE(b.write(fsPath(db)).ok());
    form().setText(Field::PDBNameField, db);
    const QString pdf = f.path(QStringLiteral("many.pdf"));
    f.printer.printTo(pdf);
    EXPECT_TRUE(form().PrintDatabaseButtonClick());
    const QString text = testsupport::pdfText(pdf);
    EXPECT_GE(text.count(QLatin1Char('\f')), 3);
    EXPECT_TRUE(text.contains(QStringLiteral("N: 120")));
}

TEST_F(Printout, CancelledOrRefused)
{
    pdb::DatabaseBuilder b("Locked");
    b.setField(0, pdb::FieldType::Text, "Name");
    b.addRecordFromTexts({"x"});
    b.descriptor().setPassword("pw");
    b.descriptor().setAccessSlot(0, 1);
    const QString db = f.path(QStringLiteral("Locked.pdb"));
    ASSERT_TRUE(b.write(fsPath(db)).ok());

    // No file, then Cancel: no status text.
    f.prompter.answer(prompt::Answer::Cancel);
    EXPECT_FALSE(form().PrintDatabaseButtonClick());
    EXPECT_EQ(f.prompter.messageTexts(),
              QStringList(QStringLiteral("You need to specify a valid Quirra Database (.PDB) file "
                                         "to Print!")));
    EXPECT_TRUE(f.statuses.isEmpty());

    form().setText(Field::PDBNameField, db);
    f.printer.cancel();
    EXPECT_FALSE(form().PrintDatabaseButtonClick());
    EXPECT_EQ(f.printer.dialogs, 1);
    EXPECT_EQ(f.dialogs.passwordDialogs, 0);

    f.printer.printTo(f.path(QStringLiteral("locked.pdf")));
    f.dialogs.cancelPassword();
    EXPECT_FALSE(form().PrintDatabaseButtonClick());
    EXPECT_EQ(form().statusText(), QStringLiteral("Print Cancelled: Password not Entered"));
    f.dialogs.closePassword();
    EXPECT_FALSE(form().PrintDatabaseButtonClick());
    EXPECT_EQ(form().statusText(), QStringLiteral("Print Cancelled: Not allowed by Database"));

    b.descriptor().setAccessSlot(0, 2);
    ASSERT_TRUE(b.write(fsPath(db)).ok());
    EXPECT_FALSE(form().PrintDatabaseButtonClick());
    EXPECT_EQ(form().statusText(), QStringLiteral("Print Cancelled: Not allowed by Database"));
}

} // namespace
