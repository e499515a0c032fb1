// Finding the Quirra databases in a handheld user's backup folder, for the database picker.
#pragma once

#include "dorvane/pdb/textformats.h"

// Qt
#include <QDateTime>
#include <QString>
#include <QStringList>

// std
#include <cstddef>
#include <vector>

namespace dorvane {

struct DatabaseEntry
{
    QString path;        // full path
    QString name;        // the database name from the file's header
    int records = 0;     // data records: the header's record count less the 31 leading ones
    QDateTime lastWrite; // as the file system gives it
    qint64 size = 0;     // bytes
};

// The picker keeps at most this many entries.
inline constexpr std::size_t kMaxDatabaseEntries = 2000;

// Every "*.pdb" file of the folder (any letter case; no folders, hidden files or other
// special files) whose header reads with the Quirra creator, in name order; at most `limit`.
[[nodiscard]] std::vector<DatabaseEntry> FindDatabaseFiles(const QString &folder,
                                                           std::size_t limit = kMaxDatabaseEntries);

// The picker's five columns: database name, records, last modified in the current date and
// time formats, file name, size.
[[nodiscard]] QStringList databaseEntryCells(const DatabaseEntry &entry, pdb::TextFormats formats);

[[nodiscard]] QStringList databaseListHeaders();
[[nodiscard]] QList<int> databaseListWidths();

} // namespace dorvane
