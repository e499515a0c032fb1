// The .ods target's structure-aware mutation (see packagemutator.h).
#include "packagemutator.h"

using namespace std::string_view_literals;

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t *data, std::size_t size,
                                               std::size_t maxSize, unsigned int seed)
{
    static const std::vector<std::string_view> tokens = {
        "<text:span>"sv,
        "<text:a>"sv,
        "<text:p>"sv,
        "\x01\x01\x40\x9C\x0B<text:span>"sv,
        "\x01\x01\x40\x0D\x0B<text:span>"sv,
        "<table:table-row>"sv,
        "<table:table-cell>"sv,
        "PT99999999999999S"sv,
        "PT99999999999H"sv,
        "1.5"sv,
        "99999999999999999999"sv,
        " table:number-columns-repeated=\"16384\""sv,
        " table:number-rows-repeated=\"1048576\""sv};
    return fuzz::mutatePackage(data, size, maxSize, seed, tokens);
}
