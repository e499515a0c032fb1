// A small RTF reader for tests: the text of a document with the bold flag, size and font of
// each run, as a word processor would see them. It knows the control words the program
// writes and skips the destinations it does not know.
#pragma once

// Qt
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

namespace testsupport {

struct RtfRun
{
    QString text;
    bool bold = false;
    int pointSize = 12; // RTF's default is 24 half points
    QString font;
};

struct RtfDocument
{
    bool valid = false; // starts with {\rtf1 and its braces balance
    QString error;
    QMap<int, QString> fonts;
    QList<RtfRun> runs; // neighbours with the same formatting are joined

    [[nodiscard]] QString text() const;
    // The text of the runs in bold, each run on a line of its own.
    [[nodiscard]] QStringList boldTexts() const;
    // The run that holds the character at `position` of text().
    [[nodiscard]] const RtfRun *runAt(qsizetype position) const;
};

[[nodiscard]] RtfDocument readRtf(const QByteArray &rtf);

} // namespace testsupport
