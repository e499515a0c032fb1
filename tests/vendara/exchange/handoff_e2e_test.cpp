// The hand-off with the real converter and a demo of the handheld's desktop software: the
// database lands in the first handheld user's Install folder, decodes to the catalogue's
// products, and the two files beside the program are gone afterwards.

#include "productrows.h"

#include "common/qt/cp1252text.h"
#include "tests/support/scriptedprompter.h"
#include "vendara/exchange/handheldexport.h"
#include "vendara/exchange/processlauncher.h"
#include "vendara/store/programfolder.h"

// Qt
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using prompt::Answer;

const QString kProgramDir = QStringLiteral(PROGRAM_DIR);
const QString kSourceDir = QStringLiteral(TEST_DATA_DIR "/../..");

int runTool(const QString &program, const QStringList &arguments, QByteArray *errors = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return -1;
    if (errors != nullptr)
        *errors = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// The registry file the converter reads, for the length of a test.
class RegistryFile
{
public:
    explicit RegistryFile(const QString &path)
        : mOld(qgetenv("VENDARA_REGISTRY"))
    {
        qputenv("VENDARA_REGISTRY", QFile::encodeName(path));
    }
    ~RegistryFile() { qputenv("VENDARA_REGISTRY", mOld); }

private:
    QByteArray mOld;
};

TEST(HandOffEndToEnd, TheDatabaseReachesTheFirstUsersInstallFolder)
{
    QTemporaryDir dir;
    const QDir root(dir.path());
    const QString desk = root.filePath(QStringLiteral("desk"));
    QByteArray errors;
    ASSERT_EQ(runTool(QStringLiteral("bash"),
                      {kSourceDir + QStringLiteral("/tools/demo-desktop"), desk,
                       QStringLiteral("--quirra"), kProgramDir + QStringLiteral("/quirra")},
                      &errors),
              0)
        << errors.constData();
    const RegistryFile registry(QDir(desk).filePath(QStringLiteral("registry.reg")));

    // The program's folder: the converter and the template as the build places them.
    ASSERT_TRUE(root.mkdir(QStringLiteral("program")));
    const QDir program(root.filePath(QStringLiteral("program")));
    ASSERT_TRUE(QFile::link(kProgramDir + QStringLiteral("/dorvane"),
                            program.filePath(QStringLiteral("dorvane"))));
    ASSERT_TRUE(QFile::copy(kProgramDir + QStringLiteral("/prodnocog.pjt"),
                            program.filePath(QStringLiteral("prodnocog.pjt"))));

    testsupport::Catalogue c;
    c.add({QStringLiteral("A-1"), QString::fromUtf8("12\" ruler, caf\u00e9"),
           QStringLiteral("#1049.99"), QStringLiteral("Line one\r\nLine two"),
           QStringLiteral("Case"), QStringLiteral("10"), QStringLiteral("1,100.00")});
    c.add({QStringLiteral("B-2"), QStringLiteral("Bracket \"L\""), QStringLiteral("#3.75")});
    c.add({QStringLiteral("C-3"), QStringLiteral("Clamp"), QStringLiteral("#8")});

    const vendara::ProgramFolder folder(program.path());
    testsupport::ScriptedPrompter prompter;
    vendara::ProcessLauncher launcher;
    vendara::HandheldExport handOff(c.table, folder, prompter, launcher, [] { return nullptr; });
    prompter.answer(Answer::Ok).type(QStringLiteral("Spring  Catalog"));
    ASSERT_TRUE(handOff.Palmpilot({}, 1)) << prompter.messageTexts().join(u'|').toStdString();
    EXPECT_EQ(prompter.messageTexts().last(),
              QStringLiteral("After you hotsync the selected products will be in your Palmpilot."));

    EXPECT_FALSE(QFileInfo::exists(program.filePath(QStringLiteral("Spring  Catalog.CSV"))));
    EXPECT_FALSE(QFileInfo::exists(program.filePath(QStringLiteral("Spring  Catalog.pdb"))));
    // The first user of the users file is Anna Smith (id 3, folder SmithA).
    const QString installed =
        QDir(desk).filePath(QStringLiteral("Palm/SmithA/Install/Spring  Catalog.pdb"));
    ASSERT_TRUE(QFileInfo::exists(installed));
    EXPECT_TRUE(testsupport::fileBytes(QDir(desk).filePath(QStringLiteral("registry.reg")))
                    .contains("\"Install3\"=dword:00000001"));

    const QString back = root.filePath(QStringLiteral("back.csv"));
    ASSERT_EQ(runTool(kProgramDir + QStringLiteral("/quirra"),
                      {QStringLiteral("tocsv"), installed, back, QStringLiteral("--quotes")}),
              0);
    EXPECT_EQ(common::fromCp1252(testsupport::fileBytes(back)),
              QString::fromUtf8("\"Quote\",\"Cat Number\",\"Description\",\"Price\",\"Includes\","
                                "\"Notes\",\"Discounts\"\r\n"
                                "\"0\",\"A-1\",\"12  ruler  caf\u00e9\",\"$1,049.99\",\"Case\","
                                "\"Line one\r\nLine two\",\"10 - $1,100.00\"\r\n"
                                "\"0\",\"B-2\",\"Bracket \"\"L\"\"\",\"$3.75\",\"\",\"\",\"\"\r\n"
                                "\"0\",\"C-3\",\"Clamp\",\"$8.00\",\"\",\"\",\"\"\r\n"));
    // The name on the handheld is the group name.
    QByteArray dump;
    QProcess quirra;
    quirra.start(kProgramDir + QStringLiteral("/quirra"), {QStringLiteral("dump"), installed});
    ASSERT_TRUE(quirra.waitForFinished(60000));
    EXPECT_TRUE(quirra.readAllStandardOutput().contains("Spring  Catalog"));
}

} // namespace
