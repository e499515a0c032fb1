// The export: the text form's exact bytes, the workbook form read back, the file dialogs and
// the overwrite question, and the two spreadsheet questions.

#include "productrows.h"

#include "tests/support/scriptedprompter.h"
#include "tests/support/writefault.h"
#include "vendara/exchange/exportcommand.h"
#include "vendara/exchange/exportfile.h"
#include "vendara/exchange/spreadsheetfiles.h"
#include "vendara/exchange/spreadsheetquestions.h"
#include "vendara/exchange/workbook.h"

// Qt
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

// std
#include <cerrno>
#include <string>

#include <gtest/gtest.h>

namespace {

using prompt::Answer;
using testsupport::Catalogue;
using testsupport::RecordedPrompt;
using testsupport::ScriptedPrompter;
using vendara::ExportCommand;
using vendara::ExportFile;
using vendara::SpreadsheetFiles;

const QByteArray kHeading("Part Number\tProduct Name\tPrice\tNotes\tIncludes\tPrice Point 1\t"
                          "Price 1\tPrice Point 2\tPrice 2\tPrice Point 3\tPrice 3\tPrice Point 4\t"
                          "Price 4\tPrice Point 5\tPrice 5\r\n");

TEST(ExportFileTest, AnEmptyCatalogueGivesTheHeadingOnly)
{
    Catalogue empty;
    EXPECT_EQ(ExportFile::textBytes(empty.table), kHeading);
}

TEST(ExportFileTest, ProductLinesExactly)
{
    Catalogue c;
    c.add({QStringLiteral("A-1"), QStringLiteral("Stapler"), QStringLiteral("#5"),
           QStringLiteral("a\r\nb"), QStringLiteral("x\ry"), QStringLiteral("10"),
           QStringLiteral("9.50"), QStringLiteral("1,000"), QStringLiteral("8")});
    // A row without a part number is no product, whatever else it holds.
    c.add({QString(), QStringLiteral("Ghost"), QStringLiteral("#3")});
    c.add({QStringLiteral("B-2"), QString::fromUtf8("Caf\u00e9 table"), QStringLiteral("$1,049.5"),
           QString(), QStringLiteral("one\ntwo")});
    c.add({QStringLiteral("C-3"), QStringLiteral("Call us"), QStringLiteral("call")});

    const QByteArray bytes = ExportFile::textBytes(c.table);
    EXPECT_EQ(bytes, kHeading
                         + "A-1\tStapler\t$5.00\ta  b\tx\ry\t10\t9.50\t1,000\t8\t\t\t\t\t\t\r\n"
                           "B-2\tCaf\xE9 table\t$1,049.50\t\tone two\t\t\t\t\t\t\t\t\t\t\r\n"
                           "C-3\tCall us\tcall\t\t\t\t\t\t\t\t\t\t\t\t\r\n");
    for (const QByteArray &line : bytes.split('\n')) {
        if (!line.isEmpty()) {
            EXPECT_EQ(line.count('\t'), 14) << line.constData();
        }
    }
}

TEST(ExportFileTest, CharactersTheTextFormCannotHoldAreNamed)
{
    Catalogue c;
    c.add({QStringLiteral("J-1"), QString::fromUtf8("\u65e5\u672c \u20ac5")});
    QString lost;
    const QByteArray bytes = ExportFile::textBytes(c.table, &lost);
    EXPECT_EQ(lost, QString::fromUtf8("\u65e5\u672c"));
    EXPECT_TRUE(bytes.contains("J-1\t?? \x80"
                               "5\t"));
}

TEST(ExportFileTest, TheWorkbookFormReadsBackWithNumbersAsNumbers)
{
    QTemporaryDir dir;
    Catalogue c;
    c.add({QStringLiteral("00123"), QStringLiteral("Stapler"), QStringLiteral("#12.5"),
           QStringLiteral("line one\r\nline two"), QString(), QStringLiteral("10"),
           QStringLiteral("9.50"), QStringLiteral("50"), QStringLiteral("n/a")});
    c.add({QString(), QStringLiteral("Ghost")});
    const QString path = dir.filePath(QStringLiteral("out.xlsx"));
    ASSERT_TRUE(ExportFile::writeWorkbook(path, c.table).ok());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.xlsx"});

    const auto opened = vendara::Workbook::open(path);
    ASSERT_TRUE(opened.workbook) << opened.reason.toStdString();
    const vendara::Workbook &sheet = *opened.workbook;
    EXPECT_EQ(sheet.cell(QStringLiteral("A1")).shown(), QStringLiteral("Part Number"));
    EXPECT_EQ(sheet.cell(QStringLiteral("O1")).shown(), QStringLiteral("Price 5"));
    EXPECT_EQ(sheet.cell(QStringLiteral("A2")).kind(), vendara::SheetCell::Kind::Text);
    EXPECT_EQ(sheet.cell(QStringLiteral("A2")).shown(), QStringLiteral("00123"));
    EXPECT_EQ(sheet.cell(QStringLiteral("C2")).kind(), vendara::SheetCell::Kind::Number);
    EXPECT_EQ(sheet.cell(QStringLiteral("C2")).shown(), QStringLiteral("12.5"));
    EXPECT_EQ(sheet.cell(QStringLiteral("D2")).shown(), QStringLiteral("line one\nline two"));
    EXPECT_EQ(sheet.cell(QStringLiteral("G2")).kind(), vendara::SheetCell::Kind::Number);
    EXPECT_EQ(sheet.cell(QStringLiteral("G2")).shown(), QStringLiteral("9.5"));
    EXPECT_EQ(sheet.cell(QStringLiteral("I2")).shown(), QStringLiteral("n/a"));
    EXPECT_EQ(sheet.lastRow(), 2);
}

TEST(ExportFileTest, AWorkbookThatCannotBeWrittenLeavesNothingBehind)
{
    QTemporaryDir dir;
    Catalogue c;
    c.add({QStringLiteral("A-1"), QString(40000, QLatin1Char('x'))}); // beyond a cell's limit
    const QString path = dir.filePath(QStringLiteral("out.xlsx"));
    EXPECT_FALSE(ExportFile::writeWorkbook(path, c.table).ok());
    EXPECT_FALSE(
        ExportFile::writeWorkbook(dir.filePath(QStringLiteral("no/such/out.xlsx")), c.table).ok());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

class ExportCommandTest : public testing::Test
{
protected:
    QString file(const QString &name) const { return mDir.filePath(name); }

    QTemporaryDir mDir;
    ScriptedPrompter mPrompter;
    Catalogue mCatalogue;
    SpreadsheetFiles mFiles{mPrompter, mDir.path()};
};

TEST_F(ExportCommandTest, TheSaveDialogAndItsSteps)
{
    mCatalogue.add({QStringLiteral("A-1"), QStringLiteral("Stapler"), QStringLiteral("#5")});
    QStringList steps;
    ExportCommand command(mCatalogue.table, mPrompter, mFiles,
                          {[&] { steps << QStringLiteral("price column"); },
                           [&] {
                               steps << QStringLiteral("schedule edit");
                           }});
    mPrompter.chooseFile(file(QStringLiteral("prices.xls")));
    EXPECT_TRUE(command.Export());

    ASSERT_EQ(mPrompter.prompts().size(), 1);
    const prompt::FileRequest &request = mPrompter.prompts().first().file;
    EXPECT_EQ(request.mode, prompt::FileRequest::Mode::Save);
    // The first dialog starts in the folder, named as a folder, with no file name.
    EXPECT_EQ(request.fileName, QDir(mDir.path()).path() + QStringLiteral("/"));
    EXPECT_EQ(request.filter, QStringLiteral("All Files (*.*)|*.*|Text Files(*.txt)|*.txt|Excel "
                                             "Files (*.xls)|*.xls|Excel Workbook (*.xlsx)|*.xlsx"));
    EXPECT_EQ(request.filterIndex, 3);
    EXPECT_EQ(steps,
              (QStringList{QStringLiteral("price column"), QStringLiteral("schedule edit")}));
    EXPECT_EQ(testsupport::fileBytes(file(QStringLiteral("prices.xls"))),
              kHeading + "A-1\tStapler\t$5.00\t\t\t\t\t\t\t\t\t\t\t\t\r\n");

    // The next dialog starts on the file chosen last.
    mPrompter.cancelFile();
    EXPECT_FALSE(command.Export());
    EXPECT_EQ(mPrompter.prompts().last().file.fileName, file(QStringLiteral("prices.xls")));
}

TEST_F(ExportCommandTest, DecliningToOverwriteAsksForAnotherFile)
{
    const QString existing = file(QStringLiteral("old.xls"));
    testsupport::writeFile(existing, "keep me");
    mCatalogue.add({QStringLiteral("A-1"), QStringLiteral("Stapler")});
    ExportCommand command(mCatalogue.table, mPrompter, mFiles);

    mPrompter.chooseFile(existing).answer(Answer::No).chooseFile(existing).answer(Answer::Yes);
    EXPECT_TRUE(command.Export());
    ASSERT_EQ(mPrompter.prompts().size(), 4);
    const RecordedPrompt &question = mPrompter.prompts().at(1);
    EXPECT_EQ(question.text, QStringLiteral("Overwrite existing file?"));
    EXPECT_EQ(question.caption, QStringLiteral("Overwrite?"));
    EXPECT_EQ(question.buttons, prompt::Buttons::YesNo);
    EXPECT_EQ(question.icon, prompt::Icon::Question);
    EXPECT_EQ(mPrompter.prompts().at(2).kind, RecordedPrompt::Kind::File);
    EXPECT_TRUE(testsupport::fileBytes(existing).startsWith(kHeading));

    // No, then Cancel: the old file stays and nothing is said.
    testsupport::writeFile(existing, "keep me");
    mPrompter.clear();
    mPrompter.chooseFile(existing).answer(Answer::No).cancelFile();
    EXPECT_FALSE(command.Export());
    EXPECT_EQ(testsupport::fileBytes(existing), QByteArray("keep me"));
    EXPECT_EQ(mPrompter.messageTexts(), QStringList{QStringLiteral("Overwrite existing file?")});
}

TEST_F(ExportCommandTest, AnXlsxNameWritesAWorkbook)
{
    mCatalogue.add({QStringLiteral("A-1"), QStringLiteral("Stapler"), QStringLiteral("#5")});
    ExportCommand command(mCatalogue.table, mPrompter, mFiles);
    mPrompter.chooseFile(file(QStringLiteral("prices.XLSX")), 4);
    EXPECT_TRUE(command.Export());
    EXPECT_TRUE(testsupport::fileBytes(file(QStringLiteral("prices.XLSX"))).startsWith("PK"));
}

TEST_F(ExportCommandTest, ANameWithoutExtensionUnderTheWorkbookEntryBecomesAWorkbook)
{
    mCatalogue.add({QStringLiteral("A-1"), QStringLiteral("Stapler"), QStringLiteral("#5")});
    ExportCommand command(mCatalogue.table, mPrompter, mFiles);
    mPrompter.chooseFile(file(QStringLiteral("prices")), 4);
    EXPECT_TRUE(command.Export());
    EXPECT_FALSE(QFileInfo::exists(file(QStringLiteral("prices"))));
    EXPECT_TRUE(testsupport::fileBytes(file(QStringLiteral("prices.xlsx"))).startsWith("PK"));

    // The overwrite question is about the name with its extension.
    mPrompter.chooseFile(file(QStringLiteral("prices")), 4).answer(Answer::No).cancelFile();
    EXPECT_FALSE(command.Export());
    EXPECT_EQ(mPrompter.messageTexts(), QStringList{QStringLiteral("Overwrite existing file?")});
    EXPECT_EQ(mPrompter.prompts().last().file.fileName, file(QStringLiteral("prices.xlsx")));

    // The other entries keep the name as typed.
    mPrompter.clear();
    mPrompter.chooseFile(file(QStringLiteral("plain")), 3);
    EXPECT_TRUE(command.Export());
    EXPECT_TRUE(testsupport::fileBytes(file(QStringLiteral("plain"))).startsWith(kHeading));
}

TEST_F(ExportCommandTest, AWorkbookThroughASymbolicLinkKeepsTheLink)
{
    mCatalogue.add({QStringLiteral("A-1"), QStringLiteral("Stapler")});
    ExportCommand command(mCatalogue.table, mPrompter, mFiles);
    QDir(mDir.path()).mkdir(QStringLiteral("shared"));
    const QString link = file(QStringLiteral("prices.xlsx"));
    ASSERT_TRUE(QFile::link(QStringLiteral("shared/real.xlsx"), link));
    mPrompter.chooseFile(link, 4);
    EXPECT_TRUE(command.Export());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(testsupport::fileBytes(file(QStringLiteral("shared/real.xlsx"))).startsWith("PK"));
    EXPECT_EQ(QDir(mDir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList{QStringLiteral("prices.xlsx")});
}

TEST_F(ExportCommandTest, FailuresAndLostCharactersAreReported)
{
    mCatalogue.add({QStringLiteral("A-1"), QString::fromUtf8("\u4e2d\u6587 \u0141\u00f3d\u017a")});
    ExportCommand command(mCatalogue.table, mPrompter, mFiles);

    const QString nowhere = file(QStringLiteral("missing/prices.txt"));
    mPrompter.chooseFile(nowhere);
    EXPECT_FALSE(command.Export());
    const QStringList texts = mPrompter.messageTexts();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts.at(0), QString::fromUtf8(
                               "Some products contain characters that a text file for spreadsheets "
                               "cannot hold: \u4e2d \u6587 \u0141 \u017a\n\nThey are written as "
                               "question marks. Save as an Excel Workbook (*.xlsx) to keep them."));
    EXPECT_TRUE(texts.at(1).startsWith(
        QStringLiteral("The products could not be exported to %1.\n\n").arg(nowhere)))
        << texts.at(1).toStdString();
    EXPECT_EQ(mPrompter.prompts().last().caption, QStringLiteral("Export to File"));
    EXPECT_EQ(mPrompter.prompts().last().icon, prompt::Icon::Exclamation);
}

TEST_F(ExportCommandTest, AnExportThatFailsAtAnyStepKeepsTheOldFile)
{
    using Step = common::SafeFile::Step;
    mCatalogue.add({QStringLiteral("A-1"), QStringLiteral("Stapler"), QStringLiteral("#5")});
    ExportCommand command(mCatalogue.table, mPrompter, mFiles);
    for (const QString &name : {QStringLiteral("prices.txt"), QStringLiteral("prices.xlsx")}) {
        const QString target = file(name);
        for (const Step step : {Step::Open, Step::Write, Step::Flush, Step::Rename}) {
            SCOPED_TRACE(name.toStdString() + " " + std::to_string(int(step)));
            testsupport::writeFile(target, "old");
            mPrompter.clear();
            testsupport::WriteFault fault(step, ENOSPC, name.toStdString());
            mPrompter.chooseFile(target, name.endsWith(QLatin1String("xlsx")) ? 4 : 2)
                .answer(Answer::Yes);
            EXPECT_FALSE(command.Export());
            EXPECT_TRUE(fault.struck());
            EXPECT_EQ(testsupport::fileBytes(target), QByteArray("old"));
            EXPECT_EQ(QDir(mDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList(name));
            EXPECT_EQ(mPrompter.messageTexts().last(),
                      QStringLiteral("The products could not be exported to %1.\n\n%2 %1: No "
                                     "space left on device")
                          .arg(target, step == Step::Rename ? QStringLiteral("Cannot replace")
                                                            : QStringLiteral("Cannot write")));
        }
        QFile::remove(target);
    }
}

TEST(SpreadsheetFilesTest, GetfileStartsOnXlsFilesOfTheFolderAndCancelChoosesNothing)
{
    QTemporaryDir dir;
    ScriptedPrompter prompter;
    SpreadsheetFiles files(prompter, dir.path());

    prompter.cancelFile();
    EXPECT_EQ(files.Getfile(), QString());
    const prompt::FileRequest &first = prompter.prompts().first().file;
    EXPECT_EQ(first.mode, prompt::FileRequest::Mode::Open);
    EXPECT_EQ(first.fileName, dir.filePath(QStringLiteral("*.xls")));
    EXPECT_EQ(first.filterIndex, 3);
    EXPECT_TRUE(first.filter.startsWith(
        QStringLiteral("All Files (*.*)|*.*|Text files (*.txt)|*.txt|Excel Files (*.xls)|*.xls|")));

    const QString chosen = dir.filePath(QStringLiteral("stock.xlsx"));
    prompter.chooseFile(chosen);
    EXPECT_EQ(files.Getfile(), chosen);
    // Cancel after an earlier choice still chooses nothing.
    prompter.cancelFile();
    EXPECT_EQ(files.Getfile(), QString());
    EXPECT_EQ(prompter.prompts().last().file.fileName, chosen);
}

TEST(SpreadsheetQuestionsTest, TextsOfToolbarAndMenu)
{
    using vendara::SpreadsheetQuestions;
    ScriptedPrompter prompter;
    prompter.answer(Answer::Yes).answer(Answer::No).answer(Answer::Yes).answer(Answer::No);
    EXPECT_TRUE(SpreadsheetQuestions::askUpdate(prompter, SpreadsheetQuestions::From::Toolbar));
    EXPECT_FALSE(SpreadsheetQuestions::askUpdate(prompter, SpreadsheetQuestions::From::Menu));
    EXPECT_TRUE(SpreadsheetQuestions::askExport(prompter, SpreadsheetQuestions::From::Toolbar));
    EXPECT_FALSE(SpreadsheetQuestions::askExport(prompter, SpreadsheetQuestions::From::Menu));
    EXPECT_EQ(prompter.messageTexts(),
              (QStringList{QStringLiteral("Do you want to modify the products with an Excel "
                                          "spreadsheet?"),
                           QStringLiteral("Do you want to get products from an Excel Spreadsheet?"),
                           QStringLiteral("Do you want to export the products to an Excel readable "
                                          "file?"),
                           QStringLiteral("Do you want to save the current products to an Excel "
                                          "file?")}));
    for (int i = 0; i < 4; ++i) {
        const RecordedPrompt &p = prompter.prompts().at(i);
        EXPECT_EQ(p.caption,
                  i < 2 ? QStringLiteral("Input Excel Data") : QStringLiteral("Export to File"));
        EXPECT_EQ(p.buttons, prompt::Buttons::YesNo);
        EXPECT_EQ(p.icon, prompt::Icon::Question);
    }
}

} // namespace
