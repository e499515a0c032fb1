// The status bar when there is no screen: the window's status texts are written to
// standard output, one a line. A running conversion's progress texts, which change for
// every record, are written at most once a second, and the last one before the outcome.
#pragma once

// Qt
#include <QElapsedTimer>
#include <QObject>
#include <QTextStream>

namespace dorvane {

class TMainForm;

class ConsoleStatus : public QObject
{
    Q_OBJECT

public:
    // Writes to `out` (standard output when none is given).
    explicit ConsoleStatus(TMainForm &form, QTextStream *out = nullptr);

private:
    void status(const QString &text);
    void progress(const QString &text);
    void write(const QString &text);

    QTextStream mStandardOutput;
    QTextStream *mOut;
    QString mPending; // the latest progress text not written yet
    QElapsedTimer mSinceWrite;
};

} // namespace dorvane
