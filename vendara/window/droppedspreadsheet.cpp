#include "droppedspreadsheet.h"

// Qt
#include <QFileInfo>
#include <QMimeData>
#include <QStringList>
#include <QUrl>

namespace vendara {

QString DroppedSpreadsheet::path(const QMimeData *data)
{
    if (data == nullptr || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    const QString file = urls.first().toLocalFile();
    static const QStringList kSpreadsheets = {QStringLiteral("xls"), QStringLiteral("xlsx"),
                                              QStringLiteral("ods"), QStringLiteral("csv"),
                                              QStringLiteral("txt")};
    if (!kSpreadsheets.contains(QFileInfo(file).suffix().toLower()))
        return {};
    return file;
}

} // namespace vendara
