#include "textformats.h"

// std
#include <array>
#include <cstdio>

namespace pdb {

namespace {

enum class Order { MonthDayYear, DayMonthYear, YearMonthDay };

struct DateFormat
{
    const char *pattern;
    Order order;
    char separator;
};

constexpr std::array<DateFormat, kDateFormatCount> kDateFormats = {{
    {"%02d/%02d/%04d", Order::MonthDayYear, '/'},
    {"%02d/%02d/%04d", Order::DayMonthYear, '/'},
    {"%02d.%02d.%04d", Order::DayMonthYear, '.'},
    {"%02d-%02d-%04d", Order::DayMonthYear, '-'},
    {"%04d/%02d/%02d", Order::YearMonthDay, '/'},
    {"%04d.%02d.%02d", Order::YearMonthDay, '.'},
    {"%04d-%02d-%02d", Order::YearMonthDay, '-'},
}};

struct TimeFormat
{
    char separator;
    bool twelveHour;
};

constexpr std::array<TimeFormat, kTimeFormatCount> kTimeFormats = {{
    {':', true},
    {':', false},
    {'.', true},
    {'.', false},
    {',', false},
}};

constexpr std::array<int, 12> kMonthLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Splits at the separator as a tokenizer does: runs of separators count as one, leading
// ones are skipped. Fills at most `tokens.size()` tokens; missing ones stay empty.
template<std::size_t N>
void splitTokens(std::string_view text, char separator, std::array<std::string_view, N> &tokens)
{
    std::size_t pos = 0;
    for (auto &token : tokens) {
        while (pos < text.size() && text[pos] == separator)
            ++pos;
        if (pos >= text.size())
            return;
        std::size_t end = text.find(separator, pos);
        if (end == std::string_view::npos)
            end = text.size();
        token = text.substr(pos, end - pos);
        pos = end;
    }
}

std::string format(const char *pattern, int a, int b, int c = 0)
{
    std::array<char, 64> buffer{};
    const int n = std::snprintf(buffer.data(), buffer.size(), pattern, a, b, c);
    return std::string(buffer.data(), n < 0 ? 0 : static_cast<std::size_t>(n));
}

bool contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

} // namespace

std::int32_t numberOfText(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t{1} << 31;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        if (value <= kLimit)
            value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    if (negative)
        value = -value;
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<std::int32_t>(value);
}

std::uint8_t checkBoxOfText(std::string_view text)
{
    return !text.empty() && text[0] == '0' ? 0 : 1;
}

std::string dateText(std::uint32_t dayNumber, int dateFormat)
{
    if (dayNumber == 0)
        return "NO DATE";
    if (dateFormat < 0 || dateFormat >= kDateFormatCount)
        return {};
    // Four-year cycles of 1461 days, each starting with a leap year.
    std::uint32_t days = dayNumber;
    std::uint64_t year = 1904 + std::uint64_t{days / 1461} * 4;
    days %= 1461;
    if (days >= 366) {
        days -= 366;
        year += 1 + days / 365;
        days %= 365;
    }
    const bool leap = year % 4 == 0;
    int month = 0;
    for (; month < 11; ++month) {
        const std::uint32_t length = static_cast<std::uint32_t>(
            kMonthLengths[static_cast<std::size_t>(month)] + (month == 1 && leap ? 1 : 0));
        if (days < length)
            break;
        days -= length;
    }
    const int shownYear = 1904 + static_cast<int>((year - 1904) % 128);
    const int m = month + 1;
    const int d = static_cast<int>(days) + 1;
    const DateFormat &f = kDateFormats[static_cast<std::size_t>(dateFormat)];
    switch (f.order) {
    case Order::MonthDayYear:
        return format(f.pattern, m, d, shownYear);
    case Order::DayMonthYear:
        return format(f.pattern, d, m, shownYear);
    case Order::YearMonthDay:
        break;
    }
    return format(f.pattern, shownYear, m, d);
}

std::uint32_t dayNumberOfText(std::string_view text, int dateFormat)
{
    if (text.empty() || contains(text, "NO DATE"))
        return 0;
    if (dateFormat < 0 || dateFormat >= kDateFormatCount)
        dateFormat = 0;
    const DateFormat &f = kDateFormats[static_cast<std::size_t>(dateFormat)];
    std::array<std::string_view, 3> tokens{};
    splitTokens(text, f.separator, tokens);
    const std::int64_t a = numberOfText(tokens[0]);
    const std::int64_t b = numberOfText(tokens[1]);
    const std::int64_t c = numberOfText(tokens[2]);
    std::int64_t year = 0;
    std::int64_t month = 0;
    std::int64_t day = 0;
    switch (f.order) {
    case Order::MonthDayYear:
        month = a, day = b, year = c;
        break;
    case Order::DayMonthYear:
        day = a, month = b, year = c;
        break;
    case Order::YearMonthDay:
        year = a, month = b, day = c;
        break;
    }
    if (month < 1 || month > 12)
        month = 1;
    if (day < 1 || day > 31)
        day = 1;
    if (year >= 4 && year <= 99)
        year += 1900;
    else if (year < 4)
        year += 2000;
    std::int64_t number = (year - 1904) * 365;
    if (year > 1904)
        number += (year - 1904 + 3) / 4; // leap years from 1904 up to the year
    for (std::int64_t m = 1; m < month; ++m)
        number += kMonthLengths[static_cast<std::size_t>(m - 1)];
    if (month > 2 && year % 4 == 0)
        number += 1;
    number += day - 1; // a day past the end of its month runs on into the next
    // The stored form is 32 bits.
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(number));
}

std::string timeText(int hour, int minute, int timeFormat)
{
    if (hour == 255)
        return "No Time";
    if (timeFormat < 0 || timeFormat >= kTimeFormatCount)
        return {};
    const TimeFormat &f = kTimeFormats[static_cast<std::size_t>(timeFormat)];
    const char pattern[] = {'%', '0', '2', 'd', f.separator, '%', '0', '2', 'd', '\0'};
    if (!f.twelveHour)
        return format(pattern, hour, minute);
    if (hour == 0)
        return format(pattern, 12, minute) + " am";
    if (hour < 12)
        return format(pattern, hour, minute) + " am";
    if (hour == 12)
        return format(pattern, 12, minute) + " pm";
    return format(pattern, hour - 12, minute) + " pm";
}

TimeOfDay timeOfText(std::string_view text, int timeFormat)
{
    if (contains(text, "No Time"))
        return {255, 0};
    if (timeFormat < 0 || timeFormat >= kTimeFormatCount)
        timeFormat = 0;
    const TimeFormat &f = kTimeFormats[static_cast<std::size_t>(timeFormat)];
    std::array<std::string_view, 2> tokens{};
    splitTokens(text, f.separator, tokens);
    std::int64_t hour = numberOfText(tokens[0]);
    std::int64_t minute = numberOfText(tokens[1]);
    if (f.twelveHour) {
        if (hour > 11)
            hour = 0;
        if (contains(text, "pm") || contains(text, "PM"))
            hour += 12;
    }
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59)
        hour = 0, minute = 0;
    return {static_cast<std::uint8_t>(hour), static_cast<std::uint8_t>(minute)};
}

} // namespace pdb
