// "&Copy Product Info" of the "&Products" menu and of the product grid's pop-up menu
// (`Openword`): the product report of the current product, put on the clipboard as RTF, HTML
// and plain text, replacing what the clipboard held.
#pragma once

#include "vendara/pricing/richdocument.h"

// Qt
#include <QObject>

namespace vendara {

class frmMain;

class ProductReportCommand : public QObject
{
    Q_OBJECT

public:
    // Installs "mnucopyproduct" and "mnuCopyProductInfo" on a loaded window; the window owns
    // the result.
    static ProductReportCommand *install(frmMain &window);

    // Builds the report of the grid's current row and puts it on the clipboard. Without a
    // current product nothing happens.
    void Openword();

    // The last report built (empty before the first).
    [[nodiscard]] const RichDocument &lastReport() const { return mLast; }

private:
    explicit ProductReportCommand(frmMain &window);

    frmMain &mWindow;
    RichDocument mLast;
};

} // namespace vendara
