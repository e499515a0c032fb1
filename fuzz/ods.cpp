// OpenDocument spreadsheets: the mimetype entry and the first table of content.xml. The input
// is a zip container, or the entries of one (see packageEntries), which the harness packs.
#include "fuzzsupport.h"

#include "vendara/exchange/odsreader.h"

namespace fuzz {

void readOds(const std::uint8_t *data, std::size_t size)
{
    const QString path =
        zipInputFile(QStringLiteral("input.ods"), QByteArrayView(data, qsizetype(size)));
    (void)vendara::OdsReader::isOpenDocument(path);
    requireTransfer(vendara::OdsReader::read(path));
}

} // namespace fuzz
