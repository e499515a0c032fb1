// The catalogue as a file a spreadsheet program opens: a heading line and one line per
// product (rows without a part number left out), in table order.
//
// Text form: Windows-1252, lines ending with CR LF, the fifteen fields separated by single
// tabs (so every line has exactly 14), no quoting. The price is in the "currency" form; notes
// and includes that hold a line feed have every CR and LF replaced by a blank (a CR LF pair
// becomes two blanks); everything else is written as stored.
//
// Workbook form (.xlsx): the same heading and cells on one worksheet, prices and price points
// that are numbers written as numbers, line breaks kept inside their cells.
#pragma once

#include "common/core/status.h"
#include "vendara/store/table.h"

// Qt
#include <QByteArray>
#include <QString>

namespace vendara {

class ExportFile
{
public:
    // The text form's bytes; `lost` receives the characters Windows-1252 cannot hold (written
    // as "?").
    [[nodiscard]] static QByteArray textBytes(const Table &products, QString *lost = nullptr);
    // The fields of one product row in the text form.
    [[nodiscard]] static QStringList textFields(const Table &products, int row);

    // Replaces `path` only once the new file is complete.
    [[nodiscard]] static common::Status writeText(const QString &path, const QByteArray &bytes);
    [[nodiscard]] static common::Status writeWorkbook(const QString &path, const Table &products);

    // Whether a chosen name asks for the workbook form (it ends in ".xlsx").
    [[nodiscard]] static bool isWorkbookName(const QString &path);

    // The price cell in the "currency" form: a number, or a text that reads as one; another
    // text as it stands; nothing as empty text.
    [[nodiscard]] static QString priceText(const Cell &price);
    // A text holding a line feed with every CR and LF made a blank; other texts unchanged.
    [[nodiscard]] static QString flattened(const QString &text);
};

} // namespace vendara
