// Byte order helpers. The header, the record list and the descriptor of a database keep their
// numbers big-endian; the numbers inside data records are little-endian. Keep the two apart.
#pragma once

// std
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace pdb {

[[nodiscard]] inline std::uint8_t byteAt(std::string_view bytes, std::size_t pos)
{
    return static_cast<std::uint8_t>(bytes[pos]);
}

// Reads at `pos`; the caller makes sure the bytes are there.
[[nodiscard]] inline std::uint16_t bigEndian16(std::string_view bytes, std::size_t pos)
{
    return static_cast<std::uint16_t>((byteAt(bytes, pos) << 8) | byteAt(bytes, pos + 1));
}

[[nodiscard]] inline std::uint32_t bigEndian32(std::string_view bytes, std::size_t pos)
{
    return (std::uint32_t{byteAt(bytes, pos)} << 24) | (std::uint32_t{byteAt(bytes, pos + 1)} << 16)
           | (std::uint32_t{byteAt(bytes, pos + 2)} << 8) | std::uint32_t{byteAt(bytes, pos + 3)};
}

[[nodiscard]] inline std::uint16_t littleEndian16(std::string_view bytes, std::size_t pos)
{
    return static_cast<std::uint16_t>(byteAt(bytes, pos) | (byteAt(bytes, pos + 1) << 8));
}

[[nodiscard]] inline std::uint32_t littleEndian32(std::string_view bytes, std::size_t pos)
{
    return std::uint32_t{byteAt(bytes, pos)} | (std::uint32_t{byteAt(bytes, pos + 1)} << 8)
           | (std::uint32_t{byteAt(bytes, pos + 2)} << 16)
           | (std::uint32_t{byteAt(bytes, pos + 3)} << 24);
}

// Writers append the low 2 or 4 bytes of the number.
inline void appendBigEndian16(std::string &out, std::uint32_t value)
{
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
    out.push_back(static_cast<char>(value & 0xFF));
}

inline void appendBigEndian32(std::string &out, std::uint32_t value)
{
    out.push_back(static_cast<char>((value >> 24) & 0xFF));
    out.push_back(static_cast<char>((value >> 16) & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
    out.push_back(static_cast<char>(value & 0xFF));
}

inline void appendLittleEndian16(std::string &out, std::uint32_t value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

inline void appendLittleEndian32(std::string &out, std::uint32_t value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
    out.push_back(static_cast<char>((value >> 16) & 0xFF));
    out.push_back(static_cast<char>((value >> 24) & 0xFF));
}

// Reads fields one after the other from a byte string. Bytes beyond its end are not read: a
// value that would need them keeps what it held before, so a short record leaves the rest
// of a structure as it was.
class ByteReader
{
public:
    explicit ByteReader(std::string_view bytes, std::size_t pos = 0)
        : mBytes(bytes)
        , mPos(pos)
    {}

    void big16(std::uint16_t &value)
    {
        if (has(2))
            value = bigEndian16(mBytes, mPos);
        mPos += 2;
    }
    void big32(std::uint32_t &value)
    {
        if (has(4))
            value = bigEndian32(mBytes, mPos);
        mPos += 4;
    }
    void big32(std::int32_t &value)
    {
        if (has(4))
            value = static_cast<std::int32_t>(bigEndian32(mBytes, mPos));
        mPos += 4;
    }
    void byte(std::uint8_t &value)
    {
        if (has(1))
            value = byteAt(mBytes, mPos);
        mPos += 1;
    }
    // A fixed-size field, read as all its bytes; a field cut short by the end keeps its
    // remaining bytes.
    template<typename Array>
    void raw(Array &field)
    {
        for (auto &b : field) {
            if (has(1))
                b = static_cast<typename Array::value_type>(mBytes[mPos]);
            ++mPos;
        }
    }

    [[nodiscard]] std::size_t position() const { return mPos; }

private:
    [[nodiscard]] bool has(std::size_t n) const
    {
        return mPos <= mBytes.size() && mBytes.size() - mPos >= n;
    }

    std::string_view mBytes;
    std::size_t mPos;
};

template<typename Array>
void appendRaw(std::string &out, const Array &field)
{
    for (const auto b : field)
        out.push_back(static_cast<char>(b));
}

} // namespace pdb
