// The open quote between runs and in the user's files: kept after every change and restored,
// a working copy that cannot be read, Save As, Open and New with their questions and
// messages, and failures that leave the open quote as it was.
#include "quotefixture.h"

#include "tests/support/scriptedprompter.h"
#include "vendara/pricing/openquote.h"
#include "vendara/pricing/quotefile.h"

// Qt
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

// std
#include <memory>

namespace {

using namespace vendara;
using prompt::Answer;
using testsupport::RecordedPrompt;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class OpenQuoteTest : public testsupport::QuoteFixture
{
protected:
    void SetUp() override
    {
        mAnchor = addProduct("A-1", "Anchor bolt", 10.0f, {{"10", "9.50"}}, "Box of 50");
        mBracket = addProduct("B-2", "Bracket", 4.0f);
        mClamp = addProduct("C-3", "Clamp", 8.0f);
        start();
    }

    // The program starting: a new quote over the same products and folder, restored.
    void start()
    {
        mOpen.reset();
        mRestarted = std::make_unique<QuoteList>(mProducts, mTrace);
        mOpen = std::make_unique<OpenQuote>(quote(), mProducts, mPrompter, workingCopy());
        mOpen->restore();
    }
    QuoteList &quote() { return mRestarted ? *mRestarted : mQuote; }
    QString workingCopy() const { return path("quote.dat"); }
    QString path(const char *name) const { return QDir(mDir.path()).filePath(QLatin1String(name)); }
    QString shownTotals()
    {
        const QuoteList::TotalsTexts t = quote().totalsTexts();
        return t[0] + QStringLiteral(" / ") + t[1] + QStringLiteral(" / ") + t[2];
    }
    QString priceOf(int line)
    {
        return TableModel::formatCell(quote().table().cell(line, quote::Price),
                                      CellFormat::Currency);
    }
    // Three lines: 12 anchors at their price point, a bracket with 10% off, a clamp.
    void buildQuote()
    {
        quote().add(mAnchor, QStringLiteral("Box of 50"));
        quote().add(mBracket, {});
        quote().add(mClamp, {});
        quote().edit(1, quote::Quantity, QStringLiteral("12"));
        quote().discount(2, 0.1f);
    }
    const RecordedPrompt &prompt(int k) const { return mPrompter.prompts().at(k); }

    QTemporaryDir mDir;
    testsupport::ScriptedPrompter mPrompter;
    std::unique_ptr<QuoteList> mRestarted;
    std::unique_ptr<OpenQuote> mOpen;
    int mAnchor = 0;
    int mBracket = 0;
    int mClamp = 0;
};

TEST_F(OpenQuoteTest, EveryChangeIsKeptAndComesBackAtTheNextStart)
{
    EXPECT_FALSE(QFile::exists(workingCopy())); // nothing written before a change
    buildQuote();
    const QString totals = shownTotals();
    EXPECT_EQ(totals, QStringLiteral("$125.60 / $6.40 / 4.85%"));
    const QByteArray kept = readAll(workingCopy());
    EXPECT_TRUE(kept.startsWith("Vendara quote\t1\nchanged\t1\nline\tA-1\tAnchor bolt\t"));

    start();
    ASSERT_EQ(quote().lineCount(), 3);
    EXPECT_EQ(quote().table().cell(1, quote::Quantity).toText(), QStringLiteral("12"));
    EXPECT_EQ(priceOf(1), QStringLiteral("$9.50"));
    EXPECT_EQ(quote().table().cell(1, quote::Includes).toText(), QStringLiteral("Box of 50"));
    EXPECT_EQ(shownTotals(), totals);
    EXPECT_TRUE(mOpen->changed());
    EXPECT_TRUE(mOpen->file().isEmpty());
    EXPECT_FALSE(mOpen->restoreMessage());
    EXPECT_EQ(readAll(workingCopy()), kept); // restoring writes nothing

    // "Remove All" empties the quote and the kept file: the next start is empty.
    quote().removeAll();
    start();
    EXPECT_EQ(quote().lineCount(), 0);
    EXPECT_EQ(shownTotals(), QStringLiteral(" /  / "));
    EXPECT_TRUE(mPrompter.prompts().isEmpty());
}

TEST_F(OpenQuoteTest, AWorkingCopyThatCannotBeReadIsRenamedAndReported)
{
    buildQuote();
    const QByteArray damaged = "Vendara quote\t1\nline\tA-1\tcut off here";
    writeAll(workingCopy(), damaged);
    writeAll(path("quote.damaged.dat"), "an older one");
    start();
    EXPECT_EQ(quote().lineCount(), 0);
    EXPECT_FALSE(QFile::exists(workingCopy()));
    EXPECT_EQ(readAll(path("quote.damaged.2.dat")), damaged);
    EXPECT_EQ(readAll(path("quote.damaged.dat")), "an older one");
    EXPECT_TRUE(mPrompter.prompts().isEmpty()); // said when the window shows
    mOpen->reportRestore();
    mOpen->reportRestore();
    ASSERT_EQ(mPrompter.prompts().size(), 1);
    EXPECT_EQ(prompt(0).text, QStringLiteral("The last quote could not be restored from %1. It "
                                             "is damaged: line 2 is not as Vendara writes it.\n\n"
                                             "The quote starts empty; the file was kept as %2.")
                                  .arg(workingCopy(), path("quote.damaged.2.dat")));
    EXPECT_EQ(prompt(0).caption, QStringLiteral("Quote"));
    EXPECT_EQ(prompt(0).icon, prompt::Icon::Exclamation);

    // A working copy of a newer version is kept the same way; the next change starts a new one.
    writeAll(workingCopy(), "Vendara quote\t2\n");
    start();
    EXPECT_TRUE(mOpen->restoreMessage()->contains(QStringLiteral("(quote file version 2)")));
    EXPECT_EQ(readAll(path("quote.damaged.3.dat")), "Vendara quote\t2\n");
    quote().add(mClamp, {});
    start();
    EXPECT_EQ(quote().lineCount(), 1);
}

TEST_F(OpenQuoteTest, SaveAsWritesTheFileTheUserNames)
{
    buildQuote();
    QSignalSpy fileChanged(mOpen.get(), &OpenQuote::fileChanged);
    mPrompter.chooseFile(path("Smith Ltd"));
    mOpen->saveAs();
    ASSERT_EQ(mPrompter.prompts().size(), 1);
    const prompt::FileRequest &request = prompt(0).file;
    EXPECT_EQ(request.mode, prompt::FileRequest::Mode::Save);
    EXPECT_EQ(request.title, QStringLiteral("Save Quote As"));
    EXPECT_EQ(request.filter, QStringLiteral("Quotes (*.vquote)|*.vquote"));
    EXPECT_EQ(request.defaultExtension, QStringLiteral("vquote"));
    EXPECT_TRUE(QDir(request.fileName).exists()); // the documents folder

    const QString saved = path("Smith Ltd.vquote");
    EXPECT_EQ(mOpen->file(), saved);
    EXPECT_FALSE(mOpen->changed());
    EXPECT_EQ(fileChanged.count(), 1);
    const QByteArray bytes = readAll(saved);
    EXPECT_TRUE(bytes.startsWith("Vendara quote\t1\nline\tA-1\t")) << bytes.constData();
    EXPECT_FALSE(bytes.contains("changed")); // only the working copy keeps its state

    // The next start shows the named quote, unchanged.
    start();
    EXPECT_EQ(mOpen->file(), saved);
    EXPECT_FALSE(mOpen->changed());

    // Saving again under its own name asks nothing; over another file it asks first.
    mPrompter.clear();
    quote().edit(3, quote::Quantity, QStringLiteral("2"));
    EXPECT_TRUE(mOpen->changed());
    mPrompter.chooseFile(saved);
    mOpen->saveAs();
    EXPECT_EQ(prompt(0).file.fileName, saved);
    EXPECT_EQ(mPrompter.prompts().size(), 1);
    writeAll(path("Jones.vquote"), "keep me");
    mPrompter.chooseFile(path("Jones.vquote")).answer(Answer::No);
    mOpen->saveAs();
    ASSERT_EQ(mPrompter.prompts().size(), 3);
    EXPECT_EQ(
        prompt(2).text,
        QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(path("Jones.vquote")));
    EXPECT_EQ(prompt(2).buttons, prompt::Buttons::YesNo);
    EXPECT_EQ(readAll(path("Jones.vquote")), "keep me");
    EXPECT_EQ(mOpen->file(), saved);
    EXPECT_EQ(mPrompter.unanswered(), 0);
}

TEST_F(OpenQuoteTest, AFailedSaveIsReportedAndTheOpenQuoteStays)
{
    buildQuote();
    const QByteArray kept = readAll(workingCopy());
    mPrompter.chooseFile(path("no such folder/Smith Ltd.vquote"));
    mOpen->saveAs();
    ASSERT_EQ(mPrompter.prompts().size(), 2);
    EXPECT_TRUE(prompt(1).text.startsWith(QStringLiteral("The quote could not be saved to %1.\n\n")
                                              .arg(path("no such folder/Smith Ltd.vquote"))))
        << prompt(1).text.toStdString();
    EXPECT_GT(prompt(1).text.size(), 40 + path("no such folder/Smith Ltd.vquote").size());
    EXPECT_EQ(prompt(1).caption, QStringLiteral("Save Quote As"));
    EXPECT_EQ(prompt(1).icon, prompt::Icon::Exclamation);
    EXPECT_EQ(quote().lineCount(), 3);
    EXPECT_TRUE(mOpen->file().isEmpty());
    EXPECT_TRUE(mOpen->changed());
    EXPECT_EQ(readAll(workingCopy()), kept);
}

TEST_F(OpenQuoteTest, AWorkingCopyThatCannotBeWrittenIsReportedOnce)
{
    QDir(mDir.path()).mkdir(QStringLiteral("quote.dat")); // a folder in its place
    quote().add(mAnchor, {});
    quote().add(mBracket, {});
    ASSERT_EQ(mPrompter.prompts().size(), 1);
    EXPECT_TRUE(prompt(0).text.startsWith(
        QStringLiteral("The open quote could not be kept in %1.\n\n").arg(workingCopy())));
    EXPECT_TRUE(prompt(0).text.endsWith(QStringLiteral(
        "It will be lost when Vendara ends unless you save it with \"Save Quote As\".")));
    EXPECT_EQ(quote().lineCount(), 2);
}

TEST_F(OpenQuoteTest, OpenAsksBeforeReplacingUnsavedLines)
{
    buildQuote();
    ASSERT_TRUE(mOpen->saveTo(path("Smith Ltd.vquote")).ok());
    quote().removeAll();
    quote().add(mClamp, {});
    quote().add(mClamp, {});

    // No: nothing is asked for, nothing changes.
    mPrompter.answer(Answer::No);
    mOpen->open();
    ASSERT_EQ(mPrompter.prompts().size(), 1);
    EXPECT_EQ(prompt(0).text,
              QStringLiteral("Replace the open quote? Its 2 lines have not been saved."));
    EXPECT_EQ(prompt(0).caption, QStringLiteral("Open Quote"));
    EXPECT_EQ(prompt(0).buttons, prompt::Buttons::YesNo);
    EXPECT_EQ(prompt(0).icon, prompt::Icon::Question);
    EXPECT_EQ(quote().lineCount(), 2);

    // Yes, then the file.
    mPrompter.clear();
    mPrompter.answer(Answer::Yes).chooseFile(path("Smith Ltd.vquote"));
    mOpen->open();
    ASSERT_EQ(mPrompter.prompts().size(), 2);
    EXPECT_EQ(prompt(1).kind, RecordedPrompt::Kind::File);
    EXPECT_EQ(prompt(1).file.title, QStringLiteral("Open Quote"));
    EXPECT_EQ(prompt(1).file.filter, QStringLiteral("Quotes (*.vquote)|*.vquote"));
    EXPECT_TRUE(prompt(1).file.mustExist);
    EXPECT_EQ(prompt(1).file.fileName, mDir.path()); // the open quote's folder
    EXPECT_EQ(quote().lineCount(), 3);
    EXPECT_EQ(shownTotals(), QStringLiteral("$125.60 / $6.40 / 4.85%"));
    EXPECT_EQ(mOpen->file(), path("Smith Ltd.vquote"));
    EXPECT_FALSE(mOpen->changed());

    // An opened quote that was not changed is replaced without a question; so is an empty one.
    mPrompter.clear();
    mPrompter.chooseFile(path("Smith Ltd.vquote"));
    mOpen->open();
    EXPECT_EQ(mPrompter.prompts().size(), 1);
    quote().removeAll();
    EXPECT_TRUE(mOpen->changed());
    mPrompter.clear();
    mPrompter.cancelFile();
    mOpen->open();
    EXPECT_EQ(mPrompter.prompts().size(), 1);
    EXPECT_EQ(mPrompter.unanswered(), 0);

    // "New Quote" asks the same question, with its own caption, and empties the quote.
    quote().add(mClamp, {});
    mPrompter.clear();
    mPrompter.answer(Answer::Yes);
    mOpen->newQuote();
    EXPECT_EQ(prompt(0).text,
              QStringLiteral("Replace the open quote? Its 1 lines have not been saved."));
    EXPECT_EQ(prompt(0).caption, QStringLiteral("New Quote"));
    EXPECT_EQ(quote().lineCount(), 0);
    EXPECT_EQ(shownTotals(), QStringLiteral(" /  / "));
    EXPECT_TRUE(mOpen->file().isEmpty());
    start();
    EXPECT_EQ(quote().lineCount(), 0);
    EXPECT_TRUE(mOpen->file().isEmpty());
}

TEST_F(OpenQuoteTest, AnOpenedQuoteKeepsItsPricesAndNamesWhatTheCatalogueLacks)
{
    buildQuote();
    quote().add(mBracket, {});
    ASSERT_TRUE(mOpen->saveTo(path("Smith Ltd.vquote")).ok());
    // Since then: the anchor costs more, the brackets and clamps are gone.
    mProducts.setCell(mAnchor, product::Price, 12.0f);
    mProducts.setCell(mBracket, product::PartNumber, QStringLiteral("B-3"));
    mProducts.deleteRow(mClamp);
    quote().removeAll();

    mPrompter.chooseFile(path("Smith Ltd.vquote"));
    mOpen->open();
    ASSERT_EQ(mPrompter.prompts().size(), 2);
    EXPECT_EQ(prompt(1).text, QStringLiteral("2 part numbers of this quote are no longer in the "
                                             "catalogue: B-2, C-3. Their lines show the prices "
                                             "they were saved with."));
    EXPECT_EQ(prompt(1).caption, QStringLiteral("Open Quote"));
    EXPECT_EQ(prompt(1).icon, prompt::Icon::Information);
    ASSERT_EQ(quote().lineCount(), 4);
    EXPECT_EQ(priceOf(1), QStringLiteral("$9.50"));
    EXPECT_EQ(priceOf(2), QStringLiteral("$3.60"));
    EXPECT_EQ(priceOf(3), QStringLiteral("$8.00"));

    // "Reset Prices" goes back to each line's list price; a quantity prices from today's
    // catalogue, and a part number it lacks at 0.
    quote().resetPrices();
    EXPECT_EQ(priceOf(1), QStringLiteral("$10.00"));
    quote().edit(1, quote::Quantity, QStringLiteral("2"));
    EXPECT_EQ(priceOf(1), QStringLiteral("$12.00"));

    int missing = -1;
    ASSERT_TRUE(mOpen->openFrom(path("Smith Ltd.vquote"), &missing).ok());
    mProducts.setCell(mBracket, product::PartNumber, QStringLiteral("b-2")); // letter case
    ASSERT_TRUE(mOpen->openFrom(path("Smith Ltd.vquote"), &missing).ok());
    EXPECT_EQ(missing, 1);
}

TEST_F(OpenQuoteTest, FilesThatCannotBeOpenedLeaveTheOpenQuote)
{
    buildQuote();
    const QByteArray kept = readAll(workingCopy());
    writeAll(path("newer.vquote"), "Vendara quote\t2\nline\tA-1\n");
    writeAll(path("letter.vquote"), "Dear Sir or Madam,\n");
    const struct
    {
        const char *file;
        QString reason;
    } cases[] = {
        {"newer.vquote", QStringLiteral("It was saved by a newer version of Vendara (quote file "
                                        "version 2); this version reads quote files up to "
                                        "version 1.")},
        {"letter.vquote", QStringLiteral("It is not a Vendara quote.")},
        {"gone.vquote", QStringLiteral("It could not be read (No such file or directory).")},
    };
    for (const auto &c : cases) {
        mPrompter.clear();
        mPrompter.answer(Answer::Yes).chooseFile(path(c.file));
        mOpen->open();
        ASSERT_EQ(mPrompter.prompts().size(), 3) << c.file;
        EXPECT_EQ(prompt(2).text, QStringLiteral("The quote could not be opened from %1.\n\n%2\n\n"
                                                 "The open quote stays as it is.")
                                      .arg(path(c.file), c.reason));
        EXPECT_EQ(prompt(2).caption, QStringLiteral("Open Quote"));
        EXPECT_EQ(prompt(2).icon, prompt::Icon::Exclamation);
        EXPECT_EQ(quote().lineCount(), 3);
        EXPECT_TRUE(mOpen->changed());
        EXPECT_EQ(readAll(workingCopy()), kept);
    }
}

} // namespace
