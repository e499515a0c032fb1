// The registry of the handheld's desktop software and of the system-information program,
// kept in a text file in the format the Windows registry editor exports:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\Software\Palm Computing\Pilot Desktop\Core]
//   "Path"="/home/anna/Palm"
//
//   [HKEY_CURRENT_USER\Software\Palm Computing\Pilot Desktop\HotSync Manager]
//   "Install2"=dword:00000001
//
// Key and value names are matched without regard to letter case, as the registry does. A key
// exists when a section names it or a key below it. Setting a value rewrites the file safely
// and keeps every other line of it as it stands.
#pragma once

#include "common/core/status.h"

// Qt
#include <QString>
#include <QStringList>

// std
#include <optional>
#include <vector>

namespace registry {

// The registry file in use: the file named by VENDARA_REGISTRY, else
// $XDG_CONFIG_HOME/vendara/registry.reg (~/.config/vendara/registry.reg).
[[nodiscard]] QString defaultRegistryPath();

struct RegistryValue
{
    enum class Type { String, Dword, Other };

    Type type = Type::Other;
    QString text;       // String: the text without its quotes and escapes; Other: as written
    quint32 number = 0; // Dword
};

class RegistryFile
{
public:
    RegistryFile() = default;

    // Reads the file. A missing file is an empty registry (no keys, no error); a file that
    // cannot be read or does not begin with a registry editor header is an error and the
    // registry stays empty, so it is never written over.
    [[nodiscard]] common::Status load(const QString &path);

    [[nodiscard]] const QString &path() const { return mPath; }

    // Key paths as in the section lines, with their root: "HKEY_CURRENT_USER\Software\...".
    [[nodiscard]] bool keyExists(const QString &key) const;
    [[nodiscard]] std::optional<RegistryValue> value(const QString &key, const QString &name) const;
    [[nodiscard]] std::optional<QString> stringValue(const QString &key, const QString &name) const;
    [[nodiscard]] std::optional<quint32> dwordValue(const QString &key, const QString &name) const;

    // Sets a value of an existing key and rewrites the file (temporary file and rename). A
    // key that does not exist is not created: the call fails, as opening it would. So does a
    // value that would not read back as set; the file is then left as it is. A file the
    // program writes first is readable by its owner only.
    [[nodiscard]] common::Status setDword(const QString &key, const QString &name, quint32 number);
    [[nodiscard]] common::Status setString(const QString &key, const QString &name,
                                           const QString &text);

    // The whole file as it would be written.
    [[nodiscard]] QByteArray serialize() const;

    // A fresh registry file's text, for new files: the header and a blank line.
    [[nodiscard]] static QString header();
    // A string value line: "Path"="C:\\Palm" with \\ and \" escapes.
    [[nodiscard]] static QString stringLine(const QString &name, const QString &text);
    [[nodiscard]] static QString dwordLine(const QString &name, quint32 number);

private:
    struct ValueEntry
    {
        QString name;
        int firstLine = 0; // logical line, continuation lines included
        int lastLine = 0;
        bool deleted = false; // "name"=-
        RegistryValue value;
    };
    struct Section
    {
        QString key;
        int headerLine = 0;
        int lastLine = 0;     // last line that belongs to the section's values
        bool deleted = false; // [-key]
        std::vector<ValueEntry> values;
    };

    // Decodes and parses the file's bytes; fails without its header.
    [[nodiscard]] common::Status fromBytes(const QByteArray &bytes);
    void parse();
    [[nodiscard]] const ValueEntry *findValue(const QString &key, const QString &name) const;
    [[nodiscard]] common::Status setLine(const QString &key, const QString &name,
                                         const QString &line);
    [[nodiscard]] common::Status write();
    // The value a line of a section gives.
    [[nodiscard]] static std::optional<RegistryValue> valueOfLine(const QString &line);

    QString mPath;
    QStringList mLines; // physical lines without their line ends
    QString mLineEnd = QStringLiteral("\r\n");
    enum class Encoding { Utf8, Utf8Bom, Utf16Le, Cp1252 };
    Encoding mEncoding = Encoding::Utf8;
    bool mLoaded = false; // a valid file (or a missing one) was read
    std::vector<Section> mSections;
};

} // namespace registry
