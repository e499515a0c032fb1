#include "systeminformation.h"

#include "helptexts.h"

#include "common/prompt/prompter.h"
#include "common/registry/registryfile.h"
#include "vendara/store/storetexts.h"

// Qt
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace vendara {

SystemInformation::SystemInformation(prompt::Prompter &prompter, QString registryPath,
                                     Starter starter)
    : mPrompter(prompter)
    , mRegistryPath(registryPath.isEmpty() ? registry::defaultRegistryPath()
                                           : std::move(registryPath))
    , mStart(std::move(starter))
{}

bool SystemInformation::GetKeyValue(const registry::RegistryFile &registry, const QString &root,
                                    const QString &keyName, const QString &valueName,
                                    QString &value)
{
    const std::optional<registry::RegistryValue> found =
        registry.value(root + QLatin1Char('\\') + keyName, valueName);
    if (!found)
        return false;
    switch (found->type) {
    case registry::RegistryValue::Type::String:
        value = found->text.section(QChar(0), 0, 0);
        break;
    case registry::RegistryValue::Type::Dword:
        value = QString::number(found->number);
        break;
    case registry::RegistryValue::Type::Other:
        value.clear();
        break;
    }
    return true;
}

void SystemInformation::StartSysInfo()
{
    registry::RegistryFile registry;
    // An unreadable registry file is a registry without the keys: the message below says
    // what the user needs to know.
    (void)registry.load(mRegistryPath);
    const QString machine = QLatin1String(kMachine);

    QString program;
    if (GetKeyValue(registry, machine, QLatin1String(kMsinfoKey), QLatin1String(kMsinfoPath),
                    program)
        && !program.isEmpty()) {
        if (mStart(program))
            return;
    } else if (QString folder; GetKeyValue(registry, machine, QLatin1String(kLocationKey),
                                           QLatin1String(kLocationValue), folder)) {
        program = QDir(folder).filePath(QLatin1String(kProgramName));
        if (QFileInfo(program).isFile() && mStart(program))
            return;
    }
    mPrompter.message(texts::sysInfoUnavailable(), texts::programTitle(), prompt::Buttons::Ok);
}

bool SystemInformation::startDetached(const QString &program)
{
    return QProcess::startDetached(program, {});
}

} // namespace vendara
