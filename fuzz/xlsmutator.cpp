// The .xls target's structure-aware mutation: besides libFuzzer's own changes, a field of the
// compound document's header, or a word of one of its sectors, is set to a sector number of
// the file, the sector's own number (a chain that names itself) or a sector marker, so that
// the fuzzer reaches looping and repeating chains in a few steps. Bare workbook streams are
// left to libFuzzer. Only the libFuzzer program links it.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <random>

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t *data, std::size_t size, std::size_t maxSize);

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t *data, std::size_t size,
                                               std::size_t maxSize, unsigned int seed)
{
    static const std::uint8_t signature[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    std::minstd_rand random(seed);
    if (size < 1024 || std::memcmp(data, signature, sizeof signature) != 0 || random() % 3 != 0)
        return LLVMFuzzerMutate(data, size, maxSize);
    const std::size_t sectorSize = data[0x1E] == 12 ? 4096 : 512;
    if (size < 2 * sectorSize)
        return LLVMFuzzerMutate(data, size, maxSize);
    const std::size_t sectors = size / sectorSize - 1;
    // The header's chain fields: FAT sectors, directory, mini FAT and its count, DIFAT and its
    // count, and the first DIFAT entries.
    static const std::size_t fields[] = {0x2C, 0x30, 0x3C, 0x40, 0x44, 0x48, 0x4C, 0x50, 0x54};
    std::size_t at = 0;
    std::uint32_t own = 0;
    if (random() % 2 == 0) {
        at = fields[random() % std::size(fields)];
    } else {
        own = std::uint32_t(random() % sectors);
        at = (own + 1) * sectorSize + 4 * (random() % (sectorSize / 4));
    }
    std::uint32_t value = 0;
    switch (random() % 6) {
    case 0:
        value = own; // the sector names itself
        break;
    case 1:
        value = 0xFFFFFFFE; // end of chain
        break;
    case 2:
        value = 0xFFFFFFFF; // free
        break;
    case 3:
        value = 0xFFFFFFFD - std::uint32_t(random() % 2); // FAT or DIFAT sector
        break;
    case 4:
        value = 0xFFFFFFFF - std::uint32_t(random() % 1024); // a count of billions
        break;
    default:
        value = std::uint32_t(random() % (sectors + 2));
        break;
    }
    if (at + 4 > size)
        return LLVMFuzzerMutate(data, size, maxSize);
    for (int i = 0; i < 4; ++i)
        data[at + i] = std::uint8_t(value >> (8 * i));
    return size;
}
