#include "accesscheck.h"

#include "messages.h"

namespace convert {

AccessOutcome checkReadAccess(const pdb::MasterRecord &descriptor, EngineUi &ui)
{
    switch (descriptor.readAccess()) {
    case pdb::ReadAccess::Allowed:
        return AccessOutcome::Allowed;
    case pdb::ReadAccess::NotAllowed:
        ui.showMessage(messages::kAccessDeniedCaption, messages::kActionNotAllowed);
        return AccessOutcome::Refused;
    case pdb::ReadAccess::NeedsPassword:
        break;
    }
    const std::string password = descriptor.passwordText();
    for (;;) {
        const PasswordAnswer answer = ui.askPassword();
        switch (answer.result) {
        case PasswordAnswer::Result::Ok:
            if (answer.text == password)
                return AccessOutcome::Allowed;
            ui.showMessage(messages::kAccessDeniedCaption, messages::kPasswordIncorrect);
            break;
        case PasswordAnswer::Result::Cancel:
            return AccessOutcome::PasswordNotEntered;
        case PasswordAnswer::Result::Closed:
            return AccessOutcome::Refused;
        }
    }
}

} // namespace convert
