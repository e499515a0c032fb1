#include "csvtable.h"

// std
#include <cstring>

namespace convert {

namespace {

constexpr char kQuote = '"';

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n' || c == '\0';
}

// The state of one parse: reads at `pos`, writes decoded bytes at `out` (never ahead of
// `pos`, so the text is decoded in place).
class Parser
{
public:
    Parser(std::string &text, char separator, std::vector<std::uint32_t> &fieldStarts,
           std::vector<std::uint32_t> &recordFirst, std::vector<bool> &lineBreaks,
           std::size_t &recordsCut)
        : mText(text)
        , mSize(text.size())
        , mSeparator(separator)
        , mFieldStarts(fieldStarts)
        , mRecordFirst(recordFirst)
        , mLineBreaks(lineBreaks)
        , mRecordsCut(recordsCut)
    {
        mSpecial.fill(false);
        for (const char c : {separator, kQuote, '\r', '\n', '\0'})
            mSpecial[static_cast<unsigned char>(c)] = true;
    }

    void run()
    {
        while (mPos < mSize)
            record();
        mFieldStarts.push_back(static_cast<std::uint32_t>(mOut));
        mRecordFirst.push_back(static_cast<std::uint32_t>(mFieldStarts.size() - 1));
    }

private:
    enum class FieldEnd { Separator, Record };

    void record()
    {
        mRecordFirst.push_back(static_cast<std::uint32_t>(mFieldStarts.size()));
        mFieldsInRecord = 0;
        mBreakInRecord = false;
        mTextDropped = false;
        // A record holding only a line end keeps no field; it reads as 30 empty ones.
        const char first = mText[mPos];
        if (first != mSeparator && isLineEnd(first)) {
            consumeLineEnd();
        } else {
            while (field() == FieldEnd::Separator) {
            }
        }
        mLineBreaks.push_back(mBreakInRecord);
        if (mTextDropped)
            ++mRecordsCut;
    }

    // Consumes the line-end byte at mPos and one CR or LF right after it.
    void consumeLineEnd()
    {
        ++mPos;
        if (mPos < mSize && (mText[mPos] == '\r' || mText[mPos] == '\n'))
            ++mPos;
    }

    void emit(char c)
    {
        if (mKeep)
            mText[mOut++] = c;
        else
            mTextDropped = true;
    }

    FieldEnd field()
    {
        mKeep = mFieldsInRecord < CsvTable::kMaxFields;
        ++mFieldsInRecord;
        if (mKeep)
            mFieldStarts.push_back(static_cast<std::uint32_t>(mOut));
        bool quoted = false;
        if (mPos < mSize && mText[mPos] == kQuote && mSeparator != kQuote) {
            quoted = true;
            ++mPos;
        }
        while (mPos < mSize) {
            const char c = mText[mPos];
            if (quoted) {
                if (c == kQuote) {
                    if (mPos + 1 < mSize && mText[mPos + 1] == kQuote) {
                        emit(kQuote);
                        mPos += 2;
                        continue;
                    }
                    // The closing quote: a separator after it is consumed; anything else
                    // starts the next field or ends the record.
                    ++mPos;
                    if (mPos >= mSize)
                        return FieldEnd::Record;
                    const char next = mText[mPos];
                    if (next == mSeparator) {
                        ++mPos;
                        return FieldEnd::Separator;
                    }
                    if (isLineEnd(next)) {
                        consumeLineEnd();
                        return FieldEnd::Record;
                    }
                    return FieldEnd::Separator;
                }
                if (isLineEnd(c)) {
                    emit('\r');
                    mBreakInRecord = true;
                } else {
                    emit(c);
                }
                ++mPos;
                continue;
            }
            if (!mSpecial[static_cast<unsigned char>(c)]) {
                copyPlainRun();
                continue;
            }
            if (c == mSeparator) {
                ++mPos;
                return FieldEnd::Separator;
            }
            if (isLineEnd(c)) {
                consumeLineEnd();
                return FieldEnd::Record;
            }
            // a double quote inside an unquoted field
            if (mPos + 1 < mSize && mText[mPos + 1] == kQuote) {
                emit(kQuote);
                mPos += 2;
            } else if (mPos + 1 < mSize && mText[mPos + 1] == mSeparator) {
                mPos += 2;
                return FieldEnd::Separator;
            } else {
                quoted = true;
                ++mPos;
            }
        }
        return FieldEnd::Record;
    }

    // Copies the bytes up to the next special one.
    void copyPlainRun()
    {
        const std::size_t start = mPos;
        while (mPos < mSize && !mSpecial[static_cast<unsigned char>(mText[mPos])])
            ++mPos;
        const std::size_t length = mPos - start;
        if (!mKeep) {
            mTextDropped = mTextDropped || length > 0;
            return;
        }
        if (mOut != start)
            std::memmove(mText.data() + mOut, mText.data() + start, length);
        mOut += length;
    }

    std::string &mText;
    const std::size_t mSize;
    const char mSeparator;
    std::vector<std::uint32_t> &mFieldStarts;
    std::vector<std::uint32_t> &mRecordFirst;
    std::vector<bool> &mLineBreaks;
    std::size_t &mRecordsCut;
    std::array<bool, 256> mSpecial{};
    std::size_t mPos = 0;
    std::size_t mOut = 0;
    std::size_t mFieldsInRecord = 0;
    bool mKeep = true;
    bool mBreakInRecord = false;
    bool mTextDropped = false; // a field after the 30th of this record holds text
};

} // namespace

CsvTable CsvTable::parse(std::string bytes, char separator)
{
    CsvTable table;
    // Room for a field every 8 bytes and a record every 32: growing the index is rare, and
    // pages reserved but never used take no memory.
    table.mFieldStarts.reserve(bytes.size() / 8 + 2);
    table.mRecordFirst.reserve(bytes.size() / 32 + 2);
    table.mText = std::move(bytes);
    Parser(table.mText, separator, table.mFieldStarts, table.mRecordFirst, table.mLineBreaks,
           table.mRecordsCut)
        .run();
    return table;
}

std::size_t CsvTable::fieldCount(std::size_t record) const
{
    const std::size_t count = mRecordFirst[record + 1] - mRecordFirst[record];
    return count == 0 ? kMaxFields : count;
}

std::string_view CsvTable::field(std::size_t record, std::size_t column) const
{
    const std::size_t first = mRecordFirst[record];
    if (column >= mRecordFirst[record + 1] - first)
        return {};
    const std::size_t start = mFieldStarts[first + column];
    const std::size_t end = mFieldStarts[first + column + 1];
    return std::string_view(mText).substr(start, end - start);
}

void CsvTable::fields(std::size_t record, std::array<std::string_view, kMaxFields> &out) const
{
    const std::size_t first = mRecordFirst[record];
    const std::size_t count = mRecordFirst[record + 1] - first;
    const std::string_view text(mText);
    for (std::size_t c = 0; c < kMaxFields; ++c) {
        if (c < count) {
            const std::size_t start = mFieldStarts[first + c];
            out[c] = text.substr(start, mFieldStarts[first + c + 1] - start);
        } else {
            out[c] = {};
        }
    }
}

} // namespace convert
