// libFuzzer: reading a CSV file and converting it.
#include "fuzztargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::readCsv(data, size);
    return 0;
}
