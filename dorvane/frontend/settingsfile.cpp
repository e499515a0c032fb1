#include "settingsfile.h"

#include "common/qt/installedcopy.h"

#include "common/core/safefile.h"
#include "common/qt/cp1252text.h"

// Qt
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>

// std
#include <algorithm>
#include <limits>

namespace dorvane {

namespace {

const QString kFileName = QStringLiteral("QD.INI");

const QStringList kPrefKeys = {
    QStringLiteral("CSV SEPARATOR"),
    QStringLiteral("DATE FORMAT"),
    QStringLiteral("TIME FORMAT"),
    QStringLiteral("CSV ENCODING"),
};

const QStringList kConfigKeys = {
    QStringLiteral("INPUT PDB="),
    QStringLiteral("INSTALL USER"),
    QStringLiteral("OUTPUT CSV="),
    QStringLiteral("USE QUOTES="),
    QStringLiteral("FIELD NAMES="),
    QStringLiteral("INPUT CSV="),
    QStringLiteral("OUTPUT PDB="),
    QStringLiteral("DATABASE NAME="),
    QStringLiteral("HAS NAMES="),
    QStringLiteral("USE PDB FILE INFO="),
    QStringLiteral("USE PDB DATABASENAME="),
    QStringLiteral("VIEW PDB="),
};

// The file's lines without their line ends. The file is written in UTF-8, since it holds
// file names; one copied from Windows holds single-byte text.
QStringList fileLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(bytes);
    if (decoder.hasError())
        text = common::fromCp1252(bytes);
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines) {
        const qsizetype cut = line.indexOf(QLatin1Char('\r'));
        if (cut >= 0)
            line.truncate(cut);
    }
    return lines;
}

// The key is searched for in the part of the line up to and including its first "=", so a
// value that happens to contain a key's text (a folder named "Date Format") does not
// change another setting.
template<typename Key>
std::vector<SettingsFile::Line<Key>> recognisedLines(const QString &path, const QStringList &keys)
{
    std::vector<SettingsFile::Line<Key>> result;
    for (const QString &line : fileLines(path)) {
        if (line.startsWith(QLatin1Char('[')))
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QString keyPart = equals < 0 ? line : line.left(equals + 1);
        const QString value = equals < 0 ? QString() : line.mid(equals + 1);
        for (qsizetype k = 0; k < keys.size(); ++k) {
            if (keyPart.contains(keys.at(k), Qt::CaseInsensitive)) {
                result.push_back({Key(k), value});
                break;
            }
        }
    }
    return result;
}

QString trueFalse(bool value)
{
    return value ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

} // namespace

int leadingInteger(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    qint64 number = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        number = number * 10 + (text[i].unicode() - '0');
        if (number > std::numeric_limits<int>::max())
            number = qint64(std::numeric_limits<int>::max()) + 1;
    }
    if (negative)
        number = -number;
    return int(std::clamp<qint64>(number, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

QString SettingsFile::location(const QString &programFolder)
{
    const QFileInfo folder(programFolder);
    if (folder.isDir() && folder.isWritable() && !common::isInstalledCopy(programFolder, kFileName))
        return QDir(programFolder).filePath(kFileName);
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/vendara/") + kFileName;
}

std::vector<SettingsFile::Line<SettingsFile::PrefKey>> SettingsFile::readPrefs(const QString &path)
{
    return recognisedLines<PrefKey>(path, kPrefKeys);
}

std::vector<SettingsFile::Line<SettingsFile::ConfigKey>>
SettingsFile::readConfig(const QString &path)
{
    return recognisedLines<ConfigKey>(path, kConfigKeys);
}

bool SettingsFile::isTrue(const QString &value)
{
    return !value.contains(QLatin1String("FALSE"), Qt::CaseInsensitive);
}

QByteArray SettingsFile::format(const SavedSettings &s)
{
    const QStringList lines = {
        QStringLiteral("[Preferences]"),
        QStringLiteral("CSV SEPARATOR=") + s.separator,
        QStringLiteral("DATE FORMAT=%1").arg(s.dateFormat),
        QStringLiteral("TIME FORMAT=%1").arg(s.timeFormat),
        QStringLiteral("CSV ENCODING=") + s.csvEncoding,
        QStringLiteral("INSTALL USER=%1").arg(s.installUser),
        QStringLiteral("[To .CSV Settings]"),
        QStringLiteral("INPUT PDB=") + s.inputPdb,
        QStringLiteral("OUTPUT CSV=") + s.outputCsv,
        QStringLiteral("USE QUOTES=") + trueFalse(s.useQuotes),
        QStringLiteral("FIELD NAMES=") + trueFalse(s.fieldNames),
        QStringLiteral("[To .PDB Settings]"),
        QStringLiteral("INPUT CSV=") + s.inputCsv,
        QStringLiteral("OUTPUT PDB=") + s.outputPdb,
        QStringLiteral("DATABASE NAME=") + s.databaseName,
        QStringLiteral("HAS NAMES=") + trueFalse(s.hasNames),
        QStringLiteral("USE PDB FILE INFO=") + trueFalse(s.usePdbFileInfo),
        QStringLiteral("USE PDB DATABASENAME=") + s.pdbForInfo,
        QStringLiteral("[View .PDB Settings]"),
        QStringLiteral("VIEW PDB=") + s.viewPdb,
    };
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

common::Status SettingsFile::write(const QString &path, const SavedSettings &settings)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QByteArray bytes = format(settings);
    return common::replaceFile(std::filesystem::path(QFile::encodeName(path).toStdString()),
                               std::string_view(bytes.constData(), size_t(bytes.size())),
                               common::SafeFile::Sync::No);
}

} // namespace dorvane
