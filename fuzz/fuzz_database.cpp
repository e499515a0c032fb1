// libFuzzer: reading a database file.
#include "fuzztargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::readDatabase(data, size);
    return 0;
}
