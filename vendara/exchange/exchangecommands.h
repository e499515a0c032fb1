// The exchange commands installed on the main window: "New" and "&Open Excel File" ask and
// then open the update window on the chosen workbook; "Export" and "&Save to Excel" ask and
// then export (both pairs share the window's one file dialog state); "Palm" sends the products
// shown, or the selected ones, to the handheld.
#pragma once

#include "exportcommand.h"
#include "handheldexport.h"
#include "processlauncher.h"
#include "spreadsheetfiles.h"
#include "spreadsheetquestions.h"

// Qt
#include <QObject>
#include <QPointer>

namespace vendara {

class FrmUpdate;
class frmMain;

class ExchangeCommands : public QObject
{
    Q_OBJECT

public:
    // Installs the commands on a loaded window; the window owns the result.
    static ExchangeCommands *install(frmMain &window);
    ~ExchangeCommands() override;

    [[nodiscard]] SpreadsheetFiles &files() { return mFiles; }
    // The update window while it is open.
    [[nodiscard]] FrmUpdate *updateWindow() const;

    // The spreadsheet update question, the workbook, then the update window, which reads the
    // workbook in the reader process (neither is waited for).
    void update(SpreadsheetQuestions::From from);
    // The export question, then the export.
    void exportProducts(SpreadsheetQuestions::From from);
    // The hand-off of the grid's selection (or of the products shown) to the handheld.
    void sendToHandheld();

    // The selected rows of the product grid (table rows, in the order of the selection). A
    // selection that is just the current row is the grid's highlight of that row, not a
    // choice of products: it counts as none.
    [[nodiscard]] QList<int> selectedRows() const;

private:
    explicit ExchangeCommands(frmMain &window);

    frmMain &mWindow;
    SpreadsheetFiles mFiles;
    ExportCommand mExport;
    ProcessLauncher mLauncher;
    HandheldExport mHandheld;
    QPointer<FrmUpdate> mUpdate;
};

} // namespace vendara
