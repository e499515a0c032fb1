// The quote file: its exact form, texts and numbers that must survive, files that are refused
// and why, and the round trip of a whole quote through the file.
#include "quotefixture.h"

#include "vendara/pricing/quotefile.h"
#include "vendara/pricing/savedquote.h"

// Qt
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// std
#include <cmath>
#include <limits>

namespace {

using namespace vendara;
using Value = QuoteFile::Value;

QuoteFile::Line line(std::initializer_list<Value> values)
{
    QuoteFile::Line cells;
    std::size_t c = 0;
    for (const Value &value : values)
        cells[c++] = value;
    return cells;
}

Value text(const char *text)
{
    return Value::ofText(text);
}

Value number(float number)
{
    return Value::ofNumber(number);
}

TEST(QuoteFile, WritesTheDocumentedForm)
{
    QuoteFile::Contents quote;
    quote.lines.push_back(line({text("A-1"), text("Anchor bolt"), number(9.5f), number(12),
                                text("114"), number(10), text("Box of 50\r\nWasher")}));
    quote.lines.push_back(
        line({text("=B\\2"), text("Tab\there"), text("$4.00"), number(1), {}, number(4), {}}));
    quote.totals = {"$118.00", "$6.00", "5.00%"};
    const std::string saved = "Vendara quote\t1\n"
                              "line\tA-1\tAnchor bolt\t=9.5\t=12\t114\t=10\tBox of 50\\r\\nWasher\n"
                              "line\t\\=B\\\\2\tTab\\there\t$4.00\t=1\t\t=4\t\n"
                              "totals\t$118.00\t$6.00\t5.00%\n";
    EXPECT_EQ(QuoteFile::write(quote, QuoteFile::Form::Saved), saved);

    quote.file = "/home/anna/Smith Ltd.vquote";
    quote.changed = false;
    const std::string working = QuoteFile::write(quote, QuoteFile::Form::WorkingCopy);
    EXPECT_EQ(working, "Vendara quote\t1\nfile\t/home/anna/Smith Ltd.vquote\nchanged\t0\n"
                           + saved.substr(saved.find("line")));
    const auto read = QuoteFile::read(working);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.contents, quote);

    // A saved quote keeps no file of its own; read back it counts as changed.
    const auto fromSaved = QuoteFile::read(saved);
    ASSERT_TRUE(fromSaved.ok());
    EXPECT_EQ(fromSaved.contents.lines, quote.lines);
    EXPECT_TRUE(fromSaved.contents.file.empty());
    EXPECT_TRUE(fromSaved.contents.changed);
}

TEST(QuoteFile, TextsAndNumbersSurvive)
{
    QuoteFile::Contents quote;
    const float extremes[] = {0.1f,
                              -0.0f,
                              16777217.0f,
                              std::numeric_limits<float>::max(),
                              std::numeric_limits<float>::denorm_min(),
                              std::numeric_limits<float>::infinity(),
                              std::numeric_limits<float>::quiet_NaN()};
    for (const float x : extremes)
        quote.lines.push_back(line({text("N"), number(x), {}, {}, {}, {}, {}}));
    // Every character that means something in the file, at the start, the end and twice.
    const char *texts[] = {"\\",
                           "\\\\t",
                           "\t\t",
                           "\n",
                           "\r\n",
                           "=",
                           "==",
                           "=1",
                           "a=b",
                           "\\=",
                           " lead and trail ",
                           "Äpfel – 中文 – 😀",
                           "\x7f"};
    for (const char *t : texts)
        quote.lines.push_back(
            line({text("T"), text(t), text(t), text(t), text(t), text(t), text(t)}));
    quote.totals = {"=", "\t", "\\n"};
    const auto read = QuoteFile::read(QuoteFile::write(quote, QuoteFile::Form::WorkingCopy));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.contents, quote);
    EXPECT_TRUE(std::signbit(read.contents.lines[1][1].number));

    // Written by hand: CR LF line ends, a byte order mark, trailing empty lines, no last
    // line end.
    const auto edited = QuoteFile::read("\xEF\xBB\xBFVendara quote\t1\r\nline\tA\t\t\t\t\t\t\r\n"
                                        "totals\t\t\t\r\n\r\n\n");
    ASSERT_TRUE(edited.ok());
    EXPECT_EQ(edited.contents.lines.size(), 1u);
    EXPECT_TRUE(QuoteFile::read("Vendara quote\t1\ntotals\t\t\t").ok());
}

TEST(QuoteFile, RefusesWhatItCannotReadAndSaysWhy)
{
    using Error = QuoteFile::Error;
    struct Case
    {
        std::string bytes;
        Error error;
        int line;
    };
    const std::string head = "Vendara quote\t1\n";
    const std::string totals = "totals\t\t\t\n";
    const std::string okLine = "line\tA\t\t\t\t\t\t\n";
    const Case cases[] = {
        {"", Error::NotAQuote, 0},
        {"Vendara quote\n", Error::NotAQuote, 0},
        {"Vendara quote 1\n", Error::NotAQuote, 0},
        {"PK\x03\x04", Error::NotAQuote, 0},
        {"Vendara quote\t2\nanything at all", Error::NewerVersion, 0},
        {"Vendara quote\t99999999999999\n", Error::NewerVersion, 0},
        {"Vendara quote\t0\n" + totals, Error::Damaged, 1},
        {"Vendara quote\t-1\n" + totals, Error::Damaged, 1},
        {"Vendara quote\t1x\n" + totals, Error::Damaged, 1},
        // Cut short: before the totals, even at a line's end, or inside them.
        {head, Error::Damaged, 2},
        {head + okLine, Error::Damaged, 3},
        {head + "totals\t\t\n", Error::Damaged, 2},
        {head + okLine.substr(0, 8), Error::Damaged, 2},
        // Lines that are not as written.
        {head + "line\t\t\t\t\t\t\t\n" + totals, Error::Damaged, 2},    // no part number
        {head + "line\tA\t\t\t\t\t\t\t\n" + totals, Error::Damaged, 2}, // eight cells
        {head + "line\tA\t=\t\t\t\t\t\n" + totals, Error::Damaged, 2},  // "=" without a number
        {head + "line\tA\t=1x\t\t\t\t\t\n" + totals, Error::Damaged, 2},
        {head + "line\tA\t=1e99\t\t\t\t\t\n" + totals, Error::Damaged, 2},
        {head + "line\tA\t\\x\t\t\t\t\t\n" + totals, Error::Damaged, 2}, // unknown escape
        {head + "line\tA\ta\\\t\t\t\t\t\n" + totals, Error::Damaged, 2}, // lone backslash
        {head + "line\tA\ta\\=\t\t\t\t\t\n" + totals, Error::Damaged, 2},
        {head + "line\tA\t\xC3\t\t\t\t\t\n" + totals, Error::Damaged, 2},         // cut UTF-8
        {head + "line\tA\t\xC0\xAF\t\t\t\t\t\n" + totals, Error::Damaged, 2},     // overlong
        {head + "line\tA\t\xED\xA0\x80\t\t\t\t\t\n" + totals, Error::Damaged, 2}, // surrogate
        {head + "\n" + totals, Error::Damaged, 2},
        {head + "note\tx\n" + totals, Error::Damaged, 2},
        {head + totals + okLine, Error::Damaged, 3},
        {head + totals + totals, Error::Damaged, 3},
        {head + "totals\t=1\t\t\n", Error::Damaged, 2},
        {head + okLine + "changed\t1\n" + totals, Error::Damaged, 3},
        {head + "changed\t2\n" + totals, Error::Damaged, 2},
        {head + "file\ta\nfile\tb\n" + totals, Error::Damaged, 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.bytes);
        const auto read = QuoteFile::read(c.bytes);
        EXPECT_EQ(read.error, c.error);
        EXPECT_EQ(read.error == Error::Damaged ? read.fileLine : 0, c.line);
        EXPECT_TRUE(read.contents.lines.empty());
    }
    EXPECT_EQ(QuoteFile::read("Vendara quote\t7\n").version, 7);

    // 250 lines are a full quote; one more is a damaged file.
    std::string full = head;
    for (int k = 0; k < QuoteFile::MaxLines; ++k)
        full += okLine;
    EXPECT_TRUE(QuoteFile::read(full + totals).ok());
    const auto over = QuoteFile::read(full + okLine + totals);
    EXPECT_EQ(over.error, Error::Damaged);
    EXPECT_EQ(over.fileLine, 252);
}

TEST(QuoteFile, ReasonsTheUserReads)
{
    QString reason;
    EXPECT_FALSE(SavedQuote::fromBytes("Vendara quote\t3\n", reason));
    EXPECT_EQ(reason,
              QStringLiteral("It was saved by a newer version of Vendara (quote file "
                             "version 3); this version reads quote files up to version 1."));
    EXPECT_FALSE(SavedQuote::fromBytes("Hello", reason));
    EXPECT_EQ(reason, QStringLiteral("It is not a Vendara quote."));
    EXPECT_FALSE(SavedQuote::fromBytes("Vendara quote\t1\nline\tA\n", reason));
    EXPECT_EQ(reason, QStringLiteral("It is damaged: line 2 is not as Vendara writes it."));

    QTemporaryDir dir;
    const auto folder = SavedQuote::read(dir.path());
    EXPECT_FALSE(folder.quote);
    EXPECT_FALSE(folder.missing);
    EXPECT_TRUE(folder.reason.startsWith(QStringLiteral("It could not be read (")))
        << folder.reason.toStdString();
    const auto missing = SavedQuote::read(QDir(dir.path()).filePath(QStringLiteral("none.vquote")));
    EXPECT_TRUE(missing.missing);
}

class SavedQuoteRoundTrip : public testsupport::QuoteFixture
{
};

TEST_F(SavedQuoteRoundTrip, AWholeQuoteComesBackCellForCell)
{
    const int anchor = addProduct("A-1", "Anchor bolt\twith tab", 10.0f, {{"10", "9.50"}},
                                  QStringLiteral("Box of 50\r\nWashers"));
    const int bracket = addProduct("Ü-2", "Träger – 支架", 4.0f);
    for (int k = 0; k < quote::Capacity; ++k)
        ASSERT_EQ(mQuote.add(k % 2 == 0 ? anchor : bracket,
                             k % 3 == 0 ? QStringLiteral("Line\r\nbreak") : QString()),
                  QuoteList::AddResult::Added);
    mQuote.edit(1, quote::Quantity, QStringLiteral("12"));      // a price point
    mQuote.edit(2, quote::Price, QStringLiteral("$3.10"));      // a typed price
    mQuote.edit(3, quote::Quantity, QStringLiteral("a dozen")); // not a number
    mQuote.discount(4, 0.15f);
    EXPECT_EQ(price(1), QStringLiteral("$9.50"));
    const QString totals = this->totals();

    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("Smith Ltd.vquote"));
    ASSERT_TRUE(SavedQuote::of(mQuote).write(path, QuoteFile::Form::Saved).ok());
    const auto read = SavedQuote::read(path);
    ASSERT_TRUE(read.quote) << read.reason.toStdString();

    Table products(0, product::ColumnCount);
    QuoteList restored(products, mTrace);
    read.quote->applyTo(restored);
    ASSERT_EQ(restored.lineCount(), 250);
    for (int k = 1; k <= 250; ++k) {
        for (int c = 1; c <= quote::ColumnCount; ++c) {
            const Cell &was = mQuote.table().cell(k, c);
            const Cell &now = restored.table().cell(k, c);
            // An empty text and no cell at all are the same empty field.
            EXPECT_TRUE(was == now || (was.isEmpty() && now.isEmpty())) << k << ' ' << c;
        }
    }
    EXPECT_EQ(restored.totalText() + QStringLiteral(" / ") + restored.discountText()
                  + QStringLiteral(" / ") + restored.percentText(),
              totals);

    // Emptied with "Remove All", the boxes stay empty; with its last line removed, they show
    // zero and the percentage they had.
    mQuote.removeAll();
    SavedQuote::of(mQuote).applyTo(restored);
    EXPECT_EQ(restored.totalsTexts(), (QuoteList::TotalsTexts{}));
    mQuote.add(anchor, {});
    mQuote.discount(1, 0.1f);
    mQuote.remove(1);
    EXPECT_EQ(this->totals(), QStringLiteral("$0.00 / $0.00 / 10.00%"));
    SavedQuote::of(mQuote).applyTo(restored);
    EXPECT_EQ(restored.totalsTexts(), mQuote.totalsTexts());
}

} // namespace
