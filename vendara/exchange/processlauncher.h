// The converter as a process of its own: started with its arguments as a list (no shell, so
// names with blanks and quotes arrive whole), waited for in a local event loop so that the
// window repaints meanwhile. Its standard output (status texts) is dropped; its error output
// goes to this program's.
#pragma once

#include "converterlauncher.h"

namespace vendara {

class ProcessLauncher : public ConverterLauncher
{
public:
    Outcome run(const QString &program, const QStringList &arguments) override;
};

} // namespace vendara
