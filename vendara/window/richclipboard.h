// Puts a formatted document on the system clipboard in every form it has (RTF as "text/rtf"
// and "application/rtf", HTML, plain text), replacing what the clipboard held.
#pragma once

#include "vendara/pricing/richdocument.h"

namespace vendara {

class RichClipboard
{
public:
    static void put(const RichDocument &document);
};

} // namespace vendara
