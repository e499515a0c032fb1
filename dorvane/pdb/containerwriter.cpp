#include "containerwriter.h"

#include "bytes.h"

namespace pdb {

std::string containerPrefix(DatabaseHeader header, std::span<const std::uint32_t> recordLengths)
{
    const std::size_t count = recordLengths.size();
    header.recordCount = static_cast<std::uint16_t>(count);
    header.appInfoOffset = appInfoOffset(count);
    std::string out;
    out.reserve(header.appInfoOffset + kAppInfoSize);
    header.encode(out);
    std::uint32_t offset = header.appInfoOffset + kAppInfoSize;
    for (const std::uint32_t length : recordLengths) {
        appendBigEndian32(out, offset);
        appendBigEndian32(out, 0); // attributes and unique ID
        offset += length;
    }
    out.append(2 + kAppInfoSize, '\0');
    return out;
}

} // namespace pdb
