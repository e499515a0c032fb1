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

std::optional<QString> WindowDialogs::askPassword()
{
    if (mPassword == nullptr)
        mPassword = new TPasswordForm(mParent);
    if (mPassword->exec() != QDialog::Accepted)
        return std::nullopt;
    return mPassword->password();
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
