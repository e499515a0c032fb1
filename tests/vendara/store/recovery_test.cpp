// Nothing lost when the program does not close normally, and nothing lost when the catalogue
// cannot be written: the recovery file after every change, the offer at the next start, the
// backup of the catalogue as it was loaded, and the old file kept whole, with the user told
// why, whichever step of writing fails.

#include "catalogue.h"

#include "tests/support/scriptedprompter.h"
#include "tests/support/writefault.h"
#include "vendara/store/productcolumns.h"
#include "vendara/store/programcontext.h"

// Qt
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// POSIX
#include <sys/stat.h>
#include <unistd.h>

// std
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>

#include <gtest/gtest.h>

namespace {

using namespace vendara;
using prompt::Answer;
using prompt::Buttons;
using prompt::Icon;
using Step = common::SafeFile::Step;
using testsupport::readBytes;
using testsupport::record;
using testsupport::writeBytes;

const QByteArray kCatalogue = record({"A-1", "Anchor", "12.5"}) + record({"B-2", "Bracket", "3"});

class RecoveryTest : public ::testing::Test
{
protected:
    void SetUp() override { writeBytes(catalogue(), kCatalogue); }

    QString file(const QString &name) const { return QDir(mDir.path()).filePath(name); }
    QString catalogue() const { return file(QStringLiteral("vadata.dat")); }
    QString recovery() const { return file(QStringLiteral("vadata.rec")); }
    QString backup() const { return file(QStringLiteral("vadata.bak")); }
    QStringList files() const
    {
        return QDir(mDir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    // A program context over the folder with the catalogue loaded, as the program starts.
    ProgramContext &start()
    {
        mContext = std::make_unique<ProgramContext>(ProgramFolder(mDir.path()), mPrompter, false);
        mContext->products().load(mContext->catalogueFile());
        return *mContext;
    }
    Table &table() { return mContext->productTable(); }
    // Waits until the recovery file holds `bytes`.
    bool recoveryHolds(const QByteArray &bytes)
    {
        for (int i = 0; i < 100; ++i) {
            if (QFileInfo::exists(recovery()) && readBytes(recovery()) == bytes)
                return true;
            QTest::qWait(20);
        }
        return false;
    }
    static void setModified(const QString &path, const QDateTime &time)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(time, QFileDevice::FileModificationTime));
    }

    QTemporaryDir mDir;
    testsupport::ScriptedPrompter mPrompter;
    std::unique_ptr<ProgramContext> mContext;
};

TEST_F(RecoveryTest, EveryChangeIsKeptUntilTheCatalogueIsSaved)
{
    ProgramContext &context = start();
    context.recovery().watch();
    EXPECT_FALSE(QFileInfo::exists(recovery())); // nothing changed yet

    table().setCell(1, product::Notes, Cell(QStringLiteral("edited")));
    EXPECT_TRUE(recoveryHolds(record({"A-1", "Anchor", "12.5", "edited"})
                              + record({"B-2", "Bracket", "3"})));
    table().deleteRow(2);
    context.products().setCount(1);
    EXPECT_TRUE(recoveryHolds(record({"A-1", "Anchor", "12.5", "edited"})));
    table().insertRow(1);
    table().setCell(1, product::PartNumber, Cell(QStringLiteral("N-1")));
    EXPECT_TRUE(recoveryHolds(record({"N-1"}) + record({"A-1", "Anchor", "12.5", "edited"})));
    EXPECT_EQ(readBytes(catalogue()), kCatalogue); // the catalogue waits for the close

    // A change not yet written goes to the recovery file at once when closing starts; a
    // saved catalogue makes the file go, and later changes are not followed.
    table().setCell(1, product::ProductName, Cell(QStringLiteral("New")));
    ASSERT_TRUE(context.saveCatalogue());
    const QByteArray saved = record({"N-1", "New"}) + record({"A-1", "Anchor", "12.5", "edited"});
    EXPECT_EQ(readBytes(catalogue()), saved);
    EXPECT_FALSE(QFileInfo::exists(recovery()));
    table().setCell(1, product::Notes, Cell(QStringLiteral("after")));
    QTest::qWait(2 * CatalogueRecovery::kDelayMs);
    EXPECT_FALSE(QFileInfo::exists(recovery()));
    EXPECT_TRUE(mPrompter.prompts().isEmpty());
}

TEST_F(RecoveryTest, ASaveThatDidNotWriteKeepsTheRecoveryFile)
{
    ProgramContext &context = start();
    context.recovery().watch();
    table().setCell(1, product::Notes, Cell(QStringLiteral("edited")));
    testsupport::WriteFault fault(Step::Rename, EIO, "vadata.dat");
    mPrompter.answer(Answer::Yes); // close anyway
    ASSERT_TRUE(context.saveCatalogue());
    EXPECT_EQ(readBytes(catalogue()), kCatalogue);
    EXPECT_EQ(readBytes(recovery()),
              record({"A-1", "Anchor", "12.5", "edited"}) + record({"B-2", "Bracket", "3"}));
}

TEST_F(RecoveryTest, TheNextStartOffersTheProductsBack)
{
    const QByteArray left =
        record({"A-1", "Anchor", "12.5", "edited"}) + record({"B-2"}) + record({"C-3", "Clamp"});
    writeBytes(recovery(), left);
    setModified(catalogue(), QDateTime(QDate(2024, 3, 5), QTime(14, 0)));
    setModified(recovery(), QDateTime(QDate(2024, 3, 5), QTime(14, 7)));

    // Yes: the table holds the products as they were; the file stays until a saved close.
    ProgramContext &context = start();
    mPrompter.answer(Answer::Yes);
    EXPECT_TRUE(context.recovery().offer());
    ASSERT_EQ(mPrompter.prompts().size(), 1);
    const testsupport::RecordedPrompt &question = mPrompter.prompts().constFirst();
    EXPECT_EQ(question.text.toStdString(),
              QStringLiteral("Vendara did not close normally. Restore the 3 products "
                             "as they were at 3/5/24 2:07 PM?")
                  .toStdString());
    EXPECT_EQ(question.caption, QStringLiteral("Vendara LITE"));
    EXPECT_EQ(question.buttons, Buttons::YesNo);
    EXPECT_EQ(question.icon, Icon::Question);
    EXPECT_EQ(context.products().Count(), 3);
    EXPECT_EQ(table().cell(1, product::Notes).text(), QStringLiteral("edited"));
    EXPECT_EQ(readBytes(recovery()), left);
    EXPECT_EQ(readBytes(catalogue()), kCatalogue);

    // No: the table keeps the catalogue, and the file is kept under another name, not
    // offered again.
    mPrompter.clear();
    ProgramContext &again = start();
    mPrompter.answer(Answer::No);
    EXPECT_FALSE(again.recovery().offer());
    EXPECT_EQ(again.products().Count(), 2);
    EXPECT_EQ(files(), QStringList({"vadata-20240305-140700.rec", "vadata.dat"}));
    EXPECT_EQ(readBytes(file(QStringLiteral("vadata-20240305-140700.rec"))), left);
    mPrompter.clear();
    EXPECT_FALSE(start().recovery().offer());
    EXPECT_TRUE(mPrompter.prompts().isEmpty());

    // One older than the catalogue was overtaken by a save, and is not offered.
    writeBytes(recovery(), left);
    setModified(recovery(), QDateTime(QDate(2024, 3, 5), QTime(13, 0)));
    EXPECT_FALSE(start().recovery().offer());
    EXPECT_TRUE(mPrompter.prompts().isEmpty());
}

TEST_F(RecoveryTest, AFailedWriteOfTheRecoveryFileIsToldOnce)
{
    ProgramContext &context = start();
    context.recovery().watch();
    {
        testsupport::WriteFault fault(Step::Open, ENOSPC, "vadata.rec", 0);
        table().setCell(1, product::Notes, Cell(QStringLiteral("one")));
        QTest::qWait(3 * CatalogueRecovery::kDelayMs);
        table().setCell(1, product::Notes, Cell(QStringLiteral("two")));
        QTest::qWait(3 * CatalogueRecovery::kDelayMs);
        EXPECT_EQ(fault.reached(), 2);
        EXPECT_TRUE(context.recovery().lastWriteFailed());
    }
    ASSERT_EQ(mPrompter.messageTexts(),
              QStringList(QStringLiteral("The changes could not be written to the recovery file "
                                         "%1.\n\nCannot write %1: No space left on device\n\nIf "
                                         "the program does not close normally, the changes made "
                                         "since it started will be lost.")
                              .arg(recovery())));
    EXPECT_EQ(mPrompter.prompts().constFirst().caption, QStringLiteral("Catalogue"));
    EXPECT_EQ(mPrompter.prompts().constFirst().icon, Icon::Exclamation);
    EXPECT_FALSE(QFileInfo::exists(recovery()));

    table().setCell(1, product::Notes, Cell(QStringLiteral("three")));
    EXPECT_TRUE(recoveryHolds(record({"A-1", "Anchor", "12.5", "three"})
                              + record({"B-2", "Bracket", "3"})));
    EXPECT_FALSE(context.recovery().lastWriteFailed());
    EXPECT_EQ(mPrompter.prompts().size(), 1);
}

TEST_F(RecoveryTest, TheFirstSaveKeepsTheCatalogueAsItWasLoaded)
{
    // A file that loads as garbage can be got back after the save that replaced it.
    const QByteArray garbage("\x01\x02garbage\x7F\r\nno separators here\r\n");
    writeBytes(catalogue(), garbage);
    Products &products = start().products();
    ASSERT_TRUE(products.save(catalogue()));
    EXPECT_EQ(readBytes(backup()), garbage);
    const QByteArray firstSave = readBytes(catalogue());

    // One generation: a later save of the session leaves the backup as it is.
    table().setCell(1, product::Notes, Cell(QStringLiteral("more")));
    ASSERT_TRUE(products.save(catalogue()));
    EXPECT_EQ(readBytes(backup()), garbage);

    // The next session's first save that changes the file keeps that session's start.
    Products &next = start().products();
    ASSERT_TRUE(next.save(catalogue()));
    EXPECT_EQ(readBytes(backup()), garbage); // unchanged file: no new backup
    table().setCell(1, product::Notes, Cell(QStringLiteral("changed again")));
    const QByteArray secondStart = readBytes(catalogue());
    ASSERT_TRUE(next.save(catalogue()));
    EXPECT_EQ(readBytes(backup()), secondStart);
    EXPECT_NE(secondStart, firstSave);
    EXPECT_TRUE(mPrompter.prompts().isEmpty());
}

TEST_F(RecoveryTest, ABackupThatCannotBeWrittenIsToldAndTheSaveGoesOn)
{
    Products &products = start().products();
    table().setCell(1, product::Notes, Cell(QStringLiteral("edited")));
    testsupport::WriteFault fault(Step::Write, ENOSPC, "vadata.bak");
    ASSERT_TRUE(products.save(catalogue()));
    EXPECT_TRUE(products.lastSaveWrote());
    EXPECT_EQ(mPrompter.messageTexts(),
              QStringList(QStringLiteral("The catalogue as it was when the program started could "
                                         "not be kept as %1.\n\nCannot write %1: No space left "
                                         "on device\n\nThe catalogue is saved without that copy.")
                              .arg(backup())));
    EXPECT_EQ(files(), QStringList({"vadata.dat"}));
    EXPECT_EQ(readBytes(catalogue()),
              record({"A-1", "Anchor", "12.5", "edited"}) + record({"B-2", "Bracket", "3"}));
}

// The catalogue's save fails at each step of writing: the old file stays whole, nothing is
// left beside it, and the user reads why.
TEST_F(RecoveryTest, AFailedSaveOfTheCatalogueAtAnyStepKeepsTheOldFile)
{
    struct Case
    {
        Step step;
        int error;
        const char *verb;
    };
    for (const Case c :
         {Case{Step::Open, EACCES, "Cannot write"}, Case{Step::Write, ENOSPC, "Cannot write"},
          Case{Step::Flush, EIO, "Cannot write"}, Case{Step::Rename, EIO, "Cannot replace"}}) {
        SCOPED_TRACE(c.error);
        mPrompter.clear();
        Products &products = start().products();
        table().setCell(1, product::Notes, Cell(QStringLiteral("edited")));
        testsupport::WriteFault fault(c.step, c.error, "vadata.dat");
        mPrompter.answer(Answer::No);
        EXPECT_FALSE(products.save(catalogue())); // the user stays
        EXPECT_FALSE(products.lastSaveWrote());
        EXPECT_EQ(readBytes(catalogue()), kCatalogue);
        EXPECT_EQ(files(), QStringList({"vadata.bak", "vadata.dat"}));
        ASSERT_EQ(mPrompter.prompts().size(), 1);
        EXPECT_EQ(mPrompter.prompts().constFirst().text,
                  QStringLiteral("The catalogue could not be saved to %1.\n\n%2 %1: %3\n\nClose "
                                 "the program anyway? The changes made since it started will be "
                                 "lost.")
                      .arg(catalogue(), QLatin1String(c.verb),
                           QString::fromLocal8Bit(std::strerror(c.error))));
        QFile::remove(backup());
    }
}

TEST_F(RecoveryTest, AReadOnlyCatalogueIsNotReplaced)
{
    // No write permission for anybody: refused even for the superuser.
    Products &products = start().products();
    table().setCell(1, product::Notes, Cell(QStringLiteral("edited")));
    ASSERT_EQ(::chmod(QFile::encodeName(catalogue()).constData(), 0444), 0);
    mPrompter.answer(Answer::Yes);
    EXPECT_TRUE(products.save(catalogue()));
    EXPECT_FALSE(products.lastSaveWrote());
    EXPECT_EQ(readBytes(catalogue()), kCatalogue);
    ASSERT_EQ(mPrompter.messageTexts().size(), 1);
    EXPECT_TRUE(mPrompter.messageTexts().constFirst().contains(
        QStringLiteral("Cannot write %1: Permission denied").arg(catalogue())));
}

TEST_F(RecoveryTest, AnUnwritableFolderKeepsTheCatalogue)
{
    Products &products = start().products();
    table().setCell(1, product::Notes, Cell(QStringLiteral("edited")));
    // Where permission bits do not stop the superuser, the folder's refusal is simulated.
    std::optional<testsupport::WriteFault> simulated;
    if (::geteuid() == 0)
        simulated.emplace(Step::Open, EACCES, std::string(), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(mDir.path()).constData(), 0555), 0);
    mPrompter.answer(Answer::No);
    const bool closes = products.save(catalogue());
    ::chmod(QFile::encodeName(mDir.path()).constData(), 0755);
    EXPECT_FALSE(closes);
    EXPECT_EQ(readBytes(catalogue()), kCatalogue);
    EXPECT_EQ(files(), QStringList({"vadata.dat"}));
    // The backup could not be made either; both are told.
    ASSERT_EQ(mPrompter.messageTexts().size(), 2);
    EXPECT_TRUE(mPrompter.messageTexts().first().contains(
        QStringLiteral("Cannot write %1: Permission denied").arg(backup())));
    EXPECT_TRUE(mPrompter.messageTexts().last().startsWith(
        QStringLiteral("The catalogue could not be saved to %1.\n\nCannot write %1: Permission "
                       "denied")
            .arg(catalogue())));
}

} // namespace
