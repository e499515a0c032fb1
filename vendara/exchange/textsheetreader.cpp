#include "textsheetreader.h"

#include "common/qt/cp1252text.h"

// Qt
#include <QFile>
#include <QStringDecoder>

namespace vendara {

namespace {

class Splitter
{
public:
    Splitter(const QString &text, QChar separator, bool quoting, bool carriageReturnEndsLine)
        : mText(text)
        , mSeparator(separator)
        , mQuoting(quoting)
        , mCarriageReturnEndsLine(carriageReturnEndsLine)
    {}

    void fill(Workbook &sheet)
    {
        int row = 1;
        int column = 1;
        while (mPos < mText.size() && row <= Workbook::kMaxRows) {
            bool lineEnded = false;
            const QString value = nextValue(lineEnded);
            if (!value.isEmpty())
                sheet.setCell(row, column, SheetCell::text(value));
            if (lineEnded) {
                ++row;
                column = 1;
            } else {
                ++column;
            }
        }
    }

private:
    // The line end at mPos, if there is one: its length.
    [[nodiscard]] int lineEndAt(qsizetype pos) const
    {
        const QChar c = mText.at(pos);
        if (c == QLatin1Char('\n'))
            return 1;
        if (c == QLatin1Char('\r')) {
            if (pos + 1 < mText.size() && mText.at(pos + 1) == QLatin1Char('\n'))
                return 2;
            return mCarriageReturnEndsLine ? 1 : 0;
        }
        return 0;
    }

    QString nextValue(bool &lineEnded)
    {
        QString value;
        if (mQuoting && mText.at(mPos) == QLatin1Char('"')) {
            ++mPos;
            while (mPos < mText.size()) {
                const QChar c = mText.at(mPos++);
                if (c != QLatin1Char('"')) {
                    value += c;
                } else if (mPos < mText.size() && mText.at(mPos) == QLatin1Char('"')) {
                    value += c;
                    ++mPos;
                } else {
                    break;
                }
            }
            // Anything between the closing quote and the separator belongs to the value.
        }
        while (mPos < mText.size()) {
            if (mText.at(mPos) == mSeparator) {
                ++mPos;
                lineEnded = false;
                return value;
            }
            if (const int end = lineEndAt(mPos)) {
                mPos += end;
                lineEnded = true;
                return value;
            }
            value += mText.at(mPos++);
        }
        lineEnded = true;
        return value;
    }

    const QString &mText;
    QChar mSeparator;
    bool mQuoting;
    bool mCarriageReturnEndsLine;
    qsizetype mPos = 0;
};

} // namespace

QString TextSheetReader::decode(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(QStringDecoder::Utf16, QStringDecoder::Flag::Default);
        return utf16(bytes);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return common::fromCp1252(bytes);
}

Workbook::OpenResult TextSheetReader::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Workbook::failure(Workbook::kCannotOpen, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Workbook::failure(Workbook::kCannotRead, file.errorString());
    return parse(bytes);
}

Workbook::OpenResult TextSheetReader::parse(const QByteArray &bytes)
{
    const bool utf16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    if (!utf16 && bytes.contains('\0'))
        return Workbook::failure(Workbook::kNotAWorkbook,
                                 QStringLiteral("the file is neither a workbook nor text"));
    const QString text = decode(bytes);
    const qsizetype firstLineEnd = [&] {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text.at(i) == QLatin1Char('\n') || text.at(i) == QLatin1Char('\r'))
                return i;
        }
        return text.size();
    }();
    const bool tabs = text.left(firstLineEnd).contains(QLatin1Char('\t'));
    const bool carriageReturnEndsLine = !text.contains(QLatin1Char('\n'));

    Workbook::OpenResult result;
    result.workbook = std::make_unique<Workbook>();
    Splitter splitter(text, tabs ? QLatin1Char('\t') : QLatin1Char(','), !tabs,
                      carriageReturnEndsLine);
    splitter.fill(*result.workbook);
    return result;
}

} // namespace vendara
