// RTF of a formatted document, as word processors read it from the clipboard: a font table
// with the document's one font, \b and \b0 around bold runs, \fs with the size in half
// points, \tab for a tab, \par at each line feed. "\", "{" and "}" are escaped; characters
// above 127 are written as \'hh of Windows-1252, or as \uN with a "?" for readers that
// cannot take Unicode when the code page has no byte for them, so no character is lost.
// Tab stops are every half inch (720 twips), as in the editor the documents were designed
// for.
#pragma once

#include "richdocument.h"

// Qt
#include <QByteArray>

namespace vendara {

class RtfWriter
{
public:
    [[nodiscard]] static QByteArray write(const RichDocument &document);

    // One text as it stands in RTF: escapes, \tab and \par.
    [[nodiscard]] static QByteArray escape(const QString &text);
};

} // namespace vendara
