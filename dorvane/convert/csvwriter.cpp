#include "csvwriter.h"

#include "common/core/cp1252.h"

namespace convert {

namespace {

bool needsQuotes(std::string_view text, char separator)
{
    for (const char c : text) {
        if (c == '"' || c == separator || c == '\r' || c == '\n')
            return true;
    }
    return false;
}

void appendUtf8Byte(std::string &out, char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
        out.push_back(c);
        return;
    }
    out += common::cp1252ToUtf8(std::string_view(&c, 1));
}

} // namespace

CsvWriter::CsvWriter(std::string &out, char separator, bool quoteAll, CsvEncoding encoding)
    : mOut(out)
    , mSeparator(separator)
    , mQuoteAll(quoteAll)
    , mEncoding(encoding)
{}

void CsvWriter::append(std::string_view text)
{
    // Written in text mode: a line feed becomes CR LF.
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool high = static_cast<unsigned char>(c) >= 0x80 && mEncoding == CsvEncoding::Utf8;
        if (c != '\n' && c != '"' && !high)
            continue;
        mOut.append(text.data() + start, i - start);
        start = i + 1;
        if (c == '\n')
            mOut += "\r\n";
        else if (c == '"')
            mOut += "\"\"";
        else
            appendUtf8Byte(mOut, c);
    }
    mOut.append(text.data() + start, text.size() - start);
}

void CsvWriter::value(std::string_view text)
{
    if (mLineStarted) {
        if (mEncoding == CsvEncoding::Utf8)
            appendUtf8Byte(mOut, mSeparator);
        else
            mOut.push_back(mSeparator);
    }
    mLineStarted = true;
    const bool enclose = mQuoteAll || needsQuotes(text, mSeparator);
    if (enclose)
        mOut.push_back('"');
    append(text);
    if (enclose)
        mOut.push_back('"');
}

void CsvWriter::endLine()
{
    mOut += "\r\n";
    mLineStarted = false;
}

std::string CsvWriter::quoted(std::string_view text, char separator, bool quoteAll)
{
    std::string out;
    CsvWriter writer(out, separator, quoteAll, CsvEncoding::Windows1252);
    writer.value(text);
    return out;
}

} // namespace convert
