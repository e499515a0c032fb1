// Every text that the converter's front end shows: captions, hints, questions, messages and
// status texts, kept together so that they stay exact and can be tested as they are.
#pragma once

// Qt
#include <QString>
#include <QStringList>

namespace dorvane::texts {

// Captions of message boxes.
inline const QString kError = QStringLiteral("ERROR");
inline const QString kEngineError = QStringLiteral("ERROR!");
inline const QString kAccessDenied = QStringLiteral("ACCESS DENIED");
inline const QString kQuestion = QStringLiteral("Question");
inline const QString kWindowTitle = QStringLiteral("Quirra Desktop");
inline const QString kInstallCaption = QStringLiteral("Tavrelle");

// Hints of the file fields on both convert tabs.
inline const QString kInputHint = QStringLiteral(
    "Type the Input File name here (the file you wish to convert), or press the Browse button "
    "to the right to search your computer for the file name.");
inline const QString kOutputHint = QStringLiteral(
    "Type the Output File name here (the file you wish to create), or press the Browse button "
    "to the right to search your computer for the file name.");

// Handheld users and installation.
inline const QString kDesktopNotInstalled =
    QStringLiteral("The PalmPilot Desktop software is not correctly installed.");
inline const QString kDesktopNotInstalledAtInstall =
    QStringLiteral("The Pilot DeskTop Software is not Correctly Installed");
inline QString usersFileUnreadable(const QString &path)
{
    return QStringLiteral("The handheld users file %1 cannot be read, so no users are listed.")
        .arg(path);
}
inline QString usersFileTruncated(const QString &path, int read, int declared)
{
    return QStringLiteral("The handheld users file %1 ends early: %2 of its %3 users are "
                          "listed.")
        .arg(path)
        .arg(read)
        .arg(declared);
}

// Closing the window.
inline QString settingsNotSaved(const QString &reason)
{
    return QStringLiteral("The settings of this window could not be saved; the next start "
                          "shows them as they were before.\n\n%1")
        .arg(reason);
}

// Convert to CSV.
inline const QString kNeedInputPdb =
    QStringLiteral("You need to specify an input (.PDB) file to convert!");
inline const QString kNeedOutputCsv =
    QStringLiteral("You need to specify an output (.CSV) file to create!");
// Convert to database.
inline const QString kNeedInputCsv =
    QStringLiteral("You need to specify an input (.CSV) file to convert!");
inline const QString kNeedOutputPdb =
    QStringLiteral("You need to specify an output (.PDB) file to create!");
inline const QString kNeedDatabaseName = QStringLiteral(
    "You need to specify a Name (in Database Name) for the database when loaded into your "
    "PalmPilot/Workpad!");
inline const QString kNeedInfoPdb =
    QStringLiteral("You need to specify a Database (.PDB) file to use for the field information!");
inline const QString kInfoPdbMissing = QStringLiteral(
    "The Database (.PDB) file you specified to use for the field information does not exist. "
    "You need to choose a valid .PDB file!");
inline const QString kInfoPdbSameAsOutput = QStringLiteral(
    "The Database (.PDB) file you specified for output cannot be the same file as the .PDB "
    "file you specified for field information. You will need to choose a different output "
    ".PDB file!");
inline QString overwriteQuestion(const QString &path)
{
    return QStringLiteral("File:") + path + QStringLiteral(" Exists.  Overwrite?");
}

// View and print.
inline const QString kNeedViewFile =
    QStringLiteral("You need to specify a valid Quirra Database (.PDB) file to view!");
inline const QString kNeedPrintFile =
    QStringLiteral("You need to specify a valid Quirra Database (.PDB) file to Print!");
inline const QString kBadHeader = QStringLiteral(
    "Error reading Header information of Database(.PDB) file.\nMake sure you are reading a "
    "Quirra database file!");
inline const QString kBadDescriptor = QStringLiteral(
    "Error reading Record information of Database(.PDB) file.\nMake sure you are reading a "
    "Quirra database file!");
inline QString readingRecordError(int index)
{
    return QStringLiteral("ERROR:Reading Record: %1").arg(index);
}
inline const QString kPrintTitle = QStringLiteral("Printout of All Quirra Records");

// Status texts.
inline const QString kConvertingToCsv = QStringLiteral("Converting to .CSV...");
inline const QString kConvertingToPdb = QStringLiteral("Converting to .PDB...");
inline const QString kConversionSuccessful = QStringLiteral("Conversion Successful!");
inline const QString kConversionSuccessfulInstallFailed =
    QStringLiteral("Conversion Successful! (Install failed)");
inline const QString kConversionError = QStringLiteral("ERROR:In Conversion!");
inline const QString kConversionCancelled = QStringLiteral("Conversion Cancelled!");
inline const QString kPickerCancelled = QStringLiteral("Cancelled");
inline const QString kFileNotSelected = QStringLiteral("File Not Selected");
inline const QString kPickerOk = QStringLiteral("OK");
inline const QString kCancelledOpening = QStringLiteral("Cancelled Opening file");
inline const QString kPasswordNotEntered = QStringLiteral("Password Not Entered!");
inline const QString kViewNotAllowed = QStringLiteral("View not Allowed for this Database!");
inline const QString kFileReadOk = QStringLiteral("File Read OK!");
inline const QString kClearingGrid = QStringLiteral("Please Wait- Clearing Grid...");
inline const QString kReadingFile = QStringLiteral("Please Wait- Reading File...");
inline const QString kPrintPasswordNotEntered =
    QStringLiteral("Print Cancelled: Password not Entered");
inline const QString kPrintNotAllowed = QStringLiteral("Print Cancelled: Not allowed by Database");

// Database picker.
inline const QString kPickerTitle = QStringLiteral("Select a Quirra Database File");
inline const QString kClearingList = QStringLiteral("Please Wait- Clearing List...");
inline const QString kSearching = QStringLiteral("Searching for Quirra databases...");
inline const QString kNoDatabasesFound = QStringLiteral("No Quirra Databases found!");

// Password dialog.
inline const QString kPasswordTitle = QStringLiteral("Password Required");

// File dialogs.
inline const QString kPdbFilter = QStringLiteral("PDB Files (*.PDB)|*.PDB|All Files (*.*)|*.*");
inline const QString kPdbExtension = QStringLiteral("PDB");
inline const QString kCsvFilter = QStringLiteral("CSV Files (*.CSV)|*.CSV|All Files (*.*)|*.*");
inline const QString kCsvExtension = QStringLiteral("CSV");

// Preferences.
inline const QStringList kDateFormats = {
    QStringLiteral("MM/DD/YY   (eg, 12/25/97)"),  QStringLiteral("DD/MM/YY   (eg, 25/12/97)"),
    QStringLiteral("DD.MM.YY    (eg, 25.12.97)"), QStringLiteral("DD-MM-YY    (eg, 25-12-97)"),
    QStringLiteral("YY/MM/DD   (eg, 97/12/25)"),  QStringLiteral("YY.MM.DD   (eg, 97.12.25)"),
    QStringLiteral("YY-MM-DD   (eg, 97-12-25)"),
};
inline const QStringList kTimeFormats = {
    QStringLiteral("HH:MMam/pm  (eg, 2:51 PM)"),
    QStringLiteral("HH:MM             (eg, 14:51)"),
    QStringLiteral("HH.MMam/pm  (eg, 2.51 PM)"),
    QStringLiteral("HH.MM             (eg, 14.51)"),
    QStringLiteral("HH,MM             (eg, 14,51)"),
};
// CSV text encodings, in the order of the Preferences list; the names are also the values
// of the settings file's "CSV ENCODING" line.
inline const QStringList kCsvEncodings = {QStringLiteral("Windows-1252"), QStringLiteral("UTF-8")};

} // namespace dorvane::texts
