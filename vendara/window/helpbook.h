// The help pages: a folder of HTML pages with a contents list, "contents.xml", which gives
// the book's title and home page and the topics in the order of the contents, each with its
// page and the context ids that open it:
//
//   <help title="Vendara Help" home="welcome.html">
//     <topic title="Quotes" page="quotes.html">
//       <topic title="Discounts" page="discounts.html" context="1200"/>
//     </topic>
//   </help>
//
// Pages are named relative to the folder and stay inside it. The search finds the topics
// whose title or page holds every word asked for (as the beginning of a word, letter case
// ignored), those with the most hits first.
#pragma once

#include "common/core/status.h"

// Qt
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// std
#include <utility>

namespace vendara {

struct HelpTopic
{
    QString title;
    QString page; // relative to the help folder, may end in "#anchor"
    QList<int> contextIds;
    QList<HelpTopic> children;
};

struct HelpSearchHit
{
    QString title;
    QString page;
    int score = 0;

    bool operator==(const HelpSearchHit &other) const = default;
};

class HelpBook
{
public:
    // Reads the contents list. A missing folder, a missing list and a list that is not one
    // are failures with the message to show; the book is then empty.
    [[nodiscard]] common::Status load(const QString &contentsFile);

    [[nodiscard]] bool isLoaded() const { return !mContentsFile.isEmpty(); }
    [[nodiscard]] const QString &contentsFile() const { return mContentsFile; }
    [[nodiscard]] const QString &folder() const { return mFolder; }
    [[nodiscard]] const QString &title() const { return mTitle; }
    // The home page: the list's "home", else the first topic's page.
    [[nodiscard]] const QString &home() const { return mHome; }
    [[nodiscard]] const QList<HelpTopic> &contents() const { return mContents; }

    // The page of a context id; empty when no topic has it.
    [[nodiscard]] QString pageOf(int contextId) const;
    // The title of the topic of `page`, else of the first topic on the same file; empty when
    // no topic shows it.
    [[nodiscard]] QString titleOf(const QString &page) const;
    // The file of a page, without its anchor.
    [[nodiscard]] QString pagePath(const QString &page) const;
    // A page relative to the folder for a file inside it; empty for a file outside.
    [[nodiscard]] QString pageFor(const QString &filePath) const;

    [[nodiscard]] QList<HelpSearchHit> search(const QString &query) const;

    // The words of a text in lower case, for the search.
    [[nodiscard]] static QStringList words(const QString &text);
    // The text a reader sees in an HTML page: no head, scripts, styles or tags; entities
    // replaced.
    [[nodiscard]] static QString plainText(const QString &html);

private:
    struct Indexed
    {
        QString title;
        QString page;
        QStringList titleWords;
        QStringList bodyWords;
    };

    [[nodiscard]] common::Status parse(const QByteArray &xml);
    void index() const;

    QString mContentsFile;
    QString mFolder;
    QString mTitle;
    QString mHome;
    QList<HelpTopic> mContents;
    QHash<int, QString> mContext;
    QList<std::pair<QString, QString>> mOrder; // title and page of every topic, in order
    mutable QList<Indexed> mIndex;
    mutable bool mIndexed = false;
};

} // namespace vendara
