// The converter as a process of its own: started with its arguments as a list (no shell, so
// names with blanks and quotes arrive whole), waited for in a local event loop so that the
// window repaints meanwhile. Its standard output is dropped; the end of its error output is
// kept for the message when it fails.
#pragma once

#include "converterlauncher.h"

namespace vendara {

class ProcessLauncher : public ConverterLauncher
{
public:
    Outcome run(const QString &program, const QStringList &arguments) override;
};

} // namespace vendara
