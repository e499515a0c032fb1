// Excel 97-2003 workbooks (.xls, and the Excel 5 form before them): the first worksheet as
// FreeXL reads it, completed with what FreeXL leaves out (see BiffSheetScan): the saved
// results of formulas, truth values as TRUE and FALSE, and error values as unreadable cells.
#pragma once

#include "workbook.h"

namespace vendara {

class XlsReader
{
public:
    [[nodiscard]] static Workbook::OpenResult read(const QString &path);
};

} // namespace vendara
