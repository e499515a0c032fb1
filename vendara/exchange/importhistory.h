// The last spreadsheet import that changed the catalogue, for "Undo Last Import". It lives
// as long as the program runs: after a restart there is nothing to undo.
//
// `applied` and `undone` tell whoever keeps a history of the catalogue's changes that an
// import has been made or taken back, with its record (whose apply and revert redo and undo
// it).
#pragma once

#include "importrecord.h"

// Qt
#include <QObject>

// std
#include <optional>

namespace prompt {
class Prompter;
}

namespace vendara {

class Products;

class ImportHistory : public QObject
{
    Q_OBJECT

public:
    explicit ImportHistory(QObject *parent = nullptr);

    // An import has changed the catalogue; a record that changed nothing is not kept, and the
    // import before stays the one to undo.
    void recordApplied(const ImportRecord &record);
    [[nodiscard]] bool canUndo() const { return mLast.has_value(); }
    [[nodiscard]] const std::optional<ImportRecord> &last() const { return mLast; }

    // "Undo the last spreadsheet import? ..." with Yes and No; true for Yes.
    [[nodiscard]] bool confirmUndo(prompt::Prompter &prompter) const;
    // Takes the last import back; false when there is none.
    bool undo(Products &products);
    // Forgets the last import.
    void clear();

signals:
    void applied(const vendara::ImportRecord &record);
    void undone(const vendara::ImportRecord &record);
    void canUndoChanged(bool canUndo);

private:
    std::optional<ImportRecord> mLast;
};

} // namespace vendara
