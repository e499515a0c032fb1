// The workbook reader process: its answer's form there and back, the real reader giving the
// same sheets as the readers in this process, the damaged workbooks refused by it, and every
// way a reader process can fail (crash, time, processor time, memory, a bad or huge answer,
// not there at all, cancelled) reported with its reason.

#include "damagedfiles.h"

#include "vendara/exchange/sheettransfer.h"
#include "vendara/exchange/workbook.h"
#include "vendara/exchange/workbookprocess.h"

// Qt
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// std
#include <cerrno>
#include <csignal>

#include <gtest/gtest.h>

namespace {

using vendara::SheetCell;
using vendara::SheetTransfer;
using vendara::Workbook;
using vendara::WorkbookProcess;

const QString kReader = QStringLiteral(PROGRAM_DIR "/vendara-sheet");
const QString kStandIn = QStringLiteral(STANDIN_READER);

// Every cell of a sheet as "row,column:kind:shown" lines.
QStringList cellsOf(const Workbook &sheet)
{
    QStringList cells;
    sheet.forEachCell([&](int row, int column, const SheetCell &cell) {
        cells.append(QStringLiteral("%1,%2:%3:%4")
                         .arg(row)
                         .arg(column)
                         .arg(int(cell.kind()))
                         .arg(cell.kind() == SheetCell::Kind::Number
                                  ? QString::number(cell.numberValue(), 'g', 17)
                                  : cell.shown()));
    });
    return cells;
}

TEST(SheetTransferTest, EveryKindOfCellGoesThereAndBack)
{
    Workbook::OpenResult read;
    read.workbook = std::make_unique<Workbook>();
    Workbook &sheet = *read.workbook;
    sheet.setCell(1, 1, SheetCell::text(QStringLiteral("Part Number")));
    sheet.setCell(1, 2, SheetCell::text(QStringLiteral("two\r\nlines \\n and a\\ \u00E9\u65E5")));
    sheet.setCell(1, 3, SheetCell::text(QStringLiteral(" end c 1 1 t \\")));
    sheet.setCell(1, 4, SheetCell::text(QStringLiteral("\uFEFFbyte order mark")));
    sheet.setCell(2, 1, SheetCell::number(12.5));
    sheet.setCell(2, 2, SheetCell::number(1.0 / 3.0));
    sheet.setCell(2, 3, SheetCell::number(-1e300));
    sheet.setCell(2, 4, SheetCell::number(5e-324));
    sheet.setCell(3, 1, SheetCell::boolean(true));
    sheet.setCell(3, 2, SheetCell::boolean(false));
    sheet.setCell(3, 3, SheetCell::date(QStringLiteral("2026-03-01 10:30:00")));
    sheet.setCell(3, 4, SheetCell::unreadable());
    sheet.setCell(Workbook::kMaxRows, Workbook::kMaxColumns, SheetCell::text(QStringLiteral("x")));
    sheet.setCell(4, 1, SheetCell::text(QString()));

    const QByteArray answer = SheetTransfer::toBytes(read);
    EXPECT_TRUE(answer.startsWith("vendara-sheet 1\nc 1 1 t Part Number\nc 1 2 t two\\r\\nlines"));
    EXPECT_TRUE(answer.endsWith("c 1048576 16384 t x\nend\n"));
    const auto back = SheetTransfer::read(answer);
    ASSERT_TRUE(back && back->workbook);
    EXPECT_EQ(cellsOf(*back->workbook), cellsOf(sheet));
    EXPECT_EQ(back->workbook->lastRow(), Workbook::kMaxRows);

    const auto empty = SheetTransfer::read(SheetTransfer::toBytes(
        Workbook::OpenResult{std::make_unique<Workbook>(), 0, QString(), QString()}));
    ASSERT_TRUE(empty && empty->workbook);
    EXPECT_EQ(empty->workbook->lastRow(), 0);

    const auto refused = SheetTransfer::read(SheetTransfer::toBytes(
        Workbook::failure(Workbook::kNotAWorkbook, QStringLiteral("no\nworkbook \\ stream"))));
    ASSERT_TRUE(refused);
    EXPECT_FALSE(refused->workbook);
    EXPECT_EQ(refused->errorNumber, Workbook::kNotAWorkbook);
    EXPECT_EQ(refused->reason, QStringLiteral("no\nworkbook \\ stream"));
}

TEST(SheetTransferTest, WhatIsNoAnswerIsRefused)
{
    for (const char *answer : {
             "",
             "vendara-sheet 2\nend\n",
             "vendara-sheet 1\n",                     // no end: cut short
             "vendara-sheet 1\nc 1 1 t cut",          // inside a line
             "vendara-sheet 1\nc 1 1 t x\n",          // no end
             "vendara-sheet 1\nend\nc 1 1 t x\n",     // after the end
             "vendara-sheet 1\nc 0 1 t x\nend\n",     // row 0
             "vendara-sheet 1\nc 1 16385 t x\nend\n", // beyond the last column
             "vendara-sheet 1\nc 1048577 1 t x\nend\n",
             "vendara-sheet 1\nc -1 1 t x\nend\n",
             "vendara-sheet 1\nc 1 1 t bad \\q escape\nend\n",
             "vendara-sheet 1\nc 1 1 t ends in \\\nend\n",
             "vendara-sheet 1\nc 1 1 n twelve\nend\n",
             "vendara-sheet 1\nc 1 1 b 2\nend\n",
             "vendara-sheet 1\nc 1 1 u extra\nend\n",
             "vendara-sheet 1\nc 1 1 z x\nend\n",
             "vendara-sheet 1\nc 1 1\nend\n",
             "vendara-sheet 1\nrefused 0 zero\n",
             "vendara-sheet 1\nrefused 432 x\nend\n",
             "vendara-sheet 1\nsomething else\nend\n",
         }) {
        SCOPED_TRACE(answer);
        EXPECT_FALSE(SheetTransfer::read(QByteArray(answer)));
    }
}

class WorkbookProcessTest : public testing::Test
{
protected:
    QString file(const QString &name, const QByteArray &bytes)
    {
        return testsupport::damaged::write(mDir.path(), name, bytes);
    }
    static Workbook::OpenResult readWith(const QString &program, const QString &path,
                                         WorkbookProcess::Limits limits = {})
    {
        WorkbookProcess process(program, limits);
        return process.read(path);
    }

    QTemporaryDir mDir;
};

TEST_F(WorkbookProcessTest, TheReaderGivesTheSameSheetsAsTheReadersHere)
{
    const QDir fixtures(QStringLiteral(TEST_DATA_DIR "/spreadsheets"));
    const QStringList names =
        fixtures.entryList({QStringLiteral("*.xls*"), QStringLiteral("*.ods")}, QDir::Files);
    ASSERT_GE(names.size(), 15);
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        const QString path = fixtures.filePath(name);
        const Workbook::OpenResult here = Workbook::open(path);
        const Workbook::OpenResult there = readWith(kReader, path);
        ASSERT_TRUE(here.workbook);
        ASSERT_TRUE(there.workbook) << there.reason.toStdString();
        EXPECT_EQ(cellsOf(*there.workbook), cellsOf(*here.workbook));
    }
    // A text file, and a file that is none of them, refused with the reader's reason.
    const Workbook::OpenResult text =
        readWith(kReader, file(QStringLiteral("a.txt"), "Part Number\tName\r\nX-1\tBolt\r\n"));
    ASSERT_TRUE(text.workbook);
    EXPECT_EQ(text.workbook->cell(QStringLiteral("B2")).shown(), QStringLiteral("Bolt"));
    const Workbook::OpenResult missing = readWith(kReader, mDir.filePath(QStringLiteral("none")));
    EXPECT_EQ(missing.errorNumber, Workbook::kFileNotFound);
    EXPECT_TRUE(missing.detail.isEmpty());
}

TEST_F(WorkbookProcessTest, DamagedWorkbooksAreRefusedByTheReader)
{
    namespace damaged = testsupport::damaged;
    for (const QString &path :
         {damaged::difatLoop(mDir.path()), damaged::fatRepeated(mDir.path()),
          damaged::fatRepeated(mDir.path(), 100), damaged::relationshipAboveRoot(mDir.path()),
          QStringLiteral(TEST_DATA_DIR "/spreadsheets/damaged/freexl-open.xls")}) {
        SCOPED_TRACE(path.toStdString());
        const Workbook::OpenResult result = readWith(kReader, path);
        EXPECT_FALSE(result.workbook);
        EXPECT_EQ(result.errorNumber, Workbook::kNotAWorkbook);
        EXPECT_TRUE(result.detail.isEmpty()) << result.detail.toStdString();
    }
    const Workbook::OpenResult deep = readWith(kReader, damaged::nestedSpans(mDir.path()));
    ASSERT_TRUE(deep.workbook) << deep.reason.toStdString();
    EXPECT_EQ(deep.workbook->cell(1, 1).shown(), QStringLiteral("Deep"));
    const Workbook::OpenResult time = readWith(kReader, damaged::hugeDuration(mDir.path()));
    ASSERT_TRUE(time.workbook);
    EXPECT_TRUE(time.workbook->cell(1, 1).isUnreadable());
}

TEST_F(WorkbookProcessTest, AReaderThatFailsIsReportedWithItsReason)
{
    WorkbookProcess::Limits limits;
    limits.seconds = 2;
    limits.cpuSeconds = 2;
    limits.answerMb = 1;
    struct Case
    {
        const char *what;
        int errorNumber;
        QString detail;
    };
    for (const Case &c : {
             Case{"crash", Workbook::kReaderFailed,
                  QStringLiteral("The workbook reader crashed (signal 11, Segmentation fault).")},
             Case{"status", Workbook::kReaderFailed,
                  QStringLiteral("The workbook reader ended with exit status 5.")},
             Case{"garbage", Workbook::kReaderFailed,
                  QStringLiteral("The workbook reader's answer could not be read.")},
             Case{"flood", Workbook::kReaderFailed,
                  QStringLiteral("The workbook reader's answer is larger than 1 MB.")},
         }) {
        SCOPED_TRACE(c.what);
        const Workbook::OpenResult result =
            readWith(kStandIn, file(QStringLiteral("w.xls"), c.what), limits);
        EXPECT_FALSE(result.workbook);
        EXPECT_EQ(result.errorNumber, c.errorNumber);
        EXPECT_EQ(result.detail, c.detail);
    }

    const QString missing = mDir.filePath(QStringLiteral("no-such-reader"));
    const Workbook::OpenResult notThere = readWith(missing, file(QStringLiteral("w.xls"), "x"));
    EXPECT_EQ(notThere.errorNumber, Workbook::kReaderFailed);
    EXPECT_TRUE(notThere.detail.startsWith(
        QStringLiteral("The workbook reader %1 could not be started: ").arg(missing)))
        << notThere.detail.toStdString();
}

TEST_F(WorkbookProcessTest, AReaderIsStoppedAtItsTimeLimits)
{
    WorkbookProcess::Limits limits;
    limits.seconds = 2;
    limits.cpuSeconds = 30;
    QElapsedTimer clock;
    clock.start();
    const Workbook::OpenResult slow =
        readWith(kStandIn, file(QStringLiteral("sleep.xls"), "sleep"), limits);
    EXPECT_LT(clock.elapsed(), 20000);
    EXPECT_EQ(slow.errorNumber, Workbook::kReaderFailed);
    EXPECT_EQ(slow.detail,
              QStringLiteral("The workbook reader was stopped: it took longer than 2 seconds."));

    limits.seconds = 60;
    limits.cpuSeconds = 1;
    clock.restart();
    const Workbook::OpenResult busy =
        readWith(kStandIn, file(QStringLiteral("spin.xls"), "spin"), limits);
    EXPECT_LT(clock.elapsed(), 30000);
    EXPECT_EQ(busy.errorNumber, Workbook::kReaderFailed);
    EXPECT_EQ(busy.detail, QStringLiteral("The workbook reader was stopped: it used more than 1 "
                                          "seconds of processor time."));
}

TEST_F(WorkbookProcessTest, AReaderIsStoppedAtItsMemoryLimit)
{
    if (!WorkbookProcess::limitsMemory())
        GTEST_SKIP() << "the sanitizers reserve more address space than any limit allows";
    // A file of 1 GB (sparse: it takes no room on the disk) that the reader takes in whole.
    const QString big = mDir.filePath(QStringLiteral("big.txt"));
    QFile file(big);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(qint64(1) << 30));
    file.close();
    WorkbookProcess::Limits limits;
    limits.memoryMb = 256;
    const Workbook::OpenResult result = readWith(kReader, big, limits);
    EXPECT_FALSE(result.workbook);
    EXPECT_EQ(result.errorNumber, Workbook::kOutOfMemory);
    EXPECT_EQ(result.detail,
              QStringLiteral("The workbook reader ran out of memory (it may use 256 MB)."));
}

TEST_F(WorkbookProcessTest, CancelKillsTheReader)
{
    WorkbookProcess process(kStandIn);
    QSignalSpy finished(&process, &WorkbookProcess::finished);
    process.start(file(QStringLiteral("sleep.xls"), "sleep"));
    EXPECT_TRUE(process.isRunning());
    // The caller goes on handling events while the reader works.
    QTest::qWait(300);
    EXPECT_TRUE(finished.isEmpty());
    QElapsedTimer clock;
    clock.start();
    process.cancel();
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_FALSE(process.isRunning());
    const Workbook::OpenResult result = process.takeResult();
    EXPECT_FALSE(result.workbook);
    EXPECT_EQ(result.errorNumber, Workbook::kCancelled);
}

} // namespace
