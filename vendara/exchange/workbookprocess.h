// Reading a workbook in the reader process `vendara-sheet` (beside the program), so that a
// damaged file can at worst end that process, never the program with the user's edits. The
// process is started with an argument list (no shell) under limits: wall-clock time (it is
// killed), processor time and address space (setrlimit, applied before it starts). Its answer
// is the first worksheet in SheetTransfer's form; a process that crashes, runs out of time or
// memory, or gives no readable answer is a failure with the reason in the result's detail.
//
// `start` returns at once and `finished` is sent when the result is there, so a window goes on
// handling its events meanwhile; `cancel` kills the process.
#pragma once

#include "workbook.h"

// Qt
#include <QObject>
#include <QProcess>
#include <QString>

class QTimer;

namespace vendara {

class WorkbookProcess : public QObject
{
    Q_OBJECT

public:
    // The reader's program name, beside the catalogue program.
    static constexpr const char *kProgramName = "vendara-sheet";

    struct Limits
    {
        int seconds = 30;       // wall-clock time
        int cpuSeconds = 20;    // processor time
        qint64 memoryMb = 2048; // address space (not applied in sanitizer builds, which
                                // reserve terabytes of it)
        qint64 answerMb = 512;  // the answer's size
    };

    explicit WorkbookProcess(QString program, QObject *parent = nullptr);
    WorkbookProcess(QString program, Limits limits, QObject *parent = nullptr);
    ~WorkbookProcess() override;

    [[nodiscard]] const QString &program() const { return mProgram; }
    [[nodiscard]] const Limits &limits() const { return mLimits; }
    // Whether the address-space limit is applied in this build.
    [[nodiscard]] static bool limitsMemory();

    // Starts reading; `finished` follows, also when the process cannot be started.
    void start(const QString &workbookPath);
    [[nodiscard]] bool isRunning() const { return mRunning; }
    // The reader's process id while it runs, else 0.
    [[nodiscard]] qint64 processId() const;
    // Kills the process; the result is then kCancelled.
    void cancel();
    // The result, once finished.
    [[nodiscard]] Workbook::OpenResult takeResult();

    // Starts and waits for the result in a local event loop.
    [[nodiscard]] Workbook::OpenResult read(const QString &workbookPath);

signals:
    void finished();

private:
    enum class Stop { None, Cancelled, TimedOut, AnswerTooLarge };

    void readAnswer();
    void processFinished(int exitCode, QProcess::ExitStatus status);
    void failed(int errorNumber, const QString &detail);
    void kill(Stop why);

    QString mProgram;
    Limits mLimits;
    QProcess *mProcess = nullptr;
    QTimer *mTimer;
    QByteArray mAnswer;
    Stop mStop = Stop::None;
    bool mRunning = false;
    Workbook::OpenResult mResult;
};

} // namespace vendara
