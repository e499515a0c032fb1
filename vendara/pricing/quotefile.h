// The quote file: a quote kept on disk, as the salesperson saves it for a customer
// ("Smith Ltd.vquote") and as the program keeps the open quote between runs ("quote.dat").
// Plain C++, so that the reader can be fuzzed on its own.
//
// UTF-8 text, one record a line, fields separated by tabs:
//
//   Vendara quote<TAB>1                     the format's name and version, always first
//   file<TAB>/home/anna/Smith Ltd.vquote   (working copy only) the named quote it shows
//   changed<TAB>1                           (working copy only) changed since saved or opened
//   line<TAB>A-1<TAB>Anchor bolt<TAB>=9.5<TAB>=12<TAB>114<TAB>=10<TAB>Box of 50
//   totals<TAB>$114.00<TAB>$6.00<TAB>5.00%  always last
//
// A line record holds the seven cells of a quote line: part number (never empty), product
// name, price, quantity, extended price, list price, includes. A field is empty for an empty
// cell, "=" and a decimal number for a number cell (the shortest form that reads back as the
// same single-precision number; "inf" and "nan" included), and otherwise a text in which
// "\\", "\t", "\n" and "\r" stand for a backslash, a tab, a line feed and a carriage return;
// a text starting with "=" starts with "\=" instead. The totals record holds the three texts
// the totals boxes show. Line ends are LF when written; CR LF and a byte order mark are read.
#pragma once

// std
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vendara {

class QuoteFile
{
public:
    static constexpr int Version = 1;
    static constexpr std::string_view FormatName = "Vendara quote";
    static constexpr int MaxLines = 250;
    static constexpr int Cells = 7;

    struct Value
    {
        enum class Kind { Empty, Text, Number };

        Kind kind = Kind::Empty;
        std::string text; // UTF-8
        float number = 0.0f;

        [[nodiscard]] static Value ofText(std::string text);
        [[nodiscard]] static Value ofNumber(float number);
        // Equal kind and content; numbers compare by their bits, so NaN equals NaN.
        [[nodiscard]] bool operator==(const Value &other) const;
    };
    using Line = std::array<Value, Cells>;

    struct Contents
    {
        std::vector<Line> lines;
        // The texts of the order total, discount amount and discount percent boxes.
        std::array<std::string, 3> totals;
        // Kept only in the working copy: the named quote file it shows (UTF-8 path; empty for
        // none), and whether it changed since it was saved or opened.
        std::string file;
        bool changed = true;

        bool operator==(const Contents &other) const = default;
    };

    enum class Form {
        Saved,      // a quote the user saved: lines and totals
        WorkingCopy // the open quote between runs: also its file and changed state
    };

    enum class Error {
        None,
        NotAQuote,    // the first line does not name the format
        NewerVersion, // written by a newer version of the program
        Damaged       // anything else that is not as written above
    };

    struct ReadResult
    {
        Error error = Error::None;
        int version = 0;  // the version the file names (NewerVersion)
        int fileLine = 0; // the line of the file that is damaged, from 1 (Damaged)
        Contents contents;

        [[nodiscard]] bool ok() const { return error == Error::None; }
    };

    [[nodiscard]] static std::string write(const Contents &contents, Form form);
    // Never fails on any input other than by its result: every byte sequence is either a
    // quote or one of the errors.
    [[nodiscard]] static ReadResult read(std::string_view bytes);

    // One field as written ("\t" for a tab inside a text, "=9.5" for a number).
    [[nodiscard]] static std::string field(const Value &value);
};

} // namespace vendara
