#include "handheldexport.h"

#include "converterlauncher.h"
#include "exchangetexts.h"
#include "handheldcsv.h"

#include "common/core/safefile.h"
#include "common/prompt/prompter.h"
#include "common/qt/cp1252text.h"
#include "vendara/store/helptopics.h"
#include "vendara/store/programfolder.h"
#include "vendara/store/storetexts.h"
#include "vendara/store/table.h"

// Qt
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

// std
#include <cerrno>

namespace vendara {

namespace {

const QString kTemplate = QStringLiteral("prodnocog.pjt");
const QString kConverter = QStringLiteral("dorvane");

// The error number of a file that cannot be created or written, in the numbering the user
// sees elsewhere: 76 path not found, 70 permission denied, 61 disk full, 75 other errors
// while creating it, 57 a failed write.
int errorNumber(const common::SafeFile &file)
{
    const int error = file.error();
    if (file.failedStep() == common::SafeFile::Step::Open) {
        if (error == ENOENT || error == ENOTDIR)
            return 76;
        if (error == EACCES || error == EPERM || error == EROFS)
            return 70;
        return 75;
    }
    return error == ENOSPC || error == EDQUOT ? 61 : 57;
}

} // namespace

HandheldExport::HandheldExport(const Table &products, const ProgramFolder &folder,
                               prompt::Prompter &prompter, ConverterLauncher &launcher,
                               std::function<HelpTopics *()> help)
    : mProducts(products)
    , mFolder(folder)
    , mPrompter(prompter)
    , mLauncher(launcher)
    , mHelp(std::move(help))
{}

HandheldExport::~HandheldExport() = default;

void HandheldExport::setBusyHandler(std::function<void(bool)> busy)
{
    mBusy = std::move(busy);
}

void HandheldExport::busy(bool on)
{
    if (on == mBusyOn)
        return;
    mBusyOn = on;
    if (mBusy)
        mBusy(on);
}

prompt::Answer HandheldExport::tell(const QString &text, const QString &caption,
                                    prompt::Buttons buttons, prompt::Icon icon)
{
    const bool wasBusy = mBusyOn;
    busy(false);
    const prompt::Answer answer = mPrompter.message(text, caption, buttons, icon);
    busy(wasBusy);
    return answer;
}

bool HandheldExport::makeWorkFolder()
{
    if (mWorkFolder)
        return true;
    auto folder = std::make_unique<QTemporaryDir>(
        QDir(QDir::tempPath()).filePath(QStringLiteral("vendara-handoff-XXXXXX")));
    if (!folder->isValid())
        return false;
    mWorkFolder = std::move(folder);
    return true;
}

void HandheldExport::endHandOff(bool keepFiles)
{
    if (mWorkFolder && keepFiles)
        mWorkFolder->setAutoRemove(false);
    mWorkFolder.reset();
}

QString HandheldExport::workFolder() const
{
    return mWorkFolder ? mWorkFolder->path() : QString();
}

QString HandheldExport::csvPath(const QString &name) const
{
    return QDir(workFolder()).filePath(name + QStringLiteral(".CSV"));
}

QString HandheldExport::databasePath(const QString &name) const
{
    return QDir(workFolder()).filePath(name + QStringLiteral(".pdb"));
}

QString HandheldExport::converterProgram() const
{
    return mFolder.programFile(kConverter);
}

QStringList HandheldExport::converterArguments(const QString &name) const
{
    return {QStringLiteral("COMMAND:TOPDB"),
            QStringLiteral("PDB:INFILE:{%1}").arg(csvPath(name)),
            QStringLiteral("PDB:OUTFILE:{%1}").arg(databasePath(name)),
            QStringLiteral("PDB:DBNAME:{%1}").arg(name),
            QStringLiteral("PDB:USEEXISTING:{%1}").arg(mFolder.programFile(kTemplate)),
            QStringLiteral("PDB:FIELDNAMES"),
            QStringLiteral("PDB:AUTOINSTALL:{0}")};
}

bool HandheldExport::isValidGroupName(const QString &name)
{
    if (name.trimmed().isEmpty() || name.startsWith(QLatin1Char('.')) || name.size() > kMaxGroupName
        || !common::unencodableCharacters(name).isEmpty())
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char('{')
            || c == QLatin1Char('}') || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

bool HandheldExport::writeCsv(const QString &name, const QList<int> &rows)
{
    const QString text = HandheldCsv::text(mProducts, rows);
    const QString lost = common::unencodableCharacters(text);
    if (!lost.isEmpty()) {
        tell(texts::handheldLosesCharacters(lost), texts::programTitle(), prompt::Buttons::Ok,
             prompt::Icon::Exclamation);
    }
    const QByteArray bytes = common::toCp1252(text);
    int number = 0;
    if (!makeWorkFolder()) {
        number = 75;
    } else {
        common::SafeFile file(QFile::encodeName(csvPath(name)).toStdString(),
                              common::SafeFile::Sync::No);
        if (file.open().ok()) {
            file.write(bytes.constData(), std::size_t(bytes.size()));
            if (!file.commit().ok())
                number = errorNumber(file);
        } else {
            number = errorNumber(file);
        }
    }
    if (number == 0)
        return true;
    tell(texts::errorCreatingPalmFile(), texts::errorColonCaption(number));
    return false;
}

bool HandheldExport::CreateCSV(const QString &name)
{
    QList<int> rows;
    for (int row = 1; row <= mProducts.rows(); ++row)
        rows.append(row);
    return writeCsv(name, rows);
}

bool HandheldExport::CreateCsvBkMrk(const QString &name, QList<int> selection, int currentRow)
{
    if (currentRow > 0 && !selection.contains(currentRow))
        selection.append(currentRow);
    return writeCsv(name, selection);
}

bool HandheldExport::Palmpilot(const QList<int> &selection, int currentRow)
{
    if (mRunning)
        return false; // the converter of the last command is still at work
    const bool shown = selection.isEmpty();
    if (mPrompter.message(shown ? texts::sendShownQuestion() : texts::sendSelectedQuestion(),
                          texts::programTitle(), prompt::Buttons::OkCancel, prompt::Icon::Question)
        != prompt::Answer::Ok)
        return false;
    const auto answer = mPrompter.input(texts::groupNamePrompt(), texts::groupNameTitle(),
                                        texts::groupNameDefault());
    if (!answer || answer->isEmpty())
        return false;
    const QString name = *answer;
    if (!isValidGroupName(name)) {
        mPrompter.message(texts::groupNameRefused(kMaxGroupName), texts::groupNameTitle(),
                          prompt::Buttons::Ok, prompt::Icon::Exclamation);
        return false;
    }

    // A fresh folder for every hand-off: nothing of an earlier one is sent again.
    endHandOff(false);
    busy(true);
    const bool written = shown ? CreateCSV(name) : CreateCsvBkMrk(name, selection, currentRow);
    if (!written) {
        busy(false);
        endHandOff(false);
        return false;
    }
    mRunning = true;
    const ConverterLauncher::Outcome outcome =
        mLauncher.run(converterProgram(), converterArguments(name));
    mRunning = false;
    busy(false);

    const QString csvFile = QDir::toNativeSeparators(csvPath(name));
    QString failure;
    switch (outcome.kind) {
    case ConverterLauncher::Outcome::Kind::NotStarted:
        failure = texts::converterNotStarted(QDir::toNativeSeparators(converterProgram()),
                                             outcome.errorText);
        break;
    case ConverterLauncher::Outcome::Kind::Crashed:
        failure = texts::converterCrashed(csvFile);
        break;
    case ConverterLauncher::Outcome::Kind::Finished:
        if (outcome.exitStatus != 0)
            failure = texts::converterFailed(outcome.exitStatus);
        break;
    }
    // Once the converter has ended, the hand-off's files are done with: on success its copy
    // is in the user's install folder. One that did not end normally may still be at work on
    // them, and its CSV file is kept for the user, as the message says.
    if (!failure.isEmpty()) {
        endHandOff(outcome.kind == ConverterLauncher::Outcome::Kind::Crashed);
        mPrompter.message(failure, texts::notSentCaption(), prompt::Buttons::Ok,
                          prompt::Icon::Exclamation);
        return false;
    }

    mPrompter.message(texts::sentAfterHotsync(), texts::sentCaption(), prompt::Buttons::Ok);
    endHandOff(false);
    if (HelpTopics *help = mHelp ? mHelp() : nullptr)
        help->showTopic(kHelpTopic);
    return true;
}

} // namespace vendara
