// Office Open XML workbooks: the package's relationships, the workbook, shared strings, styles
// and the first worksheet. The input is a zip container, or the entries of one (see
// packageEntries), which the harness packs.
#include "fuzzsupport.h"

#include "vendara/exchange/xlsxreader.h"

namespace fuzz {

void readXlsx(const std::uint8_t *data, std::size_t size)
{
    const QString path =
        zipInputFile(QStringLiteral("input.xlsx"), QByteArrayView(data, qsizetype(size)));
    requireTransfer(vendara::XlsxReader::read(path));
}

} // namespace fuzz
