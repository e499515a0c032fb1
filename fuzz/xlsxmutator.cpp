// The .xlsx target's structure-aware mutation (see packagemutator.h).
#include "packagemutator.h"

using namespace std::string_view_literals;

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t *data, std::size_t size,
                                               std::size_t maxSize, unsigned int seed)
{
    static const std::vector<std::string_view> tokens = {"../"sv,
                                                         "../../"sv,
                                                         "./"sv,
                                                         "/"sv,
                                                         "%2E%2E/"sv,
                                                         "<r><t>x</t></r>"sv,
                                                         "<rPh><t>y</t></rPh>"sv,
                                                         "_x000D_"sv,
                                                         "_xD800_"sv,
                                                         "<si><t>z</t></si>"sv,
                                                         "<c r=\"XFD1048576\"><v>1</v></c>"sv,
                                                         "\x01\x01\x40\x9C\x03<r>"sv,
                                                         "\x01\x01\x40\x9C\x04<si>"sv,
                                                         "99999999999999999999"sv};
    return fuzz::mutatePackage(data, size, maxSize, seed, tokens);
}
