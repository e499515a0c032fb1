#include "importhistory.h"

#include "exchangetexts.h"

#include "common/prompt/prompter.h"

namespace vendara {

ImportHistory::ImportHistory(QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("ImportHistory"));
}

void ImportHistory::recordApplied(const ImportRecord &record)
{
    if (record.isEmpty())
        return;
    const bool could = canUndo();
    mLast = record;
    emit applied(record);
    if (!could)
        emit canUndoChanged(true);
}

bool ImportHistory::confirmUndo(prompt::Prompter &prompter) const
{
    if (!mLast)
        return false;
    return prompter.message(texts::undoImportQuestion(mLast->addedCount(), mLast->changedCount()),
                            texts::undoImportCaption(), prompt::Buttons::YesNo,
                            prompt::Icon::Question)
           == prompt::Answer::Yes;
}

bool ImportHistory::undo(Products &products)
{
    if (!mLast)
        return false;
    const ImportRecord record = std::move(*mLast);
    mLast.reset();
    record.revert(products);
    emit undone(record);
    emit canUndoChanged(false);
    return true;
}

void ImportHistory::clear()
{
    if (!mLast)
        return;
    mLast.reset();
    emit canUndoChanged(false);
}

} // namespace vendara
