// Where file dialogs start when the program has no better folder to offer: the user's
// documents folder, or the home folder when there is none.
#pragma once

// Qt
#include <QString>

namespace prompt {

[[nodiscard]] QString documentsFolder();

} // namespace prompt
