#include "workbook.h"

#include "odsreader.h"
#include "textsheetreader.h"
#include "xlsreader.h"
#include "xlsxreader.h"

// Qt
#include <QFile>
#include <QFileInfo>

// std
#include <algorithm>
#include <vector>

namespace vendara {

namespace {

const SheetCell kNothing;

} // namespace

Workbook::OpenResult Workbook::failure(int errorNumber, QString reason)
{
    OpenResult result;
    result.errorNumber = errorNumber;
    result.reason = std::move(reason);
    return result;
}

Workbook::OpenResult Workbook::open(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return failure(kFileNotFound, QStringLiteral("the file does not exist"));
    if (info.isDir())
        return failure(kCannotOpen, QStringLiteral("the name is a folder"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(kCannotOpen, file.errorString());
    const QByteArray start = file.read(8);
    if (file.error() != QFileDevice::NoError)
        return failure(kCannotRead, file.errorString());
    file.close();

    static const QByteArray compoundDocument("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    if (start == compoundDocument)
        return XlsReader::read(path);
    if (start.startsWith("PK\x03\x04")) {
        // An OpenDocument file names its kind in its first entry; everything else in a zip
        // container is tried as Office Open XML.
        if (OdsReader::isOpenDocument(path))
            return OdsReader::read(path);
        return XlsxReader::read(path);
    }
    return TextSheetReader::read(path);
}

const SheetCell &Workbook::cell(int row, int column) const
{
    const auto found = mCells.find(key(row, column));
    return found == mCells.end() ? kNothing : found->second;
}

const SheetCell &Workbook::cell(const QString &address) const
{
    const auto at = parseAddress(address);
    return at ? cell(at->first, at->second) : kNothing;
}

void Workbook::setCell(int row, int column, SheetCell value)
{
    if (row < 1 || row > kMaxRows || column < 1 || column > kMaxColumns)
        return;
    if (value.kind() == SheetCell::Kind::Empty) {
        mCells.erase(key(row, column));
        return;
    }
    mCells.insert_or_assign(key(row, column), std::move(value));
    mLastRow = std::max(mLastRow, row);
    mLastColumn = std::max(mLastColumn, column);
}

void Workbook::forEachCell(
    const std::function<void(int row, int column, const SheetCell &)> &visit) const
{
    std::vector<quint64> keys;
    keys.reserve(mCells.size());
    for (const auto &entry : mCells)
        keys.push_back(entry.first);
    std::sort(keys.begin(), keys.end());
    for (const quint64 at : keys)
        visit(int(at >> 32), int(at & 0xFFFFFFFF), mCells.at(at));
}

QString Workbook::columnName(int column)
{
    if (column < 1 || column > kMaxColumns)
        return {};
    QString name;
    while (column > 0) {
        const int digit = (column - 1) % 26;
        name.prepend(QChar(char16_t(u'A' + digit)));
        column = (column - 1) / 26;
    }
    return name;
}

std::optional<std::pair<int, int>> Workbook::parseAddress(const QString &address)
{
    qsizetype i = 0;
    long long column = 0;
    while (i < address.size() && address.at(i).isLetter() && address.at(i).unicode() < 128) {
        column = column * 26 + (address.at(i).toUpper().unicode() - u'A' + 1);
        if (column > kMaxColumns)
            return std::nullopt;
        ++i;
    }
    if (i == 0 || i == address.size())
        return std::nullopt;
    long long row = 0;
    for (; i < address.size(); ++i) {
        const QChar c = address.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        row = row * 10 + (c.unicode() - u'0');
        if (row > kMaxRows)
            return std::nullopt;
    }
    if (row < 1)
        return std::nullopt;
    return std::make_pair(int(row), int(column));
}

} // namespace vendara
