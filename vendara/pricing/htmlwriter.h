// HTML of a formatted document, for e-mail programs and editors that take HTML from the
// clipboard: the document's font, <b> around bold runs, each run's size in points, a line
// feed as <br>. Tabs stay tab characters in text whose white space is kept, with tab stops
// every half inch as in the RTF form (readers that know only tab widths in characters get
// about the same width).
#pragma once

#include "richdocument.h"

// Qt
#include <QString>

namespace vendara {

class HtmlWriter
{
public:
    [[nodiscard]] static QString write(const RichDocument &document);
};

} // namespace vendara
