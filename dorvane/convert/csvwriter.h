// Writing CSV lines in the dialect the converter writes: values joined by the separator, each
// line ended by CR LF, every line feed inside a value written as CR LF too. A value is
// enclosed in double quotes, with its double quotes doubled, when it holds a double quote,
// the separator, a carriage return or a line feed, or when every value is to be quoted.
#pragma once

#include "conversionsettings.h"

// std
#include <array>
#include <string>
#include <string_view>

namespace convert {

class CsvWriter
{
public:
    // `out` receives the bytes; values are given as Windows-1252 text and written in the
    // chosen encoding.
    CsvWriter(std::string &out, char separator, bool quoteAll, CsvEncoding encoding);

    void value(std::string_view text);
    void endLine();

    // The written form of one value, without separators (for tests and the quote rule).
    [[nodiscard]] static std::string quoted(std::string_view text, char separator, bool quoteAll);

private:
    // What a byte asks of the value that holds it.
    static constexpr unsigned char kEnclose = 1; // enclose the value in double quotes
    static constexpr unsigned char kRewrite = 2; // written differently: "", CR LF, UTF-8

    void append(std::string_view text);

    std::array<unsigned char, 256> mClasses{};

    std::string &mOut;
    char mSeparator;
    bool mQuoteAll;
    CsvEncoding mEncoding;
    bool mLineStarted = false;
};

} // namespace convert
