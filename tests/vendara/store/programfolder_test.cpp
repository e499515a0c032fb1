// Where the program finds its shipped files and writes its own: beside the program in a
// build or a copied folder, in the user's data folder for an installed copy.

#include "catalogue.h"

#include "vendara/store/programfolder.h"

// Qt
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace vendara;
using testsupport::readBytes;
using testsupport::writeBytes;

TEST(ProgramFolderTest, AFolderWithItsCatalogueKeepsEverythingBesideTheProgram)
{
    QTemporaryDir prefix;
    QDir(prefix.path()).mkpath(QStringLiteral("bin"));
    const QDir dir(prefix.filePath(QStringLiteral("bin")));
    writeBytes(dir.filePath(QStringLiteral("vadata.dat")), "x");
    // A share folder next to it does not make it an installed copy while the catalogue is
    // beside the program.
    QDir(prefix.path()).mkpath(QStringLiteral("share/vendara"));
    const ProgramFolder folder(dir.path(), prefix.filePath(QStringLiteral("data")));
    EXPECT_FALSE(folder.usesDataFolder());
    EXPECT_EQ(folder.catalogueFile(), dir.filePath(QStringLiteral("vadata.dat")));
    EXPECT_EQ(folder.programFile(QStringLiteral("help/contents.xml")),
              dir.filePath(QStringLiteral("help/contents.xml")));
}

TEST(ProgramFolderTest, AnInstalledCopyWritesToTheDataFolderAndReadsItsSharedFiles)
{
    QTemporaryDir prefix;
    QDir root(prefix.path());
    root.mkpath(QStringLiteral("bin"));
    root.mkpath(QStringLiteral("share/vendara/help"));
    writeBytes(prefix.filePath(QStringLiteral("share/vendara/vadata.dat")), "sample");
    writeBytes(prefix.filePath(QStringLiteral("bin/dorvane")), "program");

    // The prefix can be written (as in ~/.local), and still the programs' folder stays clean.
    const QString data = prefix.filePath(QStringLiteral("data/vendara"));
    const ProgramFolder folder(prefix.filePath(QStringLiteral("bin")), data);
    EXPECT_TRUE(folder.usesDataFolder());
    EXPECT_EQ(folder.catalogueFile(), QDir(data).filePath(QStringLiteral("vadata.dat")));
    EXPECT_EQ(folder.programFile(QStringLiteral("help")),
              QDir::cleanPath(prefix.filePath(QStringLiteral("share/vendara/help"))));
    EXPECT_EQ(folder.programFile(QStringLiteral("dorvane")),
              prefix.filePath(QStringLiteral("bin/dorvane")));
    // A file that is nowhere is named beside the program, where messages say it belongs.
    EXPECT_EQ(folder.programFile(QStringLiteral("prodnocog.pjt")),
              prefix.filePath(QStringLiteral("bin/prodnocog.pjt")));

    // The first start copies the shipped catalogue; later starts keep the user's own.
    EXPECT_TRUE(folder.seedCatalogue());
    EXPECT_EQ(readBytes(folder.catalogueFile()), QByteArray("sample"));
    writeBytes(folder.catalogueFile(), "mine");
    EXPECT_TRUE(folder.seedCatalogue());
    EXPECT_EQ(readBytes(folder.catalogueFile()), QByteArray("mine"));
    EXPECT_EQ(readBytes(prefix.filePath(QStringLiteral("share/vendara/vadata.dat"))),
              QByteArray("sample"));
}

} // namespace
