#include "productorder.h"

namespace vendara {

int ProductOrder::compare(const Cell &a, const Cell &b)
{
    if (a.isText() && b.isText())
        return a.text().compare(b.text(), Qt::CaseInsensitive);
    return a.toText().compare(b.toText(), Qt::CaseInsensitive);
}

} // namespace vendara
