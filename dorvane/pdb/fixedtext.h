// Texts kept in fixed-size fields of the file: NUL-terminated, read and written as all the
// field's bytes.
#pragma once

// std
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace pdb {

// The text up to the first NUL (or the whole field when it has none).
template<std::size_t N>
[[nodiscard]] std::string fixedText(const std::array<char, N> &field)
{
    std::size_t length = 0;
    while (length < N && field[length] != '\0')
        ++length;
    return std::string(field.data(), length);
}

// Puts at most N - 1 bytes of `text` and its NUL into the field; the bytes after the NUL
// are zero.
template<std::size_t N>
void setFixedText(std::array<char, N> &field, std::string_view text)
{
    field.fill('\0');
    const std::size_t length = text.size() < N ? text.size() : N - 1;
    text.copy(field.data(), length);
}

// Copies the text and its NUL over the start of the field and leaves the bytes after the
// NUL as they were, as copying a name into a buffer that held another one does.
template<std::size_t N>
void overwriteFixedText(std::array<char, N> &field, std::string_view text)
{
    const std::size_t length = text.size() < N ? text.size() : N - 1;
    text.copy(field.data(), length);
    field[length] = '\0';
}

} // namespace pdb
