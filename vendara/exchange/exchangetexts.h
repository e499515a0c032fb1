// The texts the spreadsheet export, the spreadsheet update and the hand-off to the handheld
// show to the user, kept together so that tests can check them exactly.
#pragma once

// Qt
#include <QString>
#include <QStringList>

namespace vendara::texts {

// Characters listed one by one with a blank between them ("日 本").
inline QString spaced(const QString &characters)
{
    QStringList each;
    for (const char32_t c : characters.toUcs4())
        each.append(QString::fromUcs4(&c, 1));
    return each.join(QLatin1Char(' '));
}

// The spreadsheet questions of the toolbar and the "File" menu.
inline QString updateQuestionToolbar()
{
    return QStringLiteral("Do you want to modify the products with an Excel spreadsheet?");
}
inline QString updateQuestionMenu()
{
    return QStringLiteral("Do you want to get products from an Excel Spreadsheet?");
}
inline QString updateQuestionCaption()
{
    return QStringLiteral("Input Excel Data");
}
inline QString exportQuestionToolbar()
{
    return QStringLiteral("Do you want to export the products to an Excel readable file?");
}
inline QString exportQuestionMenu()
{
    return QStringLiteral("Do you want to save the current products to an Excel file?");
}
inline QString exportQuestionCaption()
{
    return QStringLiteral("Export to File");
}

// File dialogs. The save dialog's "Text Files" runs into its pattern without a blank, as it
// always has; the workbook entries come after the three classic ones.
inline QString exportFilter()
{
    return QStringLiteral("All Files (*.*)|*.*|Text Files(*.txt)|*.txt|Excel Files (*.xls)|*.xls"
                          "|Excel Workbook (*.xlsx)|*.xlsx");
}
inline QString openFilter()
{
    return QStringLiteral("All Files (*.*)|*.*|Text files (*.txt)|*.txt|Excel Files (*.xls)|*.xls"
                          "|Excel Workbook (*.xlsx)|*.xlsx|OpenDocument Spreadsheet (*.ods)|*.ods"
                          "|CSV Files (*.csv)|*.csv");
}
inline QString overwriteQuestion()
{
    return QStringLiteral("Overwrite existing file?");
}
inline QString overwriteCaption()
{
    return QStringLiteral("Overwrite?");
}
inline QString exportFailed(const QString &path, const QString &reason)
{
    return QStringLiteral("The products could not be exported to %1.\n\n%2").arg(path, reason);
}
inline QString exportLosesCharacters(const QString &characters)
{
    return QStringLiteral("Some products contain characters that a text file for spreadsheets "
                          "cannot hold: %1\n\nThey are written as question marks. Save as an "
                          "Excel Workbook (*.xlsx) to keep them.")
        .arg(spaced(characters));
}

// The export file's heading line.
inline QString exportHeading(int column)
{
    static const char *const headings[] = {
        "Part Number",   "Product Name",  "Price",         "Notes",         "Includes",
        "Price Point 1", "Price 1",       "Price Point 2", "Price 2",       "Price Point 3",
        "Price 3",       "Price Point 4", "Price 4",       "Price Point 5", "Price 5"};
    return QString::fromLatin1(headings[column - 1]);
}

// The update window.
inline QString updateCaption()
{
    return QStringLiteral("Update");
}
inline QString updateInstruction()
{
    return QStringLiteral(
        "Select the spreadsheet column that corresponds to the Vendara category.");
}
inline QString productInformationFrame()
{
    return QStringLiteral("Product Information");
}
inline QString discountScheduleFrame()
{
    return QStringLiteral("Discount Schedule");
}
inline QString firstRowDescriptions()
{
    return QStringLiteral("First row contains descriptions");
}
inline QString actionsFrame()
{
    return QStringLiteral("Actions");
}
inline QString addNewProducts()
{
    return QStringLiteral("Add new products to Encyclopedia");
}
inline QString addAndUpdateProducts()
{
    return QStringLiteral("Add new products and update existing ones");
}
inline QString required()
{
    return QStringLiteral("Required");
}
inline QString skipField()
{
    return QStringLiteral("Skip Field");
}
// A spreadsheet column as the lists offer it: "Col 0-  Part Number".
inline QString columnEntry(int column, const QString &heading)
{
    return QStringLiteral("Col %1-  %2").arg(column).arg(heading);
}
inline QString missingRequiredFields()
{
    return QStringLiteral("Missing required fields");
}
inline QString inputErrorCaption()
{
    return QStringLiteral("Input error");
}
inline QString pleaseWait()
{
    return QStringLiteral("Please wait");
}
inline QString productsAnalyzed(int row)
{
    return QStringLiteral("%1 products analyzed").arg(row);
}
inline QString notAnExcelFile()
{
    return QStringLiteral("This file is not an Excel 97 file.");
}
inline QString errorNumberCaption(int number)
{
    return QStringLiteral("Error %1").arg(number);
}
// Why the workbook reader process gave no sheet: the details of the "not an Excel 97 file"
// message.
inline QString readerOutOfMemory(qint64 megabytes)
{
    return QStringLiteral("The workbook reader ran out of memory (it may use %1 MB).")
        .arg(megabytes);
}
inline QString readerTookTooLong(int seconds)
{
    return QStringLiteral("The workbook reader was stopped: it took longer than %1 seconds.")
        .arg(seconds);
}
inline QString readerUsedTooMuchTime(int seconds)
{
    return QStringLiteral("The workbook reader was stopped: it used more than %1 seconds of "
                          "processor time.")
        .arg(seconds);
}
inline QString readerCrashed(int signal, const QString &name)
{
    return QStringLiteral("The workbook reader crashed (signal %1, %2).").arg(signal).arg(name);
}
inline QString readerEnded(int status)
{
    return QStringLiteral("The workbook reader ended with exit status %1.").arg(status);
}
inline QString readerNotStarted(const QString &program, const QString &reason)
{
    return QStringLiteral("The workbook reader %1 could not be started: %2").arg(program, reason);
}
inline QString readerAnswerUnreadable()
{
    return QStringLiteral("The workbook reader's answer could not be read.");
}
inline QString readerAnswerTooLarge(qint64 megabytes)
{
    return QStringLiteral("The workbook reader's answer is larger than %1 MB.").arg(megabytes);
}
inline QString importErrors()
{
    return QStringLiteral("There were errors importing the spreadsheet. Some of the information "
                          "will not be imported.");
}
inline QString importErrorCaption()
{
    return QStringLiteral("Import Error");
}
inline QString changesMade(int count)
{
    return QStringLiteral("%1 changes have been made to the knowledge base.").arg(count);
}
inline QString successCaption()
{
    return QStringLiteral("Success!");
}
inline QString catalogueFull(int capacity, int notImported)
{
    return QStringLiteral("The catalogue holds at most %1 products. %2 products of the "
                          "spreadsheet were not imported.")
        .arg(capacity)
        .arg(notImported);
}
inline QString missingProductName()
{
    return QStringLiteral("Missing Product Name");
}
// The product grid's tag while the update handles a row.
inline QString updatingTag()
{
    return QStringLiteral("Updating");
}

// The preview of an update.
inline QString previewCaption()
{
    return QStringLiteral("Update Preview");
}
inline QString previewSummaryFrame()
{
    return QStringLiteral("Summary");
}
inline QString previewListLabel()
{
    return QStringLiteral("Planned changes:");
}
inline QString applyButton()
{
    return QStringLiteral("Apply");
}
inline QString copyButton()
{
    return QStringLiteral("Copy");
}
inline QString previewNewCount(int count)
{
    return QStringLiteral("New products: %1").arg(count);
}
inline QString previewChangedCount(int count)
{
    return QStringLiteral("Changed products: %1").arg(count);
}
inline QString previewUnchangedCount(int count)
{
    return QStringLiteral("Unchanged products: %1").arg(count);
}
inline QString previewSkippedCount(int count)
{
    return QStringLiteral("Skipped rows: %1").arg(count);
}
inline QString previewActionHeading()
{
    return QStringLiteral("Action");
}
inline QString previewNew()
{
    return QStringLiteral("New");
}
inline QString previewChanged()
{
    return QStringLiteral("Changed");
}
inline QString previewSkippedDuplicate(int firstRow)
{
    return QStringLiteral("Skipped: repeats row %1").arg(firstRow);
}
inline QString previewSkippedFull()
{
    return QStringLiteral("Skipped: the catalogue is full");
}
inline QString previewSkippedUnreadable(const QString &field)
{
    return QStringLiteral("Skipped: %1 cannot be read").arg(field);
}
inline QString previewChange(const QString &before, const QString &after)
{
    return before + QStringLiteral(" \u2192 ") + after;
}
inline QString previewEmpty()
{
    return QStringLiteral("(empty)");
}

// Taking an import back.
inline QString undoImportQuestion(int added, int changed)
{
    return QStringLiteral("Undo the last spreadsheet import? %1 products added and %2 products "
                          "changed by it will be restored.")
        .arg(added)
        .arg(changed);
}
inline QString undoImportCaption()
{
    return QStringLiteral("Undo Last Import");
}
// The import's steps in the product history ("&Undo Import from Spreadsheet").
inline QString importStep()
{
    return QStringLiteral("Import from Spreadsheet");
}
inline QString removeImportStep()
{
    return QStringLiteral("Remove Last Import");
}

// The hand-off to the handheld.
inline QString sendShownQuestion()
{
    return QStringLiteral("Send products shown to palm computer?");
}
inline QString sendSelectedQuestion()
{
    return QStringLiteral("Send selected products to Palm Computer?");
}
inline QString groupNamePrompt()
{
    return QStringLiteral("What should this group of products be called?");
}
inline QString groupNameTitle()
{
    return QStringLiteral("Palmpilot category");
}
inline QString groupNameDefault()
{
    return QStringLiteral("Products");
}
inline QString groupNameRefused(int maxLength)
{
    return QStringLiteral("The group name names the files and the database on the handheld. It "
                          "must not contain / \\ { } or control characters, must not start with "
                          "a period, must hold only characters the handheld can show, and may "
                          "have at most %1 characters.")
        .arg(maxLength);
}
inline QString handheldCsvHeading()
{
    return QStringLiteral("Quote,Cat Number,Description,Price,Includes,Notes,Discounts");
}
inline QString errorCreatingPalmFile()
{
    return QStringLiteral("Error creating file for Palm application");
}
inline QString errorColonCaption(int number)
{
    return QStringLiteral("Error:%1").arg(number);
}
inline QString handheldLosesCharacters(const QString &characters)
{
    return QStringLiteral("Some products contain characters that the handheld cannot show: "
                          "%1\n\nThey are sent as question marks.")
        .arg(spaced(characters));
}
inline QString sentAfterHotsync()
{
    return QStringLiteral("After you hotsync the selected products will be in your Palmpilot.");
}
inline QString sentCaption()
{
    return QStringLiteral("Success");
}
inline QString converterNotStarted(const QString &program, const QString &reason)
{
    return QStringLiteral("The products were not sent to the handheld: the converter %1 could "
                          "not be started.\n\n%2")
        .arg(program, reason);
}
inline QString converterFailed(int exitStatus)
{
    return QStringLiteral("The products were not sent to the handheld: the converter ended "
                          "with an error (exit status %1).")
        .arg(exitStatus);
}
inline QString converterCrashed(const QString &csvFile)
{
    return QStringLiteral("The products were not sent to the handheld: the converter stopped "
                          "unexpectedly. The file %1 is kept.")
        .arg(csvFile);
}
inline QString notSentCaption()
{
    return QStringLiteral("Palmpilot");
}

} // namespace vendara::texts
