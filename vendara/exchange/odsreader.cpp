#include "odsreader.h"

#include "zippackage.h"

// Qt
#include <QXmlStreamReader>

// std
#include <optional>

namespace vendara {

namespace {

const QString kTableNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString kOfficeNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString kTextNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");

// "PT10H30M05S" as "10:30:05"; nothing when a part is not a number or is too large for a
// clock (a damaged file's "PT99999999999999S").
std::optional<QString> durationText(const QString &duration)
{
    constexpr double kLargest = 1e9; // hours, minutes or seconds: far beyond any real cell
    int hours = 0;
    int minutes = 0;
    double seconds = 0.0;
    QString number;
    bool inTime = false;
    for (const QChar c : duration) {
        if (c == QLatin1Char('T')) {
            inTime = true;
        } else if (c.isDigit() || c == QLatin1Char('.')) {
            number += c;
        } else {
            if (inTime && (c == QLatin1Char('H') || c == QLatin1Char('M'))) {
                bool ok = false;
                const int value = number.toInt(&ok);
                if (!ok || value > kLargest)
                    return std::nullopt;
                (c == QLatin1Char('H') ? hours : minutes) = value;
            } else if (inTime && c == QLatin1Char('S')) {
                bool ok = false;
                seconds = number.toDouble(&ok);
                if (!ok || !(seconds <= kLargest))
                    return std::nullopt;
            }
            number.clear();
        }
    }
    const int wholeSeconds = int(seconds + 0.5);
    return QStringLiteral("%1:%2:%3")
        .arg(hours, 2, 10, QLatin1Char('0'))
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(wholeSeconds, 2, 10, QLatin1Char('0'));
}

// "2026-03-01" stays; "2026-03-01T10:30:00.5" becomes "2026-03-01 10:30:00".
QString dateText(const QString &value)
{
    const qsizetype t = value.indexOf(QLatin1Char('T'));
    if (t < 0)
        return value;
    QString time = value.mid(t + 1).left(8);
    if (time == QLatin1String("00:00:00"))
        return value.left(t);
    return value.left(t) + QLatin1Char(' ') + time;
}

class ContentReader
{
public:
    ContentReader(const QByteArray &xml, Workbook &sheet)
        : mReader(xml)
        , mSheet(sheet)
    {}

    // False: damaged, or too many cells.
    bool read()
    {
        // Up to the first table of the spreadsheet body.
        while (!mReader.atEnd()) {
            mReader.readNext();
            if (mReader.isStartElement() && mReader.namespaceUri() == kTableNs
                && mReader.name() == QLatin1String("table")) {
                return readTable() && !mReader.hasError();
            }
        }
        return !mReader.hasError();
    }

private:
    bool readTable()
    {
        int row = 1;
        int depth = 0; // row groups and header rows inside the table
        while (!mReader.atEnd()) {
            mReader.readNext();
            if (mReader.isEndElement()) {
                if (depth == 0)
                    return true; // the end of the table
                --depth;
                continue;
            }
            if (!mReader.isStartElement())
                continue;
            if (mReader.namespaceUri() == kTableNs
                && mReader.name() == QLatin1String("table-row")) {
                const int repeat =
                    std::max(1, mReader.attributes()
                                    .value(kTableNs, QLatin1String("number-rows-repeated"))
                                    .toInt());
                if (!readRow(row, repeat))
                    return false;
                row = int(std::min<qint64>(qint64(row) + repeat, Workbook::kMaxRows + 1));
            } else if (mReader.namespaceUri() == kTableNs
                       && (mReader.name() == QLatin1String("table-header-rows")
                           || mReader.name() == QLatin1String("table-row-group")
                           || mReader.name() == QLatin1String("table-rows"))) {
                ++depth;
            } else {
                mReader.skipCurrentElement(); // columns, shapes, named ranges
            }
        }
        return false;
    }

    bool readRow(int row, int repeat)
    {
        int column = 1;
        while (!mReader.atEnd()) {
            mReader.readNext();
            if (mReader.isEndElement())
                return true; // the end of the row
            if (!mReader.isStartElement())
                continue;
            if (mReader.namespaceUri() != kTableNs
                || (mReader.name() != QLatin1String("table-cell")
                    && mReader.name() != QLatin1String("covered-table-cell"))) {
                mReader.skipCurrentElement();
                continue;
            }
            const int columns =
                std::max(1, mReader.attributes()
                                .value(kTableNs, QLatin1String("number-columns-repeated"))
                                .toInt());
            const SheetCell cell = readCell();
            if (cell.kind() != SheetCell::Kind::Empty && row <= Workbook::kMaxRows) {
                const int lastRow = std::min(row + repeat - 1, Workbook::kMaxRows);
                const int lastColumn =
                    int(std::min<qint64>(qint64(column) + columns - 1, Workbook::kMaxColumns));
                mCells += qint64(lastRow - row + 1) * (lastColumn - column + 1);
                if (mCells > OdsReader::kMaxCells)
                    return false;
                for (int r = row; r <= lastRow; ++r) {
                    for (int c = column; c <= lastColumn; ++c)
                        mSheet.setCell(r, c, cell);
                }
            }
            column = int(std::min<qint64>(qint64(column) + columns, Workbook::kMaxColumns + 1));
        }
        return false;
    }

    SheetCell readCell()
    {
        const auto attributes = mReader.attributes();
        const QString type = attributes.value(kOfficeNs, QLatin1String("value-type")).toString();
        const QString value = attributes.value(kOfficeNs, QLatin1String("value")).toString();
        const QString dateValue =
            attributes.value(kOfficeNs, QLatin1String("date-value")).toString();
        const QString timeValue =
            attributes.value(kOfficeNs, QLatin1String("time-value")).toString();
        const QString booleanValue =
            attributes.value(kOfficeNs, QLatin1String("boolean-value")).toString();
        const bool hasStringValue =
            attributes.hasAttribute(kOfficeNs, QLatin1String("string-value"));
        const QString stringValue =
            attributes.value(kOfficeNs, QLatin1String("string-value")).toString();
        const QString paragraphs = readParagraphs();

        if (type == QLatin1String("float") || type == QLatin1String("percentage")
            || type == QLatin1String("currency")) {
            bool ok = false;
            const double number = value.toDouble(&ok);
            return ok ? SheetCell::number(number) : SheetCell::unreadable();
        }
        if (type == QLatin1String("date"))
            return dateValue.isEmpty() ? SheetCell::unreadable()
                                       : SheetCell::date(dateText(dateValue));
        if (type == QLatin1String("time")) {
            const auto shown = durationText(timeValue);
            return shown ? SheetCell::date(*shown) : SheetCell::unreadable();
        }
        if (type == QLatin1String("boolean"))
            return SheetCell::boolean(booleanValue == QLatin1String("true"));
        if (type == QLatin1String("string"))
            return SheetCell::text(hasStringValue ? stringValue : paragraphs);
        return paragraphs.isEmpty() ? SheetCell() : SheetCell::text(paragraphs);
    }

    // The cell's paragraphs joined by line feeds; inside them text:s gives blanks, text:tab a
    // tab, text:line-break a line feed; spans and links give their text; notes are left out.
    QString readParagraphs()
    {
        QString text;
        bool first = true;
        while (!mReader.atEnd()) {
            mReader.readNext();
            if (mReader.isEndElement())
                return text; // the end of the cell
            if (!mReader.isStartElement())
                continue;
            if (mReader.namespaceUri() == kTextNs
                && (mReader.name() == QLatin1String("p") || mReader.name() == QLatin1String("h"))) {
                if (!first)
                    text += QLatin1Char('\n');
                first = false;
                readInline(text);
            } else {
                mReader.skipCurrentElement(); // annotations, shapes
            }
        }
        return text;
    }

    // A paragraph's text. Spans and links nest to any depth in a damaged file: they are
    // counted, not followed by recursion, so that no depth can exhaust the stack.
    void readInline(QString &text)
    {
        qint64 depth = 0; // open spans inside the paragraph
        while (!mReader.atEnd()) {
            mReader.readNext();
            if (mReader.isCharacters()) {
                text += mReader.text();
            } else if (mReader.isEndElement()) {
                if (depth == 0)
                    return; // the end of the paragraph
                --depth;
            } else if (mReader.isStartElement()) {
                if (mReader.namespaceUri() != kTextNs) {
                    mReader.skipCurrentElement();
                } else if (mReader.name() == QLatin1String("s")) {
                    const int count = std::clamp(
                        mReader.attributes().value(kTextNs, QLatin1String("c")).toInt(), 1, 1024);
                    text += QString(count, QLatin1Char(' '));
                    mReader.skipCurrentElement();
                } else if (mReader.name() == QLatin1String("tab")) {
                    text += QLatin1Char('\t');
                    mReader.skipCurrentElement();
                } else if (mReader.name() == QLatin1String("line-break")) {
                    text += QLatin1Char('\n');
                    mReader.skipCurrentElement();
                } else if (mReader.name() == QLatin1String("note")
                           || mReader.name() == QLatin1String("annotation")) {
                    mReader.skipCurrentElement();
                } else {
                    ++depth; // span, a, and the like
                }
            }
        }
    }

    QXmlStreamReader mReader;
    Workbook &mSheet;
    qint64 mCells = 0;
};

} // namespace

bool OdsReader::isOpenDocument(const QString &path)
{
    const ZipPackage zip(path);
    if (!zip.isOpen() || zip.firstEntryName() != QLatin1String("mimetype"))
        return false;
    const auto type = zip.read(QStringLiteral("mimetype"));
    return type && type->startsWith("application/vnd.oasis.opendocument");
}

Workbook::OpenResult OdsReader::read(const QString &path)
{
    const ZipPackage zip(path);
    if (!zip.isOpen())
        return Workbook::failure(Workbook::kNotAWorkbook, QStringLiteral("not a zip container"));
    const auto type = zip.read(QStringLiteral("mimetype"));
    if (!type || !type->startsWith("application/vnd.oasis.opendocument.spreadsheet"))
        return Workbook::failure(Workbook::kNotAWorkbook,
                                 QStringLiteral("an OpenDocument file that is not a spreadsheet"));
    const auto content = zip.read(QStringLiteral("content.xml"));
    if (!content)
        return Workbook::failure(Workbook::kNotAWorkbook, QStringLiteral("no content.xml"));
    Workbook::OpenResult result;
    result.workbook = std::make_unique<Workbook>();
    ContentReader reader(*content, *result.workbook);
    if (!reader.read())
        return Workbook::failure(Workbook::kNotAWorkbook,
                                 QStringLiteral("the first table is damaged or too large"));
    return result;
}

} // namespace vendara
