#include "sheettransfer.h"

// Qt
#include <QBuffer>
#include <QByteArrayView>
#include <QIODevice>
#include <QLocale>
#include <QStringDecoder>

namespace vendara {

namespace {

const QByteArray kFirstLine = QByteArrayLiteral("vendara-sheet 1");

QByteArray escaped(const QString &text)
{
    QByteArray out;
    const QByteArray utf8 = text.toUtf8();
    out.reserve(utf8.size());
    for (const char c : utf8) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::optional<QString> unescaped(QByteArrayView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        switch (text[i]) {
        case '\\':
            out += '\\';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    // A text may start with U+FEFF: it is kept, not taken as a byte order mark.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return utf8.decode(out);
}

QByteArray cellLine(int row, int column, const SheetCell &cell)
{
    QByteArray line = "c " + QByteArray::number(row) + ' ' + QByteArray::number(column) + ' ';
    switch (cell.kind()) {
    case SheetCell::Kind::Text:
        return line + "t " + escaped(cell.shown()) + '\n';
    case SheetCell::Kind::Number:
        return line + "n "
               + QLocale::c()
                     .toString(cell.numberValue(), 'g', QLocale::FloatingPointShortest)
                     .toLatin1()
               + '\n';
    case SheetCell::Kind::Boolean:
        return line + (cell.numberValue() != 0.0 ? "b 1\n" : "b 0\n");
    case SheetCell::Kind::Date:
        return line + "d " + escaped(cell.shown()) + '\n';
    case SheetCell::Kind::Unreadable:
        return line + "u\n";
    case SheetCell::Kind::Empty:
        break;
    }
    return {};
}

// A whole number of the form, no sign or blanks.
std::optional<int> wholeNumber(QByteArrayView text, int largest)
{
    if (text.isEmpty() || text.size() > 10)
        return std::nullopt;
    qint64 value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > largest)
        return std::nullopt;
    return int(value);
}

// "c ROW COLUMN KIND[ VALUE]" into the sheet; false when the line is not one.
bool readCell(QByteArrayView line, Workbook &sheet)
{
    QList<QByteArrayView> parts;
    qsizetype from = 2;
    for (int i = 0; i < 3; ++i) {
        const qsizetype blank = line.indexOf(' ', from);
        parts.append(line.sliced(from, (blank < 0 ? line.size() : blank) - from));
        if (blank < 0) {
            from = -1;
            break;
        }
        from = blank + 1;
    }
    if (parts.size() != 3)
        return false;
    const auto row = wholeNumber(parts[0], Workbook::kMaxRows);
    const auto column = wholeNumber(parts[1], Workbook::kMaxColumns);
    if (!row || !column || *row < 1 || *column < 1 || parts[2].size() != 1)
        return false;
    const char kind = parts[2][0];
    if (kind == 'u') {
        if (from >= 0)
            return false;
        sheet.setCell(*row, *column, SheetCell::unreadable());
        return true;
    }
    if (from < 0)
        return false;
    const QByteArrayView value = line.sliced(from);
    switch (kind) {
    case 't':
    case 'd': {
        const auto text = unescaped(value);
        if (!text)
            return false;
        sheet.setCell(*row, *column, kind == 't' ? SheetCell::text(*text) : SheetCell::date(*text));
        return true;
    }
    case 'n': {
        bool ok = false;
        const double number = value.toDouble(&ok);
        if (!ok)
            return false;
        sheet.setCell(*row, *column, SheetCell::number(number));
        return true;
    }
    case 'b':
        if (value != "0" && value != "1")
            return false;
        sheet.setCell(*row, *column, SheetCell::boolean(value == "1"));
        return true;
    default:
        return false;
    }
}

} // namespace

bool SheetTransfer::write(const Workbook::OpenResult &result, QIODevice &out)
{
    bool ok = out.write(kFirstLine + '\n') >= 0;
    if (!result.workbook) {
        const QByteArray line = "refused " + QByteArray::number(result.errorNumber) + ' '
                                + escaped(result.reason) + '\n';
        return ok && out.write(line) >= 0;
    }
    QByteArray chunk;
    result.workbook->forEachCell([&](int row, int column, const SheetCell &cell) {
        chunk += cellLine(row, column, cell);
        if (chunk.size() >= 65536) {
            ok = ok && out.write(chunk) >= 0;
            chunk.clear();
        }
    });
    chunk += "end\n";
    return ok && out.write(chunk) >= 0;
}

QByteArray SheetTransfer::toBytes(const Workbook::OpenResult &result)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    write(result, buffer);
    return bytes;
}

std::optional<Workbook::OpenResult> SheetTransfer::read(const QByteArray &answer)
{
    if (!answer.startsWith(kFirstLine + '\n'))
        return std::nullopt;
    Workbook::OpenResult result;
    auto sheet = std::make_unique<Workbook>();
    qsizetype pos = kFirstLine.size() + 1;
    while (pos < answer.size()) {
        const qsizetype end = answer.indexOf('\n', pos);
        if (end < 0)
            return std::nullopt; // cut short inside a line
        const QByteArrayView line(answer.constData() + pos, end - pos);
        pos = end + 1;
        if (line.startsWith("c ")) {
            if (!readCell(line, *sheet))
                return std::nullopt;
        } else if (line == "end") {
            if (pos != answer.size())
                return std::nullopt;
            result.workbook = std::move(sheet);
            return result;
        } else if (line.startsWith("refused ")) {
            const QByteArrayView rest = line.sliced(8);
            const qsizetype blank = rest.indexOf(' ');
            const auto number = wholeNumber(blank < 0 ? rest : rest.first(blank), 99999);
            const auto reason = unescaped(blank < 0 ? QByteArrayView() : rest.sliced(blank + 1));
            if (!number || *number == 0 || !reason || pos != answer.size())
                return std::nullopt;
            result.errorNumber = *number;
            result.reason = *reason;
            return result;
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt; // no "end": cut short
}

} // namespace vendara
