#include "tmainform.h"

#include "formdialogs.h"
#include "texts.h"

#include "common/prompt/prompter.h"
#include "common/qt/cp1252text.h"

// Qt
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace dorvane {

namespace {

// The same drive, folder and base name with another extension.
QString withExtension(const QString &path, const QString &extension)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > slash ? path.left(dot) : path;
    return stem + extension;
}

QString baseName(const QString &path)
{
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 ? name.left(dot) : name;
}

// A database name that the window derives holds at most 31 characters, the size of the
// name field of a database.
constexpr int kDerivedNameLength = 31;

// The field-information file and the output are the same file: the same text in any letter
// case, or two names of one existing file.
bool sameFile(const QString &a, const QString &b)
{
    if (a.compare(b, Qt::CaseInsensitive) == 0)
        return true;
    const QFileInfo fa(a);
    const QFileInfo fb(b);
    return fa.exists() && fb.exists() && fa.canonicalFilePath() == fb.canonicalFilePath();
}

int validIndex(int index, int count)
{
    return index >= 0 && index < count ? index : 0;
}

} // namespace

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

// Automatic naming: a new input file name proposes the output file name (and, for a CSV
// input, the database name).
void TMainForm::deriveFromPdbFileName()
{
    if (!mAutoNaming)
        return;
    setText(Field::CSVFileName, withExtension(mPdbFileName, QStringLiteral(".CSV")));
}

void TMainForm::deriveFromCsvFileName2()
{
    if (!mAutoNaming)
        return;
    setText(Field::PDBFileName2, withExtension(mCsvFileName2, QStringLiteral(".PDB")));
    setText(Field::DatabaseName, baseName(mCsvFileName2).left(kDerivedNameLength));
}

void TMainForm::UsePDBFileClick()
{
    setChecked(Field::UsePDBFile, true);
}

void TMainForm::CreateTextFieldsClick()
{
    setChecked(Field::UsePDBFile, false);
}

void TMainForm::AutoInstallCheckClick(bool checked)
{
    setChecked(Field::AutoInstallCheck, checked);
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

void TMainForm::ApplyPreferences()
{
    // An empty separator field keeps the comma: a NUL separator would run every value of
    // a line together.
    const QString separator = mCsvSeparator.isEmpty() ? QStringLiteral(",") : mCsvSeparator;
    const QString character = separator.left(1);
    const QByteArray byte = common::toCp1252(character);
    const bool usable =
        common::unencodableCharacters(character).isEmpty() && !byte.isEmpty() && byte.at(0) != '\0';
    mSettings.separator = usable ? byte.at(0) : ',';
    mSettings.dateFormat = validIndex(mDateFormat, int(texts::kDateFormats.size()));
    mSettings.timeFormat = validIndex(mTimeFormat, int(texts::kTimeFormats.size()));
    mSettings.csvEncoding = validIndex(mCsvEncoding, int(texts::kCsvEncodings.size())) == 1
                                ? convert::CsvEncoding::Utf8
                                : convert::CsvEncoding::Windows1252;
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

// ---- the convert commands

// The check loops: each check that fails either lets the user fix the field through a
// dialog, after which every check runs again, or ends the command.
bool TMainForm::ToCSVButtonClick()
{
    if (mBusy)
        return false;
    for (;;) {
        Check check = Check::Go;
        if (mPdbFileName.isEmpty())
            check = fixWithDialog(texts::kNeedInputPdb, Field::PDBFileName, false, true);
        else if (mCsvFileName.isEmpty())
            check = fixWithDialog(texts::kNeedOutputCsv, Field::CSVFileName, true, false);
        else
            check = overwriteCheck(Field::CSVFileName, false);
        if (check == Check::Go)
            break;
        if (check == Check::Cancel) {
            ShowStatus(texts::kConversionCancelled);
            return false;
        }
    }
    mSettings.useQuotes = mUseQuotes;
    ApplyPreferences();
    mSettings.fieldNames = mFirstRecordFieldNames;
    ShowStatus(texts::kConvertingToCsv);
    mBusy = true;
    const bool ok = convertToCsv();
    mBusy = false;
    ShowStatus(ok ? texts::kConversionSuccessful + mConversionNote : texts::kConversionError);
    return ok;
}

bool TMainForm::ToPDBButtonClick()
{
    if (mBusy)
        return false;
    for (;;) {
        Check check = Check::Go;
        if (mCsvFileName2.isEmpty()) {
            check = fixWithDialog(texts::kNeedInputCsv, Field::CSVFileName2, false, false);
        } else if (mPdbFileName2.isEmpty()) {
            check = fixWithDialog(texts::kNeedOutputPdb, Field::PDBFileName2, true, true);
        } else if (mDatabaseName.isEmpty()) {
            mPrompter.message(texts::kNeedDatabaseName, texts::kError, prompt::Buttons::Ok,
                              prompt::Icon::Exclamation);
            check = Check::Cancel;
        } else if (mUsePdbFile && mPdbFileForInfo.isEmpty()) {
            check = fixWithDialog(texts::kNeedInfoPdb, Field::PDBFileForInfo, false, true);
        } else if (mUsePdbFile && !QFileInfo(mPdbFileForInfo).isFile()) {
            check = fixWithDialog(texts::kInfoPdbMissing, Field::PDBFileForInfo, false, true);
        } else if (mUsePdbFile && sameFile(mPdbFileForInfo, mPdbFileName2)) {
            check = fixWithDialog(texts::kInfoPdbSameAsOutput, Field::PDBFileName2, true, true);
        } else {
            check = overwriteCheck(Field::PDBFileName2, true);
        }
        if (check == Check::Go)
            break;
        if (check == Check::Cancel) {
            ShowStatus(texts::kConversionCancelled);
            return false;
        }
    }
    mSettings.fieldNames = mHasFieldNames;
    mSettings.databaseName = mDatabaseName.toStdString();
    ApplyPreferences();
    ShowStatus(texts::kConvertingToPdb);
    mBusy = true;
    const bool ok = convertToDatabase();
    mBusy = false;
    if (!ok) {
        ShowStatus(texts::kConversionError);
        return false;
    }
    ShowStatus(texts::kConversionSuccessful + mConversionNote);
    if (mAutoInstall && !mUsers->InstallFile(mPdbUsers, mPdbFileName2)) {
        // The file did not reach the handheld's install folder: say so rather than let the
        // user wait for a HotSync that brings nothing.
        ShowStatus(texts::kConversionSuccessfulInstallFailed);
        return false;
    }
    return true;
}

void TMainForm::BrowsePDBClick()
{
    runPicker(Field::PDBFileName);
}

void TMainForm::BrowsePDBFileToUseClick()
{
    runPicker(Field::PDBFileForInfo);
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

void TMainForm::BrowseCSVClick()
{
    fileDialogInto(Field::CSVFileName, true, false);
}

void TMainForm::BrowseCSV2Click()
{
    fileDialogInto(Field::CSVFileName2, false, false);
}

void TMainForm::BrowsePDB2Click()
{
    fileDialogInto(Field::PDBFileName2, true, true);
}

// ---- settings file

void TMainForm::ReadPrefs()
{
    QChar separator = QLatin1Char(',');
    int date = 0;
    int time = 0;
    int encoding = 0;
    for (const auto &line : SettingsFile::readPrefs(mSettingsPath)) {
        switch (line.key) {
        case SettingsFile::PrefKey::CsvSeparator:
            // An empty value keeps the comma.
            if (!line.value.isEmpty() && line.value.at(0) != QChar(0))
                separator = line.value.at(0);
            break;
        case SettingsFile::PrefKey::DateFormat:
            date = leadingInteger(line.value);
            break;
        case SettingsFile::PrefKey::TimeFormat:
            time = leadingInteger(line.value);
            break;
        case SettingsFile::PrefKey::CsvEncoding:
            if (const auto named = convert::csvEncodingFromName(line.value.trimmed().toStdString()))
                encoding = *named == convert::CsvEncoding::Utf8 ? 1 : 0;
            else
                encoding = 0;
            break;
        }
    }
    setText(Field::CSVSeparator, QString(separator));
    // An index outside a list selects its first entry.
    setSelection(Field::DateFormat, validIndex(date, int(texts::kDateFormats.size())));
    setSelection(Field::TimeFormat, validIndex(time, int(texts::kTimeFormats.size())));
    setSelection(Field::CsvEncoding, validIndex(encoding, int(texts::kCsvEncodings.size())));
    ApplyPreferences();
}

void TMainForm::ReadConfig()
{
    InstallUserIndex = 0;
    for (const auto &line : SettingsFile::readConfig(mSettingsPath)) {
        const QString &v = line.value;
        switch (line.key) {
        case SettingsFile::ConfigKey::InputPdb:
            setText(Field::PDBFileName, v);
            break;
        case SettingsFile::ConfigKey::InstallUser:
            InstallUserIndex = leadingInteger(v);
            break;
        case SettingsFile::ConfigKey::OutputCsv:
            setText(Field::CSVFileName, v);
            break;
        case SettingsFile::ConfigKey::UseQuotes:
            setChecked(Field::UseQuotes, SettingsFile::isTrue(v));
            break;
        case SettingsFile::ConfigKey::FieldNames:
            setChecked(Field::FirstRecordFieldNames, SettingsFile::isTrue(v));
            break;
        case SettingsFile::ConfigKey::InputCsv:
            setText(Field::CSVFileName2, v);
            break;
        case SettingsFile::ConfigKey::OutputPdb:
            setText(Field::PDBFileName2, v);
            break;
        case SettingsFile::ConfigKey::DatabaseName:
            setText(Field::DatabaseName, v);
            break;
        case SettingsFile::ConfigKey::HasNames:
            setChecked(Field::HasFieldNames, SettingsFile::isTrue(v));
            break;
        case SettingsFile::ConfigKey::UsePdbFileInfo:
            if (SettingsFile::isTrue(v))
                UsePDBFileClick();
            else
                CreateTextFieldsClick();
            break;
        case SettingsFile::ConfigKey::UsePdbDatabaseName:
            setText(Field::PDBFileForInfo, v);
            break;
        case SettingsFile::ConfigKey::ViewPdb:
            // The file named on the command line stays in the field that shows it.
            if (!mKeepViewFile)
                setText(Field::PDBNameField, v);
            break;
        }
    }
    if (InstallUserIndex != -1) {
        // A remembered user beyond the current list selects the first user.
        if (InstallUserIndex < 0 || InstallUserIndex >= mUsers->GetUserCount())
            InstallUserIndex = 0;
        setSelection(Field::PDBUsers, InstallUserIndex);
        setChecked(Field::AutoInstallCheck, true);
    } else {
        setChecked(Field::AutoInstallCheck, false);
    }
}

SavedSettings TMainForm::savedSettings() const
{
    SavedSettings s;
    s.separator = mCsvSeparator.isEmpty() ? QLatin1Char(',') : mCsvSeparator.at(0);
    s.dateFormat = validIndex(mDateFormat, int(texts::kDateFormats.size()));
    s.timeFormat = validIndex(mTimeFormat, int(texts::kTimeFormats.size()));
    s.csvEncoding =
        texts::kCsvEncodings.at(validIndex(mCsvEncoding, int(texts::kCsvEncodings.size())));
    s.installUser = mAutoInstall ? mPdbUsers : -1;
    s.inputPdb = mPdbFileName;
    s.outputCsv = mCsvFileName;
    s.useQuotes = mUseQuotes;
    s.fieldNames = mFirstRecordFieldNames;
    s.inputCsv = mCsvFileName2;
    s.outputPdb = mPdbFileName2;
    s.databaseName = mDatabaseName;
    s.hasNames = mHasFieldNames;
    s.usePdbFileInfo = mUsePdbFile;
    s.pdbForInfo = mPdbFileForInfo;
    s.viewPdb = mPdbNameField;
    return s;
}

void TMainForm::WriteConfig()
{
    // The fields would come back as they were last time without a word: say so.
    const common::Status written = SettingsFile::write(mSettingsPath, savedSettings());
    if (!written.ok())
        mPrompter.message(
            texts::settingsNotSaved(QString::fromLocal8Bit(written.message().c_str())),
            texts::kWindowTitle, prompt::Buttons::Ok, prompt::Icon::Exclamation);
}

// ---- command line

TMainForm::Conversion TMainForm::ProcessCommandLine(const QStringList &arguments)
{
    mAutoNaming = false;
    if (arguments.size() == 1
        && arguments.first().contains(QLatin1String(".pdb"), Qt::CaseInsensitive)) {
        setPage(Page::ViewPDB);
        setText(Field::PDBNameField, arguments.first());
        mKeepViewFile = true;
        mAutoNaming = true;
        ViewPDBButtonClick();
        return Conversion::None;
    }

    Conversion pending = Conversion::None;
    auto has = [](const QString &argument, QLatin1String token) {
        return argument.contains(token, Qt::CaseInsensitive);
    };
    auto starts = [](const QString &argument, QLatin1String token) {
        return argument.startsWith(token, Qt::CaseInsensitive);
    };
    auto toCsvTab = [&] {
        setPage(Page::ToCSV);
        pending = Conversion::ToCsv;
    };
    auto toPdbTab = [&] {
        setPage(Page::ToPDB);
        pending = Conversion::ToDatabase;
    };
    QString value;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (has(a, QLatin1String("COMMAND:TOPDB"))) {
            toPdbTab();
        } else if (has(a, QLatin1String("COMMAND:TOCSV"))) {
            toCsvTab();
        } else if (has(a, QLatin1String("CSV:PLACEQUOTES"))) {
            toCsvTab();
            setChecked(Field::UseQuotes, true);
        } else if (has(a, QLatin1String("CSV:FIELDNAMES"))) {
            toCsvTab();
            setChecked(Field::FirstRecordFieldNames, true);
        } else if (starts(a, QLatin1String("CSV:OVERWRITE"))) {
            OverwriteWithoutAsking = true;
        } else if (starts(a, QLatin1String("CSV:INFILE:{"))) {
            toCsvTab();
            i = CollectBracedValue(arguments, i, value);
            setText(Field::PDBFileName, value);
        } else if (starts(a, QLatin1String("CSV:OUTFILE:{"))) {
            toCsvTab();
            i = CollectBracedValue(arguments, i, value);
            setText(Field::CSVFileName, value);
        } else if (starts(a, QLatin1String("PDB:INFILE:{"))) {
            toPdbTab();
            i = CollectBracedValue(arguments, i, value);
            setText(Field::CSVFileName2, value);
        } else if (starts(a, QLatin1String("PDB:OVERWRITE"))) {
            OverwriteWithoutAsking = true;
        } else if (starts(a, QLatin1String("PDB:OUTFILE:{"))) {
            toPdbTab();
            i = CollectBracedValue(arguments, i, value);
            setText(Field::PDBFileName2, value);
        } else if (starts(a, QLatin1String("PDB:DBNAME:{"))) {
            toPdbTab();
            i = CollectBracedValue(arguments, i, value);
            setText(Field::DatabaseName, value);
        } else if (starts(a, QLatin1String("PDB:AUTOINSTALL:{"))) {
            toPdbTab();
            InstallUserIndex = leadingInteger(QStringView(a).mid(17));
            if (InstallUserIndex != -1) {
                setSelection(Field::PDBUsers, InstallUserIndex);
                setChecked(Field::AutoInstallCheck, true);
            } else {
                setChecked(Field::AutoInstallCheck, false);
            }
        } else if (starts(a, QLatin1String("PDB:USEEXISTING:{"))) {
            toPdbTab();
            UsePDBFileClick();
            i = CollectBracedValue(arguments, i, value);
            setText(Field::PDBFileForInfo, value);
        } else if (has(a, QLatin1String("PDB:FIELDNAMES"))) {
            toPdbTab();
            setChecked(Field::HasFieldNames, true);
        }
    }

    if (pending == Conversion::ToDatabase)
        mCommandLineSucceeded = ToPDBButtonClick();
    else if (pending == Conversion::ToCsv)
        mCommandLineSucceeded = ToCSVButtonClick();
    mAutoNaming = true;
    return pending;
}

} // namespace dorvane
