// The hand-off to the handheld: the CSV file's exact lines and how the converter's own CSV
// reader takes them back, the selection, the group name, the converter's command line, the
// hand-off's private folder, and what happens after it succeeded, failed or could not start.

#include "productrows.h"

#include "dorvane/convert/csvtable.h"
#include "tests/support/scriptedprompter.h"
#include "tests/support/writefault.h"
#include "vendara/exchange/converterlauncher.h"
#include "vendara/exchange/handheldcsv.h"
#include "vendara/exchange/handheldexport.h"
#include "vendara/exchange/processlauncher.h"
#include "vendara/store/helptopics.h"
#include "vendara/store/programfolder.h"

// Qt
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

// std
#include <cerrno>

#include <gtest/gtest.h>

namespace {

using prompt::Answer;
using testsupport::Catalogue;
using testsupport::RecordedPrompt;
using testsupport::ScriptedPrompter;
using vendara::ConverterLauncher;
using vendara::HandheldCsv;
using vendara::HandheldExport;

// What the converter's reader makes of the file: every line's fields.
std::vector<std::vector<std::string>> readBack(const QByteArray &bytes)
{
    const auto table = convert::CsvTable::parse(bytes.toStdString(), ',');
    std::vector<std::vector<std::string>> lines;
    for (std::size_t r = 0; r < table.recordCount(); ++r) {
        std::vector<std::string> fields;
        for (std::size_t c = 0; c < table.fieldCount(r); ++c)
            fields.emplace_back(table.field(r, c));
        lines.push_back(fields);
    }
    return lines;
}

class FakeLauncher : public ConverterLauncher
{
public:
    Outcome run(const QString &program, const QStringList &arguments) override
    {
        this->program = program;
        this->arguments = arguments;
        ++runs;
        if (whileRunning)
            whileRunning();
        return outcome;
    }

    QString program;
    QStringList arguments;
    int runs = 0;
    Outcome outcome{Outcome::Kind::Finished, 0, {}};
    std::function<void()> whileRunning;
};

class RecordingHelp : public vendara::HelpTopics
{
public:
    void showContents() override { topics << 0; }
    void showTopic(int id) override { topics << id; }
    QList<int> topics;
};

class HandheldTest : public testing::Test
{
protected:
    // The system's temporary folder is one of the test's own, so that what the hand-off
    // leaves there can be seen.
    HandheldTest()
        : mOldTemp(qgetenv("TMPDIR"))
        , mFolder(mDir.path())
        , mExport(mCatalogue.table, mFolder, mPrompter, mLauncher, [this] { return &mHelp; })
    {
        qputenv("TMPDIR", QFile::encodeName(mTemp.path()));
    }
    ~HandheldTest() override { qputenv("TMPDIR", mOldTemp); }

    // A file in the program folder.
    QString file(const QString &name) const { return QDir(mDir.path()).filePath(name); }
    // What the hand-offs left in the temporary folder.
    QStringList leftInTemp() const
    {
        return QDir(mTemp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    void addTwelve()
    {
        for (int i = 1; i <= 12; ++i)
            mCatalogue.add({QStringLiteral("P-%1").arg(i), QStringLiteral("Product %1").arg(i),
                            QStringLiteral("#%1").arg(i * 10)});
    }

    QByteArray mOldTemp;
    QTemporaryDir mDir;
    QTemporaryDir mTemp;
    vendara::ProgramFolder mFolder;
    Catalogue mCatalogue;
    ScriptedPrompter mPrompter;
    FakeLauncher mLauncher;
    RecordingHelp mHelp;
    HandheldExport mExport;
};

TEST_F(HandheldTest, TwelveProductsGiveThirteenLines)
{
    addTwelve();
    ASSERT_TRUE(mExport.CreateCSV(QStringLiteral("All")));
    const QByteArray bytes = testsupport::fileBytes(mExport.csvPath(QStringLiteral("All")));
    EXPECT_EQ(bytes.count("\r\n"), 13);
    EXPECT_TRUE(bytes.startsWith("Quote,Cat Number,Description,Price,Includes,Notes,Discounts\r\n"
                                 "0,P-1,Product 1,\"$10.00\",\"\",\"\",\r\n"));
}

TEST_F(HandheldTest, LinesCleanCommasAndReadBackWhole)
{
    mCatalogue.add({QStringLiteral("A,1"), QStringLiteral("12\" ruler, steel"),
                    QStringLiteral("#1049.99"), QStringLiteral("two\r\nlines, \"quoted\""),
                    QString(), QStringLiteral("10"), QStringLiteral("1,100.00"),
                    QStringLiteral("50"), QStringLiteral("9.50")});
    mCatalogue.add({QStringLiteral("B-2"), QStringLiteral("12\" ruler"), QStringLiteral("call us"),
                    QString(), QStringLiteral("Box \"large\"")});
    mCatalogue.add({QString(), QStringLiteral("no part number")});
    const QString text = HandheldCsv::text(mCatalogue.table, {1, 2, 3});
    EXPECT_EQ(text,
              QStringLiteral("Quote,Cat Number,Description,Price,Includes,Notes,Discounts\r\n"
                             "0,A 1,12  ruler  steel,\"$1,049.99\",\"\",\"two\r\nlines   quoted \","
                             "\"10 - $1,100.00;   50 - $9.50\"\r\n"
                             "0,B-2,\"12\"\" ruler\",\"call us\",\"Box \"\"large\"\"\",\"\",\r\n"));

    const auto lines = readBack(text.toLatin1());
    ASSERT_EQ(lines.size(), 3u);
    for (const auto &line : lines)
        EXPECT_EQ(line.size(), 7u);
    EXPECT_EQ(lines[1][2], "12  ruler  steel");
    EXPECT_EQ(lines[1][3], "$1,049.99");
    EXPECT_EQ(lines[1][6], "10 - $1,100.00;   50 - $9.50");
    EXPECT_EQ(lines[2][2], "12\" ruler");
    EXPECT_EQ(lines[2][4], "Box \"large\"");
}

TEST_F(HandheldTest, TheSelectionWithTheCurrentRow)
{
    addTwelve();
    ASSERT_TRUE(mExport.CreateCsvBkMrk(QStringLiteral("Sel"), {3}, 7));
    EXPECT_EQ(testsupport::fileBytes(mExport.csvPath(QStringLiteral("Sel"))),
              QByteArray("Quote,Cat Number,Description,Price,Includes,Notes,Discounts\r\n"
                         "0,P-3,Product 3,\"$30.00\",\"\",\"\",\r\n"
                         "0,P-7,Product 7,\"$70.00\",\"\",\"\",\r\n"));
    ASSERT_TRUE(mExport.CreateCsvBkMrk(QStringLiteral("Sel"), {9, 3}, 3));
    EXPECT_EQ(testsupport::fileBytes(mExport.csvPath(QStringLiteral("Sel"))).count("\r\n"), 3);
    EXPECT_TRUE(testsupport::fileBytes(mExport.csvPath(QStringLiteral("Sel")))
                    .contains("P-9,Product 9,\"$90.00\",\"\",\"\",\r\n0,P-3"));
}

TEST_F(HandheldTest, CharactersTheHandheldCannotShowAreNamed)
{
    mCatalogue.add({QStringLiteral("J-1"), QString::fromUtf8("\u65e5\u672c \u00e9")});
    ASSERT_TRUE(mExport.CreateCSV(QStringLiteral("Names")));
    EXPECT_EQ(mPrompter.messageTexts(),
              QStringList{QString::fromUtf8("Some products contain characters that the handheld "
                                            "cannot show: \u65e5 \u672c\n\nThey are sent as "
                                            "question marks.")});
    EXPECT_TRUE(testsupport::fileBytes(mExport.csvPath(QStringLiteral("Names")))
                    .contains("0,J-1,?? \xE9,"));
}

TEST_F(HandheldTest, SendingAsksThenRunsTheConverterAndCleansUp)
{
    addTwelve();
    // Files of the user's that have the group's names stay as they are.
    testsupport::writeFile(file(QStringLiteral("Spring  Catalog.CSV")), "the user's own");
    testsupport::writeFile(file(QStringLiteral("Spring  Catalog.pdb")), "the user's own");
    QString folder;
    bool csvWhileRunning = false;
    QFile::Permissions folderMode;
    mLauncher.whileRunning = [&] {
        folder = mExport.workFolder();
        folderMode = QFileInfo(folder).permissions();
        csvWhileRunning =
            QFileInfo::exists(QDir(folder).filePath(QStringLiteral("Spring  Catalog.CSV")));
        testsupport::writeFile(QDir(folder).filePath(QStringLiteral("Spring  Catalog.pdb")),
                               "database");
    };
    mPrompter.answer(Answer::Ok).type(QStringLiteral("Spring  Catalog"));
    EXPECT_TRUE(mExport.Palmpilot({}, 4));

    ASSERT_EQ(mLauncher.runs, 1);
    EXPECT_EQ(QFileInfo(folder).absolutePath(), QFileInfo(mTemp.path()).absoluteFilePath());
    // Private: nobody but its owner may look into it.
    EXPECT_TRUE(folderMode & QFile::WriteOwner);
    EXPECT_FALSE(folderMode
                 & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                    | QFile::WriteOther | QFile::ExeOther));
    EXPECT_EQ(mLauncher.program, file(QStringLiteral("dorvane")));
    const QDir work(folder);
    EXPECT_EQ(mLauncher.arguments,
              (QStringList{
                  QStringLiteral("COMMAND:TOPDB"),
                  QStringLiteral("PDB:INFILE:{%1}")
                      .arg(work.filePath(QStringLiteral("Spring  Catalog.CSV"))),
                  QStringLiteral("PDB:OUTFILE:{%1}")
                      .arg(work.filePath(QStringLiteral("Spring  Catalog.pdb"))),
                  QStringLiteral("PDB:DBNAME:{Spring  Catalog}"),
                  QStringLiteral("PDB:USEEXISTING:{%1}").arg(file(QStringLiteral("prodnocog.pjt"))),
                  QStringLiteral("PDB:FIELDNAMES"), QStringLiteral("PDB:AUTOINSTALL:{0}")}));
    EXPECT_TRUE(csvWhileRunning);
    EXPECT_EQ(leftInTemp(), QStringList());
    EXPECT_EQ(testsupport::fileBytes(file(QStringLiteral("Spring  Catalog.CSV"))),
              "the user's own");
    EXPECT_EQ(testsupport::fileBytes(file(QStringLiteral("Spring  Catalog.pdb"))),
              "the user's own");
    EXPECT_EQ(mHelp.topics, QList<int>{2050});

    const QList<RecordedPrompt> &prompts = mPrompter.prompts();
    ASSERT_EQ(prompts.size(), 3);
    EXPECT_EQ(prompts[0].text, QStringLiteral("Send products shown to palm computer?"));
    EXPECT_EQ(prompts[0].caption, QStringLiteral("Vendara LITE"));
    EXPECT_EQ(prompts[0].buttons, prompt::Buttons::OkCancel);
    EXPECT_EQ(prompts[0].icon, prompt::Icon::Question);
    EXPECT_EQ(prompts[1].kind, RecordedPrompt::Kind::Input);
    EXPECT_EQ(prompts[1].input.prompt,
              QStringLiteral("What should this group of products be called?"));
    EXPECT_EQ(prompts[1].input.title, QStringLiteral("Palmpilot category"));
    EXPECT_EQ(prompts[1].input.defaultText, QStringLiteral("Products"));
    EXPECT_EQ(prompts[2].text,
              QStringLiteral("After you hotsync the selected products will be in your Palmpilot."));
    EXPECT_EQ(prompts[2].caption, QStringLiteral("Success"));

    // With a selection the question is the other one.
    mPrompter.clear();
    mPrompter.answer(Answer::Cancel);
    EXPECT_FALSE(mExport.Palmpilot({2}, 4));
    EXPECT_EQ(mPrompter.messageTexts(),
              QStringList{QStringLiteral("Send selected products to Palm Computer?")});
}

TEST_F(HandheldTest, CancelOrAnEmptyNameWritesAndStartsNothing)
{
    addTwelve();
    mPrompter.answer(Answer::Cancel);
    EXPECT_FALSE(mExport.Palmpilot({}, 1));
    mPrompter.answer(Answer::Ok).cancelInput();
    EXPECT_FALSE(mExport.Palmpilot({}, 1));
    mPrompter.answer(Answer::Ok).type(QString());
    EXPECT_FALSE(mExport.Palmpilot({}, 1));
    EXPECT_EQ(mLauncher.runs, 0);
    EXPECT_EQ(QDir(mDir.path()).entryList(QDir::Files), QStringList());
    EXPECT_EQ(leftInTemp(), QStringList());
}

TEST_F(HandheldTest, GroupNamesThatCannotNameTheFilesAreRefused)
{
    addTwelve();
    for (const QString &name :
         {QStringLiteral("a/b"), QStringLiteral("a\\b"), QStringLiteral("{x"), QStringLiteral("x}"),
          QStringLiteral(".hidden"), QStringLiteral("tab\there"), QStringLiteral("   "),
          QString(32, QLatin1Char('x')), QString::fromUtf8("\u65e5\u672c")}) {
        SCOPED_TRACE(name.toStdString());
        mPrompter.clear();
        mPrompter.answer(Answer::Ok).type(name);
        EXPECT_FALSE(mExport.Palmpilot({}, 1));
        ASSERT_EQ(mPrompter.messageTexts().size(), 2);
        EXPECT_TRUE(mPrompter.messageTexts().last().startsWith(
            QStringLiteral("The group name names the files and the database on the handheld.")));
    }
    EXPECT_EQ(mLauncher.runs, 0);
    EXPECT_EQ(QDir(mDir.path()).entryList(QDir::Files), QStringList());
    EXPECT_TRUE(HandheldExport::isValidGroupName(QString(31, QLatin1Char('x'))));
    EXPECT_TRUE(HandheldExport::isValidGroupName(QString::fromUtf8("Caf\u00e9 \u20ac specials")));
}

TEST_F(HandheldTest, AFailedConverterSendsNothing)
{
    addTwelve();
    // It wrote its database but could not install it: both files go once it has ended, so
    // the next hand-off of that name starts afresh.
    mLauncher.outcome = {ConverterLauncher::Outcome::Kind::Finished, 1, {}};
    mLauncher.whileRunning = [&] {
        testsupport::writeFile(mExport.databasePath(QStringLiteral("Products")), "database");
    };
    mPrompter.answer(Answer::Ok).type(QStringLiteral("Products"));
    EXPECT_FALSE(mExport.Palmpilot({}, 1));
    EXPECT_EQ(leftInTemp(), QStringList());
    EXPECT_EQ(mPrompter.messageTexts().last(),
              QStringLiteral("The products were not sent to the handheld: the converter ended with "
                             "an error (exit status 1)."));
    EXPECT_EQ(mPrompter.prompts().last().caption, QStringLiteral("Palmpilot"));
    EXPECT_TRUE(mHelp.topics.isEmpty());

    // One that did not end normally may still be at work: its files are kept, and the user
    // is told where the CSV file is.
    QString csv;
    mLauncher.whileRunning = [&] {
        csv = mExport.csvPath(QStringLiteral("Products"));
    };
    mPrompter.clear();
    mLauncher.outcome = {ConverterLauncher::Outcome::Kind::Crashed, -1, {}};
    mPrompter.answer(Answer::Ok).type(QStringLiteral("Products"));
    EXPECT_FALSE(mExport.Palmpilot({}, 1));
    EXPECT_EQ(mPrompter.messageTexts().last(),
              QStringLiteral("The products were not sent to the handheld: the converter stopped "
                             "unexpectedly. The file %1 is kept.")
                  .arg(csv));
    EXPECT_TRUE(QFileInfo::exists(csv));
    QDir(QFileInfo(csv).absolutePath()).removeRecursively();

    // One that could not be started never saw the files: they go.
    mLauncher.whileRunning = nullptr;
    mPrompter.clear();
    mLauncher.outcome = {ConverterLauncher::Outcome::Kind::NotStarted, -1,
                         QStringLiteral("No such file or directory")};
    mPrompter.answer(Answer::Ok).type(QStringLiteral("Products"));
    EXPECT_FALSE(mExport.Palmpilot({}, 1));
    EXPECT_EQ(mPrompter.messageTexts().last(),
              QStringLiteral("The products were not sent to the handheld: the converter %1 could "
                             "not be started.\n\nNo such file or directory")
                  .arg(file(QStringLiteral("dorvane"))));
    EXPECT_EQ(leftInTemp(), QStringList());
}

TEST_F(HandheldTest, AFileThatCannotBeWrittenStopsBeforeTheConverter)
{
    using Step = common::SafeFile::Step;
    addTwelve();
    struct Case
    {
        Step step;
        int error;
        const char *caption;
    };
    for (const Case c :
         {Case{Step::Open, EACCES, "Error:70"}, Case{Step::Open, ENOENT, "Error:76"},
          Case{Step::Open, EMFILE, "Error:75"}, Case{Step::Write, ENOSPC, "Error:61"},
          Case{Step::Flush, EIO, "Error:57"}, Case{Step::Rename, EIO, "Error:57"}}) {
        SCOPED_TRACE(c.caption);
        testsupport::WriteFault fault(c.step, c.error, "Busy.CSV");
        mPrompter.clear();
        mPrompter.answer(Answer::Ok).type(QStringLiteral("Busy"));
        EXPECT_FALSE(mExport.Palmpilot({}, 1));
        EXPECT_TRUE(fault.struck());
        EXPECT_EQ(mLauncher.runs, 0);
        ASSERT_EQ(mPrompter.messageTexts().size(), 2);
        EXPECT_EQ(mPrompter.messageTexts().last(),
                  QStringLiteral("Error creating file for Palm application"));
        EXPECT_EQ(mPrompter.prompts().last().caption, QLatin1String(c.caption));
        EXPECT_EQ(leftInTemp(), QStringList());
    }
}

TEST_F(HandheldTest, TheHourglassWhileTheFileIsWrittenAndConverted)
{
    mCatalogue.add({QStringLiteral("J-1"), QString::fromUtf8("\u65e5")});
    QList<bool> busy;
    mExport.setBusyHandler([&](bool on) { busy << on; });
    bool busyWhileRunning = false;
    mLauncher.whileRunning = [&] {
        busyWhileRunning = !busy.isEmpty() && busy.last();
    };
    mPrompter.answer(Answer::Ok).type(QStringLiteral("Names"));
    EXPECT_TRUE(mExport.Palmpilot({}, 1));
    EXPECT_TRUE(busyWhileRunning);
    // On for the writing, off for the message about the characters, on again, off at the end.
    EXPECT_EQ(busy, (QList<bool>{true, false, true, false}));

    // A file that cannot be written: the pointer is normal again for the message, and after.
    busy.clear();
    testsupport::WriteFault fault(common::SafeFile::Step::Open, EACCES);
    mPrompter.answer(Answer::Ok).type(QStringLiteral("Names"));
    EXPECT_FALSE(mExport.Palmpilot({}, 1));
    EXPECT_EQ(busy, (QList<bool>{true, false, true, false, true, false}));
}

TEST(ProcessLauncherTest, ArgumentsArriveWholeAndTheOutcomeIsTold)
{
    vendara::ProcessLauncher launcher;
    const auto whole = launcher.run(
        QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("test \"$1\" = 'a  b{c}'"),
                                    QStringLiteral("sh"), QStringLiteral("a  b{c}")});
    EXPECT_EQ(whole.kind, ConverterLauncher::Outcome::Kind::Finished);
    EXPECT_EQ(whole.exitStatus, 0);

    const auto failed = launcher.run(QStringLiteral("/bin/sh"),
                                     {QStringLiteral("-c"), QStringLiteral("echo out; exit 3")});
    EXPECT_EQ(failed.kind, ConverterLauncher::Outcome::Kind::Finished);
    EXPECT_EQ(failed.exitStatus, 3);

    const auto missing = launcher.run(QStringLiteral("/nonexistent/dorvane"), {});
    EXPECT_EQ(missing.kind, ConverterLauncher::Outcome::Kind::NotStarted);
    EXPECT_FALSE(missing.errorText.isEmpty());

    const auto killed = launcher.run(QStringLiteral("/bin/sh"),
                                     {QStringLiteral("-c"), QStringLiteral("kill -9 $$")});
    EXPECT_EQ(killed.kind, ConverterLauncher::Outcome::Kind::Crashed);
}

} // namespace
