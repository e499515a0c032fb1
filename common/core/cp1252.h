// Windows-1252 text: the single-byte code page of the handheld's databases and of the
// catalogue's files on disk. Plain C++, no Qt.
#pragma once

// std
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace common {

// The Unicode code point of a Windows-1252 byte. The five bytes that the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value, as
// Windows itself does, so every byte survives a round trip.
[[nodiscard]] char32_t cp1252ToUnicode(unsigned char byte);

// The Windows-1252 byte of a code point, or nothing when the code page cannot hold it.
[[nodiscard]] std::optional<unsigned char> unicodeToCp1252(char32_t codePoint);

// Windows-1252 bytes to UTF-8.
[[nodiscard]] std::string cp1252ToUtf8(std::string_view bytes);

struct Cp1252Encoding
{
    std::string bytes;
    // Characters that Windows-1252 cannot hold (and malformed UTF-8 sequences); each became
    // the replacement byte.
    std::size_t replaced = 0;
};

// UTF-8 to Windows-1252; a character the code page cannot hold becomes `replacement`.
[[nodiscard]] Cp1252Encoding utf8ToCp1252(std::string_view utf8, char replacement = '?');

} // namespace common
