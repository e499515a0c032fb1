// What FreeXL leaves out of an Excel 97-2003 worksheet: the saved results of formula cells
// (FORMULA records, with a text result in the STRING record after them) and the cells of
// truth values and error values (BOOLERR records). The scan walks the workbook stream's
// records from the worksheet's BOUNDSHEET entry to its EOF record.
#pragma once

#include "sheetcell.h"

// Qt
#include <QByteArray>
#include <QString>

// std
#include <map>
#include <optional>
#include <utility>

namespace vendara {

class BiffSheetScan
{
public:
    // Cells by zero-based row and column.
    using Cells = std::map<std::pair<int, int>, SheetCell>;

    // The worksheet named `sheetName`, or the first worksheet when no sheet has that name;
    // nothing when the stream is not a BIFF5 or BIFF8 workbook or is damaged.
    [[nodiscard]] static std::optional<Cells> scan(const QByteArray &workbookStream,
                                                   const QString &sheetName);
};

} // namespace vendara
