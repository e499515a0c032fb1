// Where a program's files live: beside the executable when it runs from its build or
// unpacked folder, or, for an installed copy, shipped files in <prefix>/share/vendara and
// written files in the user's own folders.
#pragma once

// Qt
#include <QString>

namespace common {

// True for an installed copy: the programs in <prefix>/bin, their shipped files in
// <prefix>/share/vendara, and no `writtenFile` (the catalogue, the converter's settings)
// beside the program. An installed copy never writes into its programs' folder, even where
// that folder can be written (an installation in the user's own prefix).
[[nodiscard]] bool isInstalledCopy(const QString &programDir, const QString &writtenFile);

} // namespace common
