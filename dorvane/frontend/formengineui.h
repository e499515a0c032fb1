// The conversion engine's view of the converter window: its error boxes, status bar,
// repaints and the password dialog.
#pragma once

#include "dorvane/convert/engineui.h"

namespace dorvane {

class FormDialogs;
class TMainForm;

class FormEngineUi : public convert::EngineUi
{
public:
    FormEngineUi(TMainForm &form, FormDialogs &dialogs);

    void showMessage(std::string_view caption, std::string_view text) override;
    void showStatus(std::string_view text) override;
    void processEvents() override;
    convert::PasswordAnswer askPassword() override;

private:
    TMainForm &mForm;
    FormDialogs &mDialogs;
};

} // namespace dorvane
