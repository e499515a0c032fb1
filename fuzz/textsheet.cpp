// Tab- and comma-separated text read as a sheet; and the same bytes as an answer of the
// workbook reader process, which the program reads without trusting it.
#include "fuzzsupport.h"

#include "vendara/exchange/sheettransfer.h"
#include "vendara/exchange/textsheetreader.h"

namespace fuzz {

void readTextsheet(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    requireTransfer(vendara::TextSheetReader::parse(bytes));
    if (const auto answer = vendara::SheetTransfer::read(bytes))
        requireTransfer(*answer);
}

} // namespace fuzz
