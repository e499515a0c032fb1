#include "richclipboard.h"

#include "vendara/pricing/documentmime.h"

// Qt
#include <QClipboard>
#include <QGuiApplication>

namespace vendara {

void RichClipboard::put(const RichDocument &document)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return;
    clipboard->clear();
    clipboard->setMimeData(DocumentMime::create(document).release());
}

} // namespace vendara
