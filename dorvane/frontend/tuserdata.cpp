#include "tuserdata.h"

#include "texts.h"

#include "common/core/safefile.h"
#include "common/prompt/prompter.h"
#include "common/qt/cp1252text.h"
#include "common/registry/registryfile.h"

// Qt
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace dorvane {

namespace {

const QString kCoreKey = QStringLiteral("\\Pilot Desktop\\Core");
const QString kHotSyncKey = QStringLiteral("\\Pilot Desktop\\HotSync Manager");

// A cursor over the users file that fails instead of reading past its end.
class ByteReader
{
public:
    explicit ByteReader(QByteArrayView bytes)
        : mBytes(bytes)
    {}

    [[nodiscard]] bool at(qsizetype pos)
    {
        mPos = pos;
        return mPos <= mBytes.size();
    }
    [[nodiscard]] bool byte(quint8 *out)
    {
        if (mPos >= mBytes.size())
            return false;
        *out = quint8(mBytes[mPos++]);
        return true;
    }
    [[nodiscard]] bool skip(qsizetype count)
    {
        if (mBytes.size() - mPos < count)
            return false;
        mPos += count;
        return true;
    }
    [[nodiscard]] bool text(qsizetype length, QString *out)
    {
        if (mBytes.size() - mPos < length)
            return false;
        *out = common::fromCp1252(mBytes.sliced(mPos, length));
        mPos += length;
        return true;
    }

private:
    QByteArrayView mBytes;
    qsizetype mPos = 0;
};

// The byte after the folder name is not examined; it only has to be there when the scan for
// the next entry starts after it, so the last entry is whole without it.
bool readEntry(ByteReader &reader, UserEntry *entry, bool last)
{
    quint8 low = 0;
    quint8 high = 0;
    quint8 length = 0;
    if (!reader.byte(&low) || !reader.byte(&high))
        return false;
    entry->id = quint16(low | (high << 8));
    if (!reader.skip(2) || !reader.byte(&length) || !reader.text(length, &entry->name))
        return false;
    if (!reader.byte(&length) || !reader.text(length, &entry->folder))
        return false;
    return reader.skip(1) || last;
}

// The next entry begins after the pair 0x01 0x80; a 0x01 read as the second byte of a
// failed pair does not start a new pair.
bool skipToNextEntry(ByteReader &reader)
{
    quint8 b = 0;
    while (reader.byte(&b)) {
        if (b != 0x01)
            continue;
        if (!reader.byte(&b))
            return false;
        if (b == 0x80)
            return true;
    }
    return false;
}

bool usableFolderName(const QString &folder)
{
    return !folder.isEmpty() && folder != QLatin1String(".") && folder != QLatin1String("..")
           && !folder.contains(QLatin1Char('/')) && !folder.contains(QChar(0));
}

// `name` inside `folder`, or empty text when the cleaned path is not a child of the folder.
// Built by hand: QDir takes a name that starts with ":" for one of Qt's resources and gives it
// back as it is, so ":evil" would have named a folder in the current folder.
QString childPath(const QString &folder, const QString &name)
{
    if (folder.isEmpty() || !usableFolderName(name))
        return {};
    QString base = folder;
    if (base.startsWith(QLatin1Char(':')))
        base.prepend(QStringLiteral("./"));
    base = QDir::cleanPath(QDir::current().absoluteFilePath(base));
    const QString prefix = base.endsWith(QLatin1Char('/')) ? base : base + QLatin1Char('/');
    const QString child = QDir::cleanPath(prefix + name);
    if (!child.startsWith(prefix) || child.size() == prefix.size()
        || child.indexOf(QLatin1Char('/'), prefix.size()) >= 0)
        return {};
    return child;
}

} // namespace

UsersFileContents parseUsersFile(QByteArrayView bytes)
{
    UsersFileContents contents;
    if (bytes.isEmpty())
        return contents;
    contents.declaredCount = quint8(bytes[0]);
    ByteReader reader(bytes);
    if (!reader.at(13)) {
        contents.complete = contents.declaredCount == 0;
        return contents;
    }
    for (int i = 0; i < contents.declaredCount; ++i) {
        const bool last = i + 1 == contents.declaredCount;
        UserEntry entry;
        if (!readEntry(reader, &entry, last))
            return contents;
        contents.users.push_back(entry);
        if (!last && !skipToNextEntry(reader))
            return contents;
    }
    contents.complete = true;
    return contents;
}

QStringList TUserData::rootKeys()
{
    return {QStringLiteral("HKEY_CURRENT_USER\\Software\\U.S. Robotics"),
            QStringLiteral("HKEY_CURRENT_USER\\Software\\Palm Computing")};
}

QString TUserData::openDesktopKey(registry::RegistryFile &reg, const QString &notInstalled,
                                  const QString &caption)
{
    const common::Status loaded = reg.load(mRegistryPath);
    for (const QString &key : rootKeys()) {
        if (reg.keyExists(key))
            return key;
    }
    QString text = notInstalled;
    if (!loaded.ok())
        text += QStringLiteral("\n\n") + QString::fromStdString(loaded.message());
    mPrompter.message(text, caption, prompt::Buttons::Ok, prompt::Icon::Critical);
    return {};
}

TUserData::TUserData(prompt::Prompter &prompter, QString registryPath)
    : mPrompter(prompter)
    , mRegistryPath(std::move(registryPath))
{
    registry::RegistryFile reg;
    const QString root = openDesktopKey(reg, texts::kDesktopNotInstalled, texts::kWindowTitle);
    if (root.isEmpty())
        return;
    const std::optional<QString> path = reg.stringValue(root + kCoreKey, QStringLiteral("Path"));
    if (!path || path->isEmpty())
        return;
    mDesktopPath = *path;

    const QString usersPath = childPath(mDesktopPath, QStringLiteral("users.dat"));
    QFile file(usersPath);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    // Without even its count byte the file says nothing about the users.
    if (bytes.isEmpty()) {
        mPrompter.message(texts::usersFileUnreadable(usersPath), texts::kWindowTitle,
                          prompt::Buttons::Ok, prompt::Icon::Critical);
        return;
    }
    UsersFileContents contents = parseUsersFile(bytes);
    mUsers = std::move(contents.users);
    if (!contents.complete) {
        mPrompter.message(
            texts::usersFileTruncated(usersPath, int(mUsers.size()), contents.declaredCount),
            texts::kWindowTitle, prompt::Buttons::Ok, prompt::Icon::Critical);
    }
}

quint16 TUserData::GetUserId(int index) const
{
    return index >= 0 && index < GetUserCount() ? mUsers[size_t(index)].id : 0;
}

QString TUserData::GetUserName(int index) const
{
    return index >= 0 && index < GetUserCount() ? mUsers[size_t(index)].name : QString();
}

QString TUserData::GetUserFolder(int index) const
{
    return index >= 0 && index < GetUserCount() ? mUsers[size_t(index)].folder : QString();
}

QStringList TUserData::userNames() const
{
    QStringList names;
    for (const UserEntry &user : mUsers)
        names.append(user.name);
    return names;
}

QString TUserData::userFolderPath(int index) const
{
    if (index < 0 || index >= GetUserCount() || mDesktopPath.isEmpty())
        return {};
    return childPath(mDesktopPath, mUsers[size_t(index)].folder);
}

QString TUserData::backupFolder(int index) const
{
    return childPath(userFolderPath(index), QStringLiteral("backup"));
}

bool TUserData::InstallFile(int index, const QString &file)
{
    if (GetUserCount() == 0)
        return false;
    const QString userFolder = userFolderPath(index);
    if (userFolder.isEmpty())
        return false;

    // Like creating a folder on Windows: only the last level is made, and an existing
    // folder is fine.
    const QString installFolder = childPath(userFolder, QStringLiteral("Install"));
    const QString target = childPath(installFolder, QFileInfo(file).fileName());
    if (target.isEmpty())
        return false;
    QDir().mkdir(installFolder);

    QFile source(file);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return false;
    source.close();
    if (!common::replaceFile(std::filesystem::path(QFile::encodeName(target).toStdString()),
                             std::string_view(bytes.constData(), size_t(bytes.size())))
             .ok())
        return false;

    // The registry is read again: the desktop software may have changed it meanwhile.
    registry::RegistryFile reg;
    const QString root =
        openDesktopKey(reg, texts::kDesktopNotInstalledAtInstall, texts::kInstallCaption);
    if (root.isEmpty())
        return false;
    const QString hotSync = root + kHotSyncKey;
    if (!reg.keyExists(hotSync))
        return false;
    const QString name = QStringLiteral("Install%1").arg(GetUserId(index));
    return reg.setDword(hotSync, name, 1).ok();
}

} // namespace dorvane
