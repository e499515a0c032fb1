// "&System Info..." of the about box: starts the system-information program that the
// registry names (machine-wide keys, in the registry file), or says that there is none.
#pragma once

// Qt
#include <QString>

// std
#include <functional>

namespace prompt {
class Prompter;
}

namespace registry {
class RegistryFile;
}

namespace vendara {

class SystemInformation
{
public:
    // Starts a program with a normal window; false when it cannot be started.
    using Starter = std::function<bool(const QString &program)>;

    static constexpr const char *kMachine = "HKEY_LOCAL_MACHINE";
    static constexpr const char *kMsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    static constexpr const char *kMsinfoPath = "PATH";
    static constexpr const char *kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
    static constexpr const char *kLocationValue = "MSINFO";
    static constexpr const char *kProgramName = "MSINFO32.EXE";

    // `registryPath`: the registry file to read (empty: the one in use).
    SystemInformation(prompt::Prompter &prompter, QString registryPath = {},
                      Starter starter = startDetached);

    // The program named by the "PATH" value of the MSINFO key, else "MSINFO32.EXE" in the
    // folder named by the "MSINFO" value of the Shared Tools Location key when that file
    // exists; otherwise, or when the program does not start, "System Information Is
    // Unavailable At This Time".
    void StartSysInfo();

    // Reads value `valueName` of key `root`\`keyName`. True with a string value's text up to
    // its first NUL, a 32-bit number value in decimal, or empty text for a value of another
    // kind; false when the key or the value cannot be read.
    [[nodiscard]] static bool GetKeyValue(const registry::RegistryFile &registry,
                                          const QString &root, const QString &keyName,
                                          const QString &valueName, QString &value);

    [[nodiscard]] static bool startDetached(const QString &program);

private:
    prompt::Prompter &mPrompter;
    QString mRegistryPath;
    Starter mStart;
};

} // namespace vendara
