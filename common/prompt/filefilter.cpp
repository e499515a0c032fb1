#include "filefilter.h"

// Qt
#include <QRegularExpression>

namespace prompt {

QList<FileFilter> parseFileFilter(const QString &filter)
{
    QList<FileFilter> pairs;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        FileFilter pair;
        pair.description = parts.at(i);
        for (const QString &pattern : parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts))
            pair.patterns.append(pattern.trimmed());
        pairs.append(pair);
    }
    return pairs;
}

QStringList qtNameFilters(const QString &filter)
{
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    QStringList result;
    for (const FileFilter &pair : parseFileFilter(filter)) {
        QString description = pair.description;
        description.remove(trailingPatterns);
        QStringList patterns;
        for (const QString &pattern : pair.patterns)
            patterns.append(pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
        result.append(description.trimmed() + QStringLiteral(" (") + patterns.join(QLatin1Char(' '))
                      + QLatin1Char(')'));
    }
    return result;
}

} // namespace prompt
