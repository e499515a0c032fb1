// What a file dragged onto the main window means: one spreadsheet file starts the
// spreadsheet update with it; anything else is no drop for the window.
#pragma once

// Qt
#include <QString>

class QMimeData;

namespace vendara {

class DroppedSpreadsheet
{
public:
    // The local file being dragged when it is one file whose name ends in .xls, .xlsx, .ods,
    // .csv or .txt (in any letter case); empty text otherwise.
    [[nodiscard]] static QString path(const QMimeData *data);
};

} // namespace vendara
