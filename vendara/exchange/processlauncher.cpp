#include "processlauncher.h"

// Qt
#include <QEventLoop>
#include <QProcess>

namespace vendara {

namespace {

// When the program is being shut down while the converter still runs: how long to wait
// for it before giving up on it (its files are then left alone).
constexpr int kLastWaitMs = 30000;

} // namespace

ConverterLauncher::Outcome ProcessLauncher::run(const QString &program,
                                                const QStringList &arguments)
{
    Outcome outcome;
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    // The converter's own messages go where this program's go; its status texts nowhere.
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());

    QEventLoop loop;
    bool startFailed = false;
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) {
            startFailed = true;
            loop.quit();
        }
    });
    QObject::connect(&process, &QProcess::finished, &loop, [&] { loop.quit(); });

    process.start();
    if (!startFailed && process.state() != QProcess::NotRunning)
        loop.exec(QEventLoop::AllEvents);
    // The loop also ends when the whole program is asked to quit: the converter still gets
    // its time, as its files must not be taken away under it.
    if (process.state() != QProcess::NotRunning)
        process.waitForFinished(kLastWaitMs);

    if (startFailed || process.error() == QProcess::FailedToStart) {
        outcome.kind = Outcome::Kind::NotStarted;
        outcome.errorText = process.errorString();
    } else if (process.state() != QProcess::NotRunning
               || process.exitStatus() == QProcess::CrashExit) {
        outcome.kind = Outcome::Kind::Crashed;
    } else {
        outcome.kind = Outcome::Kind::Finished;
        outcome.exitStatus = process.exitCode();
    }
    return outcome;
}

} // namespace vendara
