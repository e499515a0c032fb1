// Limits what the user types into an edit without cutting a longer text that the program
// put there itself (a derived name or one from the command line): such a text can be
// shortened, but the user cannot make it longer.
#pragma once

// Qt
#include <QValidator>

namespace dorvane::ui {

class TypingLimit : public QValidator
{
    Q_OBJECT

public:
    TypingLimit(int limit, QObject *parent);

    // Call before the program sets a text of `length` characters.
    void allow(qsizetype length);

    State validate(QString &input, int &pos) const override;

private:
    int mLimit;
    mutable qsizetype mAllowed;
};

} // namespace dorvane::ui
