// A quote as a quote file holds it (QuoteFile), between the quote and the file on disk: the
// lines' cells, the totals boxes' texts and, in the working copy, the named file it shows and
// whether it changed since. Failures carry the reason the user reads.
#pragma once

#include "quotefile.h"
#include "quotelist.h"

#include "common/core/status.h"

// Qt
#include <QByteArray>
#include <QList>
#include <QString>

// std
#include <optional>

namespace vendara {

class SavedQuote
{
public:
    QList<QuoteList::LineCells> lines;
    QuoteList::TotalsTexts totals;
    QString file;
    bool changed = true;

    [[nodiscard]] static SavedQuote of(const QuoteList &quote);
    // Replaces the quote's lines and totals (not its file or changed state: the quote knows
    // neither).
    void applyTo(QuoteList &quote) const;

    [[nodiscard]] QByteArray bytes(QuoteFile::Form form) const;
    // Nothing, with the reason ("It is damaged: ..."), when the bytes are not a quote this
    // version reads.
    [[nodiscard]] static std::optional<SavedQuote> fromBytes(const QByteArray &bytes,
                                                             QString &reason);

    struct ReadResult;
    [[nodiscard]] static ReadResult read(const QString &path);
    // Replaces the file safely (temporary file and rename); a failure's message is the
    // reason only, for the caller to say which file it was.
    [[nodiscard]] common::Status write(const QString &path, QuoteFile::Form form) const;

    bool operator==(const SavedQuote &other) const = default;
};

struct SavedQuote::ReadResult
{
    std::optional<SavedQuote> quote;
    bool missing = false; // there is no such file
    QString reason;       // why it could not be read
};

} // namespace vendara
