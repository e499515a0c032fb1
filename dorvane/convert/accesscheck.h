// The access check before a database's data is read on the desktop (converting to CSV,
// viewing, printing): the access word may allow it, refuse it, or ask for the database
// password.
#pragma once

#include "engineui.h"

#include "dorvane/pdb/masterrecord.h"

namespace convert {

enum class AccessOutcome { Allowed, PasswordNotEntered, Refused };

// Not allowed: "Action Not Allowed for this Database!" in an "ACCESS DENIED" box, refused.
// Needs the password: asks until the right password (compared byte for byte, letter case
// counts) or Cancel; a wrong one shows "Password Incorrect!" and asks again; Cancel gives
// PasswordNotEntered and any other way of closing the dialog Refused.
[[nodiscard]] AccessOutcome checkReadAccess(const pdb::MasterRecord &descriptor, EngineUi &ui);

} // namespace convert
