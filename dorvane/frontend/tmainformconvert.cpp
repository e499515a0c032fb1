// The main window's two convert tabs: the checks and questions before each conversion,
// the file dialogs and pickers of their fields, and automatic naming.
#include "tmainform.h"

#include "texts.h"

#include "common/prompt/prompter.h"

// Qt
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

} // namespace

// ---- Convert .PDB To .CSV

// Automatic naming: a new input file name proposes the output file name (and, for a CSV
// input, the database name).
void TMainForm::deriveFromPdbFileName()
{
    if (!mAutoNaming)
        return;
    setText(Field::CSVFileName, withExtension(mPdbFileName, QStringLiteral(".CSV")));
}

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

void TMainForm::BrowsePDBClick()
{
    runPicker(Field::PDBFileName);
}

void TMainForm::BrowseCSVClick()
{
    fileDialogInto(Field::CSVFileName, true, false);
}

// ---- Convert .CSV To .PDB

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

void TMainForm::BrowseCSV2Click()
{
    fileDialogInto(Field::CSVFileName2, false, false);
}

void TMainForm::BrowsePDB2Click()
{
    fileDialogInto(Field::PDBFileName2, true, true);
}

void TMainForm::BrowsePDBFileToUseClick()
{
    runPicker(Field::PDBFileForInfo);
}

} // namespace dorvane
