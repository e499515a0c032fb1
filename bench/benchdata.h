// Sample CSV files of a given size for the converter's benchmarks: the same bytes on every
// run.
#pragma once

// std
#include <cstddef>
#include <string>

namespace benchdata {

inline constexpr std::size_t kMaxRecords = 65504;

// A field-name line and `records` lines of 30 columns: names, numbers, prices, dates,
// times, quoted texts with separators and quotes, now and then a long note with line
// breaks; about 320 bytes a line.
[[nodiscard]] std::string wideCsv(std::size_t records);

// The 7 columns of the catalogue's hand-off: Quote, Cat Number, Description, Price,
// Includes, Notes, Discounts.
[[nodiscard]] std::string handoffCsv(std::size_t records);

} // namespace benchdata
