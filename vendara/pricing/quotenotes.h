// The two texts that frame a quote document, kept by the user in the program's folder as
// plain Windows-1252 text with CR LF line breaks: the heading "QuoteNoteHead.txt" above the
// lines and the closing text "QuoteNote.txt" after the totals. They are written to the
// program's writable folder; a note not written there yet is read from the copy shipped
// beside the program.
#pragma once

#include "common/core/status.h"
#include "vendara/store/programfolder.h"

// Qt
#include <QString>

// std
#include <optional>

namespace vendara {

class QuoteNotes
{
public:
    explicit QuoteNotes(ProgramFolder folder);

    [[nodiscard]] static QString headingFileName() { return QStringLiteral("QuoteNoteHead.txt"); }
    [[nodiscard]] static QString closingFileName() { return QStringLiteral("QuoteNote.txt"); }

    // A note's text with line feeds; nothing when its file is missing or cannot be read.
    [[nodiscard]] std::optional<QString> heading() const;
    [[nodiscard]] std::optional<QString> closing() const;

    // Replaces both files (each through a temporary file, so a failed write leaves the old
    // file as it was). A failure carries the message for the user, with the file and the
    // reason.
    [[nodiscard]] common::Status save(const QString &heading, const QString &closing) const;

private:
    [[nodiscard]] std::optional<QString> read(const QString &name) const;
    [[nodiscard]] common::Status write(const QString &name, const QString &text) const;

    ProgramFolder mFolder;
};

} // namespace vendara
