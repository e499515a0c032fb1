#include "promptstate.h"

namespace vendara {

PromptState::PromptState(QObject *parent)
    : QObject(parent)
{}

void PromptState::open(const QString &message, const QString &text)
{
    mMsgText = message;
    mText = text;
    mOk = false;
    mActive = true;
    emit opened();
}

void PromptState::setText(const QString &text)
{
    mText = text;
}

void PromptState::confirm()
{
    close(true);
}

void PromptState::cancel()
{
    mText.clear();
    close(false);
}

void PromptState::unload()
{
    if (!mActive)
        return;
    // Closing the window is a Cancel: the search does not run with a text nobody confirmed.
    mText.clear();
    close(false);
}

void PromptState::close(bool ok)
{
    const bool wasActive = mActive;
    mOk = ok;
    mActive = false;
    if (wasActive)
        emit closed();
}

} // namespace vendara
