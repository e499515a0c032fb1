// The converter's settings file "QD.INI": the preferences and the window fields, with the
// numbers and yes/no values read from them.
#include "fuzzsupport.h"

#include "dorvane/frontend/settingsfile.h"

namespace fuzz {

void readQdini(const std::uint8_t *data, std::size_t size)
{
    using dorvane::SettingsFile;
    const QString path =
        scratchFile(QStringLiteral("QD.INI"), QByteArrayView(data, qsizetype(size)));
    for (const auto &line : SettingsFile::readPrefs(path))
        (void)dorvane::leadingInteger(line.value);
    for (const auto &line : SettingsFile::readConfig(path)) {
        (void)dorvane::leadingInteger(line.value);
        (void)SettingsFile::isTrue(line.value);
    }
}

} // namespace fuzz
