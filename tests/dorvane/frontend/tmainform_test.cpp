#include "formfixture.h"

#include "dorvane/frontend/texts.h"
#include "tests/support/writefault.h"

// Qt
#include <QDir>
#include <QFile>
#include <QFileInfo>

// POSIX
#include <sys/stat.h>
#include <unistd.h>

// std
#include <cerrno>
#include <cstring>
#include <optional>

#include <gtest/gtest.h>

namespace {

using dorvane::TMainForm;
using Field = TMainForm::Field;
using Page = TMainForm::Page;
using prompt::Answer;
using prompt::Buttons;
using prompt::Icon;
using testsupport::FormFixture;
using testsupport::RecordedPrompt;
using Kind = RecordedPrompt::Kind;

const QByteArray kStockCsv = "Part,Name,Price\r\nA-1,Desk,10.50\r\nB-2,\"Chair, oak\",20\r\n";

// ---- start-up, settings file

TEST(MainFormStart, WithoutSettingsFileTheDefaultsShow)
{
    FormFixture f;
    TMainForm &form = f.form();
    EXPECT_EQ(form.FormCreate({}), TMainForm::Conversion::None);
    EXPECT_EQ(form.page(), Page::AboutSheet);
    EXPECT_EQ(form.text(Field::CSVSeparator), QStringLiteral(","));
    EXPECT_EQ(form.selection(Field::DateFormat), 0);
    EXPECT_EQ(form.selection(Field::TimeFormat), 0);
    EXPECT_EQ(form.selection(Field::CsvEncoding), 0);
    EXPECT_EQ(form.selection(Field::PDBUsers), 0);
    EXPECT_TRUE(form.checked(Field::AutoInstallCheck));
    EXPECT_TRUE(form.checked(Field::HasFieldNames));
    EXPECT_TRUE(form.checked(Field::Fixed1stColumn));
    EXPECT_FALSE(form.checked(Field::UseQuotes));
    EXPECT_FALSE(form.checked(Field::FirstRecordFieldNames));
    EXPECT_FALSE(form.checked(Field::UsePDBFile));
    EXPECT_FALSE(form.fieldInfoControlsVisible());
    for (Field field :
         {Field::PDBFileName, Field::CSVFileName, Field::CSVFileName2, Field::PDBFileName2,
          Field::DatabaseName, Field::PDBFileForInfo, Field::PDBNameField})
        EXPECT_TRUE(form.text(field).isEmpty());
    EXPECT_EQ(form.users().GetUserCount(), 3);
    EXPECT_TRUE(f.prompter.prompts().isEmpty());
    EXPECT_FALSE(QFile::exists(f.settingsPath()));
}

TEST(MainFormStart, ClosingAndStartingAgainRestoresEveryField)
{
    FormFixture f;
    TMainForm &form = f.form();
    form.FormCreate({});
    form.setText(Field::PDBFileName, QStringLiteral("/data/Stock.pdb"));
    form.setText(Field::CSVFileName, QStringLiteral("/out/stock list.csv"));
    form.setChecked(Field::UseQuotes, true);
    form.setChecked(Field::FirstRecordFieldNames, true);
    form.setText(Field::CSVFileName2, QStringLiteral("/data/Price list.csv"));
    form.setText(Field::PDBFileName2, QStringLiteral("/out/Prices.pdb"));
    form.setText(Field::DatabaseName, QStringLiteral("Prices"));
    form.setChecked(Field::HasFieldNames, false);
    form.UsePDBFileClick();
    form.setText(Field::PDBFileForInfo, QStringLiteral("/data/template.pdb"));
    form.setSelection(Field::PDBUsers, 2);
    form.setText(Field::PDBNameField, QStringLiteral("/data/View me.pdb"));
    form.setText(Field::CSVSeparator, QStringLiteral(";"));
    form.setSelection(Field::DateFormat, 5);
    form.setSelection(Field::TimeFormat, 3);
    form.setSelection(Field::CsvEncoding, 1);
    form.FormClose();

    TMainForm &again = f.newForm();
    again.FormCreate({});
    EXPECT_EQ(again.text(Field::PDBFileName), QStringLiteral("/data/Stock.pdb"));
    EXPECT_EQ(again.text(Field::CSVFileName), QStringLiteral("/out/stock list.csv"));
    EXPECT_TRUE(again.checked(Field::UseQuotes));
    EXPECT_TRUE(again.checked(Field::FirstRecordFieldNames));
    EXPECT_EQ(again.text(Field::CSVFileName2), QStringLiteral("/data/Price list.csv"));
    EXPECT_EQ(again.text(Field::PDBFileName2), QStringLiteral("/out/Prices.pdb"));
    EXPECT_EQ(again.text(Field::DatabaseName), QStringLiteral("Prices"));
    EXPECT_FALSE(again.checked(Field::HasFieldNames));
    EXPECT_TRUE(again.checked(Field::UsePDBFile));
    EXPECT_TRUE(again.fieldInfoControlsVisible());
    EXPECT_EQ(again.text(Field::PDBFileForInfo), QStringLiteral("/data/template.pdb"));
    EXPECT_EQ(again.selection(Field::PDBUsers), 2);
    EXPECT_TRUE(again.checked(Field::AutoInstallCheck));
    EXPECT_EQ(again.text(Field::PDBNameField), QStringLiteral("/data/View me.pdb"));
    EXPECT_EQ(again.text(Field::CSVSeparator), QStringLiteral(";"));
    EXPECT_EQ(again.selection(Field::DateFormat), 5);
    EXPECT_EQ(again.selection(Field::TimeFormat), 3);
    EXPECT_EQ(again.selection(Field::CsvEncoding), 1);
    EXPECT_EQ(again.conversionSettings().separator, ';');
    EXPECT_EQ(again.conversionSettings().dateFormat, 5);
    EXPECT_EQ(again.conversionSettings().csvEncoding, convert::CsvEncoding::Utf8);

    // Unticking the install box is kept as the user -1; the other choice comes back too.
    again.AutoInstallCheckClick(false);
    again.CreateTextFieldsClick();
    again.FormClose();
    EXPECT_TRUE(testsupport::readAll(f.settingsPath()).contains("INSTALL USER=-1\r\n"));
    TMainForm &third = f.newForm();
    third.FormCreate({});
    EXPECT_FALSE(third.checked(Field::AutoInstallCheck));
    EXPECT_FALSE(third.checked(Field::UsePDBFile));
}

TEST(MainFormStart, ASettingsFileThatCannotBeWrittenIsToldAndKept)
{
    using Step = common::SafeFile::Step;
    FormFixture f;
    f.form().FormCreate({});
    f.form().setText(Field::DatabaseName, QStringLiteral("Kept"));
    f.form().FormClose();
    const QByteArray kept = testsupport::readAll(f.settingsPath());
    for (const Step step : {Step::Open, Step::Write, Step::Flush, Step::Rename}) {
        TMainForm &form = f.newForm();
        form.FormCreate({});
        form.setText(Field::DatabaseName, QStringLiteral("Lost"));
        f.prompter.clear();
        testsupport::WriteFault fault(step, ENOSPC, "QD.INI");
        form.FormClose();
        EXPECT_TRUE(fault.struck());
        EXPECT_EQ(testsupport::readAll(f.settingsPath()), kept);
        EXPECT_EQ(QDir(QFileInfo(f.settingsPath()).absolutePath())
                      .entryList({QStringLiteral("*QD.INI*")}, QDir::Files | QDir::Hidden),
                  QStringList(QStringLiteral("QD.INI")));
        ASSERT_EQ(f.prompter.prompts().size(), 1);
        const RecordedPrompt &told = f.prompter.prompts().constFirst();
        EXPECT_EQ(told.text, QStringLiteral("The settings of this window could not be saved; the "
                                            "next start shows them as they were before.\n\n"
                                            "%1 %2: No space left on device")
                                 .arg(step == Step::Rename ? QStringLiteral("Cannot replace")
                                                           : QStringLiteral("Cannot write"),
                                      f.settingsPath()));
        EXPECT_EQ(told.caption, QStringLiteral("Quirra Desktop"));
        EXPECT_EQ(told.icon, Icon::Exclamation);
    }
}

TEST(MainFormStart, HandEditedSettingsFile)
{
    FormFixture f;
    f.writeFile(QStringLiteral("unused"), {});
    QFile ini(f.settingsPath());
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    // The output line stands before its input line; keys in lower case; indexes out of
    // range; an empty separator; an empty yes/no value.
    ini.write("output csv=/saved/ignored.csv\n"
              "Input PDB=/data/Stock.pdb\n"
              "use quotes=false\n"
              "FIELD NAMES=\n"
              "DATE FORMAT=9\n"
              "TIME FORMAT=-3\n"
              "CSV SEPARATOR=\n"
              "CSV ENCODING=utf-8\n"
              "INSTALL USER=7\n"
              "INPUT CSV=/data/a very long file name of forty characters.csv\n");
    ini.close();
    TMainForm &form = f.form();
    form.FormCreate({});
    EXPECT_EQ(form.text(Field::CSVFileName), QStringLiteral("/data/Stock.CSV"));
    EXPECT_FALSE(form.checked(Field::UseQuotes));
    EXPECT_TRUE(form.checked(Field::FirstRecordFieldNames));
    EXPECT_EQ(form.selection(Field::DateFormat), 0);
    EXPECT_EQ(form.selection(Field::TimeFormat), 0);
    EXPECT_EQ(form.text(Field::CSVSeparator), QStringLiteral(","));
    EXPECT_EQ(form.selection(Field::CsvEncoding), 1);
    EXPECT_EQ(form.selection(Field::PDBUsers), 0); // a remembered user beyond the list
    EXPECT_TRUE(form.checked(Field::AutoInstallCheck));
    EXPECT_EQ(form.text(Field::PDBFileName2),
              QStringLiteral("/data/a very long file name of forty characters.PDB"));
    EXPECT_EQ(form.text(Field::DatabaseName), QStringLiteral("a very long file name of forty "));
    EXPECT_EQ(form.text(Field::DatabaseName).size(), 31);
}

// ---- automatic naming

TEST(MainFormNaming, InputNamesProposeOutputNames)
{
    FormFixture f;
    TMainForm &form = f.form();
    form.FormCreate({});
    form.setText(Field::PDBFileName, QStringLiteral("/data/Stock.pdb"));
    EXPECT_EQ(form.text(Field::CSVFileName), QStringLiteral("/data/Stock.CSV"));
    form.setText(Field::CSVFileName2, QStringLiteral("/data/Price list.csv"));
    EXPECT_EQ(form.text(Field::PDBFileName2), QStringLiteral("/data/Price list.PDB"));
    EXPECT_EQ(form.text(Field::DatabaseName), QStringLiteral("Price list"));
    // A dot in a folder name is not an extension; a name without one gets it added.
    form.setText(Field::PDBFileName, QStringLiteral("/my.data/Stock"));
    EXPECT_EQ(form.text(Field::CSVFileName), QStringLiteral("/my.data/Stock.CSV"));
    form.setText(Field::CSVFileName2, QStringLiteral("relative.name.csv"));
    EXPECT_EQ(form.text(Field::PDBFileName2), QStringLiteral("relative.name.PDB"));
    EXPECT_EQ(form.text(Field::DatabaseName), QStringLiteral("relative.name"));
}

// ---- convert to CSV

class ToCsv : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form().FormCreate({});
        mDatabase = f.makeDatabase(QStringLiteral("Stock.pdb"), kStockCsv);
        ASSERT_FALSE(mDatabase.isEmpty());
    }
    TMainForm &form() { return f.form(); }

    FormFixture f;
    QString mDatabase;
};

TEST_F(ToCsv, MissingFieldsAreFixedThroughDialogsAndTheOutputIsWritten)
{
    f.prompter.answer(Answer::Ok).chooseFile(mDatabase);
    EXPECT_TRUE(form().ToCSVButtonClick());
    const auto &p = f.prompter.prompts();
    ASSERT_EQ(p.size(), 2);
    EXPECT_EQ(p[0].text, QStringLiteral("You need to specify an input (.PDB) file to convert!"));
    EXPECT_EQ(p[0].caption, QStringLiteral("ERROR"));
    EXPECT_EQ(p[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(p[0].icon, Icon::Exclamation);
    EXPECT_EQ(p[1].kind, Kind::File);
    EXPECT_EQ(p[1].file.mode, prompt::FileRequest::Mode::Open);
    EXPECT_EQ(p[1].file.filter, QStringLiteral("PDB Files (*.PDB)|*.PDB|All Files (*.*)|*.*"));
    EXPECT_EQ(p[1].file.defaultExtension, QStringLiteral("PDB"));
    // The chosen input named the output, so no second question was needed.
    const QString csv = f.path(QStringLiteral("Stock.CSV"));
    EXPECT_EQ(form().text(Field::CSVFileName), csv);
    EXPECT_EQ(testsupport::readAll(csv), QByteArray("A-1,Desk,10.50\r\nB-2,\"Chair, oak\",20\r\n"));
    EXPECT_EQ(f.statuses, QStringList({QStringLiteral("Converting to .CSV..."),
                                       QStringLiteral("Conversion Successful!")}));
}

TEST_F(ToCsv, OptionsAndPreferencesReachTheConversion)
{
    form().setText(Field::PDBFileName, mDatabase);
    form().setChecked(Field::UseQuotes, true);
    form().setChecked(Field::FirstRecordFieldNames, true);
    form().setText(Field::CSVSeparator, QStringLiteral(";"));
    EXPECT_TRUE(form().ToCSVButtonClick());
    EXPECT_EQ(testsupport::readAll(form().text(Field::CSVFileName)),
              QByteArray("\"Part\";\"Name\";\"Price\"\r\n\"A-1\";\"Desk\";\"10.50\"\r\n"
                         "\"B-2\";\"Chair, oak\";\"20\"\r\n"));
}

TEST_F(ToCsv, ExistingOutputIsAskedAboutUntilAnswered)
{
    form().setText(Field::PDBFileName, mDatabase);
    const QString csv = form().text(Field::CSVFileName);
    f.writeFile(QStringLiteral("Stock.CSV"), "old");
    // No: the save dialog proposes the same name; choosing it again asks again; Yes goes.
    f.prompter.answer(Answer::No).chooseFile(csv).answer(Answer::Yes);
    EXPECT_TRUE(form().ToCSVButtonClick());
    const auto &p = f.prompter.prompts();
    ASSERT_EQ(p.size(), 3);
    EXPECT_EQ(p[0].text, QStringLiteral("File:") + csv + QStringLiteral(" Exists.  Overwrite?"));
    EXPECT_EQ(p[0].caption, QStringLiteral("Question"));
    EXPECT_EQ(p[0].buttons, Buttons::YesNo);
    EXPECT_EQ(p[0].icon, Icon::Question);
    EXPECT_EQ(p[1].file.mode, prompt::FileRequest::Mode::Save);
    EXPECT_EQ(p[1].file.fileName, csv);
    EXPECT_EQ(p[1].file.filter, QStringLiteral("CSV Files (*.CSV)|*.CSV|All Files (*.*)|*.*"));
    EXPECT_EQ(p[1].file.defaultExtension, QStringLiteral("CSV"));
    EXPECT_EQ(p[2].text, p[0].text);
    EXPECT_NE(testsupport::readAll(csv), QByteArray("old"));

    // Overwriting without asking, once the command line asked for it.
    f.prompter.clear();
    form().OverwriteWithoutAsking = true;
    EXPECT_TRUE(form().ToCSVButtonClick());
    EXPECT_TRUE(f.prompter.prompts().isEmpty());
}

TEST_F(ToCsv, CancelEndsTheCommandAndKeepsWhatDialogsChanged)
{
    f.prompter.answer(Answer::Cancel);
    EXPECT_FALSE(form().ToCSVButtonClick());
    EXPECT_EQ(form().statusText(), QStringLiteral("Conversion Cancelled!"));

    f.prompter.clear();
    f.prompter.answer(Answer::Ok).cancelFile();
    EXPECT_FALSE(form().ToCSVButtonClick());
    EXPECT_EQ(f.prompter.prompts().size(), 2);

    // The input was chosen, then the overwrite question got No and the dialog Cancel.
    f.writeFile(QStringLiteral("Stock.CSV"), "old");
    f.prompter.clear();
    f.prompter.answer(Answer::Ok).chooseFile(mDatabase).answer(Answer::No).cancelFile();
    EXPECT_FALSE(form().ToCSVButtonClick());
    EXPECT_EQ(form().text(Field::PDBFileName), mDatabase);
    EXPECT_EQ(testsupport::readAll(f.path(QStringLiteral("Stock.CSV"))), QByteArray("old"));
    EXPECT_EQ(f.statuses.last(), QStringLiteral("Conversion Cancelled!"));
}

TEST_F(ToCsv, EngineFailureIsReportedInItsBoxAndTheStatus)
{
    form().setText(Field::PDBFileName, f.path(QStringLiteral("missing.pdb")));
    EXPECT_FALSE(form().ToCSVButtonClick());
    ASSERT_EQ(f.prompter.prompts().size(), 1);
    EXPECT_EQ(f.prompter.prompts()[0].caption, QStringLiteral("ERROR!"));
    EXPECT_TRUE(
        f.prompter.prompts()[0].text.startsWith(QStringLiteral("ERROR: Cannot Open File: ")));
    EXPECT_EQ(f.statuses.last(), QStringLiteral("ERROR:In Conversion!"));
}

TEST_F(ToCsv, AnOutputThatCannotBeWrittenKeepsTheOldFile)
{
    using Step = common::SafeFile::Step;
    form().setText(Field::PDBFileName, mDatabase);
    const QString csv = form().text(Field::CSVFileName);
    form().OverwriteWithoutAsking = true;
    for (const Step step : {Step::Open, Step::Write, Step::Flush, Step::Rename}) {
        f.writeFile(QStringLiteral("Stock.CSV"), "old");
        f.prompter.clear();
        testsupport::WriteFault fault(step, ENOSPC, "Stock.CSV");
        EXPECT_FALSE(form().ToCSVButtonClick());
        EXPECT_TRUE(fault.struck());
        EXPECT_EQ(testsupport::readAll(csv), QByteArray("old"));
        EXPECT_EQ(QDir(QFileInfo(csv).absolutePath())
                      .entryList({QStringLiteral("*Stock.CSV*")}, QDir::Files | QDir::Hidden),
                  QStringList(QStringLiteral("Stock.CSV")));
        ASSERT_EQ(f.prompter.prompts().size(), 1);
        EXPECT_EQ(f.prompter.prompts()[0].caption, QStringLiteral("ERROR!"));
        EXPECT_EQ(f.prompter.prompts()[0].text,
                  (step == Step::Open ? QStringLiteral("ERROR: Opening %1 for writing!\n\n")
                                      : QStringLiteral("ERROR: Writing %1!\n\n"))
                      .arg(csv));
        EXPECT_EQ(f.statuses.last(), QStringLiteral("ERROR:In Conversion!"));
    }
}

// ---- convert to database

class ToPdb : public ToCsv
{
protected:
    void SetUp() override
    {
        ToCsv::SetUp();
        mCsv = f.writeFile(QStringLiteral("Price list.csv"), kStockCsv);
    }
    QString mCsv;
};

TEST_F(ToPdb, AnOutputThatCannotBeWrittenKeepsTheOldFile)
{
    using Step = common::SafeFile::Step;
    form().setText(Field::CSVFileName2, mCsv);
    const QString pdb = form().text(Field::PDBFileName2);
    form().OverwriteWithoutAsking = true;
    form().setChecked(Field::AutoInstallCheck, false);
    auto expectKept = [&](const QString &openText) {
        EXPECT_EQ(testsupport::readAll(pdb), QByteArray("old"));
        EXPECT_EQ(QDir(QFileInfo(pdb).absolutePath())
                      .entryList({QStringLiteral("*Price list.PDB*")}, QDir::Files | QDir::Hidden),
                  QStringList(QStringLiteral("Price list.PDB")));
        ASSERT_EQ(f.prompter.prompts().size(), 1);
        EXPECT_EQ(f.prompter.prompts()[0].caption, QStringLiteral("ERROR!"));
        EXPECT_EQ(f.prompter.prompts()[0].text, openText);
        EXPECT_EQ(f.statuses.last(), QStringLiteral("ERROR:In Conversion!"));
    };
    const QString couldntOpen =
        QStringLiteral("ERROR:Couldn't open %1 file for writing\n").arg(pdb);
    for (const Step step : {Step::Open, Step::Write, Step::Flush, Step::Rename}) {
        SCOPED_TRACE(int(step));
        f.writeFile(QStringLiteral("Price list.PDB"), "old");
        f.prompter.clear();
        testsupport::WriteFault fault(step, ENOSPC, "Price list.PDB");
        EXPECT_FALSE(form().ToPDBButtonClick());
        EXPECT_TRUE(fault.struck());
        expectKept(step == Step::Open ? couldntOpen
                                      : QStringLiteral("ERROR:Couldn't write %1 file\n").arg(pdb));
    }

    // A read-only output is not replaced, even by the superuser.
    f.writeFile(QStringLiteral("Price list.PDB"), "old");
    ASSERT_EQ(::chmod(QFile::encodeName(pdb).constData(), 0444), 0);
    f.prompter.clear();
    EXPECT_FALSE(form().ToPDBButtonClick());
    expectKept(couldntOpen);
    ::chmod(QFile::encodeName(pdb).constData(), 0644);

    // A folder that cannot be written: simulated where permission bits do not stop the
    // superuser.
    const QString folder = QFileInfo(pdb).absolutePath();
    std::optional<testsupport::WriteFault> simulated;
    if (::geteuid() == 0)
        simulated.emplace(Step::Open, EACCES, std::string(), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0555), 0);
    f.prompter.clear();
    const bool converted = form().ToPDBButtonClick();
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    EXPECT_FALSE(converted);
    expectKept(couldntOpen);
}

TEST_F(ToPdb, ChecksOfTheInputAndTheFieldInformation)
{
    form().UsePDBFileClick();
    f.prompter.answer(Answer::Ok)
        .chooseFile(mCsv)
        .answer(Answer::Ok)
        .chooseFile(f.path(QStringLiteral("missing.pdb")))
        .answer(Answer::Ok)
        .chooseFile(mDatabase);
    EXPECT_TRUE(form().ToPDBButtonClick());
    const QStringList texts = f.prompter.messageTexts();
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(texts[0], QStringLiteral("You need to specify an input (.CSV) file to convert!"));
    EXPECT_EQ(texts[1], QStringLiteral("You need to specify a Database (.PDB) file to use for the "
                                       "field information!"));
    EXPECT_EQ(texts[2],
              QStringLiteral("The Database (.PDB) file you specified to use for the field "
                             "information does not exist. You need to choose a valid "
                             ".PDB file!"));
    for (const auto &p : f.prompter.prompts()) {
        if (p.kind == Kind::Message) {
            EXPECT_EQ(p.caption, QStringLiteral("ERROR"));
            EXPECT_EQ(p.buttons, Buttons::OkCancel);
            EXPECT_EQ(p.icon, Icon::Exclamation);
        } else {
            EXPECT_EQ(p.file.mode, prompt::FileRequest::Mode::Open);
        }
    }
    EXPECT_TRUE(QFile::exists(f.path(QStringLiteral("Price list.PDB"))));
}

TEST_F(ToPdb, OutputMayNotBeTheFieldInformationInAnyLetterCase)
{
    form().setText(Field::CSVFileName2, mCsv);
    form().setText(Field::PDBFileName2, f.path(QStringLiteral("STOCK.PDB")));
    form().UsePDBFileClick();
    form().setText(Field::PDBFileForInfo, mDatabase);
    const QString out = f.path(QStringLiteral("Out.pdb"));
    f.prompter.answer(Answer::Ok).chooseFile(out);
    EXPECT_TRUE(form().ToPDBButtonClick());
    ASSERT_EQ(f.prompter.messageTexts().size(), 1);
    EXPECT_EQ(f.prompter.messageTexts()[0],
              QStringLiteral("The Database (.PDB) file you specified for output cannot be the same "
                             "file as the .PDB file you specified for field information. You will "
                             "need to choose a different output .PDB file!"));
    EXPECT_EQ(f.prompter.prompts()[1].file.mode, prompt::FileRequest::Mode::Save);
    EXPECT_EQ(f.prompter.prompts()[1].file.fileName, f.path(QStringLiteral("STOCK.PDB")));
    EXPECT_EQ(form().text(Field::PDBFileName2), out);
    EXPECT_TRUE(QFile::exists(out));

    // Another name of the same file is the same file too.
    f.prompter.clear();
    form().setText(Field::PDBFileName2, f.path(QStringLiteral("./Stock.pdb")));
    f.prompter.answer(Answer::Cancel);
    EXPECT_FALSE(form().ToPDBButtonClick());
    EXPECT_EQ(f.prompter.messageTexts().size(), 1);
}

TEST_F(ToPdb, EmptyOutputAndDatabaseName)
{
    form().setText(Field::CSVFileName2, mCsv);
    form().setText(Field::PDBFileName2, QString());
    f.prompter.answer(Answer::Ok).chooseFile(f.path(QStringLiteral("Named.pdb")));
    form().setText(Field::DatabaseName, QString());
    EXPECT_FALSE(form().ToPDBButtonClick());
    const auto &p = f.prompter.prompts();
    ASSERT_EQ(p.size(), 3);
    EXPECT_EQ(p[0].text, QStringLiteral("You need to specify an output (.PDB) file to create!"));
    EXPECT_EQ(p[1].file.mode, prompt::FileRequest::Mode::Save);
    EXPECT_EQ(p[2].text, QStringLiteral("You need to specify a Name (in Database Name) for the "
                                        "database when loaded into your PalmPilot/Workpad!"));
    EXPECT_EQ(p[2].buttons, Buttons::Ok);
    EXPECT_EQ(p[2].caption, QStringLiteral("ERROR"));
    EXPECT_EQ(form().statusText(), QStringLiteral("Conversion Cancelled!"));
    EXPECT_FALSE(QFile::exists(f.path(QStringLiteral("Named.pdb"))));
}

TEST_F(ToPdb, SuccessInstallsForTheChosenUser)
{
    form().setText(Field::CSVFileName2, mCsv);
    form().setSelection(Field::PDBUsers, 1);
    EXPECT_TRUE(form().ToPDBButtonClick());
    EXPECT_TRUE(f.prompter.prompts().isEmpty());
    EXPECT_EQ(f.statuses, QStringList({QStringLiteral("Converting to .PDB..."),
                                       QStringLiteral("Conversion Successful!")}));
    const QByteArray made = testsupport::readAll(f.path(QStringLiteral("Price list.PDB")));
    EXPECT_TRUE(made.startsWith("Price list"));
    EXPECT_EQ(testsupport::readAll(f.desktop.desktopPath()
                                   + QStringLiteral("/Demo/Install/Price list.PDB")),
              made);
    EXPECT_TRUE(
        testsupport::readAll(f.desktop.registryPath()).contains("\"Install2\"=dword:00000001"));
}

TEST_F(ToPdb, FailedInstallIsToldInTheStatus)
{
    form().setText(Field::CSVFileName2, mCsv);
    form().setSelection(Field::PDBUsers, 5); // beyond the three users
    EXPECT_FALSE(form().ToPDBButtonClick());
    EXPECT_EQ(f.statuses.last(), QStringLiteral("Conversion Successful! (Install failed)"));
    EXPECT_TRUE(QFile::exists(f.path(QStringLiteral("Price list.PDB"))));
    EXPECT_FALSE(QDir(f.desktop.desktopPath() + QStringLiteral("/Install")).exists());

    // Without the install box nothing is installed and nothing said about it.
    form().AutoInstallCheckClick(false);
    form().OverwriteWithoutAsking = true;
    EXPECT_TRUE(form().ToPDBButtonClick());
    EXPECT_EQ(f.statuses.last(), QStringLiteral("Conversion Successful!"));
}

TEST_F(ToPdb, UtfEightCharactersOutsideTheCodePageAreCounted)
{
    form().setText(
        Field::CSVFileName2,
        f.writeFile(QStringLiteral("u.csv"), "Name\nCaf\xc3\xa9\n\xe2\x86\x92 \xe2\x86\x90\n"));
    form().setSelection(Field::CsvEncoding, 1);
    form().AutoInstallCheckClick(false);
    EXPECT_TRUE(form().ToPDBButtonClick());
    EXPECT_EQ(f.statuses.last(),
              QStringLiteral("Conversion Successful! (2 characters not in Windows-1252 stored as "
                             "\"?\")"));
}

TEST_F(ToPdb, LinesWithTextAfterTheThirtiethFieldAreToldAndTheConversionSucceeds)
{
    QByteArray line = "1";
    for (int i = 2; i <= 31; ++i)
        line += "," + QByteArray::number(i);
    form().setText(Field::CSVFileName2,
                   f.writeFile(QStringLiteral("wide.csv"), "Names\n" + line + "\nshort\n"));
    form().AutoInstallCheckClick(false);
    EXPECT_TRUE(form().ToPDBButtonClick());
    EXPECT_EQ(f.statuses.last(),
              QStringLiteral("Conversion Successful! (1 line had text after its 30th field, which "
                             "was left out)"));

    form().setText(Field::CSVFileName2,
                   f.writeFile(QStringLiteral("wide.csv"), line + "\n" + line + ",\n"));
    form().OverwriteWithoutAsking = true;
    EXPECT_TRUE(form().ToPDBButtonClick());
    EXPECT_EQ(f.statuses.last(),
              QStringLiteral("Conversion Successful! (2 lines had text after their 30th field, "
                             "which was left out)"));
}

// ---- picker buttons

TEST(MainFormPicker, OutcomesOfThePicker)
{
    FormFixture f;
    TMainForm &form = f.form();
    form.FormCreate({});
    f.dialogs.pick({false, 3, QStringLiteral("/ignored.pdb")})
        .pick({true, -1, QString()})
        .pick({true, 2, QStringLiteral("/backup/Stock.pdb")})
        .pick({true, 0, QStringLiteral("/browsed/Info.pdb")});
    form.BrowsePDBClick();
    EXPECT_EQ(form.statusText(), QStringLiteral("Cancelled"));
    form.BrowsePDBClick();
    EXPECT_EQ(form.statusText(), QStringLiteral("File Not Selected"));
    EXPECT_TRUE(form.text(Field::PDBFileName).isEmpty());
    form.BrowsePDBClick();
    EXPECT_EQ(form.statusText(), QStringLiteral("OK"));
    EXPECT_EQ(form.text(Field::PDBFileName), QStringLiteral("/backup/Stock.pdb"));
    EXPECT_EQ(form.text(Field::CSVFileName), QStringLiteral("/backup/Stock.CSV"));
    form.BrowsePDBFileToUseClick(); // a file chosen with "Browse Files" counts as a choice
    EXPECT_EQ(form.text(Field::PDBFileForInfo), QStringLiteral("/browsed/Info.pdb"));
}

// ---- command line

class CommandLine : public ToPdb
{
protected:
    void SetUp() override
    {
        // Start-up runs in the tests themselves.
        mDatabase = f.makeDatabase(QStringLiteral("template.pdb"), kStockCsv);
        mCsv = f.writeFile(QStringLiteral("Spring Catalog.CSV"), kStockCsv);
    }
};

TEST_F(CommandLine, TheCatalogueProgramsHandOff)
{
    const QString out = f.path(QStringLiteral("Spring Catalog.pdb"));
    const QStringList args = {
        QStringLiteral("COMMAND:TOPDB"),
        QStringLiteral("PDB:INFILE:{") + mCsv + QLatin1Char('}'),
        QStringLiteral("PDB:OUTFILE:{") + out + QLatin1Char('}'),
        QStringLiteral("PDB:DBNAME:{Spring Catalog}"),
        QStringLiteral("PDB:USEEXISTING:{") + mDatabase + QLatin1Char('}'),
        QStringLiteral("PDB:FIELDNAMES"),
        QStringLiteral("PDB:AUTOINSTALL:{0}"),
    };
    EXPECT_EQ(form().FormCreate(args), TMainForm::Conversion::ToDatabase);
    EXPECT_TRUE(form().commandLineSucceeded());
    EXPECT_EQ(form().page(), Page::ToPDB);
    EXPECT_TRUE(form().checked(Field::UsePDBFile));
    EXPECT_EQ(form().text(Field::DatabaseName), QStringLiteral("Spring Catalog"));
    EXPECT_TRUE(f.prompter.prompts().isEmpty());
    EXPECT_TRUE(testsupport::readAll(out).startsWith("Spring Catalog"));
    EXPECT_TRUE(QFile::exists(f.desktop.desktopPath()
                              + QStringLiteral("/SmithA/Install/Spring Catalog.pdb")));
    EXPECT_FALSE(QFile::exists(f.settingsPath()));

    // Run again: the output exists and no overwrite option was given.
    FormFixture &g = f;
    TMainForm &again = g.newForm();
    g.prompter.clear();
    EXPECT_EQ(again.FormCreate(args), TMainForm::Conversion::ToDatabase);
    EXPECT_FALSE(again.commandLineSucceeded());
    ASSERT_FALSE(g.prompter.prompts().isEmpty());
    EXPECT_EQ(g.prompter.prompts()[0].text,
              QStringLiteral("File:") + out + QStringLiteral(" Exists.  Overwrite?"));
    EXPECT_EQ(g.statuses.last(), QStringLiteral("Conversion Cancelled!"));
}

TEST_F(CommandLine, UnquotedValuesAndLetterCase)
{
    QDir().mkpath(f.path(QStringLiteral("My   Files")));
    const QString out = f.path(QStringLiteral("My   Files/a b.pdb"));
    // The shell split the unquoted value at its blanks; they come back as single blanks.
    QStringList args = {QStringLiteral("command:topdb"),
                        QStringLiteral("pdb:infile:{") + mCsv + QLatin1Char('}')};
    const QStringList outParts = (QStringLiteral("pdb:outfile:{") + f.path(QStringLiteral("My"))
                                  + QStringLiteral(" Files/a b.pdb}"))
                                     .split(QLatin1Char(' '));
    args += outParts;
    args << QStringLiteral("Pdb:DbName:{x}") << QStringLiteral("PDB:AUTOINSTALL:{-1}");
    EXPECT_EQ(form().FormCreate(args), TMainForm::Conversion::ToDatabase);
    EXPECT_EQ(form().text(Field::PDBFileName2), f.path(QStringLiteral("My Files/a b.pdb")));
    EXPECT_FALSE(form().checked(Field::AutoInstallCheck));
    EXPECT_EQ(form().text(Field::DatabaseName), QStringLiteral("x"));
    // The folder "My Files" does not exist, so the conversion failed.
    EXPECT_FALSE(form().commandLineSucceeded());
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(CommandLine, TheLastConversionOptionWins)
{
    const QStringList args = {QStringLiteral("COMMAND:TOCSV"),
                              QStringLiteral("CSV:INFILE:{") + mDatabase + QLatin1Char('}'),
                              QStringLiteral("CSV:PLACEQUOTES"),
                              QStringLiteral("PDB:INFILE:{") + mCsv + QLatin1Char('}'),
                              QStringLiteral("PDB:OVERWRITE"),
                              QStringLiteral("PDB:AUTOINSTALL:{2}")};
    EXPECT_EQ(form().FormCreate(args), TMainForm::Conversion::ToDatabase);
    EXPECT_EQ(form().page(), Page::ToPDB);
    EXPECT_TRUE(form().checked(Field::UseQuotes));
    // Naming is off while the command line runs: the to-CSV output and the to-database
    // output were not derived from the inputs.
    EXPECT_TRUE(form().text(Field::CSVFileName).isEmpty());
    EXPECT_TRUE(form().text(Field::PDBFileName2).isEmpty());
    EXPECT_TRUE(form().OverwriteWithoutAsking);
    EXPECT_EQ(form().selection(Field::PDBUsers), 2);
    EXPECT_TRUE(form().checked(Field::AutoInstallCheck));
    EXPECT_EQ(form().InstallUserIndex, 2);
    // The output is asked for and not given.
    EXPECT_EQ(f.prompter.messageTexts().first(),
              QStringLiteral("You need to specify an output (.PDB) file to create!"));
    EXPECT_FALSE(form().commandLineSucceeded());
}

TEST_F(CommandLine, OptionsThatChooseNoConversionOpenTheWindow)
{
    EXPECT_EQ(form().FormCreate({QStringLiteral("CSV:OVERWRITE"), QStringLiteral("unknown")}),
              TMainForm::Conversion::None);
    EXPECT_TRUE(form().OverwriteWithoutAsking);
    EXPECT_TRUE(form().autoNaming());
    form().setText(Field::CSVFileName2, mCsv);
    form().setText(Field::PDBFileName2, mDatabase);
    form().CreateTextFieldsClick();
    EXPECT_TRUE(form().ToPDBButtonClick());
    EXPECT_TRUE(f.prompter.prompts().isEmpty());

    TMainForm &other = f.newForm();
    EXPECT_EQ(other.FormCreate(
                  {QStringLiteral("xxCOMMAND:TOPDBxx"), QStringLiteral("PDB:AUTOINSTALL:{x}")}),
              TMainForm::Conversion::ToDatabase);
    EXPECT_EQ(other.selection(Field::PDBUsers), 0);
    EXPECT_TRUE(other.checked(Field::AutoInstallCheck));
}

TEST_F(CommandLine, OneDatabaseFileIsViewed)
{
    EXPECT_EQ(form().FormCreate({mDatabase}), TMainForm::Conversion::None);
    EXPECT_EQ(form().page(), Page::ViewPDB);
    EXPECT_EQ(form().grid().rowCount(), 2);
    EXPECT_EQ(form().statusText(), QStringLiteral("File Read OK!"));
    EXPECT_TRUE(form().autoNaming());

    // A saved view file does not replace the one from the command line.
    form().setText(Field::PDBNameField, QStringLiteral("/saved.pdb"));
    form().FormClose();
    TMainForm &again = f.newForm();
    again.FormCreate({mDatabase});
    EXPECT_EQ(again.text(Field::PDBNameField), mDatabase);

    // An option that only contains ".pdb" is taken as a file to view.
    TMainForm &third = f.newForm();
    f.prompter.clear();
    f.prompter.answer(Answer::Cancel);
    EXPECT_EQ(third.FormCreate({QStringLiteral("PDB:INFILE:{x.pdb}")}),
              TMainForm::Conversion::None);
    EXPECT_EQ(f.prompter.messageTexts(),
              QStringList(QStringLiteral("You need to specify a valid Quirra Database (.PDB) file "
                                         "to view!")));
    EXPECT_EQ(third.statusText(), QStringLiteral("Cancelled Opening file"));
}

} // namespace
