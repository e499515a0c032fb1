#include "datarecord.h"

#include "bytes.h"

namespace pdb {

DataRecord::DataRecord(std::string_view bytes)
{
    if (bytes.empty())
        return;
    std::size_t pos = bytes[0] != '\0' ? kTagSize : 1;
    for (auto &entry : mEntries) {
        if (pos > bytes.size() || bytes.size() - pos < 2)
            return;
        const std::uint16_t length = littleEndian16(bytes, pos);
        if (length == kEndMark)
            return;
        pos += 2;
        entry = bytes.substr(pos, length);
        pos += length;
    }
}

} // namespace pdb
