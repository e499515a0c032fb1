// The exchange commands installed on the main window: "New" and "&Open Excel File" ask and
// then open the update window on the chosen workbook; "Undo Last Import" takes the last
// import that changed the catalogue back; "Export" and "&Save to Excel" ask and then export
// (both pairs share the window's one file dialog state); "Palm" sends the products shown, or
// the selected ones, to the handheld.
#pragma once

#include "exportcommand.h"
#include "handheldexport.h"
#include "importhistory.h"
#include "processlauncher.h"
#include "spreadsheetfiles.h"
#include "spreadsheetquestions.h"

#include "vendara/window/producthistory.h"

// Qt
#include <QObject>
#include <QPointer>

// std
#include <optional>

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
    // workbook in the reader process (neither is waited for). With `file` (a file dropped on
    // the window), that workbook instead of the file dialog's.
    void update(SpreadsheetQuestions::From from, const QString &file = QString());
    // "Undo Last Import": asks, then restores the catalogue as it was before the last import
    // that changed it. The item is disabled while there is none.
    void undoLastImport();
    // The last import; its signals tell when an import has been applied and undone.
    [[nodiscard]] ImportHistory &importHistory() { return mHistory; }
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

    // Ends edit mode (committing what was typed), as before an import.
    void endEditing();
    // From the end of edit mode before an import's first row until the import is a step of
    // the product history (or the update window closes without one), the history knows the
    // table changes are the import's.
    void beginImport();
    void endImport();
    // An import (or its removal by "Undo Last Import") as one step of the product history:
    // undoing and redoing it also tell the import history whether there is an import to undo.
    void pushImportStep(const ImportRecord &record, bool removal);
    // The grid shows the product table again from its first row, with its details.
    void rebind();

    frmMain &mWindow;
    SpreadsheetFiles mFiles;
    ExportCommand mExport;
    ProcessLauncher mLauncher;
    HandheldExport mHandheld;
    QPointer<FrmUpdate> mUpdate;
    ImportHistory mHistory;
    std::optional<ProductHistory::Recording> mImportRecording;
    int mRowBeforeImport = 0;
};

} // namespace vendara
