// "QD.INI", the converter's settings file: plain text of KEY=VALUE lines under four section
// lines, written with CR LF line ends. Reading finds a key wherever it stands before the
// line's "=", ignoring letter case; section lines carry no meaning when reading.
#pragma once

#include "common/core/status.h"

// Qt
#include <QString>
#include <QStringList>

// std
#include <vector>

namespace dorvane {

// Everything the file holds, as written on close.
struct SavedSettings
{
    QChar separator = QLatin1Char(',');
    int dateFormat = 0;
    int timeFormat = 0;
    QString csvEncoding;  // "Windows-1252" or "UTF-8"
    int installUser = -1; // -1: automatic install off
    QString inputPdb;
    QString outputCsv;
    bool useQuotes = false;
    bool fieldNames = false;
    QString inputCsv;
    QString outputPdb;
    QString databaseName;
    bool hasNames = true;
    bool usePdbFileInfo = false;
    QString pdbForInfo;
    QString viewPdb;
};

class SettingsFile
{
public:
    // Keys of the preferences, in the order in which a line is tested.
    enum class PrefKey { CsvSeparator, DateFormat, TimeFormat, CsvEncoding };
    // Keys of the window fields, in the order in which a line is tested.
    enum class ConfigKey {
        InputPdb,
        InstallUser,
        OutputCsv,
        UseQuotes,
        FieldNames,
        InputCsv,
        OutputPdb,
        DatabaseName,
        HasNames,
        UsePdbFileInfo,
        UsePdbDatabaseName,
        ViewPdb,
    };

    template<typename Key>
    struct Line
    {
        Key key;
        QString value; // the text after the line's first "="
    };

    // Where the file lives: beside the executable in `programFolder`, or, when that folder
    // cannot be written (an installed copy), in the user's configuration folder.
    [[nodiscard]] static QString location(const QString &programFolder);

    // The recognised lines of the file in file order; nothing when it cannot be read.
    [[nodiscard]] static std::vector<Line<PrefKey>> readPrefs(const QString &path);
    [[nodiscard]] static std::vector<Line<ConfigKey>> readConfig(const QString &path);

    // The file's text.
    [[nodiscard]] static QByteArray format(const SavedSettings &settings);
    // Creates or replaces the file, safely: a failure leaves the old file as it was.
    static common::Status write(const QString &path, const SavedSettings &settings);

    // A yes/no value is false when it contains "FALSE" in any letter case, true otherwise.
    [[nodiscard]] static bool isTrue(const QString &value);
};

// A number read from the start of a text as C's atoi does: blanks, an optional sign, digits
// up to the first other character; no digits give 0.
[[nodiscard]] int leadingInteger(QStringView text);

} // namespace dorvane
