#include "typinglimit.h"

namespace dorvane::ui {

TypingLimit::TypingLimit(int limit, QObject *parent)
    : QValidator(parent)
    , mLimit(limit)
    , mAllowed(limit)
{}

void TypingLimit::allow(qsizetype length)
{
    mAllowed = qMax<qsizetype>(mLimit, length);
}

QValidator::State TypingLimit::validate(QString &input, int &) const
{
    if (input.size() <= mLimit) {
        mAllowed = mLimit; // once within the limit, it stays there
        return Acceptable;
    }
    return input.size() <= mAllowed ? Acceptable : Invalid;
}

} // namespace dorvane::ui
