#include "pagesections.h"

namespace vendara {

PageSections PageSections::expand(const QString &format, int page)
{
    PageSections sections;
    QString *parts[] = {&sections.left, &sections.centre, &sections.right};
    int section = 0;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        const QChar next = i + 1 < format.size() ? format.at(i + 1) : QChar();
        if (c == QLatin1Char('\t') || (c == QLatin1Char('\\') && next == QLatin1Char('t'))) {
            if (c == QLatin1Char('\\'))
                ++i;
            if (section < 2)
                ++section;
            else
                parts[section]->append(QLatin1Char(' '));
            continue;
        }
        if (c == QLatin1Char('\\') && next == QLatin1Char('p')) {
            ++i;
            parts[section]->append(QString::number(page));
            continue;
        }
        parts[section]->append(c);
    }
    return sections;
}

} // namespace vendara
