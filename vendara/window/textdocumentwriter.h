// A formatted document (RichDocument) as Qt's text document, for laying it out on pages: the
// document's font, each run's size and weight, a paragraph per line feed, and tabs on the
// half-inch stops that the RTF form sets too.
#pragma once

#include "vendara/pricing/richdocument.h"

// Qt
#include <QTextDocument>

// std
#include <memory>

namespace vendara {

class TextDocumentWriter
{
public:
    [[nodiscard]] static std::unique_ptr<QTextDocument> write(const RichDocument &document);
    // The document's font family with a generic family to fall back on where it is missing.
    [[nodiscard]] static QFont font(const QString &family, double points, bool bold = false);
};

} // namespace vendara
