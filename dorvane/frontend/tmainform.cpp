// The converter window's state: its controls, start-up and close, status texts, and the
// file dialogs, questions and database picker that its tabs share. The tabs' commands are in
// tmainformconvert.cpp and tmainformdatabase.cpp, the preferences and settings file in
// tmainformsettings.cpp, the command line in tmainformcommandline.cpp.
#include "tmainform.h"

#include "formdialogs.h"
#include "texts.h"

#include "common/prompt/prompter.h"

// Qt
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

namespace dorvane {

TMainForm::TMainForm(Services services, QObject *parent)
    : QObject(parent)
    , mPrompter(services.prompter)
    , mDialogs(services.dialogs)
    , mPrinter(services.printer)
    , mSettingsPath(SettingsFile::location(services.programFolder))
    , mRegistryPath(services.registryPath)
    , mGrid(30)
{}

TMainForm::~TMainForm() = default;

TMainForm::Conversion TMainForm::FormCreate(const QStringList &arguments)
{
    mUsers = std::make_unique<TUserData>(mPrompter, mRegistryPath);

    mSettings = convert::ConversionSettings{};
    OverwriteWithoutAsking = false;
    InstallUserIndex = -1;
    emit fieldChanged(Field::PDBUsers);

    ReadPrefs();
    const Conversion conversion = ProcessCommandLine(arguments);
    if (conversion == Conversion::None)
        ReadConfig();
    return conversion;
}

void TMainForm::FormClose()
{
    WriteConfig();
}

// ---- controls

QString *TMainForm::textField(Field field)
{
    switch (field) {
    case Field::PDBFileName:
        return &mPdbFileName;
    case Field::CSVFileName:
        return &mCsvFileName;
    case Field::CSVFileName2:
        return &mCsvFileName2;
    case Field::PDBFileName2:
        return &mPdbFileName2;
    case Field::DatabaseName:
        return &mDatabaseName;
    case Field::PDBFileForInfo:
        return &mPdbFileForInfo;
    case Field::PDBNameField:
        return &mPdbNameField;
    case Field::CSVSeparator:
        return &mCsvSeparator;
    default:
        return nullptr;
    }
}

bool *TMainForm::checkField(Field field)
{
    switch (field) {
    case Field::UseQuotes:
        return &mUseQuotes;
    case Field::FirstRecordFieldNames:
        return &mFirstRecordFieldNames;
    case Field::HasFieldNames:
        return &mHasFieldNames;
    case Field::AutoInstallCheck:
        return &mAutoInstall;
    case Field::UsePDBFile:
        return &mUsePdbFile;
    case Field::Fixed1stColumn:
        return &mFixed1stColumn;
    default:
        return nullptr;
    }
}

int *TMainForm::selectionField(Field field)
{
    switch (field) {
    case Field::PDBUsers:
        return &mPdbUsers;
    case Field::DateFormat:
        return &mDateFormat;
    case Field::TimeFormat:
        return &mTimeFormat;
    case Field::CsvEncoding:
        return &mCsvEncoding;
    default:
        return nullptr;
    }
}

QString TMainForm::text(Field field) const
{
    const QString *value = const_cast<TMainForm *>(this)->textField(field);
    return value != nullptr ? *value : QString();
}

void TMainForm::setText(Field field, const QString &text)
{
    QString *value = textField(field);
    if (value == nullptr)
        return;
    QString newText = text;
    // The separator edit holds one character.
    if (field == Field::CSVSeparator)
        newText.truncate(1);
    if (*value == newText)
        return;
    *value = newText;
    emit fieldChanged(field);
    if (field == Field::PDBFileName)
        deriveFromPdbFileName();
    else if (field == Field::CSVFileName2)
        deriveFromCsvFileName2();
}

bool TMainForm::checked(Field field) const
{
    const bool *value = const_cast<TMainForm *>(this)->checkField(field);
    return value != nullptr && *value;
}

void TMainForm::setChecked(Field field, bool checked)
{
    bool *value = checkField(field);
    if (value == nullptr || *value == checked)
        return;
    *value = checked;
    emit fieldChanged(field);
}

int TMainForm::selection(Field field) const
{
    const int *value = const_cast<TMainForm *>(this)->selectionField(field);
    return value != nullptr ? *value : -1;
}

void TMainForm::setSelection(Field field, int index)
{
    int *value = selectionField(field);
    if (value == nullptr || *value == index)
        return;
    *value = index;
    emit fieldChanged(field);
}

void TMainForm::setPage(Page page)
{
    if (mPage == page)
        return;
    mPage = page;
    emit pageChanged(page);
}

void TMainForm::Fixed1stColumnClick(bool checked)
{
    setChecked(Field::Fixed1stColumn, checked);
}

void TMainForm::ShowStatus(const QString &text)
{
    mStatus = text;
    emit statusShown(text);
    repaintNow(true);
}

void TMainForm::showProgress(const QString &text)
{
    mStatus = text;
    emit progressShown(text);
}

void TMainForm::repaintNow(bool force)
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (!force && now - mLastRepaint < 40)
        return;
    mLastRepaint = now;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// ---- file dialogs and checks

bool TMainForm::fileDialogInto(Field field, bool save, bool database)
{
    prompt::FileRequest request;
    request.mode = save ? prompt::FileRequest::Mode::Save : prompt::FileRequest::Mode::Open;
    request.filter = database ? texts::kPdbFilter : texts::kCsvFilter;
    request.defaultExtension = database ? texts::kPdbExtension : texts::kCsvExtension;
    request.fileName = text(field);
    request.mustExist = !save;
    const prompt::FileAnswer answer = mPrompter.file(request);
    if (answer.cancelled())
        return false;
    setText(field, answer.path);
    return true;
}

TMainForm::Check TMainForm::fixWithDialog(const QString &message, Field field, bool save,
                                          bool database)
{
    if (mPrompter.message(message, texts::kError, prompt::Buttons::OkCancel,
                          prompt::Icon::Exclamation)
        != prompt::Answer::Ok)
        return Check::Cancel;
    return fileDialogInto(field, save, database) ? Check::Again : Check::Cancel;
}

TMainForm::Check TMainForm::overwriteCheck(Field field, bool database)
{
    if (!QFileInfo::exists(text(field)) || OverwriteWithoutAsking)
        return Check::Go;
    if (mPrompter.message(texts::overwriteQuestion(text(field)), texts::kQuestion,
                          prompt::Buttons::YesNo, prompt::Icon::Question)
        == prompt::Answer::Yes)
        return Check::Go;
    return fileDialogInto(field, true, database) ? Check::Again : Check::Cancel;
}

void TMainForm::ByUserButtonClick()
{
    if (runPicker(Field::PDBNameField))
        ViewPDBButtonClick();
}

bool TMainForm::runPicker(Field field)
{
    const PickerResult result = mDialogs.pickDatabase();
    if (!result.ok) {
        ShowStatus(texts::kPickerCancelled);
        return false;
    }
    if (result.SelectedRow == -1) {
        ShowStatus(texts::kFileNotSelected);
        return false;
    }
    ShowStatus(texts::kPickerOk);
    setText(field, result.SelectedFile);
    return true;
}

} // namespace dorvane
