// The document writers: RTF read back by a reader of our own and by unrtf, HTML read back by
// Qt's HTML reader, and the clipboard forms.
#include "qstringprint.h"
#include "rtfreader.h"

#include "vendara/pricing/documentmime.h"
#include "vendara/pricing/htmlwriter.h"
#include "vendara/pricing/richdocument.h"
#include "vendara/pricing/rtfwriter.h"

// Qt
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include <gtest/gtest.h>

namespace {

using namespace vendara;
using testsupport::readRtf;

RichDocument sample()
{
    RichDocument document;
    document.append(QStringLiteral("Acme Tools\r\nQuote"), {true, 12});
    document.append(QStringLiteral("\n\n"));
    document.append(QStringLiteral("A-1 \tAnchor bolt\n"), {true, 10});
    document.append(QStringLiteral("Quantity 12\t\tPrice $10.00\n"));
    document.append(QStringLiteral("Order Total = $120.00"), {true, 10});
    return document;
}

TEST(RichDocument, JoinsRunsOfOneStyleAndKeepsLineFeedsOnly)
{
    RichDocument document(QStringLiteral("Arial"));
    document.append(QStringLiteral("a\r\nb"));
    document.append(QStringLiteral("\rc"));
    document.append(QString());
    document.append(QStringLiteral("d"), {true, 10});
    ASSERT_EQ(document.runs().size(), 2);
    EXPECT_EQ(document.runs().at(0).text, QStringLiteral("a\nb\nc"));
    EXPECT_EQ(document.plainText(), QStringLiteral("a\nb\ncd"));
    EXPECT_EQ(document.fontFamily(), QStringLiteral("Arial"));
}

TEST(RtfWriter, WritesTheDocumentByteForByte)
{
    RichDocument document;
    document.append(QStringLiteral("Head"), {true, 12});
    document.append(QStringLiteral("\nA\tB"));
    EXPECT_EQ(RtfWriter::write(document),
              QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deftab720"
                         "{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}}\n"
                         "\\viewkind4\\uc1\\pard\\plain\\f0\\b\\fs24 Head\\b0\\fs20 \\par\n"
                         "A\\tab B}\n"));
}

TEST(RtfWriter, EscapesEveryCharacterSoThatNoneIsLost)
{
    EXPECT_EQ(RtfWriter::escape(QStringLiteral("C:\\{x}")), QByteArray("C:\\\\\\{x\\}"));
    // Windows-1252 has é and €; Greek omega and an emoji need Unicode, with a fallback "?".
    EXPECT_EQ(RtfWriter::escape(QStringLiteral("é€Ω")), QByteArray("\\'e9\\'80\\u937?"));
    EXPECT_EQ(RtfWriter::escape(QString::fromUtf8("\xF0\x9F\x98\x80")),
              QByteArray("\\u-10179?\\u-8704?"));
    // Control characters other than tab and line feed have no place in a document.
    EXPECT_EQ(RtfWriter::escape(QStringLiteral("a\x01\x7F\u0085b")), QByteArray("ab"));

    RichDocument document;
    const QString text =
        QStringLiteral("Price {net} \\ 5 € — naïve Ω ") + QString::fromUtf8("\xF0\x9F\x98\x80");
    document.append(text);
    const auto read = readRtf(RtfWriter::write(document));
    ASSERT_TRUE(read.valid) << read.error.toStdString();
    EXPECT_EQ(read.text(), text);
}

TEST(RtfWriter, KeepsFontSizesBoldRunsTabsAndLineBreaks)
{
    const auto read = readRtf(RtfWriter::write(sample()));
    ASSERT_TRUE(read.valid) << read.error.toStdString();
    EXPECT_EQ(read.fonts.value(0), QStringLiteral("Times New Roman"));
    EXPECT_EQ(read.text(), sample().plainText());
    ASSERT_EQ(read.runs.size(), 5);
    const QList<std::tuple<QString, bool, int>> expected = {
        {QStringLiteral("Acme Tools\nQuote"), true, 12},
        {QStringLiteral("\n\n"), false, 10},
        {QStringLiteral("A-1 \tAnchor bolt\n"), true, 10},
        {QStringLiteral("Quantity 12\t\tPrice $10.00\n"), false, 10},
        {QStringLiteral("Order Total = $120.00"), true, 10}};
    for (int i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(read.runs.at(i).text, std::get<0>(expected.at(i))) << i;
        EXPECT_EQ(read.runs.at(i).bold, std::get<1>(expected.at(i))) << i;
        EXPECT_EQ(read.runs.at(i).pointSize, std::get<2>(expected.at(i))) << i;
        EXPECT_EQ(read.runs.at(i).font, QStringLiteral("Times New Roman")) << i;
    }

    RichDocument arial(QStringLiteral("Arial"));
    arial.append(QStringLiteral("x"));
    EXPECT_TRUE(RtfWriter::write(arial).contains("{\\f0\\fswiss\\fcharset0 Arial;}"));
}

TEST(RtfWriter, IsReadByUnrtf)
{
    const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
    if (unrtf.isEmpty())
        GTEST_SKIP() << "unrtf is not installed";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quote.rtf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(RtfWriter::write(sample()));
    file.close();
    QProcess process;
    process.start(unrtf, {QStringLiteral("--html"), path});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    EXPECT_TRUE(html.contains(QStringLiteral("Times New Roman"))) << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("<b><font size=\"3\">Acme Tools<br>\nQuote")))
        << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("<b>A-1 "))) << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("<b>Order Total = $120.00</b>")))
        << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("Quantity 12"))) << html.toStdString();
}

TEST(HtmlWriter, KeepsTextBoldRunsSizesTabsAndLineBreaks)
{
    RichDocument document = sample();
    document.append(QStringLiteral("\n<Tom & \"Jerry\">"));
    const QString html = HtmlWriter::write(document);
    EXPECT_TRUE(html.contains(QStringLiteral("font-family:'Times New Roman',serif")));
    EXPECT_TRUE(html.contains(QStringLiteral("white-space:pre-wrap")));
    EXPECT_TRUE(html.contains(QStringLiteral("&lt;Tom &amp; &quot;Jerry&quot;&gt;")));

    QTextDocument read;
    read.setHtml(html);
    EXPECT_EQ(read.toPlainText(), document.plainText());
    // Every character keeps its weight and size.
    const QString text = read.toPlainText();
    QTextCursor cursor(&read);
    qsizetype position = 0;
    for (const TextRun &run : document.runs()) {
        for (qsizetype i = 0; i < run.text.size(); ++i, ++position) {
            if (run.text.at(i) == QLatin1Char('\n'))
                continue;
            cursor.setPosition(int(position + 1));
            const QTextCharFormat format = cursor.charFormat();
            EXPECT_EQ(format.fontWeight() >= QFont::Bold, run.style.bold) << position;
            EXPECT_EQ(qRound(format.fontPointSize()), run.style.pointSize) << position;
        }
    }
}

TEST(DocumentMime, OffersRtfHtmlAndPlainText)
{
    const auto data = DocumentMime::create(sample());
    EXPECT_EQ(data->data(QStringLiteral("text/rtf")), RtfWriter::write(sample()));
    EXPECT_EQ(data->data(QStringLiteral("application/rtf")), RtfWriter::write(sample()));
    EXPECT_EQ(data->html(), HtmlWriter::write(sample()));
    EXPECT_EQ(data->text(), sample().plainText());
}

} // namespace
