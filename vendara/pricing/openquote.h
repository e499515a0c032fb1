// The open quote as a document: the named quote file it shows (if any), whether it changed
// since it was saved or opened, and its working copy "quote.dat" in the program's writable
// folder. The working copy is replaced safely after every change to the quote and read back
// at start, so that neither closing the program nor a crash loses the quote being prepared.
// "Save Quote As", "Open Quote" and "New Quote" work through the prompt interface.
#pragma once

#include "quotelist.h"
#include "savedquote.h"

#include "common/core/status.h"

// Qt
#include <QObject>
#include <QString>

// std
#include <optional>

namespace prompt {
class Prompter;
}

namespace vendara {

class OpenQuote : public QObject
{
    Q_OBJECT

public:
    [[nodiscard]] static QString workingCopyName() { return QStringLiteral("quote.dat"); }

    // `products`: the catalogue, to tell which part numbers of an opened quote it lacks.
    // `workingCopy`: the path of "quote.dat". Nothing is read or written until restore().
    OpenQuote(QuoteList &quote, const Table &products, prompt::Prompter &prompter,
              QString workingCopy, QObject *parent = nullptr);

    // At start: the working copy read back into the quote. A missing file leaves the quote
    // empty; one that cannot be read is renamed (never deleted), the quote starts empty, and
    // restoreMessage() says what happened. From here on every change is kept.
    void restore();
    [[nodiscard]] const std::optional<QString> &restoreMessage() const { return mRestoreMessage; }
    // Shows the restore message, once.
    void reportRestore();

    // The named quote file the quote shows; empty when it has none.
    [[nodiscard]] const QString &file() const { return mFile; }
    // The quote changed since it was saved or opened (a quote never saved has changed).
    [[nodiscard]] bool changed() const { return mChanged; }
    [[nodiscard]] const QString &workingCopy() const { return mWorkingCopy; }

    // The commands, with their questions and messages.
    void saveAs();
    void open();
    void newQuote();

    // The same without any prompt. saveTo: the quote into `path`, which becomes its file; the
    // failure's message is the one saveAs shows. openFrom: replaces the quote by the one in
    // `path`; nothing changes on failure. The number of part numbers no longer in the
    // catalogue comes back in `missing` (with their list in `missingList`).
    common::Status saveTo(const QString &path);
    common::Status openFrom(const QString &path, int *missing = nullptr,
                            QString *missingList = nullptr);

signals:
    // The quote's file changed (saved under a new name, opened, new quote).
    void fileChanged(const QString &file);

private:
    void quoteChanged();
    // Writes the working copy; the first failure in a row is reported.
    void keep();
    void show(const SavedQuote &saved, const QString &file, bool changed);
    // Asks before replacing lines that were not saved; true to go on.
    [[nodiscard]] bool mayReplace(const QString &caption);

    QuoteList &mQuote;
    const Table &mProducts;
    prompt::Prompter &mPrompter;
    QString mWorkingCopy;
    QString mFile;
    bool mChanged = false;
    bool mKeeping = false; // on once restored: changes are kept from then on
    bool mShowing = false; // a saved quote is being put in place: no change of the user's
    bool mKeepFailed = false;
    std::optional<QString> mRestoreMessage;
};

} // namespace vendara
