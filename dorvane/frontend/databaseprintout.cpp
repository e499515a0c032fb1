#include "databaseprintout.h"

#include "common/qt/cp1252text.h"
#include "dorvane/pdb/database.h"

// Qt
#include <QFontMetrics>
#include <QPagedPaintDevice>

namespace dorvane {

namespace {

QString fromCp1252(const std::string &bytes)
{
    return common::fromCp1252(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

QString withoutLeadingBlanks(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    return text.mid(i);
}

} // namespace

DatabasePrintout::DatabasePrintout(QPagedPaintDevice &device)
    : mDevice(device)
{
    mFont.setPointSize(10);
    mFont.setBold(false);
    mFont.setItalic(false);
    mFont.setUnderline(false);
    mFont.setStrikeOut(false);
}

bool DatabasePrintout::begin()
{
    if (!mPainter.begin(&mDevice))
        return false;
    mPainter.setFont(mFont);
    mPainter.setPen(Qt::black);
    mWidthLimit = 7 * mDevice.logicalDpiX();
    mMetrics.emplace(mFont, &mDevice);
    mLineHeight = mMetrics->height();
    mLine = 0;
    mPages = 1;
    return true;
}

void DatabasePrintout::end()
{
    if (mPainter.isActive())
        mPainter.end();
}

int DatabasePrintout::textWidth(const QString &text) const
{
    if (!mMetrics)
        return QFontMetrics(mFont, &mDevice).horizontalAdvance(text);
    return mMetrics->horizontalAdvance(text);
}

void DatabasePrintout::PrintRecord(const pdb::Database &database, std::size_t index,
                                   pdb::TextFormats formats)
{
    const auto texts = database.recordTexts(index, formats);
    if (!texts)
        return;
    const std::vector<pdb::DisplayField> fields = database.displayFields();
    for (size_t p = 0; p < fields.size() && p < texts->size(); ++p) {
        if (fields[p].type == 0)
            continue;
        PrintText(fromCp1252(fields[p].name) + QStringLiteral(": ") + fromCp1252((*texts)[p]));
    }
    PrintWrappedLine(QString(62, QLatin1Char('-')));
}

void DatabasePrintout::PrintText(const QString &text)
{
    for (QString line : text.split(QLatin1Char('\n'))) {
        line.remove(QLatin1Char('\r'));
        if (!line.isEmpty())
            PrintWrappedLine(line);
    }
}

void DatabasePrintout::PrintWrappedLine(const QString &line)
{
    QString rest = line;
    while (textWidth(rest) > mWidthLimit) {
        const int n = FitToWidth(rest, mWidthLimit);
        PrintLine(withoutLeadingBlanks(rest.left(n)));
        rest.remove(0, n);
    }
    if (!rest.isEmpty())
        PrintLine(withoutLeadingBlanks(rest));
}

int DatabasePrintout::FitToWidth(const QString &text, int width) const
{
    QString part = text;
    while (part.size() > 1 && textWidth(part) >= width) {
        const qsizetype blank = part.lastIndexOf(QLatin1Char(' '));
        qsizetype lastWord = blank - 1;
        while (lastWord >= 0 && part.at(lastWord) == QLatin1Char(' '))
            --lastWord;
        if (blank > 0 && lastWord >= 0)
            part.truncate(lastWord + 1); // the run of blanks goes with the cut
        else
            part.truncate(qMax<qsizetype>(1, part.size() - 10));
    }
    return int(qMax<qsizetype>(1, part.size()));
}

void DatabasePrintout::PrintLine(const QString &text)
{
    const int y = kTop + mLine * (mLineHeight + kLineGap);
    mPainter.drawText(QPoint(kLeft, y + mMetrics->ascent()), text);
    ++mLine;
    if (PageIsFull()) {
        mDevice.newPage();
        ++mPages;
        mLine = 0;
    }
}

bool DatabasePrintout::PageIsFull() const
{
    return mDevice.height() - mLineHeight < kTop + mLine * (mLineHeight + kLineGap);
}

} // namespace dorvane
