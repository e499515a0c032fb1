// A check of an Excel 97-2003 workbook stream before FreeXL reads it. FreeXL trusts the
// lengths inside the records: a damaged file whose records claim texts longer than the
// records hold makes it read past its buffers. The check walks every record and refuses a
// stream whose records do not fit, whose texts (shared strings with their continuations,
// sheet names, cell texts, number formats, font names) run past their records, or whose sheet
// holds more than one DIMENSIONS record (FreeXL then frees memory it does not own).
#pragma once

// Qt
#include <QByteArray>

namespace vendara {

class BiffCheck
{
public:
    [[nodiscard]] static bool wellFormed(const QByteArray &workbookStream);
};

} // namespace vendara
