// The registry file: its header and encoding, sections, string, DWORD and other values, and
// the text it would be written as, which must read back as itself.
#include "fuzzsupport.h"

#include "common/registry/registryfile.h"

namespace fuzz {

void readRegistry(const std::uint8_t *data, std::size_t size)
{
    const QString path =
        scratchFile(QStringLiteral("registry.reg"), QByteArrayView(data, qsizetype(size)));
    registry::RegistryFile file;
    if (!file.load(path).ok())
        return;
    const QString software = QStringLiteral("HKEY_CURRENT_USER\\Software\\");
    for (const char *root : {"U.S. Robotics", "Palm Computing"}) {
        const QString core =
            software + QLatin1String(root) + QStringLiteral("\\Pilot Desktop\\Core");
        (void)file.keyExists(core);
        (void)file.stringValue(core, QStringLiteral("Path"));
        (void)file.dwordValue(software + QLatin1String(root)
                                  + QStringLiteral("\\Pilot Desktop\\HotSync Manager"),
                              QStringLiteral("Install3"));
    }
    const QByteArray text = file.serialize();
    registry::RegistryFile again;
    require(again.load(scratchFile(QStringLiteral("again.reg"), text)).ok(),
            "the written text reads back");
    require(again.serialize() == text, "the written text reads back as itself");
}

} // namespace fuzz
