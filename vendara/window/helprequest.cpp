#include "helprequest.h"

namespace vendara {

QString HelpRequest::target() const
{
    if (pane.isEmpty())
        return file;
    return file.trimmed() + QLatin1Char('>') + pane.trimmed();
}

bool HelpRequest::searchPane() const
{
    return pane.trimmed().compare(QLatin1String("Search"), Qt::CaseInsensitive) == 0;
}

} // namespace vendara
