#include "windowdialogs.h"

#include "tmainform.h"
#include "tpasswordform.h"
#include "tpdbselectform.h"

namespace dorvane::ui {

WindowDialogs::WindowDialogs(prompt::Prompter &prompter)
    : mPrompter(prompter)
{}

// Dialogs with a parent window go with it.
WindowDialogs::~WindowDialogs()
{
    if (mPassword != nullptr && mPassword->parent() == nullptr)
        delete mPassword;
    if (mPicker != nullptr && mPicker->parent() == nullptr)
        delete mPicker;
}

PasswordReply WindowDialogs::askPassword()
{
    if (mPassword == nullptr)
        mPassword = new TPasswordForm(mParent);
    switch (mPassword->exec()) {
    case QDialog::Accepted:
        return {PasswordReply::Closed::Ok, mPassword->password()};
    case TPasswordForm::kCancelled:
        return {PasswordReply::Closed::Cancel, {}};
    default:
        return {PasswordReply::Closed::Other, {}};
    }
}

PickerResult WindowDialogs::pickDatabase()
{
    if (mPicker == nullptr) {
        if (mForm == nullptr)
            return {};
        mPicker =
            new TPDBSelectForm(mForm->users(), mPrompter, mForm->conversionSettings(), mParent);
    }
    return mPicker->pick();
}

} // namespace dorvane::ui
