#include "workbookprocess.h"

#include "exchangetexts.h"
#include "sheettransfer.h"

// Qt
#include <QEventLoop>
#include <QTimer>

// std
#include <csignal>
#include <cstring>
#include <sys/prctl.h>
#include <sys/resource.h>

#if defined(__SANITIZE_ADDRESS__)
#    define VENDARA_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#    if __has_feature(address_sanitizer)
#        define VENDARA_ADDRESS_SANITIZER 1
#    endif
#endif

namespace vendara {

namespace {

// The reader's own exit status when memory ran out (see sheethelper.cpp).
constexpr int kReaderOutOfMemory = 3;

void setLimit(int resource, rlim_t soft, rlim_t hard)
{
    const rlimit limit{soft, hard};
    setrlimit(resource, &limit);
}

} // namespace

WorkbookProcess::WorkbookProcess(QString program, QObject *parent)
    : WorkbookProcess(std::move(program), Limits(), parent)
{}

WorkbookProcess::WorkbookProcess(QString program, Limits limits, QObject *parent)
    : QObject(parent)
    , mProgram(std::move(program))
    , mLimits(limits)
    , mTimer(new QTimer(this))
{
    mTimer->setSingleShot(true);
    connect(mTimer, &QTimer::timeout, this, [this] { kill(Stop::TimedOut); });
}

WorkbookProcess::~WorkbookProcess()
{
    if (mProcess != nullptr) {
        mProcess->disconnect(this);
        mProcess->kill();
        mProcess->waitForFinished(5000);
    }
}

bool WorkbookProcess::limitsMemory()
{
#ifdef VENDARA_ADDRESS_SANITIZER
    return false;
#else
    return true;
#endif
}

void WorkbookProcess::start(const QString &workbookPath)
{
    if (mRunning)
        return;
    mRunning = true;
    mStop = Stop::None;
    mAnswer.clear();
    mResult = {};
    delete mProcess;
    mProcess = new QProcess(this);
    mProcess->setProgram(mProgram);
    mProcess->setArguments({workbookPath});
    mProcess->setStandardInputFile(QProcess::nullDevice());
    // Its error output (a sanitizer's report in test builds) goes where this program's goes.
    mProcess->setProcessChannelMode(QProcess::ForwardedErrorChannel);

    // Applied in the new process before the reader starts: only system calls here.
    const rlim_t memory = rlim_t(mLimits.memoryMb) * 1024 * 1024;
    const rlim_t cpu = rlim_t(mLimits.cpuSeconds);
    const bool limitMemory = limitsMemory();
    mProcess->setChildProcessModifier([memory, cpu, limitMemory] {
        if (limitMemory)
            setLimit(RLIMIT_AS, memory, memory);
        // SIGXCPU at the limit (SIGKILL a second later if that is ignored).
        setLimit(RLIMIT_CPU, cpu, cpu + 1);
        setLimit(RLIMIT_CORE, 0, 0);
        // The reader never outlives the program.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
    });

    connect(mProcess, &QProcess::readyReadStandardOutput, this, &WorkbookProcess::readAnswer);
    connect(mProcess, &QProcess::finished, this, &WorkbookProcess::processFinished);
    // Queued: `finished` never comes from inside `start`, whatever the caller does with it.
    connect(
        mProcess, &QProcess::errorOccurred, this,
        [this](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                failed(Workbook::kReaderFailed,
                       texts::readerNotStarted(mProgram, mProcess->errorString()));
        },
        Qt::QueuedConnection);
    mTimer->start(mLimits.seconds * 1000);
    mProcess->start(QIODevice::ReadOnly);
}

qint64 WorkbookProcess::processId() const
{
    return mRunning && mProcess != nullptr ? mProcess->processId() : 0;
}

void WorkbookProcess::cancel()
{
    kill(Stop::Cancelled);
}

void WorkbookProcess::kill(Stop why)
{
    if (!mRunning || mProcess == nullptr || mStop != Stop::None)
        return;
    mStop = why;
    mProcess->kill();
}

void WorkbookProcess::readAnswer()
{
    mAnswer += mProcess->readAllStandardOutput();
    if (mAnswer.size() > mLimits.answerMb * 1024 * 1024) {
        mAnswer.clear();
        kill(Stop::AnswerTooLarge);
    }
}

void WorkbookProcess::failed(int errorNumber, const QString &detail)
{
    if (!mRunning)
        return;
    mTimer->stop();
    mRunning = false;
    mResult = {};
    mResult.errorNumber = errorNumber;
    mResult.reason = detail;
    mResult.detail = detail;
    emit finished();
}

void WorkbookProcess::processFinished(int exitCode, QProcess::ExitStatus status)
{
    if (!mRunning)
        return;
    if (mStop != Stop::AnswerTooLarge)
        mAnswer += mProcess->readAllStandardOutput();
    switch (mStop) {
    case Stop::Cancelled:
        failed(Workbook::kCancelled, QStringLiteral("cancelled"));
        return;
    case Stop::TimedOut:
        failed(Workbook::kReaderFailed, texts::readerTookTooLong(mLimits.seconds));
        return;
    case Stop::AnswerTooLarge:
        failed(Workbook::kReaderFailed, texts::readerAnswerTooLarge(mLimits.answerMb));
        return;
    case Stop::None:
        break;
    }
    if (status == QProcess::CrashExit) {
        // Qt gives the signal that ended the process as its exit code.
        if (exitCode == SIGXCPU)
            failed(Workbook::kReaderFailed, texts::readerUsedTooMuchTime(mLimits.cpuSeconds));
        else
            failed(Workbook::kReaderFailed,
                   texts::readerCrashed(exitCode, QString::fromLocal8Bit(strsignal(exitCode))));
        return;
    }
    if (exitCode == kReaderOutOfMemory) {
        failed(Workbook::kOutOfMemory, texts::readerOutOfMemory(mLimits.memoryMb));
        return;
    }
    if (exitCode != 0) {
        failed(Workbook::kReaderFailed, texts::readerEnded(exitCode));
        return;
    }
    auto answer = SheetTransfer::read(mAnswer);
    mAnswer.clear();
    if (!answer) {
        failed(Workbook::kReaderFailed, texts::readerAnswerUnreadable());
        return;
    }
    mTimer->stop();
    mRunning = false;
    mResult = std::move(*answer);
    emit finished();
}

Workbook::OpenResult WorkbookProcess::takeResult()
{
    return std::move(mResult);
}

Workbook::OpenResult WorkbookProcess::read(const QString &workbookPath)
{
    QEventLoop loop;
    connect(this, &WorkbookProcess::finished, &loop, &QEventLoop::quit);
    start(workbookPath);
    if (mRunning)
        loop.exec(QEventLoop::AllEvents);
    return takeResult();
}

} // namespace vendara
