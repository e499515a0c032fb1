// The help's logic: what `CHelp::Show` asks of the viewer, the program's help requests, and
// the help pages as shipped (contents, context ids, links, search).

#include "vendara/store/programfolder.h"
#include "vendara/window/chelp.h"
#include "vendara/window/helpbook.h"
#include "vendara/window/helptexts.h"
#include "vendara/window/helpviewer.h"
#include "vendara/window/programhelp.h"

// Qt
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace vendara;

class RecordingViewer : public HelpViewer
{
public:
    void display(const HelpRequest &request) override { requests.append(request); }
    QList<HelpRequest> requests;
};

QString shippedHelp()
{
    return QStringLiteral(PROGRAM_DIR "/help/contents.xml");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void collect(const QList<HelpTopic> &topics, QStringList &pages)
{
    for (const HelpTopic &topic : topics) {
        pages << topic.page;
        collect(topic.children, pages);
    }
}

TEST(HelpRequestTest, TargetCommandAndData)
{
    RecordingViewer viewer;
    CHelp help(viewer);
    help.Show(QStringLiteral(" /opt/help/contents.xml "), QStringLiteral(" Main "));
    help.Show(QStringLiteral("/opt/help/contents.xml"));
    help.Show(QStringLiteral("/opt/help/contents.xml"), QStringLiteral("Search"), 2050);
    ASSERT_EQ(viewer.requests.size(), 3);

    // A pane joins the trimmed path and the trimmed pane name with ">".
    EXPECT_EQ(viewer.requests[0].target(), QStringLiteral("/opt/help/contents.xml>Main"));
    EXPECT_EQ(viewer.requests[0].command(), HelpRequest::Command::DisplayTopic);
    EXPECT_EQ(viewer.requests[0].data(), 0);
    EXPECT_FALSE(viewer.requests[0].searchPane());
    // Without a pane the path stays as given.
    EXPECT_EQ(viewer.requests[1].target(), QStringLiteral("/opt/help/contents.xml"));
    // A context id asks for the help context with the id as data.
    EXPECT_EQ(viewer.requests[2].target(), QStringLiteral("/opt/help/contents.xml>Search"));
    EXPECT_EQ(viewer.requests[2].command(), HelpRequest::Command::HelpContext);
    EXPECT_EQ(int(viewer.requests[2].command()), 15);
    EXPECT_EQ(viewer.requests[2].data(), 2050);
    EXPECT_TRUE(viewer.requests[2].searchPane());
}

TEST(ProgramHelpTest, ContentsSearchAndTopicsOpenTheHelpBesideTheProgram)
{
    QTemporaryDir dir;
    const ProgramFolder folder(dir.path());
    RecordingViewer viewer;
    ProgramHelp help(folder, viewer);
    help.showContents();
    help.showSearch();
    help.showTopic(1090);
    help.showTopic(2050);

    const QString file = QDir(dir.path()).filePath(QStringLiteral("help/contents.xml"));
    EXPECT_EQ(viewer.requests, (QList<HelpRequest>{{file, QStringLiteral("Main"), std::nullopt},
                                                   {file, QStringLiteral("Search"), std::nullopt},
                                                   {file, QStringLiteral("Main"), 1090},
                                                   {file, QStringLiteral("Main"), 2050}}));
}

TEST(ProgramHelpTest, AnInstalledCopyFindsItsHelpInTheSharedDataFolder)
{
    QTemporaryDir prefix;
    QDir(prefix.path()).mkpath(QStringLiteral("bin"));
    writeFile(prefix.filePath(QStringLiteral("share/vendara/help/contents.xml")), "<help/>");
    const ProgramFolder folder(prefix.filePath(QStringLiteral("bin")));
    EXPECT_EQ(ProgramHelp::helpFile(folder),
              QDir::cleanPath(prefix.filePath(QStringLiteral("share/vendara/help/contents.xml"))));
}

TEST(HelpBookTest, ShippedPagesOpenAtTheirContextIdsAndLinkOnlyToPagesThatExist)
{
    HelpBook book;
    const common::Status loaded = book.load(shippedHelp());
    ASSERT_TRUE(loaded.ok()) << loaded.message();
    EXPECT_EQ(book.title(), QStringLiteral("Vendara Help"));
    EXPECT_EQ(book.home(), QStringLiteral("welcome.html"));
    EXPECT_EQ(book.pageOf(1090), QStringLiteral("spreadsheetupdate.html"));
    EXPECT_EQ(book.pageOf(2050), QStringLiteral("handheld.html"));
    EXPECT_EQ(book.pageOf(1), QString());
    EXPECT_EQ(book.titleOf(QStringLiteral("handheld.html")),
              QStringLiteral("Sending products to the handheld"));

    QStringList pages;
    collect(book.contents(), pages);
    EXPECT_GE(pages.size(), 15);
    const QDir folder(book.folder());
    const QStringList files = folder.entryList({QStringLiteral("*.html")}, QDir::Files);
    // Every page is in the contents and every topic has its page.
    for (const QString &file : files)
        EXPECT_TRUE(pages.contains(file)) << file.toStdString() << " is not in the contents";
    static const QRegularExpression link(QStringLiteral("href=\"([^\"#]*)"));
    for (const QString &page : pages) {
        QFile file(book.pagePath(page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
        const QString html = QString::fromUtf8(file.readAll());
        // The page's heading is its title in the contents.
        EXPECT_TRUE(html.contains(QStringLiteral("<h1>") + book.titleOf(page) + "</h1>"))
            << page.toStdString();
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            if (target.isEmpty() || target.contains(QLatin1Char(':')))
                continue;
            EXPECT_TRUE(folder.exists(target))
                << page.toStdString() << " links to the missing " << target.toStdString();
        }
    }
}

TEST(HelpBookTest, SearchFindsTopicsHoldingEveryWordBestFirst)
{
    HelpBook book;
    ASSERT_TRUE(book.load(shippedHelp()).ok());
    const QList<HelpSearchHit> hits = book.search(QStringLiteral("price POINTS"));
    ASSERT_FALSE(hits.isEmpty());
    EXPECT_EQ(hits.first().title, QStringLiteral("Quantity price points"));
    for (int i = 1; i < hits.size(); ++i)
        EXPECT_GE(hits[i - 1].score, hits[i].score);

    // Words are found as the beginnings of words: "hotsync" finds "HotSync".
    const QList<HelpSearchHit> sync = book.search(QStringLiteral("hotsync"));
    ASSERT_FALSE(sync.isEmpty());
    EXPECT_EQ(sync.first().page, QStringLiteral("handheld.html"));

    EXPECT_TRUE(book.search(QStringLiteral("price zebra")).isEmpty());
    EXPECT_TRUE(book.search(QStringLiteral("  ,, ")).isEmpty());
    // Markup is not text: no page is found for a tag name alone.
    EXPECT_TRUE(book.search(QStringLiteral("href")).isEmpty());
}

TEST(HelpBookTest, PlainTextDropsMarkupAndDecodesEntities)
{
    EXPECT_EQ(HelpBook::plainText(QStringLiteral(
                  "<html><head><title>T</title><style>p{}</style></head><body><!-- x -->"
                  "<p>Fish &amp; chips &lt;b&gt; &#8364;5&nbsp;or &#x41;</p></body></html>")),
              QStringLiteral("Fish & chips <b> \u20AC5 or A"));
    EXPECT_EQ(HelpBook::words(QStringLiteral("Caf\u00E9-Bar, 10 PIECES")),
              QStringList({"caf\u00E9", "bar", "10", "pieces"}));
}

TEST(HelpBookTest, MissingOrBrokenHelpGivesAClearMessage)
{
    QTemporaryDir dir;
    HelpBook book;

    const QString noFolder = dir.filePath(QStringLiteral("help/contents.xml"));
    common::Status status = book.load(noFolder);
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(QString::fromStdString(status.message()),
              texts::helpFolderMissing(dir.filePath(QStringLiteral("help"))));
    EXPECT_EQ(QString::fromStdString(status.message()),
              QStringLiteral("The help pages cannot be found: the folder \"%1\" does not exist. "
                             "Installing Vendara again puts them back.")
                  .arg(dir.filePath(QStringLiteral("help"))));
    EXPECT_FALSE(book.isLoaded());

    QDir(dir.path()).mkpath(QStringLiteral("help"));
    status = book.load(noFolder);
    EXPECT_EQ(QString::fromStdString(status.message()),
              QStringLiteral("The help pages cannot be found: their contents list \"%1\" does "
                             "not exist. Installing Vendara again puts it back.")
                  .arg(noFolder));

    const auto broken = [&](const QByteArray &xml) {
        writeFile(noFolder, xml);
        HelpBook attempt;
        const common::Status result = attempt.load(noFolder);
        EXPECT_FALSE(attempt.isLoaded());
        return QString::fromStdString(result.message());
    };
    const QString prefix =
        QStringLiteral("The help contents \"%1\" cannot be read: ").arg(noFolder);
    EXPECT_EQ(broken("<help><topic title=\"A\" page=\"a.html\">"),
              prefix + QStringLiteral("Premature end of document. in line 1."));
    EXPECT_EQ(broken("<book/>"),
              prefix + QStringLiteral("it is not a contents list of help pages."));
    EXPECT_EQ(broken("<help></help>"), prefix + QStringLiteral("it lists no topics."));
    // Pages stay inside the help folder.
    EXPECT_EQ(broken("<help>\n<topic title=\"Secrets\" page=\"../../etc/passwd\"/></help>"),
              prefix
                  + QStringLiteral("the topic in line 2 needs a title and a page inside the "
                                   "help."));
    EXPECT_EQ(broken("<help><topic title=\"A\" page=\"/etc/passwd\"/></help>"),
              prefix
                  + QStringLiteral("the topic in line 1 needs a title and a page inside the "
                                   "help."));
    EXPECT_EQ(broken("<help><topic title=\"A\" page=\"a.html\" context=\"12x\"/></help>"),
              prefix + QStringLiteral("the context id \"12x\" in line 1 is not a number."));

    // A good list after a broken one: nested topics, several ids, the first topic as home.
    writeFile(noFolder, "<help><topic title=\"A\" page=\"a.html\">"
                        "<topic title=\"B\" page=\"b.html#two\" context=\"7 8\"/></topic></help>");
    ASSERT_TRUE(book.load(noFolder).ok());
    EXPECT_EQ(book.title(), QStringLiteral("Vendara Help"));
    EXPECT_EQ(book.home(), QStringLiteral("a.html"));
    EXPECT_EQ(book.pageOf(8), QStringLiteral("b.html#two"));
    EXPECT_EQ(book.titleOf(QStringLiteral("b.html")), QStringLiteral("B"));
    EXPECT_EQ(book.pagePath(QStringLiteral("b.html#two")),
              QDir(dir.filePath(QStringLiteral("help"))).filePath(QStringLiteral("b.html")));
    ASSERT_EQ(book.contents().size(), 1);
    EXPECT_EQ(book.contents()[0].children[0].contextIds, QList<int>({7, 8}));
}

} // namespace
