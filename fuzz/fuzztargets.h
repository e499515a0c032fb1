// What the fuzz targets do with one input, shared by the libFuzzer programs and by the
// test that replays the saved corpus and every input that once crashed. Each function
// aborts when the engine breaks one of its promises.
#pragma once

// std
#include <cstddef>
#include <cstdint>

namespace fuzz {

// The input is a database file: header, descriptor, popup lists, every record as text,
// the conversion to CSV, and its use as the field layout of a small CSV file.
void readDatabase(const std::uint8_t *data, std::size_t size);

// The first two bytes choose the separator, the flags and the formats; the rest is a CSV
// file, converted to a database with new text fields and with a layout of every field
// type, read back, and converted there and back again.
void readCsv(const std::uint8_t *data, std::size_t size);

} // namespace fuzz
