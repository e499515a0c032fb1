// The catalogue file as the program reads it at start-up (into the table of 1000 rows, then
// sorted), and written again.
#include "fuzzsupport.h"

#include "vendara/store/productcolumns.h"
#include "vendara/store/products.h"
#include "vendara/store/table.h"

namespace fuzz {

void readCatalogue(const std::uint8_t *data, std::size_t size)
{
    const QString path =
        scratchFile(QStringLiteral("vadata.dat"), QByteArrayView(data, qsizetype(size)));
    vendara::Table table;
    vendara::Products products(table);
    const vendara::Products::ReadResult read = products.load(path);
    require(read.errorNumber == 0, "an existing file is read");
    require(products.Count() == table.rows() && table.columns() == vendara::product::ColumnCount,
            "the table holds the products read");
    require(products.WriteProds(scratchFile(QStringLiteral("written.dat"), {})).ok(),
            "the products are written");
}

} // namespace fuzz
