// The quote document as a PDF file, without any dialog: the same document the "Copy"
// command puts on the clipboard (QuoteDocument), laid out on pages (DocumentPages) and
// written with QPdfWriter. The file is replaced safely: a failed write leaves an existing
// file as it was.
#pragma once

#include "common/core/status.h"
#include "vendara/pricing/richdocument.h"

// Qt
#include <QString>

namespace vendara {

class QuoteList;
class QuoteNotes;
class SettingsStore;

class QuotePdf
{
public:
    // `document` on pages in `path`; `title` goes into the file's properties. A failure's
    // message is the reason only.
    [[nodiscard]] static common::Status write(const RichDocument &document, const QString &path,
                                              const QString &title);

    // The quote's document, from the note files and the setting `NoIncludes`, in `path`. A
    // failure's message names the file and the reason, or the note files when one of them
    // cannot be read (the "Copy" command then puts nothing on the clipboard).
    [[nodiscard]] static common::Status save(const QuoteList &quote, const QuoteNotes &notes,
                                             const SettingsStore &settings, const QString &path,
                                             const QString &title = QStringLiteral("Quote"));
};

} // namespace vendara
