// The main window's preferences and the settings file "QD.INI": reading them at start,
// applying the preferences to the conversions, writing the fields at close.
#include "tmainform.h"

#include "texts.h"

#include "common/prompt/prompter.h"
#include "common/qt/cp1252text.h"

namespace dorvane {

namespace {

int validIndex(int index, int count)
{
    return index >= 0 && index < count ? index : 0;
}

} // namespace

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

} // namespace dorvane
