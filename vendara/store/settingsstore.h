// The per-user settings store: text values addressed by application name, section and key,
// kept by QSettings in INI form in the user's configuration folder
// ($XDG_CONFIG_HOME/<application>/<application>.ini). Section and key names are matched
// without regard to letter case, as the store this program grew up with did; QSettings
// itself tells case apart, so names are matched here. Every value is written at once and
// nothing is cached: each read sees the file. QSettings replaces the file safely (a temporary
// file renamed over it). The file holds the user password as plain text, so it is made, and
// kept, readable by its owner only (0600), in a folder of the owner's only when made here.
#pragma once

#include "common/core/status.h"

// Qt
#include <QString>

class QSettings;

// std
#include <optional>

namespace vendara {

class SettingsStore
{
public:
    // "Vendara LITE" for every setting of the catalogue program.
    explicit SettingsStore(QString application = QStringLiteral("Vendara LITE"));

    [[nodiscard]] const QString &application() const { return mApplication; }
    [[nodiscard]] QString fileName() const;

    // The stored text, or `defaultValue` when the key is not there.
    [[nodiscard]] QString value(const QString &section, const QString &key,
                                const QString &defaultValue = {}) const;
    [[nodiscard]] bool contains(const QString &section, const QString &key) const;
    // A failure (the file or its folder cannot be written) leaves the file as it was; callers
    // for which a lost value matters tell the user.
    common::Status setValue(const QString &section, const QString &key, const QString &value);
    common::Status remove(const QString &section, const QString &key);

    // A stored number (as the user's number settings or the plain form write it), or
    // `defaultValue` when the key is missing or its text is not a number.
    [[nodiscard]] double number(const QString &section, const QString &key,
                                double defaultValue) const;
    common::Status setNumber(const QString &section, const QString &key, double value);

private:
    // Makes the file (and its folder) before QSettings first writes it, with the owner's
    // permissions only, and takes them back from a file others can read.
    void restrictFile() const;
    [[nodiscard]] common::Status written(const QSettings &settings) const;

    QString mApplication;
};

} // namespace vendara
