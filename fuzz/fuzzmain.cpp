// libFuzzer's entry for one target: FUZZ_FUNCTION is the target's harness function
// (fuzz::read<Name>), given by the build.
#include <cstddef>
#include <cstdint>

namespace fuzz {
void FUZZ_FUNCTION(const std::uint8_t *data, std::size_t size);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::FUZZ_FUNCTION(data, size);
    return 0;
}
