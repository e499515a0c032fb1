#include "settingsstore.h"

#include "numberforms.h"

// Qt
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

// POSIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// std
#include <cmath>

namespace vendara {

namespace {

QString matching(const QStringList &names, const QString &wanted)
{
    if (names.contains(wanted))
        return wanted;
    for (const QString &name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return name;
    }
    return {};
}

// The stored spelling of section and key, when there is one.
struct Address
{
    QString section;
    QString key;
};

std::optional<Address> find(QSettings &settings, const QString &section, const QString &key)
{
    const QString group = matching(settings.childGroups(), section);
    if (group.isEmpty())
        return std::nullopt;
    settings.beginGroup(group);
    const QString name = matching(settings.childKeys(), key);
    settings.endGroup();
    if (name.isEmpty())
        return std::nullopt;
    return Address{group, name};
}

} // namespace

SettingsStore::SettingsStore(QString application)
    : mApplication(std::move(application))
{
    // A file left readable by others (by an older copy of the program) is taken back.
    if (QFileInfo::exists(fileName()))
        restrictFile();
}

void SettingsStore::restrictFile() const
{
    const QString file = fileName();
    const QString folder = QFileInfo(file).absolutePath();
    if (!QFileInfo::exists(folder) && QDir().mkpath(folder))
        ::chmod(QFile::encodeName(folder).constData(), 0700);
    const QByteArray name = QFile::encodeName(file);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return;
    }
    struct stat status
    {
    };
    if (::stat(name.constData(), &status) == 0 && S_ISREG(status.st_mode)
        && (status.st_mode & 0077) != 0)
        ::chmod(name.constData(), status.st_mode & 0700);
}

common::Status SettingsStore::written(const QSettings &settings) const
{
    // QSettings copies the permissions of the file it replaces; a new file it made itself
    // would have the usual ones.
    restrictFile();
    // A format error is about reading a hand-edited file; the values were still written.
    if (settings.status() != QSettings::AccessError)
        return common::Status::success();
    return common::Status::failure(
        QStringLiteral("Cannot write %1").arg(QDir::toNativeSeparators(fileName())).toStdString());
}

QString SettingsStore::fileName() const
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, mApplication, mApplication)
        .fileName();
}

QString SettingsStore::value(const QString &section, const QString &key,
                             const QString &defaultValue) const
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, mApplication, mApplication);
    const auto address = find(settings, section, key);
    if (!address)
        return defaultValue;
    const QVariant stored = settings.value(address->section + QLatin1Char('/') + address->key);
    // A hand-written value with commas comes back from the INI file as a list.
    if (stored.metaType().id() == QMetaType::QStringList)
        return stored.toStringList().join(QLatin1String(", "));
    return stored.toString();
}

bool SettingsStore::contains(const QString &section, const QString &key) const
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, mApplication, mApplication);
    return find(settings, section, key).has_value();
}

common::Status SettingsStore::setValue(const QString &section, const QString &key,
                                       const QString &value)
{
    restrictFile();
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, mApplication, mApplication);
    QString group = matching(settings.childGroups(), section);
    if (group.isEmpty())
        group = section;
    settings.beginGroup(group);
    QString name = matching(settings.childKeys(), key);
    if (name.isEmpty())
        name = key;
    settings.setValue(name, value);
    settings.endGroup();
    settings.sync();
    return written(settings);
}

common::Status SettingsStore::remove(const QString &section, const QString &key)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, mApplication, mApplication);
    if (!find(settings, section, key))
        return common::Status::success();
    restrictFile();
    while (const auto address = find(settings, section, key))
        settings.remove(address->section + QLatin1Char('/') + address->key);
    settings.sync();
    return written(settings);
}

double SettingsStore::number(const QString &section, const QString &key, double defaultValue) const
{
    if (!contains(section, key))
        return defaultValue;
    const auto read = NumberForms::readNumber(value(section, key));
    return read ? *read : defaultValue;
}

common::Status SettingsStore::setNumber(const QString &section, const QString &key, double value)
{
    const double whole = std::round(value);
    if (whole == value && std::fabs(value) < 1e15)
        return setValue(section, key, QString::number(qlonglong(whole)));
    return setValue(section, key, NumberForms::shortest(float(value)));
}

} // namespace vendara
