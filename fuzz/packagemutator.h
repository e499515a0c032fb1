// A structure-aware mutation for the fuzz targets whose inputs are package entries (xlsx, ods):
// besides libFuzzer's own changes, a token (a ".." path, an element that nests, a repeat) is
// put right where XML has its boundaries (after a quote, a '>' or a '/'), so that the fuzzer
// reaches a relationship target or a nesting depth in a few steps instead of by chance. Only
// the libFuzzer programs link it.
#pragma once

// std
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <random>
#include <string_view>
#include <vector>

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t *data, std::size_t size, std::size_t maxSize);

namespace fuzz {

inline std::size_t mutatePackage(std::uint8_t *data, std::size_t size, std::size_t maxSize,
                                 unsigned int seed, const std::vector<std::string_view> &tokens)
{
    std::minstd_rand random(seed);
    if (random() % 3 != 0 || size == 0)
        return LLVMFuzzerMutate(data, size, maxSize);
    std::vector<std::size_t> boundaries;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '"' || data[i] == '>' || data[i] == '/' || data[i] == '\n')
            boundaries.push_back(i + 1);
    }
    if (boundaries.empty())
        return LLVMFuzzerMutate(data, size, maxSize);
    const std::string_view token = tokens[random() % tokens.size()];
    if (size + token.size() > maxSize)
        return LLVMFuzzerMutate(data, size, maxSize);
    const std::size_t at = boundaries[random() % boundaries.size()];
    std::memmove(data + at + token.size(), data + at, size - at);
    std::memcpy(data + at, token.data(), token.size());
    return size + token.size();
}

} // namespace fuzz
