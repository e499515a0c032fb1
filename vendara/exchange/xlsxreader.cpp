#include "xlsxreader.h"

#include "zippackage.h"

// Qt
#include <QDate>
#include <QHash>
#include <QStringList>
#include <QXmlStreamReader>

// std
#include <cmath>
#include <optional>
#include <vector>

namespace vendara {

namespace {

enum DatePart { NoDate = 0, DatePartDay = 1, DatePartTime = 2 };

Workbook::OpenResult failure(QString reason)
{
    return Workbook::failure(Workbook::kNotAWorkbook, std::move(reason));
}

// "xl/worksheets/sheet1.xml" from a target relative to the part's folder, or absolute;
// nothing when its ".." parts climb above the top of the package (a damaged file).
std::optional<QString> resolve(const QString &folder, const QString &target)
{
    QStringList parts;
    if (!target.startsWith(QLatin1Char('/')) && !folder.isEmpty())
        parts = folder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : target.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String("..")) {
            if (parts.isEmpty())
                return std::nullopt;
            parts.removeLast();
        } else if (part != QLatin1String(".")) {
            parts.append(part);
        }
    }
    return parts.join(QLatin1Char('/'));
}

QString folderOf(const QString &part)
{
    const qsizetype slash = part.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : part.left(slash);
}

QString relationshipsOf(const QString &part)
{
    const QString folder = folderOf(part);
    const QString name = part.mid(folder.isEmpty() ? 0 : folder.size() + 1);
    return (folder.isEmpty() ? QString() : folder + QLatin1Char('/')) + QStringLiteral("_rels/")
           + name + QStringLiteral(".rels");
}

struct Relationship
{
    QString type;
    QString target;
};

QHash<QString, Relationship> readRelationships(const QByteArray &xml)
{
    QHash<QString, Relationship> result;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("Relationship")) {
            const auto attributes = reader.attributes();
            result.insert(attributes.value(QLatin1String("Id")).toString(),
                          {attributes.value(QLatin1String("Type")).toString(),
                           attributes.value(QLatin1String("Target")).toString()});
        }
    }
    return result;
}

// The text of a string item (<si> or <is>): its <t> elements, phonetic runs left out, with
// the "_x000D_" escapes of characters XML cannot hold decoded.
QString readStringItem(QXmlStreamReader &reader)
{
    const QString endName = reader.name().toString();
    QString text;
    int phonetic = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            if (reader.name() == QLatin1String("rPh"))
                ++phonetic;
            else if (reader.name() == QLatin1String("t") && phonetic == 0)
                text += reader.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (reader.isEndElement()) {
            if (reader.name() == QLatin1String("rPh"))
                --phonetic;
            else if (reader.name() == endName)
                break;
        }
    }
    if (!text.contains(QLatin1String("_x")))
        return text;
    QString decoded;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('_') && i + 6 < text.size()
            && text.at(i + 1) == QLatin1Char('x') && text.at(i + 6) == QLatin1Char('_')) {
            bool ok = false;
            const uint code = text.mid(i + 2, 4).toUInt(&ok, 16);
            if (ok) {
                decoded += QChar(char16_t(code));
                i += 6;
                continue;
            }
        }
        decoded += text.at(i);
    }
    return decoded;
}

std::vector<QString> readSharedStrings(const QByteArray &xml)
{
    std::vector<QString> strings;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("si"))
            strings.push_back(readStringItem(reader));
    }
    return strings;
}

// The date parts of every cell format, by the index that cells name in their "s".
std::vector<int> readCellFormats(const QByteArray &xml)
{
    QHash<int, QString> codes;
    std::vector<int> formats;
    QXmlStreamReader reader(xml);
    bool inCellFormats = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            const auto attributes = reader.attributes();
            if (reader.name() == QLatin1String("numFmt")) {
                codes.insert(attributes.value(QLatin1String("numFmtId")).toInt(),
                             attributes.value(QLatin1String("formatCode")).toString());
            } else if (reader.name() == QLatin1String("cellXfs")) {
                inCellFormats = true;
            } else if (inCellFormats && reader.name() == QLatin1String("xf")) {
                const int id = attributes.value(QLatin1String("numFmtId")).toInt();
                formats.push_back(XlsxReader::dateParts(id, codes.value(id)));
            }
        } else if (reader.isEndElement() && reader.name() == QLatin1String("cellXfs")) {
            inCellFormats = false;
        }
    }
    return formats;
}

struct WorkbookPart
{
    QString firstSheetId;
    bool from1904 = false;
};

WorkbookPart readWorkbookPart(const QByteArray &xml)
{
    WorkbookPart part;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        const auto attributes = reader.attributes();
        if (reader.name() == QLatin1String("workbookPr")) {
            const auto value = attributes.value(QLatin1String("date1904"));
            part.from1904 = value == QLatin1String("1") || value == QLatin1String("true");
        } else if (reader.name() == QLatin1String("sheet") && part.firstSheetId.isEmpty()) {
            for (const QXmlStreamAttribute &attribute : attributes) {
                if (attribute.name() == QLatin1String("id"))
                    part.firstSheetId = attribute.value().toString();
            }
        }
    }
    return part;
}

class SheetPart
{
public:
    SheetPart(const std::vector<QString> &strings, const std::vector<int> &formats, bool from1904,
              Workbook &sheet)
        : mStrings(strings)
        , mFormats(formats)
        , mFrom1904(from1904)
        , mSheet(sheet)
    {}

    bool read(const QByteArray &xml)
    {
        QXmlStreamReader reader(xml);
        int row = 0;
        int column = 0;
        while (!reader.atEnd()) {
            reader.readNext();
            if (!reader.isStartElement())
                continue;
            if (reader.name() == QLatin1String("row")) {
                const int r = reader.attributes().value(QLatin1String("r")).toInt();
                row = r > 0 ? r : row + 1;
                column = 0;
            } else if (reader.name() == QLatin1String("c")) {
                const auto at = Workbook::parseAddress(
                    reader.attributes().value(QLatin1String("r")).toString());
                if (at) {
                    row = at->first;
                    column = at->second;
                } else {
                    ++column;
                }
                mSheet.setCell(row, column, readCell(reader));
            }
        }
        return !reader.hasError();
    }

private:
    SheetCell readCell(QXmlStreamReader &reader)
    {
        const auto attributes = reader.attributes();
        const QString type = attributes.value(QLatin1String("t")).toString();
        const int style = attributes.value(QLatin1String("s")).toInt();
        QString value;
        bool hasValue = false;
        bool hasFormula = false;
        QString inlineText;
        bool hasInline = false;
        while (!reader.atEnd()) {
            reader.readNext();
            if (reader.isStartElement()) {
                if (reader.name() == QLatin1String("v")) {
                    value = reader.readElementText();
                    hasValue = true;
                } else if (reader.name() == QLatin1String("f")) {
                    hasFormula = true;
                    reader.skipCurrentElement();
                } else if (reader.name() == QLatin1String("is")) {
                    inlineText = readStringItem(reader);
                    hasInline = true;
                }
            } else if (reader.isEndElement() && reader.name() == QLatin1String("c")) {
                break;
            }
        }
        if (type == QLatin1String("inlineStr"))
            return hasInline ? SheetCell::text(inlineText) : SheetCell();
        if (!hasValue)
            return hasFormula ? SheetCell::unreadable() : SheetCell();
        if (type == QLatin1String("s")) {
            bool ok = false;
            const qulonglong index = value.trimmed().toULongLong(&ok);
            if (!ok || index >= mStrings.size())
                return SheetCell::unreadable();
            return SheetCell::text(mStrings[std::size_t(index)]);
        }
        if (type == QLatin1String("str"))
            return SheetCell::text(value);
        if (type == QLatin1String("b"))
            return SheetCell::boolean(value.trimmed() == QLatin1String("1"));
        if (type == QLatin1String("e"))
            return SheetCell::unreadable();
        if (type == QLatin1String("d"))
            return SheetCell::date(value.trimmed().replace(QLatin1Char('T'), QLatin1Char(' ')));
        bool ok = false;
        const double number = value.trimmed().toDouble(&ok);
        if (!ok)
            return SheetCell::unreadable();
        const int parts =
            style >= 0 && std::size_t(style) < mFormats.size() ? mFormats[std::size_t(style)] : 0;
        if (parts != NoDate) {
            const QString shown = XlsxReader::serialText(number, parts, mFrom1904);
            if (!shown.isEmpty())
                return SheetCell::date(shown);
        }
        return SheetCell::number(number);
    }

    const std::vector<QString> &mStrings;
    const std::vector<int> &mFormats;
    bool mFrom1904;
    Workbook &mSheet;
};

} // namespace

int XlsxReader::dateParts(int formatId, const QString &formatCode)
{
    if ((formatId >= 14 && formatId <= 17) || (formatId >= 27 && formatId <= 31)
        || (formatId >= 34 && formatId <= 36) || (formatId >= 50 && formatId <= 58))
        return DatePartDay;
    if (formatId == 22)
        return DatePartDay | DatePartTime;
    if ((formatId >= 18 && formatId <= 21) || formatId == 32 || formatId == 33
        || (formatId >= 45 && formatId <= 47))
        return DatePartTime;
    if (formatCode.isEmpty())
        return NoDate;
    // Only the first section counts (positive numbers).
    bool day = false;
    bool time = false;
    bool quoted = false;
    for (qsizetype i = 0; i < formatCode.size(); ++i) {
        const QChar c = formatCode.at(i);
        if (quoted) {
            quoted = c != QLatin1Char('"');
            continue;
        }
        if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char('\\') || c == QLatin1Char('_') || c == QLatin1Char('*')) {
            ++i; // the next character is shown as it is
        } else if (c == QLatin1Char('[')) {
            const qsizetype close = formatCode.indexOf(QLatin1Char(']'), i);
            if (close < 0)
                break;
            const QString inside = formatCode.mid(i + 1, close - i - 1).toLower();
            if (inside == QLatin1String("h") || inside == QLatin1String("hh")
                || inside == QLatin1String("m") || inside == QLatin1String("mm")
                || inside == QLatin1String("s") || inside == QLatin1String("ss"))
                time = true; // elapsed time
            i = close;
        } else if (c == QLatin1Char(';')) {
            break;
        } else {
            const QChar lower = c.toLower();
            if (lower == QLatin1Char('y') || lower == QLatin1Char('d'))
                day = true;
            else if (lower == QLatin1Char('h') || lower == QLatin1Char('s'))
                time = true;
            else if (lower == QLatin1Char('m'))
                day = day || !time; // minutes follow hours; a month stands alone
        }
    }
    return (day ? DatePartDay : 0) | (time ? DatePartTime : 0);
}

QString XlsxReader::serialText(double serial, int parts, bool from1904)
{
    if (!std::isfinite(serial) || serial < 0.0 || serial >= 2958466.0)
        return {};
    double whole = std::floor(serial);
    qint64 seconds = qint64(std::llround((serial - whole) * 86400.0));
    if (seconds >= 86400) {
        whole += 1.0;
        seconds -= 86400;
    }
    const QString time = QStringLiteral("%1:%2:%3")
                             .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
                             .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                             .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (!(parts & DatePartDay))
        return time;
    QString day;
    const qint64 n = qint64(whole);
    if (from1904) {
        day = QDate(1904, 1, 1).addDays(n).toString(Qt::ISODate);
    } else if (n == 60) {
        day =
            QStringLiteral("1900-02-29"); // the day the 1900 system counts and the calendar has not
    } else {
        day = QDate(1899, 12, n < 60 ? 31 : 30).addDays(n).toString(Qt::ISODate);
    }
    if ((parts & DatePartTime) || seconds != 0)
        return day + QLatin1Char(' ') + time;
    return day;
}

Workbook::OpenResult XlsxReader::read(const QString &path)
{
    const ZipPackage zip(path);
    if (!zip.isOpen())
        return failure(QStringLiteral("not a zip container"));

    const QString outside = QStringLiteral("a relationship leads outside the package");
    QString workbookPath = QStringLiteral("xl/workbook.xml");
    if (const auto rels = zip.read(QStringLiteral("_rels/.rels"))) {
        for (const Relationship &r : readRelationships(*rels)) {
            if (!r.type.endsWith(QLatin1String("/officeDocument")))
                continue;
            const auto target = resolve(QString(), r.target);
            if (!target)
                return failure(outside);
            workbookPath = *target;
        }
    }
    const auto workbookXml = zip.read(workbookPath);
    if (!workbookXml)
        return failure(QStringLiteral("no workbook part"));
    const WorkbookPart workbook = readWorkbookPart(*workbookXml);

    const QString folder = folderOf(workbookPath);
    QString sheetPath;
    QString stringsPath;
    QString stylesPath;
    if (const auto rels = zip.read(relationshipsOf(workbookPath))) {
        const QHash<QString, Relationship> relationships = readRelationships(*rels);
        for (auto it = relationships.cbegin(); it != relationships.cend(); ++it) {
            const bool used = it.key() == workbook.firstSheetId
                              || it->type.endsWith(QLatin1String("/sharedStrings"))
                              || it->type.endsWith(QLatin1String("/styles"));
            const auto resolved = resolve(folder, it->target);
            if (!resolved) {
                if (used)
                    return failure(outside);
                continue;
            }
            const QString &target = *resolved;
            if (it.key() == workbook.firstSheetId)
                sheetPath = target;
            else if (it->type.endsWith(QLatin1String("/sharedStrings")))
                stringsPath = target;
            else if (it->type.endsWith(QLatin1String("/styles")))
                stylesPath = target;
        }
    }
    if (sheetPath.isEmpty())
        return failure(QStringLiteral("the workbook names no worksheet"));

    std::vector<QString> strings;
    if (!stringsPath.isEmpty()) {
        if (const auto xml = zip.read(stringsPath))
            strings = readSharedStrings(*xml);
    }
    std::vector<int> formats;
    if (!stylesPath.isEmpty()) {
        if (const auto xml = zip.read(stylesPath))
            formats = readCellFormats(*xml);
    }
    const auto sheetXml = zip.read(sheetPath);
    if (!sheetXml)
        return failure(QStringLiteral("the first worksheet cannot be read"));

    Workbook::OpenResult result;
    result.workbook = std::make_unique<Workbook>();
    SheetPart sheet(strings, formats, workbook.from1904, *result.workbook);
    if (!sheet.read(*sheetXml))
        return failure(QStringLiteral("the first worksheet is damaged"));
    return result;
}

} // namespace vendara
