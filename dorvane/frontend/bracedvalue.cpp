#include "bracedvalue.h"

namespace dorvane {

int CollectBracedValue(const QStringList &arguments, int index, QString &buffer)
{
    const QString &first = arguments.at(index);
    const qsizetype open = first.indexOf(QLatin1Char('{'));
    QString rest = open < 0 ? QString() : first.mid(open + 1);
    qsizetype close = rest.indexOf(QLatin1Char('}'));
    if (close >= 0) {
        buffer = rest.left(close);
        return index;
    }
    QString value = rest;
    int last = index;
    while (last + 1 < arguments.size()) {
        ++last;
        const QString &next = arguments.at(last);
        close = next.indexOf(QLatin1Char('}'));
        value += QLatin1Char(' ') + (close >= 0 ? next.left(close) : next);
        if (close >= 0)
            break;
    }
    buffer = value;
    return last;
}

} // namespace dorvane
