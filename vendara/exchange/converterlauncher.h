// Starting the converter for the hand-off and waiting for it to end, while the window goes
// on handling its events. The program implementation starts a process (ProcessLauncher);
// tests put a stand-in in its place.
#pragma once

// Qt
#include <QString>
#include <QStringList>

namespace vendara {

class ConverterLauncher
{
public:
    struct Outcome
    {
        enum class Kind { Finished, NotStarted, Crashed };

        Kind kind = Kind::NotStarted;
        int exitStatus = -1; // when finished
        QString errorText;   // why it did not start; or what it wrote as its error
    };

    virtual ~ConverterLauncher() = default;

    // Runs `program` with `arguments` (each one argument, no shell) and returns once it has
    // ended or could not start.
    virtual Outcome run(const QString &program, const QStringList &arguments) = 0;
};

} // namespace vendara
