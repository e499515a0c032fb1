// Runs part of a test under another locale and puts the tests' own (en_US) back after.
#pragma once

// Qt
#include <QLocale>

namespace testsupport {

class LocaleGuard
{
public:
    explicit LocaleGuard(const QLocale &locale)
        : mSaved(QLocale())
    {
        QLocale::setDefault(locale);
    }
    ~LocaleGuard() { QLocale::setDefault(mSaved); }
    LocaleGuard(const LocaleGuard &) = delete;
    LocaleGuard &operator=(const LocaleGuard &) = delete;

private:
    QLocale mSaved;
};

} // namespace testsupport
