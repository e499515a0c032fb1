// Text forms of dates, times, numbers and check boxes, in both directions. The date format
// (0 to 6) and the time format (0 to 4) are the user's settings; the same index serves
// output and input.
#pragma once

// std
#include <cstdint>
#include <string>
#include <string_view>

namespace pdb {

inline constexpr int kDateFormatCount = 7;
inline constexpr int kTimeFormatCount = 5;

struct TextFormats
{
    int dateFormat = 0;
    int timeFormat = 0;
};

// A date is a day number: days since 1 January 1904; day 0 also stands for no date. Years
// divisible by 4 are leap years. A year past 2031 is shown modulo 128 years from 1904.
// "NO DATE" for day 0; an empty text for a format index outside 0 to 6.
[[nodiscard]] std::string dateText(std::uint32_t dayNumber, int dateFormat);
// Day 0 for an empty text or one containing "NO DATE". A format index outside 0 to 6 reads
// as format 0.
[[nodiscard]] std::uint32_t dayNumberOfText(std::string_view text, int dateFormat);

// "No Time" when the hour is 255; an empty text for a format index outside 0 to 4.
[[nodiscard]] std::string timeText(int hour, int minute, int timeFormat);

struct TimeOfDay
{
    std::uint8_t hour = 0; // 255: no time
    std::uint8_t minute = 0;

    bool operator==(const TimeOfDay &) const = default;
};

// Hour 255 for a text containing "No Time"; an empty text is 00:00. A format index outside
// 0 to 4 reads as format 0.
[[nodiscard]] TimeOfDay timeOfText(std::string_view text, int timeFormat);

// Leading blanks, an optional sign and the digits up to the first non-digit; no digits
// give 0. Kept within the 32-bit range.
[[nodiscard]] std::int32_t numberOfText(std::string_view text);

// 0 (unchecked) when the text begins with "0"; any other text, the empty one too, is 1.
[[nodiscard]] std::uint8_t checkBoxOfText(std::string_view text);

} // namespace pdb
