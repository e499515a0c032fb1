#include "settingsstore.h"

#include "numberforms.h"

// Qt
#include <QSettings>
#include <QStringList>

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
{}

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

void SettingsStore::setValue(const QString &section, const QString &key, const QString &value)
{
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
}

void SettingsStore::remove(const QString &section, const QString &key)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, mApplication, mApplication);
    while (const auto address = find(settings, section, key))
        settings.remove(address->section + QLatin1Char('/') + address->key);
    settings.sync();
}

double SettingsStore::number(const QString &section, const QString &key, double defaultValue) const
{
    if (!contains(section, key))
        return defaultValue;
    const auto read = NumberForms::readNumber(value(section, key));
    return read ? *read : defaultValue;
}

void SettingsStore::setNumber(const QString &section, const QString &key, double value)
{
    const double whole = std::round(value);
    if (whole == value && std::fabs(value) < 1e15)
        setValue(section, key, QString::number(qlonglong(whole)));
    else
        setValue(section, key, NumberForms::shortest(float(value)));
}

} // namespace vendara
