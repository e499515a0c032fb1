#include "benchdata.h"

// std
#include <array>
#include <cstdint>
#include <string_view>

namespace benchdata {

namespace {

// A small fixed pseudo-random sequence, so every run writes the same file.
class Random
{
public:
    std::uint32_t next()
    {
        mState ^= mState << 13;
        mState ^= mState >> 17;
        mState ^= mState << 5;
        return mState;
    }
    std::size_t below(std::size_t n) { return next() % n; }

private:
    std::uint32_t mState = 2463534242u;
};

constexpr std::array<std::string_view, 16> kWords = {
    "bolt",  "washer", "bracket", "hinge", "clamp", "rivet",  "anchor", "screw",
    "steel", "brass",  "zinc",    "heavy", "light", "coated", "M8",     "3/4\""};

void appendWords(std::string &out, Random &random, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (i != 0)
            out += ' ';
        out += kWords[random.below(kWords.size())];
    }
}

// A value written the way the converter writes CSV: quoted when it holds a comma, a quote
// or a line break, quotes doubled.
void appendValue(std::string &out, std::string_view value)
{
    if (value.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += value;
        return;
    }
    out += '"';
    for (const char c : value) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void appendNumber(std::string &out, std::size_t n)
{
    out += std::to_string(n);
}

void appendPrice(std::string &out, Random &random)
{
    const std::size_t cents = random.below(100000);
    out += std::to_string(cents / 100);
    out += '.';
    out += static_cast<char>('0' + (cents / 10) % 10);
    out += static_cast<char>('0' + cents % 10);
}

} // namespace

std::string wideCsv(std::size_t records)
{
    Random random;
    std::string out;
    out.reserve(records * 330 + 400);
    for (int c = 0; c < 30; ++c) {
        if (c != 0)
            out += ',';
        out += "Column " + std::to_string(c + 1);
    }
    out += "\r\n";
    std::string value;
    for (std::size_t r = 0; r < records; ++r) {
        for (int c = 0; c < 30; ++c) {
            if (c != 0)
                out += ',';
            value.clear();
            switch (c % 6) {
            case 0:
                appendNumber(value, r + 1);
                break;
            case 1:
                appendWords(value, random, 1 + random.below(4));
                break;
            case 2:
                appendPrice(value, random);
                break;
            case 3:
                value += std::to_string(1 + random.below(12)) + "/"
                         + std::to_string(1 + random.below(28)) + "/"
                         + std::to_string(1990 + random.below(40));
                break;
            case 4:
                // a text with a separator or a quote in it now and then
                appendWords(value, random, 1 + random.below(2));
                if (random.below(4) == 0)
                    value += ", each";
                break;
            default:
                if (c == 29 && r % 50 == 0) {
                    appendWords(value, random, 30);
                    value += "\r\nsecond line";
                } else {
                    appendWords(value, random, 1 + random.below(3));
                }
                break;
            }
            appendValue(out, value);
        }
        out += "\r\n";
    }
    return out;
}

std::string handoffCsv(std::size_t records)
{
    Random random;
    std::string out = "Quote,Cat Number,Description,Price,Includes,Notes,Discounts\r\n";
    out.reserve(records * 110 + 100);
    std::string value;
    for (std::size_t r = 0; r < records; ++r) {
        out += "0,";
        out += "HX-" + std::to_string(100 + r) + ",";
        value.clear();
        appendWords(value, random, 3);
        out += value;
        out += ",\"$";
        appendPrice(out, random);
        out += "\",\"";
        value.clear();
        appendWords(value, random, 2);
        out += value;
        out += "\",\"";
        value.clear();
        appendWords(value, random, 4 + random.below(6));
        out += value;
        out += "\",";
        out += "10+ $";
        appendPrice(out, random);
        out += "\r\n";
    }
    return out;
}

} // namespace benchdata
