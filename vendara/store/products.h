// The catalogue store: the product table's link to the catalogue file.
//
// The file is Windows-1252 text without header or trailer: one record per product, each
// holding the fifteen cells of its row, every cell followed by three DEL bytes (0x7F), the
// record ending with CR LF. Notes and includes may hold CR LF themselves, so a record can
// span several physical lines; it is complete when a line ends with a DEL byte and it holds
// at least the five separators of the shortest (older) records. No text is written with a
// line break right after a separator: older readers would end the record there.
#pragma once

#include "table.h"

#include "common/core/status.h"

// Qt
#include <QByteArray>
#include <QString>

namespace prompt {
class Prompter;
}

namespace vendara {

class Trace;

class Products
{
public:
    struct ReadResult
    {
        int count = 0;       // records placed in the table
        int errorNumber = 0; // 0: read; 53: the file does not exist; 75, 76, 57: see below
        int further = 0;     // records beyond the table's rows, kept for the next save
    };

    // `prompter` shows the read error and the save questions, `trace` the diagnostic trace;
    // either may be null (nothing shown).
    explicit Products(Table &table, prompt::Prompter *prompter = nullptr,
                      const Trace *trace = nullptr);

    [[nodiscard]] Table &table() const { return mTable; }

    // The number of products: the used rows of the table.
    [[nodiscard]] int Count() const { return mCount; }
    void setCount(int count) { mCount = count; }

    // Fills the table from row 1 with the records of the file and sets Count. Records beyond
    // the table's last row are not placed in the table; they are kept as they are and written
    // again after the table's products by WriteProds, so they are never lost. A failure shows
    // "Error reading file #<number>" (53 when the file does not exist, 76 when its folder does
    // not, 75 when it cannot be opened, 57 when it cannot be read) and stops there.
    ReadResult ReadProds(const QString &fileName);
    // Writes every row with a part number, in table order, then any records kept beyond the
    // table. The new file is written beside the old one and replaces it only when complete.
    [[nodiscard]] common::Status WriteProds(const QString &fileName) const;
    // The bytes WriteProds writes.
    [[nodiscard]] QByteArray fileBytes() const;

    // Start-up: sizes the table to 1000 rows, reads the file, sizes the table to Count rows
    // and sorts it by part number. The file's bytes are kept for the backup copy.
    ReadResult load(const QString &fileName);
    // The same from another file (a recovery file): the table is filled from it, while the
    // catalogue as loaded, and whether it could be read completely, stay as they were.
    ReadResult restore(const QString &fileName);
    // Closing: tells the user about characters the file cannot hold, then writes. When the
    // write fails the user is told why and asked whether to close anyway; the result says
    // whether closing may go on. When the file was there at the last read but could not be
    // read completely (75, 57), the user is first asked whether to replace it with the
    // products now in the table; No (or no one to ask) leaves the file as it is and closing
    // goes on. The first save of a session that changes the file loaded at start keeps that
    // file, as it was loaded, as the backup copy (backupFile()) beforehand; when that fails
    // the user is told and the save goes on.
    [[nodiscard]] bool save(const QString &fileName);
    // Whether the last save() wrote the file.
    [[nodiscard]] bool lastSaveWrote() const { return mLastSaveWrote; }

    // The one backup generation beside the catalogue: "vadata.bak" for "vadata.dat".
    [[nodiscard]] static QString backupFile(const QString &fileName);

    // Sizes the table to Count rows and sorts them ascending on `column` with the product
    // comparison rule.
    void sortByColumn(int column);
    // The first row from `startRow` whose part number equals `partNumber` (letter case
    // ignored), or 0.
    [[nodiscard]] int findPartNumber(const QString &partNumber, int startRow = 1) const;

    // The distinct characters of the table's texts that Windows-1252 cannot hold.
    [[nodiscard]] QString unencodableCharacters() const;
    // Records read beyond the table's rows and kept for saving.
    [[nodiscard]] int furtherRecords() const { return mFurtherCount; }

private:
    void placeRecord(int row, const QByteArray &record);
    [[nodiscard]] int productsToWrite() const;
    ReadResult fill(const QString &fileName);
    void keepBackup(const QString &fileName, const QByteArray &bytes);

    Table &mTable;
    prompt::Prompter *mPrompter;
    const Trace *mTrace;
    int mCount = 0;
    QByteArray mFurther; // records beyond the table, byte for byte
    int mFurtherCount = 0;
    bool mReadIncomplete = false; // the last read found the file but could not read it all
    QByteArray mLastRead;         // the bytes of the file the last read read completely
    // The catalogue as loaded at start, for the backup copy at the first save.
    QString mLoadedFile;
    QByteArray mLoadedBytes;
    bool mBackupDue = false;
    bool mLastSaveWrote = false;
};

} // namespace vendara
