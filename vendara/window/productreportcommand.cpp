#include "productreportcommand.h"

#include "frmmain.h"
#include "productreport.h"
#include "richclipboard.h"

#include "vendara/store/programcontext.h"

namespace vendara {

ProductReportCommand *ProductReportCommand::install(frmMain &window)
{
    return new ProductReportCommand(window);
}

ProductReportCommand::ProductReportCommand(frmMain &window)
    : QObject(&window)
    , mWindow(window)
    , mLast(ProductReport::fontFamily())
{
    window.commands().add(QStringLiteral("mnucopyproduct"), [this] { Openword(); });
    window.commands().add(QStringLiteral("mnuCopyProductInfo"), [this] { Openword(); });
}

void ProductReportCommand::Openword()
{
    const int row = mWindow.currentRow();
    if (row < 1 || row > mWindow.context().productTable().rows())
        return;
    mLast = ProductReport::build(mWindow.context().productTable(), row);
    RichClipboard::put(mLast);
}

} // namespace vendara
