// Damaged workbooks: every fixture cut short and with bytes overwritten at many places must be
// either read or refused with an error number, never crash or hang (the sanitizer build runs
// this too).

#include "damagedfiles.h"

#include "vendara/exchange/biffcheck.h"
#include "vendara/exchange/compoundfile.h"
#include "vendara/exchange/workbook.h"

// Qt
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using vendara::Workbook;

TEST(DamagedWorkbookTest, CutAndOverwrittenFilesAreReadOrRefused)
{
    QTemporaryDir dir;
    const QString damaged = QDir(dir.path()).filePath(QStringLiteral("damaged"));
    QRandomGenerator random(20260301); // the same damage on every run
    const QDir fixtures(QStringLiteral(TEST_DATA_DIR "/spreadsheets"));
    for (const QString &name :
         fixtures.entryList({QStringLiteral("*.xls*"), QStringLiteral("*.ods")})) {
        SCOPED_TRACE(name.toStdString());
        QFile source(fixtures.filePath(name));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        const QByteArray bytes = source.readAll();
        auto attempt = [&](const QByteArray &variant) {
            QFile out(damaged);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(variant);
            out.close();
            const Workbook::OpenResult result = Workbook::open(damaged);
            EXPECT_TRUE(result.workbook || result.errorNumber != 0);
        };
        for (int cut = 1; cut < 10; ++cut)
            attempt(bytes.left(bytes.size() * cut / 10));
        for (int round = 0; round < 40; ++round) {
            QByteArray variant = bytes;
            const int flips = 1 + int(random.bounded(8));
            for (int i = 0; i < flips; ++i)
                variant[qsizetype(random.bounded(quint32(variant.size())))] =
                    char(random.bounded(256));
            attempt(variant);
        }
    }
}

// Files that once made FreeXL read past its buffers (a record stream knocked out of step, a
// directory entry whose name claims 47,000 bytes): refused before FreeXL sees them.
TEST(DamagedWorkbookTest, FilesThatUsedToBeReadPastTheirEnd)
{
    const QDir damaged(QStringLiteral(TEST_DATA_DIR "/spreadsheets/damaged"));
    for (const char *name : {"record-lengths.xls", "directory-name-length.xls"}) {
        SCOPED_TRACE(name);
        const Workbook::OpenResult result = Workbook::open(damaged.filePath(QLatin1String(name)));
        EXPECT_FALSE(result.workbook);
        EXPECT_EQ(result.errorNumber, Workbook::kNotAWorkbook);
    }
    // A sheet with a second DIMENSIONS record made FreeXL free memory it did not own.
    EXPECT_EQ(Workbook::open(damaged.filePath(QStringLiteral("freexl-open.xls"))).errorNumber,
              Workbook::kNotAWorkbook);
    // FreeXL refuses this one itself.
    EXPECT_EQ(
        Workbook::open(damaged.filePath(QStringLiteral("record-stream-shifted.xls"))).errorNumber,
        Workbook::kNotAWorkbook);
}

// FreeXL sizes a sheet's cells at its DIMENSIONS record; a second one in the same sheet made it
// free memory it did not own.
TEST(DamagedWorkbookTest, ASheetHoldsOneWholeDimensionsRecord)
{
    QFile file(QStringLiteral(TEST_DATA_DIR "/spreadsheets/basic.xls"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto document = vendara::CompoundFile::parse(file.readAll());
    ASSERT_TRUE(document);
    const auto stream = document->stream(QStringLiteral("Workbook"));
    ASSERT_TRUE(stream);
    ASSERT_TRUE(vendara::BiffCheck::wellFormed(*stream));
    const qsizetype dimensions = stream->indexOf(QByteArray("\x00\x02\x0E\x00", 4));
    ASSERT_GT(dimensions, 0);
    const QByteArray record = stream->mid(dimensions, 4 + 14);

    QByteArray twice = *stream;
    twice.insert(dimensions, record);
    EXPECT_FALSE(vendara::BiffCheck::wellFormed(twice));
    QByteArray shortened = *stream;
    shortened.replace(dimensions, 4 + 14, QByteArray("\x00\x02\x0A\x00", 4) + record.mid(4, 10));
    EXPECT_FALSE(vendara::BiffCheck::wellFormed(shortened));
}

// The damaged workbooks that once crashed, froze or exhausted the program are refused here, in
// the readers themselves, at once and without running through memory.
TEST(DamagedWorkbookTest, ContainersThatLoopOrRepeatOrClimbOutAreRefused)
{
    namespace damaged = testsupport::damaged;
    QTemporaryDir dir;
    for (const QString &path :
         {damaged::difatLoop(dir.path()), damaged::fatRepeated(dir.path()),
          damaged::fatRepeated(dir.path(), 100), damaged::fatRepeated(dir.path(), 2),
          damaged::relationshipAboveRoot(dir.path())}) {
        SCOPED_TRACE(path.toStdString());
        QElapsedTimer clock;
        clock.start();
        const Workbook::OpenResult result = Workbook::open(path);
        EXPECT_LT(clock.elapsed(), 5000);
        EXPECT_FALSE(result.workbook);
        EXPECT_EQ(result.errorNumber, Workbook::kNotAWorkbook);
    }
}

TEST(DamagedWorkbookTest, DeepTextAndHugeDurationsAreReadSafely)
{
    namespace damaged = testsupport::damaged;
    QTemporaryDir dir;
    const Workbook::OpenResult deep = Workbook::open(damaged::nestedSpans(dir.path()));
    ASSERT_TRUE(deep.workbook) << deep.reason.toStdString();
    EXPECT_EQ(deep.workbook->cell(1, 1).shown(), QStringLiteral("Deep"));

    const Workbook::OpenResult time = Workbook::open(damaged::hugeDuration(dir.path()));
    ASSERT_TRUE(time.workbook);
    EXPECT_TRUE(time.workbook->cell(1, 1).isUnreadable());
}

// A package relationship may climb back down: "xl/../xl/./workbook.xml" is the workbook part.
TEST(DamagedWorkbookTest, RelationshipsWithDotsWithinThePackageAreFollowed)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dots.xlsx"));
    ASSERT_TRUE(testsupport::writeMinimalXlsx(
        path, "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>Kept</t></is></c></row>",
        "/xl/../xl/./workbook.xml"));
    const Workbook::OpenResult result = Workbook::open(path);
    ASSERT_TRUE(result.workbook) << result.reason.toStdString();
    EXPECT_EQ(result.workbook->cell(1, 1).shown(), QStringLiteral("Kept"));
}

} // namespace
