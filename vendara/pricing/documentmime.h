// A formatted document in the forms the clipboard offers it: RTF as "text/rtf" and
// "application/rtf" for word processors, HTML as "text/html" for e-mail programs and plain
// text for everything else.
#pragma once

#include "richdocument.h"

// Qt
#include <QMimeData>

// std
#include <memory>

namespace vendara {

class DocumentMime
{
public:
    [[nodiscard]] static QString rtfType() { return QStringLiteral("text/rtf"); }
    [[nodiscard]] static QString rtfApplicationType() { return QStringLiteral("application/rtf"); }

    [[nodiscard]] static std::unique_ptr<QMimeData> create(const RichDocument &document);
};

} // namespace vendara
