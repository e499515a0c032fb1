#include "formfixture.h"

#include "dorvane/convert/csvtodatabase.h"

// Qt
#include <QFile>
#include <QProcess>

namespace testsupport {

FormFixture::FormFixture(const std::vector<DesktopUser> &users)
    : desktop(users)
{
    newForm();
}

dorvane::TMainForm &FormFixture::newForm()
{
    mForm.reset();
    mForm = std::make_unique<dorvane::TMainForm>(dorvane::TMainForm::Services{
        prompter, dialogs, &printer, mProgram.path(), desktop.registryPath()});
    QObject::connect(mForm.get(), &dorvane::TMainForm::statusShown,
                     [this](const QString &text) { statuses.append(text); });
    return *mForm;
}

QString FormFixture::settingsPath() const
{
    return mProgram.filePath(QStringLiteral("QD.INI"));
}

QString FormFixture::writeFile(const QString &name, const QByteArray &bytes) const
{
    const QString file = path(name);
    QFile out(file);
    if (out.open(QIODevice::WriteOnly))
        out.write(bytes);
    return file;
}

QString FormFixture::makeDatabase(const QString &name, const QByteArray &csv) const
{
    const QString csvPath = writeFile(name + QStringLiteral(".source.csv"), csv);
    const QString pdbPath = path(name);
    convert::SilentEngineUi ui;
    convert::ConversionSettings settings;
    settings.databaseName = "Made by test";
    const auto result = convert::csvToDatabase(
        std::filesystem::path(QFile::encodeName(csvPath).toStdString()),
        std::filesystem::path(QFile::encodeName(pdbPath).toStdString()), {}, settings, ui);
    return result.ok ? pdbPath : QString();
}

QPagedPaintDevice *PdfPrinter::choosePrinter(const QString &jobTitle)
{
    ++dialogs;
    lastTitle = jobTitle;
    mWriter.reset();
    if (mFile.isEmpty())
        return nullptr;
    mWriter = std::make_unique<QPdfWriter>(mFile);
    mWriter->setTitle(jobTitle);
    mWriter->setResolution(300);
    return mWriter.get();
}

QString pdfText(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace testsupport
