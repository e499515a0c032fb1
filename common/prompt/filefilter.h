// The common dialog's filter text ("Text Files (*.txt)|*.txt|...") in Qt's form.
#pragma once

// Qt
#include <QString>
#include <QStringList>

namespace prompt {

struct FileFilter
{
    QString description;  // as written, e.g. "Excel Files (*.xls)"
    QStringList patterns; // e.g. {"*.xls"}
};

// Splits "desc|pat;pat|desc|pat" into its pairs; a trailing description without patterns
// is dropped.
[[nodiscard]] QList<FileFilter> parseFileFilter(const QString &filter);

// One Qt name filter per pair, "Excel Files (*.xls)"; "*.*" becomes "*" since names without
// a dot are files too on this system.
[[nodiscard]] QStringList qtNameFilters(const QString &filter);

} // namespace prompt
