// libFuzzer: reading a quote file of the catalogue program.
#include "quotefuzztarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::readQuote(data, size);
    return 0;
}
