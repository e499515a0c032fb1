// The dorvane program run as the catalogue program and scripts run it: with no display, a
// command line that converts, installs and ends.
#include "desktopfixture.h"
#include "formfixture.h"

#include "dorvane/frontend/databasefinder.h"
#include "dorvane/pdb/databasebuilder.h"

// Qt
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using testsupport::readAll;

struct ProgramRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

class Program : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The program runs from a folder of its own, where it keeps QD.INI.
        mProgram = mProgramDir.filePath(QStringLiteral("dorvane"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(PROGRAM_DIR "/dorvane"), mProgram));
        mIni = mProgramDir.filePath(QStringLiteral("QD.INI"));
        QFile ini(mIni);
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(mIniBytes);
        ini.close();

        mDir = mFiles.filePath(QStringLiteral("Hand off"));
        QDir().mkpath(mDir);
        mCsv = mDir + QStringLiteral("/Spring Catalog.CSV");
        QFile csv(mCsv);
        ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
        csv.write("Part Number,Product Name,Price,Notes\r\n"
                  "A-100,Oak Desk,489.00,\"Solid oak, oiled\"\r\n"
                  "B-200,Office Chair,229.50,\r\n");
        csv.close();
        // A template whose fields fit the CSV file: a popup, a decimal number and a note.
        pdb::DatabaseBuilder t("template");
        t.setField(0, pdb::FieldType::Text, "Part Number");
        t.setField(1, pdb::FieldType::Popup, "Product Name");
        t.setPopupItems(1, {"Oak Desk"});
        t.setField(2, pdb::FieldType::Decimal, "Price");
        t.setField(3, pdb::FieldType::Note, "Notes");
        mTemplate = mDir + QStringLiteral("/template.pdb");
        ASSERT_TRUE(
            t.write(std::filesystem::path(QFile::encodeName(mTemplate).toStdString())).ok());
        mOut = mDir + QStringLiteral("/Spring Catalog.pdb");
    }

    ProgramRun run(const QStringList &arguments)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.insert(QStringLiteral("VENDARA_REGISTRY"), desktop.registryPath());
        process.setProcessEnvironment(env);
        process.start(mProgram, arguments);
        ProgramRun result;
        if (!process.waitForFinished(120000))
            return result;
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    // The database that the engine's own tool makes from the same inputs.
    QByteArray quirraTopdb()
    {
        const QString expected = mFiles.filePath(QStringLiteral("expected.pdb"));
        QProcess quirra;
        quirra.start(QStringLiteral(PROGRAM_DIR "/quirra"),
                     {QStringLiteral("topdb"), mCsv, expected, QStringLiteral("--existing"),
                      mTemplate, QStringLiteral("--name"), QStringLiteral("Spring Catalog")});
        EXPECT_TRUE(quirra.waitForFinished(60000));
        EXPECT_EQ(quirra.exitCode(), 0);
        return readAll(expected);
    }

    QStringList handOff(const QString &out)
    {
        return {QStringLiteral("COMMAND:TOPDB"),
                QStringLiteral("PDB:INFILE:{") + mCsv + QLatin1Char('}'),
                QStringLiteral("PDB:OUTFILE:{") + out + QLatin1Char('}'),
                QStringLiteral("PDB:DBNAME:{Spring Catalog}"),
                QStringLiteral("PDB:USEEXISTING:{") + mTemplate + QLatin1Char('}'),
                QStringLiteral("PDB:FIELDNAMES"),
                QStringLiteral("PDB:AUTOINSTALL:{0}")};
    }

    testsupport::DesktopFixture desktop{testsupport::threeUsers()};
    QTemporaryDir mProgramDir;
    QTemporaryDir mFiles;
    QString mProgram;
    QString mIni;
    const QByteArray mIniBytes = "[Preferences]\r\nCSV SEPARATOR=,\r\nINPUT CSV=/kept.csv\r\n";
    QString mDir;
    QString mCsv;
    QString mTemplate;
    QString mOut;
};

TEST_F(Program, TheCatalogueProgramsHandOffWithoutADisplay)
{
    const ProgramRun r = run(handOff(mOut));
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("Converting to .PDB...\n")));
    EXPECT_TRUE(r.out.endsWith(QStringLiteral("Conversion Successful!\n")));
    const QByteArray made = readAll(mOut);
    ASSERT_FALSE(made.isEmpty());
    EXPECT_EQ(made, quirraTopdb());
    EXPECT_EQ(readAll(desktop.desktopPath() + QStringLiteral("/SmithA/Install/Spring Catalog.pdb")),
              made);
    EXPECT_TRUE(readAll(desktop.registryPath()).contains("\"Install3\"=dword:00000001"));
    EXPECT_EQ(readAll(mIni), mIniBytes);
}

TEST_F(Program, PathsSplitOverUnquotedArguments)
{
    QStringList args;
    for (const QString &arg : handOff(mOut))
        args += arg.split(QLatin1Char(' '));
    const ProgramRun r = run(args);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(readAll(mOut), quirraTopdb());
}

TEST_F(Program, FailuresAndRefusalsEndWithStatusOne)
{
    ASSERT_EQ(run(handOff(mOut)).exitCode, 0);
    // No overwrite option: the question is answered No and the save dialog cancelled.
    ProgramRun r = run(handOff(mOut));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Question: File:") + mOut
                               + QStringLiteral(" Exists.  Overwrite? (no display: answered No)")))
        << r.err.toStdString();
    EXPECT_TRUE(r.out.endsWith(QStringLiteral("Conversion Cancelled!\n")));

    QStringList overwrite = handOff(mOut);
    overwrite.append(QStringLiteral("PDB:OVERWRITE"));
    EXPECT_EQ(run(overwrite).exitCode, 0);

    // An error box of the engine goes to standard error with its caption.
    r = run({QStringLiteral("COMMAND:TOCSV"), QStringLiteral("CSV:INFILE:{/no/such.pdb}"),
             QStringLiteral("CSV:OUTFILE:{") + mFiles.filePath(QStringLiteral("x.csv"))
                 + QLatin1Char('}')});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("ERROR!: ERROR: Cannot Open File: /no/such.pdb")))
        << r.err.toStdString();
    EXPECT_TRUE(r.out.endsWith(QStringLiteral("ERROR:In Conversion!\n")));

    // The install that was asked for did not happen.
    QStringList seventh = handOff(mDir + QStringLiteral("/Other.pdb"));
    seventh.last() = QStringLiteral("PDB:AUTOINSTALL:{7}");
    r = run(seventh);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.endsWith(QStringLiteral("Conversion Successful! (Install failed)\n")));
    EXPECT_EQ(readAll(mIni), mIniBytes);
}

TEST_F(Program, HelpVersionAndNoWindowWithoutADisplay)
{
    ProgramRun r = run({QStringLiteral("--help")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("Usage: dorvane")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("PDB:AUTOINSTALL:{n}")));
    r = run({QStringLiteral("--version")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("dorvane (Quirra Desktop) ")));
    r = run({});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("there is no display for the window")));
    EXPECT_EQ(readAll(mIni), mIniBytes);
}

} // namespace

namespace {

TEST(DemoDesktop, TheScriptMakesADesktopThatThePickerAndInstallRead)
{
    QTemporaryDir dir;
    QProcess script;
    script.start(QStringLiteral(SOURCE_DIR "/tools/demo-desktop"),
                 {dir.path(), QStringLiteral("--quirra"), QStringLiteral(PROGRAM_DIR "/quirra")});
    ASSERT_TRUE(script.waitForFinished(60000));
    ASSERT_EQ(script.exitCode(), 0) << script.readAllStandardError().toStdString();

    testsupport::ScriptedPrompter prompter;
    dorvane::TUserData users(prompter, dir.filePath(QStringLiteral("registry.reg")));
    EXPECT_TRUE(prompter.prompts().isEmpty());
    EXPECT_EQ(users.userNames(),
              QStringList({QStringLiteral("Anna Smith"), QStringLiteral("Demo User"),
                           QStringLiteral("Sales Laptop")}));
    EXPECT_EQ(users.GetUserId(1), 2);
    const auto found = dorvane::FindDatabaseFiles(users.backupFolder(1));
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].name, QStringLiteral("Customers"));
    EXPECT_EQ(found[1].name, QStringLiteral("Stock"));
    EXPECT_EQ(found[1].records, 10);
    EXPECT_TRUE(users.InstallFile(2, found[1].path));
    EXPECT_TRUE(readAll(dir.filePath(QStringLiteral("registry.reg")))
                    .contains("\"Install5\"=dword:00000001"));
}

} // namespace
