#include "consolestatus.h"

#include "tmainform.h"

// std
#include <cstdio>

namespace dorvane {

ConsoleStatus::ConsoleStatus(TMainForm &form, QTextStream *out)
    : QObject(&form)
    , mStandardOutput(stdout)
    , mOut(out != nullptr ? out : &mStandardOutput)
{
    connect(&form, &TMainForm::statusShown, this, &ConsoleStatus::status);
    connect(&form, &TMainForm::progressShown, this, &ConsoleStatus::progress);
}

void ConsoleStatus::write(const QString &text)
{
    *mOut << text << Qt::endl;
    mSinceWrite.start();
}

void ConsoleStatus::status(const QString &text)
{
    if (!mPending.isEmpty())
        write(mPending);
    mPending.clear();
    write(text);
}

void ConsoleStatus::progress(const QString &text)
{
    if (!mSinceWrite.isValid() || mSinceWrite.elapsed() >= 1000) {
        write(text);
        mPending.clear();
    } else {
        mPending = text;
    }
}

} // namespace dorvane
