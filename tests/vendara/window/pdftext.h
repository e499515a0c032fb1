// The text of a PDF file as pdftotext lays it out: one line per printed line, runs of spaces
// made single, empty lines left out.
#pragma once

// Qt
#include <QProcess>
#include <QString>
#include <QStringList>

namespace testsupport {

inline QString pdfText(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("<pdftotext failed>");
    QStringList lines;
    for (const QString &line : QString::fromUtf8(process.readAllStandardOutput()).split('\n')) {
        if (!line.trimmed().isEmpty())
            lines << line.simplified();
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace testsupport
