#include "products.h"

#include "numberforms.h"
#include "productcolumns.h"
#include "productorder.h"
#include "storetexts.h"
#include "trace.h"

#include "common/core/safefile.h"
#include "common/prompt/prompter.h"
#include "common/qt/cp1252text.h"

// Qt
#include <QDir>
#include <QFile>
#include <QFileInfo>

// std
#include <utility>

namespace vendara {

namespace {

constexpr char kSeparator[] = "\x7F\x7F\x7F";
constexpr qsizetype kSeparatorSize = 3;
constexpr char kDel = '\x7F';
// The separators of the shortest record there is: the five fields of older files.
constexpr int kShortestRecordSeparators = 5;

// Separators counted as the record is split: from the left, not overlapping. A run of DEL
// bytes never reaches across a line end, so the lines of a record can be counted one by one.
int separatorsIn(const QByteArray &line)
{
    int count = 0;
    for (qsizetype at = line.indexOf(kSeparator); at >= 0;
         at = line.indexOf(kSeparator, at + kSeparatorSize))
        ++count;
    return count;
}

// Physical lines end with CR LF, CR or LF; the line end is not part of the line.
class LineReader
{
public:
    explicit LineReader(const QByteArray &data)
        : mData(data)
    {}

    [[nodiscard]] bool atEnd() const { return mPos >= mData.size(); }
    [[nodiscard]] qsizetype position() const { return mPos; }

    QByteArray next()
    {
        const char *begin = mData.constData() + mPos;
        const qsizetype rest = mData.size() - mPos;
        qsizetype length = 0;
        while (length < rest && begin[length] != '\r' && begin[length] != '\n')
            ++length;
        QByteArray line(begin, length);
        mPos += length;
        if (mPos < mData.size()) {
            if (mData.at(mPos) == '\r' && mPos + 1 < mData.size() && mData.at(mPos + 1) == '\n')
                mPos += 2;
            else
                ++mPos;
        }
        return line;
    }

private:
    const QByteArray &mData;
    qsizetype mPos = 0;
};

bool onlyLineBreaksOrSpaces(const QByteArray &text)
{
    for (const char c : text) {
        if (c != '\r' && c != '\n' && c != ' ' && c != '\t')
            return false;
    }
    return true;
}

common::Status replaceWith(const QString &fileName, const QByteArray &bytes)
{
    return common::replaceFile(QFile::encodeName(fileName).toStdString(),
                               std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

int openErrorNumber(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return QFileInfo(info.absolutePath()).isDir() ? 53 : 76;
    return 75;
}

} // namespace

Products::Products(Table &table, prompt::Prompter *prompter, const Trace *trace)
    : mTable(table)
    , mPrompter(prompter)
    , mTrace(trace)
{}

void Products::placeRecord(int row, const QByteArray &record)
{
    int column = 1;
    qsizetype start = 0;
    while (column <= product::ColumnCount) {
        const qsizetype at = record.indexOf(kSeparator, start);
        QByteArray field;
        if (at < 0) {
            // No separator follows: the rest is the start of a field of a record that ends
            // early (a file cut off inside a record); take it as far as it goes.
            field = record.mid(start);
            if (field.isEmpty())
                break;
        } else {
            field = record.mid(start, at - start);
        }
        const QString text = common::fromCp1252(field);
        if (column == product::Price) {
            if (text.isEmpty())
                mTable.setCell(row, column, Cell());
            else if (const auto price = NumberForms::readSingle(text))
                mTable.setCell(row, column, Cell(*price));
            else
                mTable.setCell(row, column, Cell());
        } else {
            mTable.setCell(row, column, Cell(text));
        }
        if (at < 0)
            break;
        start = at + kSeparatorSize;
        ++column;
    }
}

Products::ReadResult Products::ReadProds(const QString &fileName)
{
    ReadResult result;
    mFurther.clear();
    mFurtherCount = 0;
    mReadIncomplete = false;

    auto fail = [&](int number) {
        result.errorNumber = number;
        // A file that is there but unreadable (not a missing file, not a folder in its
        // place) still holds products the table does not have.
        mReadIncomplete = (number == 75 || number == 57) && !QFileInfo(fileName).isDir();
        if (mPrompter != nullptr)
            mPrompter->message(texts::errorReadingFile(number), texts::errorCaption(),
                               prompt::Buttons::Ok);
    };

    mLastRead.clear();
    QFile file(fileName);
    if (!file.exists() || QFileInfo(fileName).isDir() || !file.open(QIODevice::ReadOnly)) {
        fail(openErrorNumber(fileName));
        mCount = 0;
        return result;
    }
    const bool trace = mTrace != nullptr && mTrace->enabled();
    if (trace)
        mTrace->show(QStringLiteral("Opened Filename"), QStringLiteral("test"));
    const QByteArray data = file.readAll();
    const bool readFailed = file.error() != QFileDevice::NoError;
    file.close();
    mLastRead = readFailed ? QByteArray() : data;

    mTable.beginReset();
    LineReader lines(data);
    int row = 1;
    while (!lines.atEnd()) {
        const qsizetype recordStart = lines.position();
        QByteArray record = lines.next();
        if (trace)
            mTrace->show(QStringLiteral("read line ") + common::fromCp1252(record),
                         QStringLiteral("Test"));
        // A record ends at a line that ends with a DEL byte, but only once it holds the
        // separators of a whole record: before that, the DEL belongs to a text that went on
        // over a line break (a file edited elsewhere), or the line break starts the next field.
        int separators = separatorsIn(record);
        auto isComplete = [&] {
            return record.endsWith(kDel) && separators >= kShortestRecordSeparators;
        };
        bool complete = isComplete();
        while (!complete && !lines.atEnd()) {
            const QByteArray line = lines.next();
            separators += separatorsIn(line);
            record += "\r\n";
            record += line;
            complete = isComplete();
        }
        if (!complete && onlyLineBreaksOrSpaces(record))
            break; // blank lines at the end of the file are not a product
        if (row > mTable.rows()) {
            QByteArray raw = data.mid(recordStart, lines.position() - recordStart);
            if (!raw.endsWith('\n') && !raw.endsWith('\r'))
                raw += "\r\n";
            mFurther += raw;
            ++mFurtherCount;
        } else {
            placeRecord(row, record);
            if (trace)
                mTrace->show(QStringLiteral("array 1 is ") + mTable.cell(row, 1).toText(),
                             QStringLiteral("test"), prompt::Buttons::OkCancel);
            ++row;
        }
        if (!complete)
            break; // the file ended inside this record
    }
    mTable.endReset();

    mCount = row - 1;
    result.count = mCount;
    result.further = mFurtherCount;
    if (readFailed)
        fail(57);
    else if (mFurtherCount > 0 && mPrompter != nullptr)
        mPrompter->message(texts::tooManyProducts(mTable.rows(), mFurtherCount),
                           texts::catalogueCaption(), prompt::Buttons::Ok,
                           prompt::Icon::Exclamation);
    return result;
}

QByteArray Products::fileBytes() const
{
    QByteArray bytes;
    bytes.reserve(mTable.rows() * 64 + mFurther.size());
    for (int row = 1; row <= mTable.rows(); ++row) {
        if (mTable.cell(row, product::PartNumber).isEmpty())
            continue; // a row without a part number is not a product
        for (int column = 1; column <= product::ColumnCount; ++column) {
            const Cell &cell = mTable.cell(row, column);
            // Never a line break right after a separator: a reader would end the record there.
            if (!cell.isEmpty())
                bytes += common::toCp1252(Table::tableText(cell.toText()));
            bytes += QByteArrayView(kSeparator, kSeparatorSize);
        }
        bytes += "\r\n";
    }
    bytes += mFurther;
    return bytes;
}

common::Status Products::WriteProds(const QString &fileName) const
{
    return replaceWith(fileName, fileBytes());
}

Products::ReadResult Products::fill(const QString &fileName)
{
    mTable.beginReset();
    mTable.setBounds(0, product::ColumnCount);
    mTable.setBounds(product::Capacity, product::ColumnCount);
    const ReadResult result = ReadProds(fileName);
    mTable.setBounds(mCount, product::ColumnCount);
    sortByColumn(product::PartNumber);
    mTable.endReset();
    return result;
}

Products::ReadResult Products::load(const QString &fileName)
{
    const ReadResult result = fill(fileName);
    // Only a file read whole is worth a backup; a missing one has nothing to keep.
    mLoadedFile = fileName;
    mLoadedBytes = std::exchange(mLastRead, QByteArray());
    mBackupDue = result.errorNumber == 0;
    return result;
}

Products::ReadResult Products::restore(const QString &fileName)
{
    const bool readIncomplete = mReadIncomplete;
    const ReadResult result = fill(fileName);
    mReadIncomplete = readIncomplete;
    return result;
}

QString Products::backupFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".bak"));
}

void Products::keepBackup(const QString &fileName, const QByteArray &bytes)
{
    if (!mBackupDue || fileName != mLoadedFile || bytes == mLoadedBytes)
        return;
    const QString backup = backupFile(fileName);
    const common::Status kept = replaceWith(backup, mLoadedBytes);
    if (kept.ok()) {
        mBackupDue = false;
        return;
    }
    if (mPrompter != nullptr)
        mPrompter->message(texts::backupFailed(QDir::toNativeSeparators(backup),
                                               QString::fromLocal8Bit(kept.message().c_str())),
                           texts::catalogueCaption(), prompt::Buttons::Ok,
                           prompt::Icon::Exclamation);
}

int Products::productsToWrite() const
{
    int products = 0;
    for (int row = 1; row <= mTable.rows(); ++row) {
        if (!mTable.cell(row, product::PartNumber).isEmpty())
            ++products;
    }
    return products;
}

bool Products::save(const QString &fileName)
{
    mLastSaveWrote = false;
    if (mReadIncomplete) {
        if (mPrompter == nullptr)
            return true;
        const prompt::Answer replace = mPrompter->message(
            texts::replaceUnreadCatalogue(QDir::toNativeSeparators(fileName), productsToWrite()),
            texts::errorCaption(), prompt::Buttons::YesNo, prompt::Icon::Exclamation);
        if (replace != prompt::Answer::Yes)
            return true;
    }
    const QString lost = unencodableCharacters();
    if (!lost.isEmpty() && mPrompter != nullptr) {
        QStringList each;
        for (const char32_t cp : lost.toUcs4())
            each.append(QString::fromUcs4(&cp, 1));
        mPrompter->message(texts::unencodableCharacters(each.join(QLatin1Char(' '))),
                           texts::catalogueCaption(), prompt::Buttons::Ok,
                           prompt::Icon::Exclamation);
    }
    const QByteArray bytes = fileBytes();
    keepBackup(fileName, bytes);
    const common::Status written = replaceWith(fileName, bytes);
    mLastSaveWrote = written.ok();
    if (written.ok() || mPrompter == nullptr)
        return true;
    const prompt::Answer answer = mPrompter->message(
        texts::saveFailed(QDir::toNativeSeparators(fileName),
                          QString::fromLocal8Bit(written.message().c_str())),
        texts::errorCaption(), prompt::Buttons::YesNo, prompt::Icon::Exclamation);
    return answer == prompt::Answer::Yes;
}

void Products::sortByColumn(int column)
{
    mTable.setBounds(mCount, product::ColumnCount);
    mTable.sortRows(1, mCount, column, ProductOrder::compare);
}

int Products::findPartNumber(const QString &partNumber, int startRow) const
{
    return mTable.find(startRow, product::PartNumber, Cell(partNumber), ProductOrder::compare);
}

QString Products::unencodableCharacters() const
{
    QString all;
    for (int row = 1; row <= mTable.rows(); ++row) {
        if (mTable.cell(row, product::PartNumber).isEmpty())
            continue;
        for (int column = 1; column <= product::ColumnCount; ++column) {
            const Cell &cell = mTable.cell(row, column);
            if (cell.isText()) {
                all += common::unencodableCharacters(cell.text());
            }
        }
    }
    return common::unencodableCharacters(all);
}

} // namespace vendara
