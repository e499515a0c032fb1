// Excel 97-2003 workbooks: the compound document, the check of the workbook stream, FreeXL
// and the scan of what FreeXL leaves out. An input that is not a compound document is taken
// as a bare workbook stream and wrapped in one, so that the fuzzer can work on the records.
#include "fuzzsupport.h"

#include "vendara/exchange/xlsreader.h"

namespace fuzz {

void readXls(const std::uint8_t *data, std::size_t size)
{
    QByteArrayView input(data, qsizetype(size));
    static const QByteArray signature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    const QByteArray file =
        input.startsWith(signature) ? input.toByteArray() : compoundDocument(input);
    requireTransfer(vendara::XlsReader::read(scratchFile(QStringLiteral("input.xls"), file)));
}

} // namespace fuzz
