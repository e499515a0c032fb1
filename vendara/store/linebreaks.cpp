#include "linebreaks.h"

namespace vendara {

QString toDisplayLineBreaks(const QString &tableText)
{
    if (!tableText.contains(QLatin1Char('\r')))
        return tableText;
    QString text = tableText;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString toTableLineBreaks(const QString &displayText)
{
    if (!displayText.contains(QLatin1Char('\n')) && !displayText.contains(QLatin1Char('\r')))
        return displayText;
    QString text = toDisplayLineBreaks(displayText);
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

} // namespace vendara
