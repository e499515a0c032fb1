#include "csvwriter.h"

#include "common/core/cp1252.h"

namespace convert {

namespace {

void appendUtf8Byte(std::string &out, char c)
{
    if (static_cast<unsigned char>(c) < 0x80) {
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
{
    mClasses.fill(0);
    for (const char c : {'"', separator, '\r', '\n'})
        mClasses[static_cast<unsigned char>(c)] |= kEnclose;
    for (const char c : {'"', '\n'})
        mClasses[static_cast<unsigned char>(c)] |= kRewrite;
    if (encoding == CsvEncoding::Utf8) {
        for (int c = 0x80; c < 0x100; ++c)
            mClasses[static_cast<std::size_t>(c)] |= kRewrite;
    }
}

void CsvWriter::append(std::string_view text)
{
    // Written in text mode: a line feed becomes CR LF; quotes are doubled.
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((mClasses[static_cast<unsigned char>(c)] & kRewrite) == 0)
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
    unsigned char classes = 0;
    for (const char c : text)
        classes |= mClasses[static_cast<unsigned char>(c)];
    const bool enclose = mQuoteAll || (classes & kEnclose) != 0;
    if (enclose)
        mOut.push_back('"');
    if ((classes & kRewrite) != 0)
        append(text);
    else
        mOut += text;
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
