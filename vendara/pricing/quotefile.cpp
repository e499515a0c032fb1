#include "quotefile.h"

// std
#include <charconv>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>

namespace vendara {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineRecord = "line";
constexpr std::string_view kTotalsRecord = "totals";
constexpr std::string_view kFileRecord = "file";
constexpr std::string_view kChangedRecord = "changed";

// Well-formed UTF-8: no overlong forms, no surrogates, nothing beyond U+10FFFF.
bool isUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        std::uint32_t cp = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            cp = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            cp = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            cp = lead & 0x07u;
        } else {
            return false;
        }
        if (bytes.size() - i < std::size_t(length))
            return false;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + std::size_t(k)]);
            if ((next & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (next & 0x3Fu);
        }
        const std::uint32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        if (cp < smallest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += std::size_t(length);
    }
    return true;
}

std::vector<std::string_view> split(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        if (tab == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
}

std::string escaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 2);
    if (!text.empty() && text.front() == '=')
        out += '\\';
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::optional<std::string> unescaped(std::string_view field)
{
    std::string text;
    text.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            text += field[i];
            continue;
        }
        if (++i == field.size())
            return std::nullopt;
        switch (field[i]) {
        case '\\':
            text += '\\';
            break;
        case 't':
            text += '\t';
            break;
        case 'n':
            text += '\n';
            break;
        case 'r':
            text += '\r';
            break;
        case '=':
            // Only where a text would otherwise read as a number.
            if (i != 1)
                return std::nullopt;
            text += '=';
            break;
        default:
            return std::nullopt;
        }
    }
    return text;
}

std::optional<QuoteFile::Value> parseValue(std::string_view field)
{
    if (field.empty())
        return QuoteFile::Value{};
    if (field.front() == '=') {
        const char *first = field.data() + 1;
        const char *last = field.data() + field.size();
        float number = 0.0f;
        const auto [end, error] = std::from_chars(first, last, number);
        if (first == last || error != std::errc() || end != last)
            return std::nullopt;
        return QuoteFile::Value::ofNumber(number);
    }
    if (auto text = unescaped(field))
        return QuoteFile::Value::ofText(std::move(*text));
    return std::nullopt;
}

std::optional<std::string> parseText(std::string_view field)
{
    if (!field.empty() && field.front() == '=')
        return std::nullopt; // a number where only a text belongs
    return unescaped(field);
}

// The first line: the format's name, a tab and the version, a whole number from 1. Nothing
// when the line does not name this format; 0 when it names it with no readable version.
std::optional<int> headerVersion(std::string_view line)
{
    const std::string_view name = QuoteFile::FormatName;
    if (line.size() <= name.size() || line.substr(0, name.size()) != name
        || line[name.size()] != '\t')
        return std::nullopt;
    const std::string_view digits = line.substr(name.size() + 1);
    if (digits.empty() || digits.size() > 9
        || digits.find_first_not_of("0123456789") != digits.npos)
        return digits.size() > 9 && digits.find_first_not_of("0123456789") == digits.npos
                   ? std::numeric_limits<int>::max() // far in the future
                   : 0;
    int version = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), version);
    return version;
}

} // namespace

QuoteFile::Value QuoteFile::Value::ofText(std::string text)
{
    Value value;
    value.kind = Kind::Text;
    value.text = std::move(text);
    return value;
}

QuoteFile::Value QuoteFile::Value::ofNumber(float number)
{
    Value value;
    value.kind = Kind::Number;
    value.number = number;
    return value;
}

bool QuoteFile::Value::operator==(const Value &other) const
{
    if (kind != other.kind)
        return false;
    switch (kind) {
    case Kind::Empty:
        return true;
    case Kind::Text:
        return text == other.text;
    case Kind::Number:
        return std::memcmp(&number, &other.number, sizeof number) == 0;
    }
    return false;
}

std::string QuoteFile::field(const Value &value)
{
    switch (value.kind) {
    case Value::Kind::Empty:
        return {};
    case Value::Kind::Text:
        return escaped(value.text);
    case Value::Kind::Number: {
        char digits[48];
        const auto written = std::to_chars(digits, digits + sizeof digits, value.number);
        return '=' + std::string(digits, written.ptr);
    }
    }
    return {};
}

std::string QuoteFile::write(const Contents &contents, Form form)
{
    std::string out;
    out += FormatName;
    out += '\t' + std::to_string(Version) + '\n';
    if (form == Form::WorkingCopy) {
        if (!contents.file.empty())
            out += std::string(kFileRecord) + '\t' + escaped(contents.file) + '\n';
        out += std::string(kChangedRecord) + (contents.changed ? "\t1\n" : "\t0\n");
    }
    for (const Line &line : contents.lines) {
        out += kLineRecord;
        for (const Value &value : line)
            out += '\t' + field(value);
        out += '\n';
    }
    out += kTotalsRecord;
    for (const std::string &text : contents.totals)
        out += '\t' + escaped(text);
    out += '\n';
    return out;
}

QuoteFile::ReadResult QuoteFile::read(std::string_view bytes)
{
    ReadResult result;
    int fileLine = 0;
    const auto damaged = [&] {
        result.error = Error::Damaged;
        result.fileLine = fileLine;
        result.contents = {};
        return result;
    };

    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        bytes.remove_prefix(kByteOrderMark.size());
    // The lines, each without its line end; the last line end is optional.
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        bytes.remove_prefix(end + 1);
    }

    fileLine = 1;
    const std::optional<int> version = lines.empty() ? std::nullopt : headerVersion(lines[0]);
    if (!version) {
        result.error = Error::NotAQuote;
        return result;
    }
    if (*version > Version) {
        result.error = Error::NewerVersion;
        result.version = *version;
        return result;
    }
    if (*version < 1)
        return damaged();

    Contents &contents = result.contents;
    bool haveFile = false;
    bool haveChanged = false;
    bool haveTotals = false;
    for (std::size_t k = 1; k < lines.size(); ++k) {
        fileLine = int(k) + 1;
        if (haveTotals) {
            // Nothing follows the totals but the empty lines an editor may leave.
            if (!lines[k].empty())
                return damaged();
            continue;
        }
        if (!isUtf8(lines[k]))
            return damaged();
        const std::vector<std::string_view> fields = split(lines[k]);
        const std::string_view record = fields.front();
        if (record == kLineRecord) {
            if (fields.size() != Cells + 1 || int(contents.lines.size()) >= MaxLines)
                return damaged();
            Line line;
            for (int c = 0; c < Cells; ++c) {
                auto value = parseValue(fields[std::size_t(c) + 1]);
                if (!value)
                    return damaged();
                line[std::size_t(c)] = std::move(*value);
            }
            // The part number is what makes a line a line.
            if (line[0].kind == Value::Kind::Empty
                || (line[0].kind == Value::Kind::Text && line[0].text.empty()))
                return damaged();
            contents.lines.push_back(std::move(line));
        } else if (record == kTotalsRecord) {
            if (fields.size() != contents.totals.size() + 1)
                return damaged();
            for (std::size_t t = 0; t < contents.totals.size(); ++t) {
                auto text = parseText(fields[t + 1]);
                if (!text)
                    return damaged();
                contents.totals[t] = std::move(*text);
            }
            haveTotals = true;
        } else if (record == kFileRecord) {
            if (haveFile || !contents.lines.empty() || fields.size() != 2)
                return damaged();
            auto text = parseText(fields[1]);
            if (!text)
                return damaged();
            contents.file = std::move(*text);
            haveFile = true;
        } else if (record == kChangedRecord) {
            if (haveChanged || !contents.lines.empty() || fields.size() != 2
                || (fields[1] != "0" && fields[1] != "1"))
                return damaged();
            contents.changed = fields[1] == "1";
            haveChanged = true;
        } else {
            return damaged();
        }
    }
    // A file cut short before its totals is damaged, even when it breaks off between lines.
    if (!haveTotals) {
        fileLine = int(lines.size()) + 1;
        return damaged();
    }
    return result;
}

} // namespace vendara
