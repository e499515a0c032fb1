// The converter's main window without its widgets: the state of every control, the
// commands behind its buttons, start-up with the command line, and the settings file. The
// window layer (MainWindow) shows the controls and forwards the user's actions here; tests
// drive it directly.
#pragma once

#include "bracedvalue.h"
#include "settingsfile.h"
#include "stringgridmodel.h"
#include "tuserdata.h"

#include "dorvane/convert/accesscheck.h"
#include "dorvane/convert/conversionsettings.h"

// Qt
#include <QObject>
#include <QString>
#include <QStringList>

// std
#include <memory>

namespace prompt {
class Prompter;
}

namespace pdb {
class Database;
}

namespace dorvane {

class FormDialogs;
class PrinterProvider;

class TMainForm : public QObject
{
    Q_OBJECT

public:
    enum class Page { ToCSV, ToPDB, ViewPDB, PreferencesSheet, AboutSheet };
    enum class Conversion { None, ToDatabase, ToCsv };

    // The controls that hold a value, by their names in the window.
    enum class Field {
        // edits
        PDBFileName,
        CSVFileName,
        CSVFileName2,
        PDBFileName2,
        DatabaseName,
        PDBFileForInfo,
        PDBNameField,
        CSVSeparator,
        // check boxes and the radio pair (CreateTextFields is the other of UsePDBFile)
        UseQuotes,
        FirstRecordFieldNames,
        HasFieldNames,
        AutoInstallCheck,
        UsePDBFile,
        Fixed1stColumn,
        // drop-down lists (the selected entry, -1 none)
        PDBUsers,
        DateFormat,
        TimeFormat,
        CsvEncoding,
        // the page control
        Pages,
    };

    struct Services
    {
        prompt::Prompter &prompter;
        FormDialogs &dialogs;
        PrinterProvider *printer = nullptr; // no printer: the print command does nothing
        QString programFolder;              // where "QD.INI" lives (or the fallback)
        QString registryPath;
    };

    explicit TMainForm(Services services, QObject *parent = nullptr);
    ~TMainForm() override;

    // Start-up: users, defaults, preferences, the command line, then the saved fields when
    // the command line chose no conversion. Returns the conversion that the command line
    // ran; the program then ends.
    Conversion FormCreate(const QStringList &arguments);
    // The outcome of that conversion (and of the install it asked for).
    [[nodiscard]] bool commandLineSucceeded() const { return mCommandLineSucceeded; }
    // Closing the window: the settings file is written.
    void FormClose();

    // Controls.
    [[nodiscard]] QString text(Field field) const;
    void setText(Field field, const QString &text);
    [[nodiscard]] bool checked(Field field) const;
    void setChecked(Field field, bool checked);
    [[nodiscard]] int selection(Field field) const;
    void setSelection(Field field, int index);
    [[nodiscard]] Page page() const { return mPage; }
    void setPage(Page page);
    [[nodiscard]] const QString &statusText() const { return mStatus; }
    // The field-information file controls are shown while UsePDBFile is selected.
    [[nodiscard]] bool fieldInfoControlsVisible() const { return mUsePdbFile; }
    [[nodiscard]] bool autoNaming() const { return mAutoNaming; }
    [[nodiscard]] int fixedColumns() const { return mFixed1stColumn ? 1 : 0; }
    // A conversion, view or printout is running.
    [[nodiscard]] bool busy() const { return mBusy; }

    // Commands.
    bool ToCSVButtonClick();
    bool ToPDBButtonClick();
    bool ViewPDBButtonClick();
    bool PrintDatabaseButtonClick();
    void BrowsePDBClick();
    void BrowseCSVClick();
    void BrowseCSV2Click();
    void BrowsePDB2Click();
    void ByUserButtonClick();
    void BrowsePDBFileToUseClick();
    void UsePDBFileClick();
    void CreateTextFieldsClick();
    void AutoInstallCheckClick(bool checked);
    void Fixed1stColumnClick(bool checked);

    void ShowStatus(const QString &text);
    // A progress text of a running conversion: shown in the status bar with the next
    // repaint.
    void showProgress(const QString &text);
    // Lets the window repaint during long work, at most every few hundredths of a second.
    void processPendingEvents() { repaintNow(false); }
    void ApplyPreferences();
    void FillGridHeaders(const pdb::Database &database);
    void FillGrid(const pdb::Database &database);
    Conversion ProcessCommandLine(const QStringList &arguments);
    void ReadPrefs();
    void ReadConfig();
    void WriteConfig();

    [[nodiscard]] QString settingsPath() const { return mSettingsPath; }
    // The handheld users, read by start-up (FormCreate); no names before it.
    [[nodiscard]] QStringList userNames() const
    {
        return mUsers ? mUsers->userNames() : QStringList();
    }
    [[nodiscard]] TUserData &users() { return *mUsers; }
    [[nodiscard]] const TUserData &users() const { return *mUsers; }
    [[nodiscard]] StringGridModel &grid() { return mGrid; }
    [[nodiscard]] const convert::ConversionSettings &conversionSettings() const
    {
        return mSettings;
    }
    [[nodiscard]] prompt::Prompter &prompter() { return mPrompter; }

    // Shared with the command line: both conversions replace an existing output without
    // asking once it is set; nothing clears it until the program ends.
    bool OverwriteWithoutAsking = false;
    int InstallUserIndex = -1;

signals:
    void fieldChanged(dorvane::TMainForm::Field field);
    void pageChanged(dorvane::TMainForm::Page page);
    void statusShown(const QString &text);
    void progressShown(const QString &text);

private:
    enum class Check { Go, Cancel, Again };

    QString *textField(Field field);
    bool *checkField(Field field);
    int *selectionField(Field field);

    // A file dialog for a field: proposes its text and puts the chosen file back. False
    // when the dialog was closed without a file.
    bool fileDialogInto(Field field, bool save, bool database);
    // "Exists. Overwrite?" for an existing output file; the save dialog after No.
    Check overwriteCheck(Field field, bool database);
    // An OK-Cancel error box, then the file dialog into the field.
    Check fixWithDialog(const QString &message, Field field, bool save, bool database);
    // The database picker into a field; true when a file was chosen.
    bool runPicker(Field field);
    // The conversions themselves, with the settings applied.
    bool convertToCsv();
    bool convertToDatabase();
    // Lets the window repaint (without taking the user's input, so no second command
    // starts while one runs); unless forced, at most every few hundredths of a second.
    void repaintNow(bool force);
    // The access check of the view and print commands.
    [[nodiscard]] convert::AccessOutcome checkAccess(const pdb::Database &database);
    // The file check shared by the view and print commands.
    bool chooseExistingDatabase(const QString &message, bool statusOnCancel);
    void deriveFromPdbFileName();
    void deriveFromCsvFileName2();
    [[nodiscard]] SavedSettings savedSettings() const;

    prompt::Prompter &mPrompter;
    FormDialogs &mDialogs;
    PrinterProvider *mPrinter;
    QString mSettingsPath;
    QString mRegistryPath;
    std::unique_ptr<TUserData> mUsers;
    StringGridModel mGrid;
    convert::ConversionSettings mSettings;
    bool mCommandLineSucceeded = true;
    QString mConversionNote; // what the last conversion has to add to its outcome
    bool mAutoNaming = true;
    bool mKeepViewFile = false; // the command line named the file to view
    bool mBusy = false;
    qint64 mLastRepaint = 0;

    Page mPage = Page::AboutSheet;
    QString mStatus;
    QString mPdbFileName;
    QString mCsvFileName;
    QString mCsvFileName2;
    QString mPdbFileName2;
    QString mDatabaseName;
    QString mPdbFileForInfo;
    QString mPdbNameField;
    QString mCsvSeparator = QStringLiteral(",");
    bool mUseQuotes = false;
    bool mFirstRecordFieldNames = false;
    bool mHasFieldNames = true;
    bool mAutoInstall = false;
    bool mUsePdbFile = false;
    bool mFixed1stColumn = true;
    int mPdbUsers = -1;
    int mDateFormat = 0;
    int mTimeFormat = 0;
    int mCsvEncoding = 0;
};

} // namespace dorvane
