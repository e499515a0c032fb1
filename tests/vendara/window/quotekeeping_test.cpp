// The quote across runs of the program and in named files, as the window shows it: the quote
// restored after the program context is made again, the window's caption, and a kept quote
// that could not be read.
#include "catalogue.h"

#include "tests/support/scriptedprompter.h"
#include "tests/vendara/window/cataloguewindowfixture.h"
#include "vendara/pricing/quotemodel.h"
#include "vendara/window/frmmain.h"
#include "vendara/window/quotefeature.h"
#include "vendara/window/quotetab.h"

// Qt
#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

using namespace vendara;
using testsupport::readBytes;
using testsupport::record;
using testsupport::writeBytes;

const QByteArray kCatalogue = record({"A-1", "Anchor bolt", "10", "", "Box of 50", "10", "9.50"})
                              + record({"B-2", "Bracket", "4"}) + record({"C-3", "Clamp", "8"});

class QuoteKeepingTest : public testsupport::CatalogueWindowFixture
{
protected:
    QuoteKeepingTest()
        : CatalogueWindowFixture(kCatalogue)
    {}
    void SetUp() override
    {
        CatalogueWindowFixture::SetUp();
        start();
    }
    // The program starting again: a new context and window over the same folder.
    void start()
    {
        mWindow.reset();
        mContext.reset();
        open();
        mFeature = QuoteFeature::install(*mWindow);
    }
    QString file(const char *name) const { return QDir(mDir.path()).filePath(QLatin1String(name)); }
    void trigger(const char *name) { mWindow->action(QLatin1String(name))->trigger(); }
    // What the quote tab shows: every line's cells and the three boxes.
    QStringList shown() const
    {
        QStringList cells;
        const QuoteModel *model = mFeature->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int column = 0; column < model->columnCount(); ++column)
                cells << model->index(row, column).data().toString();
        }
        const QuoteTab *tab = mWindow->quoteTab();
        return cells << tab->txtTotal()->text() << tab->txtDisc()->text()
                     << tab->txtQdisper()->text();
    }

    QuoteFeature *mFeature = nullptr;
};

TEST_F(QuoteKeepingTest, TheQuoteIsThereAgainAfterARestartUnderItsName)
{
    for (int row : {1, 2, 3}) {
        mWindow->setCurrentRow(row);
        trigger("mnuGrdMainQuote");
    }
    mFeature->model()->setData(mFeature->model()->index(0, QuoteModel::QuantityColumn),
                               QStringLiteral("12"), Qt::EditRole);
    mFeature->quote().discountAll(0.1f);
    const QStringList before = shown();
    EXPECT_EQ(before.mid(15), (QStringList{QStringLiteral("$118.80"), QStringLiteral("$13.20"),
                                           QStringLiteral("10.00%")}));
    EXPECT_EQ(mWindow->windowTitle(), QStringLiteral("Vendara ver. 1.3"));

    start();
    EXPECT_EQ(shown(), before);
    EXPECT_EQ(mWindow->windowTitle(), QStringLiteral("Vendara ver. 1.3"));

    // Saved under a name, the caption shows it, also after the next start.
    mPrompter.chooseFile(file("Smith Ltd"));
    trigger("mnuQuoteSaveAs");
    EXPECT_EQ(mWindow->windowTitle(), QStringLiteral("Vendara ver. 1.3 - Smith Ltd.vquote"));
    EXPECT_EQ(mWindow->accessibleName(), mWindow->windowTitle());
    start();
    EXPECT_EQ(shown(), before);
    EXPECT_EQ(mWindow->windowTitle(), QStringLiteral("Vendara ver. 1.3 - Smith Ltd.vquote"));

    // Another quote, then the saved one again.
    mPrompter.clear();
    trigger("mnuQuoteNew");
    EXPECT_EQ(mWindow->windowTitle(), QStringLiteral("Vendara ver. 1.3"));
    mWindow->setCurrentRow(2);
    trigger("mnuGrdMainQuote");
    mPrompter.answer(prompt::Answer::Yes).chooseFile(file("Smith Ltd.vquote"));
    trigger("mnuQuoteOpen");
    EXPECT_EQ(shown(), before);
    EXPECT_EQ(mWindow->windowTitle(), QStringLiteral("Vendara ver. 1.3 - Smith Ltd.vquote"));
    EXPECT_EQ(mPrompter.unanswered(), 0);
    EXPECT_EQ(
        mPrompter.messageTexts(),
        QStringList{QStringLiteral("Replace the open quote? Its 1 lines have not been saved.")});
}

TEST_F(QuoteKeepingTest, AKeptQuoteThatCannotBeReadIsReportedOnceTheWindowShows)
{
    writeBytes(file("quote.dat"), "Vendara quote\t1\nline\tA-1\n");
    start();
    EXPECT_EQ(mFeature->model()->rowCount(), 0);
    EXPECT_TRUE(mPrompter.prompts().isEmpty());
    mWindow->show();
    QCoreApplication::processEvents();
    ASSERT_EQ(mPrompter.prompts().size(), 1);
    EXPECT_TRUE(mPrompter.prompts()[0].text.startsWith(
        QStringLiteral("The last quote could not be restored from %1. It is damaged: line 2 is "
                       "not as Vendara writes it.")
            .arg(file("quote.dat"))));
    EXPECT_EQ(readBytes(file("quote.damaged.dat")), QByteArray("Vendara quote\t1\nline\tA-1\n"));
    mWindow->hide();
    mWindow->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(mPrompter.prompts().size(), 1);
}

} // namespace
