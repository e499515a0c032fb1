#include "helpbook.h"

#include "helptexts.h"

// Qt
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>

// std
#include <algorithm>

namespace vendara {

namespace {

common::Status failure(const QString &message)
{
    return common::Status::failure(message.toStdString());
}

// A page named in the contents stays inside the help folder.
bool safePage(const QString &page)
{
    const QString file = page.section(QLatin1Char('#'), 0, 0);
    if (file.isEmpty() || QDir::isAbsolutePath(file) || file.contains(QLatin1Char('\\')))
        return false;
    const QStringList parts = file.split(QLatin1Char('/'));
    return !parts.contains(QStringLiteral("..")) && !file.contains(QLatin1Char(':'));
}

void flatten(const QList<HelpTopic> &topics, QList<std::pair<QString, QString>> &order,
             QHash<int, QString> &context)
{
    for (const HelpTopic &topic : topics) {
        order.append({topic.title, topic.page});
        for (const int id : topic.contextIds) {
            if (!context.contains(id))
                context.insert(id, topic.page);
        }
        flatten(topic.children, order, context);
    }
}

// How often `word` begins a word of `words`.
int hits(const QStringList &words, const QString &word)
{
    return int(std::count_if(words.cbegin(), words.cend(),
                             [&](const QString &w) { return w.startsWith(word); }));
}

} // namespace

common::Status HelpBook::load(const QString &contentsFile)
{
    *this = HelpBook();
    const QFileInfo info(contentsFile);
    if (!info.dir().exists())
        return failure(texts::helpFolderMissing(QDir::toNativeSeparators(info.absolutePath())));
    if (!info.isFile())
        return failure(texts::helpContentsMissing(QDir::toNativeSeparators(contentsFile)));
    QFile file(contentsFile);
    if (!file.open(QIODevice::ReadOnly))
        return failure(texts::helpContentsUnreadable(QDir::toNativeSeparators(contentsFile),
                                                     file.errorString()));
    const common::Status parsed = parse(file.readAll());
    if (!parsed.ok()) {
        const std::string message =
            texts::helpContentsUnreadable(QDir::toNativeSeparators(contentsFile),
                                          QString::fromStdString(parsed.message()))
                .toStdString();
        *this = HelpBook();
        return common::Status::failure(message);
    }
    mContentsFile = info.absoluteFilePath();
    mFolder = info.absolutePath();
    flatten(mContents, mOrder, mContext);
    if (mHome.isEmpty() && !mOrder.isEmpty())
        mHome = mOrder.first().second;
    return common::Status::success();
}

common::Status HelpBook::parse(const QByteArray &xml)
{
    QXmlStreamReader reader(xml);
    if (!reader.readNextStartElement() || reader.name() != QLatin1String("help"))
        return failure(QStringLiteral("it is not a contents list of help pages."));
    mTitle = reader.attributes().value(QLatin1String("title")).toString().trimmed();
    mHome = reader.attributes().value(QLatin1String("home")).toString().trimmed();
    if (!mHome.isEmpty() && !safePage(mHome))
        return failure(QStringLiteral("the home page \"%1\" lies outside the help.").arg(mHome));

    // The topics being read, from the outermost.
    QList<HelpTopic> open;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (reader.name() != QLatin1String("topic"))
                return failure(QStringLiteral("unknown element <%1> in line %2.")
                                   .arg(reader.name().toString())
                                   .arg(reader.lineNumber()));
            HelpTopic topic;
            const QXmlStreamAttributes attributes = reader.attributes();
            topic.title = attributes.value(QLatin1String("title")).toString().trimmed();
            topic.page = attributes.value(QLatin1String("page")).toString().trimmed();
            if (topic.title.isEmpty() || !safePage(topic.page))
                return failure(QStringLiteral("the topic in line %1 needs a title and a page "
                                              "inside the help.")
                                   .arg(reader.lineNumber()));
            const QString ids = attributes.value(QLatin1String("context")).toString();
            for (const QString &id : ids.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                bool ok = false;
                const int number = id.toInt(&ok);
                if (!ok)
                    return failure(QStringLiteral("the context id \"%1\" in line %2 is not a "
                                                  "number.")
                                       .arg(id)
                                       .arg(reader.lineNumber()));
                topic.contextIds.append(number);
            }
            open.append(topic);
        } else if (token == QXmlStreamReader::EndElement && !open.isEmpty()) {
            HelpTopic done = open.takeLast();
            (open.isEmpty() ? mContents : open.last().children).append(std::move(done));
        }
    }
    if (reader.hasError())
        return failure(
            QStringLiteral("%1 in line %2.").arg(reader.errorString()).arg(reader.lineNumber()));
    if (mContents.isEmpty())
        return failure(QStringLiteral("it lists no topics."));
    if (mTitle.isEmpty())
        mTitle = texts::helpCaption();
    return common::Status::success();
}

QString HelpBook::pageOf(int contextId) const
{
    return mContext.value(contextId);
}

QString HelpBook::titleOf(const QString &page) const
{
    for (const auto &[title, listed] : mOrder) {
        if (listed == page)
            return title;
    }
    const QString file = page.section(QLatin1Char('#'), 0, 0);
    for (const auto &[title, listed] : mOrder) {
        if (listed.section(QLatin1Char('#'), 0, 0) == file)
            return title;
    }
    return {};
}

QString HelpBook::pagePath(const QString &page) const
{
    return QDir(mFolder).filePath(page.section(QLatin1Char('#'), 0, 0));
}

QString HelpBook::pageFor(const QString &filePath) const
{
    if (mFolder.isEmpty())
        return {};
    const QString relative = QDir(mFolder).relativeFilePath(QDir::cleanPath(filePath));
    return safePage(relative) ? relative : QString();
}

QStringList HelpBook::words(const QString &text)
{
    static const QRegularExpression separators(QStringLiteral("[^\\w]+"),
                                               QRegularExpression::UseUnicodePropertiesOption);
    QStringList result = text.toLower().split(separators, Qt::SkipEmptyParts);
    result.removeAll(QStringLiteral("_"));
    return result;
}

QString HelpBook::plainText(const QString &html)
{
    static const QRegularExpression hidden(QStringLiteral("<(head|script|style)\\b.*?</\\1\\s*>"),
                                           QRegularExpression::CaseInsensitiveOption
                                               | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression comments(QStringLiteral("<!--.*?-->"),
                                             QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    static const QRegularExpression numeric(QStringLiteral("&#(x?)([0-9a-fA-F]+);"));
    QString text = html;
    text.remove(comments);
    text.remove(hidden);
    text.replace(tags, QStringLiteral(" "));
    QString decoded;
    decoded.reserve(text.size());
    qsizetype from = 0;
    for (auto it = numeric.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        decoded += text.mid(from, match.capturedStart() - from);
        bool ok = false;
        const uint code = match.captured(2).toUInt(&ok, match.captured(1).isEmpty() ? 10 : 16);
        if (ok && code > 0 && code <= 0x10FFFF) {
            const char32_t cp = code;
            decoded += QString::fromUcs4(&cp, 1);
        }
        from = match.capturedEnd();
    }
    decoded += text.mid(from);
    decoded.replace(QLatin1String("&nbsp;"), QLatin1String(" "));
    decoded.replace(QLatin1String("&lt;"), QLatin1String("<"));
    decoded.replace(QLatin1String("&gt;"), QLatin1String(">"));
    decoded.replace(QLatin1String("&quot;"), QLatin1String("\""));
    decoded.replace(QLatin1String("&apos;"), QLatin1String("'"));
    decoded.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return decoded.simplified();
}

void HelpBook::index() const
{
    if (mIndexed)
        return;
    mIndexed = true;
    QStringList seen;
    for (const auto &[title, page] : mOrder) {
        const QString file = page.section(QLatin1Char('#'), 0, 0);
        if (seen.contains(file))
            continue;
        seen.append(file);
        Indexed entry{title, file, words(title), {}};
        QFile html(pagePath(file));
        if (html.open(QIODevice::ReadOnly))
            entry.bodyWords = words(plainText(QString::fromUtf8(html.readAll())));
        mIndex.append(entry);
    }
}

QList<HelpSearchHit> HelpBook::search(const QString &query) const
{
    const QStringList wanted = words(query);
    if (wanted.isEmpty() || !isLoaded())
        return {};
    index();
    QList<HelpSearchHit> found;
    for (const Indexed &entry : mIndex) {
        int score = 0;
        bool every = true;
        for (const QString &word : wanted) {
            const int inTitle = hits(entry.titleWords, word);
            const int inBody = hits(entry.bodyWords, word);
            if (inTitle + inBody == 0) {
                every = false;
                break;
            }
            score += 10 * inTitle + inBody;
        }
        if (every)
            found.append(HelpSearchHit{entry.title, entry.page, score});
    }
    std::stable_sort(
        found.begin(), found.end(),
        [](const HelpSearchHit &a, const HelpSearchHit &b) { return a.score > b.score; });
    return found;
}

} // namespace vendara
