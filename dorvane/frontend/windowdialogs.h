// The password dialog and the database picker as the window shows them, created once and
// shown again whenever a command needs them.
#pragma once

#include "formdialogs.h"
#include "tpasswordform.h"
#include "tpdbselectform.h"

// Qt
#include <QPointer>

class QWidget;

namespace prompt {
class Prompter;
}

namespace dorvane {
class TMainForm;
}

namespace dorvane::ui {

class WindowDialogs : public FormDialogs
{
public:
    explicit WindowDialogs(prompt::Prompter &prompter);
    ~WindowDialogs() override;

    // The window the dialogs show over, and the form whose users the picker lists (known
    // once its start-up has read them). Each dialog is made once, when first needed.
    void setParent(QWidget *parent) { mParent = parent; }
    void setForm(TMainForm *form) { mForm = form; }

    PasswordReply askPassword() override;
    PickerResult pickDatabase() override;

    [[nodiscard]] TPasswordForm *passwordForm() const { return mPassword; }
    [[nodiscard]] TPDBSelectForm *pickerForm() const { return mPicker; }

private:
    prompt::Prompter &mPrompter;
    QPointer<QWidget> mParent;
    TMainForm *mForm = nullptr;
    QPointer<TPasswordForm> mPassword;
    QPointer<TPDBSelectForm> mPicker;
};

} // namespace dorvane::ui
