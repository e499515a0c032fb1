#include "programfolder.h"

#include "common/qt/installedcopy.h"

// Qt
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace vendara {

namespace {

const QString kCatalogueName = QStringLiteral("vadata.dat");

QString defaultDataDir()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir(base).filePath(QStringLiteral("vendara"));
}

} // namespace

ProgramFolder::ProgramFolder(QString programDir, QString dataDir)
    : mProgramDir(QDir::cleanPath(QDir(programDir).absolutePath()))
{
    const QFileInfo program(mProgramDir);
    if (program.isDir() && program.isWritable()
        && !common::isInstalledCopy(mProgramDir, kCatalogueName)) {
        mWritableDir = mProgramDir;
    } else {
        mWritableDir = QDir::cleanPath(dataDir.isEmpty() ? defaultDataDir() : dataDir);
        QDir().mkpath(mWritableDir);
    }
}

ProgramFolder ProgramFolder::ofApplication()
{
    return ProgramFolder(QCoreApplication::applicationDirPath());
}

QString ProgramFolder::programFile(const QString &name) const
{
    const QString beside = QDir(mProgramDir).filePath(name);
    if (QFileInfo::exists(beside))
        return beside;
    // An installed copy keeps the programs in <prefix>/bin and their files in
    // <prefix>/share/vendara.
    const QString shared =
        QDir::cleanPath(QDir(mProgramDir).filePath(QStringLiteral("../share/vendara/") + name));
    return QFileInfo::exists(shared) ? shared : beside;
}

QString ProgramFolder::writableFile(const QString &name) const
{
    return QDir(mWritableDir).filePath(name);
}

QString ProgramFolder::catalogueFile() const
{
    return writableFile(kCatalogueName);
}

bool ProgramFolder::seedCatalogue() const
{
    if (!usesDataFolder() || QFileInfo::exists(catalogueFile()))
        return true;
    const QString shipped = programFile(kCatalogueName);
    if (!QFileInfo::exists(shipped))
        return true;
    return QFile::copy(shipped, catalogueFile())
           && QFile::setPermissions(catalogueFile(), QFile::ReadOwner | QFile::WriteOwner
                                                         | QFile::ReadGroup | QFile::ReadOther);
}

} // namespace vendara
