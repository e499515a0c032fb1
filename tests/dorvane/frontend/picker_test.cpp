#include "formfixture.h"

#include "dorvane/frontend/databasefinder.h"
#include "dorvane/frontend/gridview.h"
#include "dorvane/frontend/tpdbselectform.h"
#include "dorvane/pdb/databasebuilder.h"

// Qt
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using dorvane::ui::TPDBSelectForm;
using testsupport::DesktopFixture;

void writeDatabase(const QString &path, const char *name, int records)
{
    pdb::DatabaseBuilder b(name);
    b.setField(0, pdb::FieldType::Text, "Name");
    for (int i = 0; i < records; ++i)
        b.addRecordFromTexts({"x"});
    ASSERT_TRUE(b.write(std::filesystem::path(QFile::encodeName(path).toStdString())).ok());
}

void setModified(const QString &path, const QDateTime &when)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
}

// The demo user's backup folder: two Quirra databases, another application's database, a
// hidden database and a folder whose name ends in .pdb.
class Picker : public ::testing::Test
{
protected:
    void SetUp() override
    {
        mBackup = desktop.desktopPath() + QStringLiteral("/Demo/backup");
        writeDatabase(mBackup + QStringLiteral("/Stock.PDB"), "Stock", 3);
        writeDatabase(mBackup + QStringLiteral("/Customers.pdb"), "Customers", 100);
        writeDatabase(mBackup + QStringLiteral("/.hidden.pdb"), "Hidden", 1);
        QFile other(mBackup + QStringLiteral("/Memo.pdb"));
        ASSERT_TRUE(other.open(QIODevice::WriteOnly));
        other.write(QByteArray(60, 'M') + "DATAmemo" + QByteArray(10, '\0'));
        other.close();
        QDir().mkpath(mBackup + QStringLiteral("/folder.pdb"));
        setModified(mBackup + QStringLiteral("/Customers.pdb"),
                    QDateTime(QDate(2024, 3, 14), QTime(15, 5)));
    }

    DesktopFixture desktop{testsupport::threeUsers()};
    testsupport::ScriptedPrompter prompter;
    QString mBackup;
};

TEST_F(Picker, FindsTheQuirraDatabasesOfTheFolder)
{
    const auto entries = dorvane::FindDatabaseFiles(mBackup);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, QStringLiteral("Customers"));
    EXPECT_EQ(entries[0].records, 100); // the header's 131 records less the leading 31
    EXPECT_EQ(entries[1].name, QStringLiteral("Stock"));
    EXPECT_EQ(entries[1].path, mBackup + QStringLiteral("/Stock.PDB"));
    EXPECT_EQ(entries[1].size, QFileInfo(entries[1].path).size());
    EXPECT_EQ(dorvane::databaseEntryCells(entries[0], {0, 0}),
              QStringList({QStringLiteral("Customers"), QStringLiteral("100"),
                           QStringLiteral("03/14/2024 03:05 pm"), entries[0].path,
                           QString::number(entries[0].size)}));
    EXPECT_EQ(dorvane::databaseEntryCells(entries[0], {6, 1})[2],
              QStringLiteral("2024-03-14 15:05"));
    EXPECT_EQ(dorvane::FindDatabaseFiles(mBackup, 1).size(), 1u);
    EXPECT_TRUE(dorvane::FindDatabaseFiles(QString()).empty());
}

TEST_F(Picker, ChoosingARowOfAUsersBackup)
{
    dorvane::TUserData users(prompter, desktop.registryPath());
    convert::ConversionSettings settings;
    TPDBSelectForm picker(users, prompter, settings);
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Select a Quirra Database File"));
    EXPECT_EQ(picker.UsersList->count(), 3);
    EXPECT_EQ(picker.UsersList->currentIndex(), -1);
    EXPECT_EQ(picker.grid().header(1), QStringLiteral("# Records"));
    EXPECT_EQ(picker.SelectedRow, -1);

    // "Select PDB" with no row chosen keeps the dialog open.
    picker.SelectPDBButtonClick();
    EXPECT_EQ(picker.result(), QDialog::Rejected);
    EXPECT_FALSE(picker.isVisible());

    picker.UsersListChange(1);
    EXPECT_EQ(picker.grid().rowCount(), 2);
    EXPECT_EQ(picker.StatusBar->currentMessage(),
              QStringLiteral("Searching for Quirra databases..."));
    picker.PDBFilesGridSelectCell(2);
    picker.SelectPDBButtonClick();
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picker.SelectedFile, mBackup + QStringLiteral("/Stock.PDB"));
    EXPECT_EQ(picker.SelectedRow, 2);

    // A user without databases: one empty row that is no choice.
    picker.setResult(0);
    picker.UsersListChange(0);
    EXPECT_EQ(picker.StatusBar->currentMessage(), QStringLiteral("No Quirra Databases found!"));
    EXPECT_EQ(picker.grid().rowCount(), 1);
    picker.PDBFilesGridSelectCell(1);
    picker.SelectPDBButtonClick();
    EXPECT_EQ(picker.result(), 0);

    picker.CancelButtonClick();
    EXPECT_EQ(picker.SelectedRow, -1);
    EXPECT_EQ(picker.result(), QDialog::Rejected);
}

TEST_F(Picker, DoubleClickingARowChoosesIt)
{
    dorvane::TUserData users(prompter, desktop.registryPath());
    convert::ConversionSettings settings;
    TPDBSelectForm picker(users, prompter, settings);
    picker.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
    picker.UsersListChange(1);
    const QModelIndex first = picker.PDBFilesGrid->model()->index(0, 1);
    const QPoint at = picker.PDBFilesGrid->visualRect(first).center();
    // As a mouse does it: a click, then the second click of the double-click.
    QTest::mouseClick(picker.PDBFilesGrid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(picker.PDBFilesGrid->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picker.SelectedRow, 1);
    EXPECT_EQ(picker.SelectedFile, mBackup + QStringLiteral("/Customers.pdb"));
}

TEST_F(Picker, BrowsingForAnyFile)
{
    dorvane::TUserData users(prompter, desktop.registryPath());
    convert::ConversionSettings settings;
    TPDBSelectForm picker(users, prompter, settings);
    picker.SelectedFile = QStringLiteral("/earlier/choice.pdb");
    prompter.cancelFile().chooseFile(QStringLiteral("/elsewhere/Any.pdb"));
    picker.BrowseFileButtonClick();
    EXPECT_EQ(picker.result(), 0);
    picker.BrowseFileButtonClick();
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picker.SelectedRow, 0);
    EXPECT_EQ(picker.SelectedFile, QStringLiteral("/elsewhere/Any.pdb"));
    ASSERT_EQ(prompter.prompts().size(), 2);
    const prompt::FileRequest &request = prompter.prompts()[0].file;
    EXPECT_EQ(request.fileName, QStringLiteral("/earlier/choice.pdb"));
    EXPECT_EQ(request.filter, QStringLiteral("PDB Files (*.PDB)|*.PDB|All Files (*.*)|*.*"));
    EXPECT_EQ(request.defaultExtension, QStringLiteral("PDB"));
    EXPECT_TRUE(request.mustExist);
}

} // namespace
