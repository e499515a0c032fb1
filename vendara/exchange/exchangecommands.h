// The spreadsheet commands installed on the main window: "New" and "&Open Excel File" ask
// and then open the update window on the chosen workbook; "Export" and "&Save to Excel" ask
// and then export. Both pairs share the window's one file dialog state.
#pragma once

#include "exportcommand.h"
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

    // The spreadsheet update question, the workbook, then the update window (not waited for).
    void update(SpreadsheetQuestions::From from);
    // The export question, then the export.
    void exportProducts(SpreadsheetQuestions::From from);

private:
    explicit ExchangeCommands(frmMain &window);

    frmMain &mWindow;
    SpreadsheetFiles mFiles;
    ExportCommand mExport;
    QPointer<FrmUpdate> mUpdate;
};

} // namespace vendara
