// The quote document: its exact text, tab layout, bold runs and sizes, read back from the RTF
// that goes to the clipboard; and the note files around it.
#include "quotefixture.h"
#include "rtfreader.h"

#include "tests/support/writefault.h"
#include "vendara/pricing/discountrate.h"
#include "vendara/pricing/quotedocument.h"
#include "vendara/pricing/quotenotes.h"
#include "vendara/pricing/rtfwriter.h"
#include "vendara/store/settingsstore.h"

// Qt
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// std
#include <cerrno>

namespace {

using namespace vendara;
using testsupport::QuoteFixture;
using testsupport::readRtf;

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class QuoteDocument_ : public QuoteFixture
{
protected:
    void SetUp() override
    {
        addProduct("A-1", "Anchor bolt", 10.0f, {{"10", "9.50"}});
        addProduct("B-2", "Bracket", 4.0f);
    }

    // The document as a word processor reads it.
    testsupport::RtfDocument read(bool noIncludes = false)
    {
        const RichDocument document =
            QuoteDocument::build(mQuote, QStringLiteral("Acme Tools\nQuotation for Smith & Co."),
                                 QStringLiteral("Prices valid 30 days.\nThank you!"), noIncludes);
        auto rtf = readRtf(RtfWriter::write(document));
        EXPECT_TRUE(rtf.valid) << rtf.error.toStdString();
        EXPECT_EQ(rtf.text(), document.plainText());
        return rtf;
    }
};

TEST_F(QuoteDocument_, LaysOutLinesAtAndBelowListPriceWithTheirTotals)
{
    mQuote.add(2, QStringLiteral("Two screws\r\nOne plate"));
    mQuote.add(1, QStringLiteral("Box of 50"));
    mQuote.edit(1, quote::Quantity, QStringLiteral("3"));
    mQuote.edit(2, quote::Quantity, QStringLiteral("12"));
    mQuote.discount(2, DiscountRate::rate(QStringLiteral("10%")));
    const auto rtf = read();
    EXPECT_EQ(rtf.text(), QStringLiteral("Acme Tools\nQuotation for Smith & Co.\n\n"
                                         "B-2 \tBracket\n"
                                         "Quantity 3\t\tPrice $4.00\t\t\tExtended Price  $12.00\n"
                                         "Two screws\nOne plate\n"
                                         "\n"
                                         "A-1 \tAnchor bolt\n"
                                         "Quantity 12\tList: $10.00\tPrice: $9.00\tDiscount: "
                                         "10.00%\tExt.: $108.00\n"
                                         "Box of 50\n"
                                         "\n"
                                         "\n"
                                         "Discount Amount = $12.00\n"
                                         "\n"
                                         "Order Total = $120.00\n\n"
                                         "Prices valid 30 days.\nThank you!"));
    // Bold: the heading in 12 point; part number and name; the totals and the closing text.
    EXPECT_EQ(rtf.boldTexts(),
              QStringList({"Acme Tools\nQuotation for Smith & Co.", "B-2 \tBracket\n",
                           "A-1 \tAnchor bolt\n",
                           "Discount Amount = $12.00\n\nOrder Total = $120.00\n\nPrices valid 30 "
                           "days.\nThank you!"}));
    for (const auto &run : rtf.runs) {
        EXPECT_EQ(run.font, QStringLiteral("Times New Roman"));
        EXPECT_EQ(run.pointSize, run.text.startsWith(QLatin1String("Acme")) ? 12 : 10)
            << run.text.toStdString();
    }
}

TEST_F(QuoteDocument_, LeavesOutTheDiscountLineWhenNothingIsDiscounted)
{
    mQuote.add(1, {});
    mQuote.add(2, {});
    mQuote.edit(2, quote::Price, QStringLiteral("4.50")); // above list price
    const QString text = read().text();
    EXPECT_FALSE(text.contains(QLatin1String("Discount Amount")));
    EXPECT_TRUE(text.contains(QLatin1String("\n\n\nOrder Total = $14.50\n\n")));
    // A raised price shows as a negative discount on its line.
    EXPECT_TRUE(text.contains(
        QLatin1String("Quantity 1\tList: $4.00\tPrice: $4.50\tDiscount: -12.50%\tExt.: $4.50")));
}

TEST_F(QuoteDocument_, KeepsTheEmptyLineWhenIncludesAreLeftOut)
{
    mQuote.add(1, QStringLiteral("Box of 50"));
    mQuote.add(2, QStringLiteral("Plate"));
    const QString text = read(true).text();
    EXPECT_FALSE(text.contains(QLatin1String("Box of 50")));
    EXPECT_TRUE(text.contains(QLatin1String("Extended Price  $10.00\n\nB-2 \tBracket\n")));
    EXPECT_TRUE(text.contains(QLatin1String("Extended Price  $4.00\n\n\n\nOrder Total")));
}

TEST_F(QuoteDocument_, ComparesPricesToTheCentAndNeverDividesByZero)
{
    addProduct("C-3", "Clamp", 9.10f);
    addProduct("F-4", "Free sample", 0.0f);
    mQuote.add(3, {});
    mQuote.add(4, {});
    mQuote.edit(1, quote::Price, QStringLiteral("9.10"));
    mQuote.edit(2, quote::Price, QStringLiteral("2"));
    EXPECT_EQ(QuoteDocument::figures(mQuote, 1),
              QStringLiteral("Quantity 1\t\tPrice $9.10\t\t\tExtended Price  $9.10"));
    EXPECT_EQ(QuoteDocument::figures(mQuote, 2),
              QStringLiteral("Quantity 1\t\tPrice $2.00\t\t\tExtended Price  $2.00"));
    // A price that is not a number is shown as typed.
    mQuote.edit(1, quote::Price, QStringLiteral("on request"));
    EXPECT_EQ(QuoteDocument::figures(mQuote, 1),
              QStringLiteral("Quantity 1\t\tPrice on request\t\t\tExtended Price  $0.00"));
}

TEST_F(QuoteDocument_, HoldsHeadingTotalsAndClosingWithoutLines)
{
    mQuote.QuotePrice();
    EXPECT_EQ(read().text(), QStringLiteral("Acme Tools\nQuotation for Smith & Co.\n\n\n\n"
                                            "Order Total = $0.00\n\nPrices valid 30 days.\n"
                                            "Thank you!"));
}

class QuoteNotes_ : public QuoteFixture
{
protected:
    QString file(const QString &name) const { return QDir(mDir.path()).filePath(name); }

    QTemporaryDir mDir;
    QuoteNotes mNotes{ProgramFolder(mDir.path())};
};

TEST_F(QuoteNotes_, SavesBothFilesAsWindowsTextAndReadsThemBack)
{
    EXPECT_FALSE(mNotes.heading());
    EXPECT_FALSE(mNotes.closing());
    const auto saved = mNotes.save(QStringLiteral("Acme Tools\nQuote"),
                                   QStringLiteral("Prices in €.\nThank you!\n"));
    ASSERT_TRUE(saved.ok()) << saved.message();
    EXPECT_EQ(fileBytes(file(QStringLiteral("QuoteNoteHead.txt"))),
              QByteArray("Acme Tools\r\nQuote"));
    EXPECT_EQ(fileBytes(file(QStringLiteral("QuoteNote.txt"))),
              QByteArray("Prices in \x80.\r\nThank you!\r\n"));
    EXPECT_EQ(mNotes.heading().value_or(QString()), QStringLiteral("Acme Tools\nQuote"));
    EXPECT_EQ(mNotes.closing().value_or(QString()), QStringLiteral("Prices in €.\nThank you!\n"));
}

TEST_F(QuoteNotes_, ReadsTheCopyBesideTheProgramUntilOneIsWritten)
{
    QTemporaryDir program;
    QTemporaryDir data;
    const QString shipped = QDir(program.path()).filePath(QStringLiteral("QuoteNote.txt"));
    writeFile(shipped, "Shipped");
    QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::ExeOwner);
    const ProgramFolder folder(program.path(), data.path());
    QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!folder.usesDataFolder())
        GTEST_SKIP() << "root writes into read-only folders";
    QuoteNotes notes(folder);
    EXPECT_EQ(notes.closing().value_or(QString()), QStringLiteral("Shipped"));
    ASSERT_TRUE(notes.save(QStringLiteral("Head"), QStringLiteral("Own")).ok());
    EXPECT_EQ(notes.closing().value_or(QString()), QStringLiteral("Own"));
    EXPECT_EQ(fileBytes(shipped), QByteArray("Shipped"));
}

TEST_F(QuoteNotes_, ReportsAFailedSaveWithTheFileAndTheReason)
{
    // A folder where the heading file should be: it cannot be replaced.
    ASSERT_TRUE(QDir(mDir.path()).mkdir(QStringLiteral("QuoteNoteHead.txt")));
    const auto saved = mNotes.save(QStringLiteral("Head"), QStringLiteral("New closing"));
    ASSERT_FALSE(saved.ok());
    const QString message = QString::fromStdString(saved.message());
    EXPECT_TRUE(message.startsWith(QStringLiteral("The quote note could not be saved to ")
                                   + file(QStringLiteral("QuoteNoteHead.txt"))
                                   + QStringLiteral(".\n\n")))
        << saved.message();
    EXPECT_TRUE(message.endsWith(QStringLiteral("Is a directory"))) << saved.message();
    EXPECT_FALSE(mNotes.heading());
}

TEST_F(QuoteNotes_, AFailureAtAnyStepKeepsTheOldNote)
{
    using Step = common::SafeFile::Step;
    ASSERT_TRUE(mNotes.save(QStringLiteral("Old head"), QStringLiteral("Old closing")).ok());
    const QString closing = file(QStringLiteral("QuoteNote.txt"));
    for (const Step step : {Step::Open, Step::Write, Step::Flush, Step::Rename}) {
        testsupport::WriteFault fault(step, ENOSPC, "QuoteNote.txt");
        const auto saved = mNotes.save(QStringLiteral("New head"), QStringLiteral("New closing"));
        EXPECT_TRUE(fault.struck());
        ASSERT_FALSE(saved.ok());
        EXPECT_EQ(QString::fromStdString(saved.message()),
                  QStringLiteral("The quote note could not be saved to %1.\n\n%2 %1: No space "
                                 "left on device")
                      .arg(closing, step == Step::Rename ? QStringLiteral("Cannot replace")
                                                         : QStringLiteral("Cannot write")));
        EXPECT_EQ(fileBytes(closing), QByteArray("Old closing"));
        EXPECT_EQ(fileBytes(file(QStringLiteral("QuoteNoteHead.txt"))), QByteArray("Old head"));
        EXPECT_EQ(
            QDir(mDir.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList({QStringLiteral("QuoteNote.txt"), QStringLiteral("QuoteNoteHead.txt")}));
    }
}

TEST_F(QuoteNotes_, CopyStopsWhenANoteIsMissingAndFollowsNoIncludes)
{
    SettingsStore settings;
    settings.remove(QStringLiteral("Settings"), QStringLiteral("NoIncludes"));
    addProduct("A-1", "Anchor bolt", 10.0f, {}, {});
    mQuote.add(1, QStringLiteral("Box of 50"));
    EXPECT_FALSE(QuoteDocument::TEXTRTF(mQuote, mNotes, settings));
    writeFile(file(QStringLiteral("QuoteNote.txt")), "Thanks");
    EXPECT_FALSE(QuoteDocument::TEXTRTF(mQuote, mNotes, settings));
    writeFile(file(QStringLiteral("QuoteNoteHead.txt")), "Quote\r\n");
    auto document = QuoteDocument::TEXTRTF(mQuote, mNotes, settings);
    ASSERT_TRUE(document);
    EXPECT_TRUE(document->plainText().startsWith(QStringLiteral("Quote\n\n\nA-1 \tAnchor bolt\n")));
    EXPECT_TRUE(document->plainText().contains(QLatin1String("Box of 50")));
    EXPECT_TRUE(document->plainText().endsWith(QLatin1String("\n\nThanks")));

    settings.setValue(QStringLiteral("Settings"), QStringLiteral("NoIncludes"),
                      QStringLiteral("1"));
    document = QuoteDocument::TEXTRTF(mQuote, mNotes, settings);
    ASSERT_TRUE(document);
    EXPECT_FALSE(document->plainText().contains(QLatin1String("Box of 50")));
    settings.remove(QStringLiteral("Settings"), QStringLiteral("NoIncludes"));
}

} // namespace
