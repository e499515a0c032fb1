// The main window's commands that read and write databases: the two conversions, viewing a
// database in the grid and printing it.
#include "tmainform.h"

#include "databaseprintout.h"
#include "formengineui.h"
#include "printerprovider.h"
#include "texts.h"

#include "common/prompt/prompter.h"
#include "common/qt/cp1252text.h"
#include "dorvane/convert/csvtodatabase.h"
#include "dorvane/convert/databasetocsv.h"
#include "dorvane/convert/messages.h"
#include "dorvane/pdb/database.h"

// Qt
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace dorvane {

namespace {

// The grid shows the header row and at most 19999 data rows.
constexpr std::size_t kGridRows = 20000;

std::filesystem::path toPath(const QString &path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString fromCp1252(const std::string &bytes)
{
    return common::fromCp1252(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

QString replacedNote(std::size_t replaced)
{
    if (replaced == 0)
        return {};
    return QStringLiteral(" (%1 character%2 not in Windows-1252 stored as \"?\")")
        .arg(replaced)
        .arg(replaced == 1 ? QString() : QStringLiteral("s"));
}

QString linesCutNote(std::size_t lines)
{
    if (lines == 0)
        return {};
    return QStringLiteral(" (") + QString::fromStdString(convert::messages::linesCut(lines))
           + QLatin1Char(')');
}

} // namespace

bool TMainForm::convertToCsv()
{
    FormEngineUi ui(*this, mDialogs);
    const convert::ConversionResult result =
        convert::databaseToCsv(toPath(mPdbFileName), toPath(mCsvFileName), mSettings, ui);
    mConversionNote.clear();
    return result.ok;
}

bool TMainForm::convertToDatabase()
{
    FormEngineUi ui(*this, mDialogs);
    const convert::ConversionResult result = convert::csvToDatabase(
        toPath(mCsvFileName2), toPath(mPdbFileName2),
        mUsePdbFile ? toPath(mPdbFileForInfo) : std::filesystem::path(), mSettings, ui);
    mConversionNote = replacedNote(result.replacedCharacters) + linesCutNote(result.linesCut);
    return result.ok;
}

bool TMainForm::chooseExistingDatabase(const QString &message, bool statusOnCancel)
{
    while (!QFileInfo(mPdbNameField).isFile()) {
        if (mPrompter.message(message, texts::kError, prompt::Buttons::OkCancel,
                              prompt::Icon::Exclamation)
            != prompt::Answer::Ok) {
            if (statusOnCancel)
                ShowStatus(texts::kCancelledOpening);
            return false;
        }
        if (!fileDialogInto(Field::PDBNameField, false, true))
            return false;
    }
    return true;
}

convert::AccessOutcome TMainForm::checkAccess(const pdb::Database &database)
{
    FormEngineUi ui(*this, mDialogs);
    return convert::checkReadAccess(database.descriptor(), ui);
}

bool TMainForm::ViewPDBButtonClick()
{
    if (mBusy)
        return false;
    if (!chooseExistingDatabase(texts::kNeedViewFile, true))
        return false;
    pdb::Database database = pdb::Database::open(toPath(mPdbNameField));
    if (database.headerCheck() != pdb::Database::HeaderCheck::Quirra) {
        mPrompter.message(texts::kBadHeader, texts::kError, prompt::Buttons::Ok,
                          prompt::Icon::Exclamation);
        return false;
    }
    if (!database.readDescriptor()) {
        mPrompter.message(texts::kBadDescriptor, texts::kError, prompt::Buttons::Ok,
                          prompt::Icon::Exclamation);
        return false;
    }
    const convert::AccessOutcome access = checkAccess(database);
    if (access != convert::AccessOutcome::Allowed) {
        ShowStatus(access == convert::AccessOutcome::PasswordNotEntered ? texts::kPasswordNotEntered
                                                                        : texts::kViewNotAllowed);
        return false;
    }
    ApplyPreferences();
    mBusy = true;
    FillGridHeaders(database);
    FillGrid(database);
    mBusy = false;
    ShowStatus(texts::kFileReadOk);
    return true;
}

void TMainForm::FillGridHeaders(const pdb::Database &database)
{
    QStringList headers;
    QList<int> widths;
    for (const pdb::DisplayField &field : database.displayFields()) {
        headers.append(fromCp1252(field.name));
        widths.append(field.visible() ? 2 * field.columnWidth : 0);
    }
    mGrid.setHeaders(headers, widths);
}

void TMainForm::FillGrid(const pdb::Database &database)
{
    ShowStatus(texts::kClearingGrid);
    mGrid.clearRows();
    ShowStatus(texts::kReadingFile);

    const std::size_t records = database.recordCount();
    const std::size_t rows = records >= kGridRows              ? kGridRows - 1
                             : records > pdb::kFirstDataRecord ? records - pdb::kFirstDataRecord
                                                               : 0;
    const int columns = mGrid.columnCount();
    std::vector<QString> cells(rows * size_t(columns));
    const pdb::TextFormats formats{mSettings.dateFormat, mSettings.timeFormat};
    std::size_t row = 0;
    bool told = false;
    for (std::size_t index = pdb::kFirstDataRecord; index < records && row < rows; ++index) {
        const auto texts = database.recordTexts(index, formats);
        if (!texts) {
            // One box is enough: a damaged file can have thousands of unreadable records.
            if (!told) {
                mPrompter.message(texts::readingRecordError(int(index)), texts::kEngineError,
                                  prompt::Buttons::Ok, prompt::Icon::Exclamation);
                told = true;
            }
            continue;
        }
        QString *rowCells = cells.data() + row * size_t(columns);
        for (size_t n = 0; n < texts->size() && int(n) < columns; ++n)
            rowCells[n] = fromCp1252((*texts)[n]);
        ++row;
        if ((row & 0x3FF) == 0)
            processPendingEvents();
    }
    mGrid.setRows(int(rows), std::move(cells));
}

bool TMainForm::PrintDatabaseButtonClick()
{
    if (mBusy)
        return false;
    if (!chooseExistingDatabase(texts::kNeedPrintFile, false))
        return false;
    if (mPrinter == nullptr)
        return false;
    QPagedPaintDevice *device = mPrinter->choosePrinter(texts::kPrintTitle);
    if (device == nullptr)
        return false;
    pdb::Database database = pdb::Database::open(toPath(mPdbNameField));
    if (database.headerCheck() == pdb::Database::HeaderCheck::CannotOpen)
        return false;
    if (!database.readDescriptor())
        return false;
    const convert::AccessOutcome access = checkAccess(database);
    if (access != convert::AccessOutcome::Allowed) {
        ShowStatus(access == convert::AccessOutcome::PasswordNotEntered
                       ? texts::kPrintPasswordNotEntered
                       : texts::kPrintNotAllowed);
        return false;
    }

    DatabasePrintout printout(*device);
    if (!printout.begin())
        return false;
    mBusy = true;
    const QDateTime now = QDateTime::currentDateTime();
    printout.PrintText(QStringLiteral("Quirra Database: %1   Printed: %2 %3")
                           .arg(mPdbNameField, now.toString(QStringLiteral("MM/dd/yy")),
                                now.toString(QStringLiteral("HH:mm"))));
    // Dates and times print in the formats last applied, as the conversions and the viewer
    // left them.
    const pdb::TextFormats formats{mSettings.dateFormat, mSettings.timeFormat};
    for (std::size_t index = pdb::kFirstDataRecord; index < database.recordCount(); ++index) {
        printout.PrintRecord(database, index, formats);
        processPendingEvents();
    }
    printout.end();
    mBusy = false;
    return true;
}

} // namespace dorvane
