// The password command: the user sets, changes or removes the one password that guards the
// catalogue at start. The current password is not asked for; the new one takes effect at the
// next start.
#pragma once

namespace prompt {
class Prompter;
}

namespace vendara {

class SettingsStore;

class PasswordCommand
{
public:
    // True when a new password (or its removal) was stored.
    static bool run(prompt::Prompter &prompter, SettingsStore &settings);
};

} // namespace vendara
