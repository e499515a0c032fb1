// "&Print Quote..." and "Save Quote as P&DF...": the quote document on pages, read back from
// the PDF with pdftotext; the preview and its page count; the file dialog and failures; and
// the PDF written without any dialog.
#include "catalogue.h"
#include "pdftext.h"

#include "tests/support/scriptedprompter.h"
#include "tests/vendara/window/cataloguewindowfixture.h"
#include "vendara/pricing/quotemodel.h"
#include "vendara/store/programcontext.h"
#include "vendara/window/documentpages.h"
#include "vendara/window/frmmain.h"
#include "vendara/window/printpreview.h"
#include "vendara/window/quotefeature.h"

// Qt
#include <QAction>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>

// POSIX
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

using namespace vendara;
using testsupport::pdfText;
using testsupport::readBytes;
using testsupport::record;
using testsupport::writeBytes;

const QByteArray kCatalogue = record({"A-1", "Anchor bolt", "10", "", "Box of 50", "10", "9.50"})
                              + record({"B-2", "Bracket", "4"})
                              + record({"C-3", "Clamp", "8", "", "Two jaws\r\nOne screw"});

class QuotePrintingTest : public testsupport::CatalogueWindowFixture
{
protected:
    QuotePrintingTest()
        : CatalogueWindowFixture(kCatalogue)
    {}
    void SetUp() override
    {
        CatalogueWindowFixture::SetUp();
        writeBytes(file("QuoteNoteHead.txt"), "Acme Tools Ltd.\r\nQuotation");
        writeBytes(file("QuoteNote.txt"), "Prices valid for 30 days.\r\nThank you!");
        open();
        mFeature = QuoteFeature::install(*mWindow);
    }

    QString file(const char *name) const { return QDir(mDir.path()).filePath(QLatin1String(name)); }
    void trigger(const char *name) { mWindow->action(QLatin1String(name))->trigger(); }
    void addProduct(int row)
    {
        mWindow->setCurrentRow(row);
        trigger("mnuGrdMainQuote");
    }
    // Anchor bolts at their price point, a bracket 10% off, a clamp.
    void buildQuote()
    {
        addProduct(1);
        addProduct(2);
        addProduct(3);
        QuoteList &quote = mFeature->quote();
        quote.edit(1, 4, QStringLiteral("12"));
        quote.discount(2, 0.1f);
    }

    QuoteFeature *mFeature = nullptr;
};

TEST_F(QuotePrintingTest, SaveAsPdfWritesTheQuoteDocumentOnPages)
{
    buildQuote();
    mPrompter.chooseFile(file("Smith Ltd"));
    trigger("mnuQuotePdf");
    ASSERT_EQ(mPrompter.prompts().size(), 1);
    const prompt::FileRequest &request = mPrompter.prompts()[0].file;
    EXPECT_EQ(mPrompter.prompts()[0].text, QStringLiteral("Save Quote as PDF"));
    EXPECT_EQ(request.mode, prompt::FileRequest::Mode::Save);
    EXPECT_EQ(request.filter, QStringLiteral("PDF Files (*.pdf)|*.pdf"));
    EXPECT_TRUE(request.fileName.endsWith(QStringLiteral("/Quote.pdf")));

    EXPECT_EQ(pdfText(file("Smith Ltd.pdf")),
              QStringLiteral("Acme Tools Ltd.\n"
                             "Quotation\n"
                             "A-1 Anchor bolt\n"
                             "Quantity 12 List: $10.00 Price: $9.50 Discount: 5.00% Ext.: $114.00\n"
                             "Box of 50\n"
                             "B-2 Bracket\n"
                             "Quantity 1 List: $4.00 Price: $3.60 Discount: 10.00% Ext.: $3.60\n"
                             "C-3 Clamp\n"
                             "Quantity 1 Price $8.00 Extended Price $8.00\n"
                             "Two jaws\n"
                             "One screw\n"
                             "Discount Amount = $6.40\n"
                             "Order Total = $125.60\n"
                             "Prices valid for 30 days.\n"
                             "Thank you!\n"
                             "Page 1 of 1"));

    // Over an existing file it asks first; the named quote's name and folder are proposed.
    ASSERT_TRUE(mFeature->openQuote().saveTo(file("Smith Ltd.vquote")).ok());
    mPrompter.clear();
    mPrompter.chooseFile(file("Smith Ltd.pdf")).answer(prompt::Answer::No);
    trigger("mnuQuotePdf");
    ASSERT_EQ(mPrompter.prompts().size(), 2);
    EXPECT_EQ(mPrompter.prompts()[0].file.fileName, file("Smith Ltd.pdf"));
    EXPECT_EQ(mPrompter.prompts()[1].text,
              QStringLiteral("%1 already exists.\nDo you want to replace it?")
                  .arg(file("Smith Ltd.pdf")));
    EXPECT_EQ(mPrompter.unanswered(), 0);
}

TEST_F(QuotePrintingTest, ALongQuoteRunsOverPagesWithTheirNumbers)
{
    mContext->settings().setValue(QStringLiteral("Settings"), QStringLiteral("NoIncludes"),
                                  QStringLiteral("1"));
    for (int k = 0; k < 24; ++k)
        addProduct(k % 3 + 1);
    ASSERT_TRUE(mFeature->writePdf(file("long.pdf")).ok());
    const QString text = pdfText(file("long.pdf"));
    EXPECT_EQ(text.count(QStringLiteral("\nQuantity 1")), 24);
    EXPECT_FALSE(text.contains(QStringLiteral("Box of 50")));
    const qsizetype first = text.indexOf(QStringLiteral("Page 1 of 2"));
    const qsizetype second = text.indexOf(QStringLiteral("Page 2 of 2"));
    ASSERT_GT(first, 0) << text.toStdString();
    ASSERT_GT(second, first);
    // The pages end where their footers stand: the totals and the closing text on page 2,
    // which starts with a product's name, not with the figures of one on page 1.
    EXPECT_LT(text.indexOf(QStringLiteral("A-1 Anchor bolt")), first);
    EXPECT_TRUE(text.mid(first).section(QLatin1Char('\n'), 1, 1).contains(QLatin1Char('-')))
        << text.toStdString();
    EXPECT_GT(text.indexOf(QStringLiteral("Order Total = $176.00")), first);
    EXPECT_TRUE(text.endsWith(QStringLiteral("Thank you!\nPage 2 of 2")));

    // The preview shows the same two pages and prints them through the printer dialog.
    bool seen = false;
    mFeature->printing().setPreviewShown([&](PrintPreview &preview) {
        seen = true;
        EXPECT_TRUE(preview.isModal());
        EXPECT_EQ(preview.windowTitle(), QStringLiteral("Print Preview - Quote"));
        EXPECT_EQ(preview.pageCount(), 2);
        EXPECT_EQ(preview.pageText(), QStringLiteral("Page 1 of 2"));
        mPrompter.printToPdf(file("printed.pdf"));
        preview.printAction()->trigger();
    });
    trigger("mnuQuotePrint");
    EXPECT_TRUE(seen);
    ASSERT_EQ(mPrompter.prompts().size(), 1);
    EXPECT_EQ(mPrompter.prompts()[0].kind, testsupport::RecordedPrompt::Kind::Printer);
    EXPECT_EQ(mPrompter.prompts()[0].text, QStringLiteral("Print Quote"));
    EXPECT_EQ(pdfText(file("printed.pdf")), text);
}

TEST_F(QuotePrintingTest, WithoutANoteFileNothingIsPrintedOrAsked)
{
    buildQuote();
    QFile::remove(file("QuoteNote.txt"));
    bool previewed = false;
    mFeature->printing().setPreviewShown([&](PrintPreview &preview) {
        previewed = true;
        preview.reject();
    });
    trigger("mnuQuotePrint");
    trigger("mnuQuotePdf");
    EXPECT_FALSE(previewed);
    EXPECT_TRUE(mPrompter.prompts().isEmpty());

    const common::Status status = mFeature->writePdf(file("quote.pdf"));
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(QString::fromStdString(status.message()),
              QStringLiteral("The quote document needs the quote note files QuoteNoteHead.txt "
                             "and QuoteNote.txt, and one of them could not be read."));
    EXPECT_FALSE(QFile::exists(file("quote.pdf")));
}

TEST_F(QuotePrintingTest, FailuresAreReportedAndAnExistingFileStays)
{
    buildQuote();
    mPrompter.chooseFile(file("missing/folder/quote.pdf"));
    trigger("mnuQuotePdf");
    ASSERT_EQ(mPrompter.prompts().size(), 2);
    EXPECT_TRUE(mPrompter.prompts()[1].text.startsWith(
        QStringLiteral("The quote could not be saved as PDF to %1.\n\n")
            .arg(file("missing/folder/quote.pdf"))));
    EXPECT_EQ(mPrompter.prompts()[1].caption, QStringLiteral("Save Quote as PDF"));
    EXPECT_EQ(mPrompter.prompts()[1].icon, prompt::Icon::Exclamation);

    // A PDF that cannot replace the file leaves it as it was.
    writeBytes(file("kept.pdf"), "old");
    QFile::setPermissions(mDir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const common::Status status = mFeature->writePdf(file("kept.pdf"));
    QFile::setPermissions(mDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (::geteuid() != 0) { // root writes anyway
        EXPECT_FALSE(status.ok());
        EXPECT_EQ(readBytes(file("kept.pdf")), QByteArray("old"));
    }

    // The printer going away is reported with its name.
    mFeature->printing().setPreviewShown([&](PrintPreview &preview) {
        mPrompter.printToPdf(file("missing/folder/printed.pdf"));
        preview.printAction()->trigger();
        preview.reject();
    });
    mPrompter.clear();
    trigger("mnuQuotePrint");
    ASSERT_EQ(mPrompter.prompts().size(), 2);
    EXPECT_EQ(mPrompter.prompts()[1].text,
              QStringLiteral("The quote could not be printed on \"%1\". Check the printer, or "
                             "the folder and name of the PDF file, and try again.")
                  .arg(file("missing/folder/printed.pdf")));
}

TEST(DocumentPages, PagesFollowTheLocaleAndLinesThatBelongTogetherStayTogether)
{
    // Groups of five lines between empty lines, as a quote's products are.
    RichDocument document;
    for (int group = 1; group <= 40; ++group) {
        document.append(QStringLiteral("Group %1 begins\n").arg(group), {true, 10});
        document.append(QStringLiteral("second\nthird\nfourth\nGroup %1 ends\n\n").arg(group));
    }
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("groups.pdf"));
    {
        QPdfWriter pdf(path);
        DocumentPages::setUpPage(pdf);
        EXPECT_EQ(pdf.pageLayout().pageSize().id(), QPageSize::Letter); // the tests' en_US
        EXPECT_EQ(pdf.pageLayout().margins(QPageLayout::Millimeter), QMarginsF(20, 20, 20, 20));
        EXPECT_EQ(DocumentPages(document).print(pdf), 5);
    }
    for (int page = 1; page <= 5; ++page) {
        QProcess process;
        process.start(QStringLiteral("pdftotext"),
                      {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                       QString::number(page), path, QStringLiteral("-")});
        ASSERT_TRUE(process.waitForFinished(30000));
        const QString text = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
        EXPECT_TRUE(text.startsWith(QStringLiteral("Group "))
                    && text.section(QLatin1Char('\n'), 0, 0).endsWith(QStringLiteral(" begins")))
            << page << ": " << text.left(40).toStdString();
        EXPECT_TRUE(text.endsWith(QStringLiteral("Page %1 of 5").arg(page)));
        // Nothing of the next page's first line shows at the foot of this one.
        const QString body = text.section(QStringLiteral("Page "), 0, 0).trimmed();
        EXPECT_TRUE(page == 5 || body.endsWith(QStringLiteral(" ends"))) << page;
    }
}

} // namespace
