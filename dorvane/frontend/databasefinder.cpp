#include "databasefinder.h"

#include "common/qt/cp1252text.h"
#include "dorvane/pdb/database.h"
#include "dorvane/pdb/databaseheader.h"

// Qt
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace dorvane {

namespace {

QString fromBytes(const std::string &bytes)
{
    return common::fromCp1252(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

} // namespace

std::vector<DatabaseEntry> FindDatabaseFiles(const QString &folder, std::size_t limit)
{
    std::vector<DatabaseEntry> entries;
    if (folder.isEmpty())
        return entries;
    const QDir dir(folder);
    const QFileInfoList files = dir.entryInfoList(
        {QStringLiteral("*.pdb")}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &info : files) {
        if (entries.size() >= limit)
            break;
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.read(qint64(pdb::DatabaseHeader::kSize));
        if (bytes.size() < qsizetype(pdb::DatabaseHeader::kSize))
            continue;
        const pdb::DatabaseHeader header =
            pdb::DatabaseHeader::decode(std::string_view(bytes.constData(), size_t(bytes.size())));
        if (!header.hasQuirraCreator())
            continue;
        DatabaseEntry entry;
        entry.path = info.absoluteFilePath();
        entry.name = fromBytes(header.databaseName());
        entry.records = qMax(0, int(header.recordCount) - int(pdb::kFirstDataRecord));
        entry.lastWrite = info.lastModified();
        const QFileInfo again(entry.path);
        entry.size = again.exists() ? again.size() : 0;
        entries.push_back(entry);
    }
    return entries;
}

QStringList databaseEntryCells(const DatabaseEntry &entry, pdb::TextFormats formats)
{
    // The file system's date becomes a day number counted from 1 January 1904, the form in
    // which the handheld keeps dates, so that it shows in the user's date format.
    const QDateTime local = entry.lastWrite.toLocalTime();
    const qint64 day = QDate(1904, 1, 1).daysTo(local.date());
    const std::string date = pdb::dateText(std::uint32_t(qMax<qint64>(0, day)), formats.dateFormat);
    const std::string time =
        pdb::timeText(local.time().hour(), local.time().minute(), formats.timeFormat);
    return {entry.name, QString::number(entry.records),
            fromBytes(date) + QLatin1Char(' ') + fromBytes(time), entry.path,
            QString::number(entry.size)};
}

QStringList databaseListHeaders()
{
    return {QStringLiteral("Database Name"), QStringLiteral("# Records"),
            QStringLiteral("Last Modified"), QStringLiteral("File Name"),
            QStringLiteral("File Size")};
}

QList<int> databaseListWidths()
{
    return {100, 65, 100, 170, 55};
}

} // namespace dorvane
