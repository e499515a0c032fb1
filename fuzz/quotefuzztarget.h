// What the quote file's fuzz target does with one input, shared by the libFuzzer program and
// the test that replays its saved corpus and every input that once crashed it. Aborts when
// the reader or the writer breaks one of their promises.
#pragma once

// std
#include <cstddef>
#include <cstdint>

namespace fuzz {

// The input is a quote file: read, and when it is a quote, written in both forms and read
// back to the same quote.
void readQuote(const std::uint8_t *data, std::size_t size);

} // namespace fuzz
