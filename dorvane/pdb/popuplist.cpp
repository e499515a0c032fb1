#include "popuplist.h"

// std
#include <array>

namespace pdb {

namespace {

// Lower case of a Windows-1252 byte.
constexpr std::array<unsigned char, 256> makeFoldTable()
{
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i)
        t[static_cast<std::size_t>(i)] = static_cast<unsigned char>(i);
    for (int c = 'A'; c <= 'Z'; ++c)
        t[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c + 32);
    for (int c = 0xC0; c <= 0xDE; ++c) {
        if (c != 0xD7) // the multiplication sign
            t[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c + 32);
    }
    t[0x8A] = 0x9A; // S caron
    t[0x8C] = 0x9C; // OE
    t[0x8E] = 0x9E; // Z caron
    t[0x9F] = 0xFF; // Y diaeresis
    return t;
}

constexpr std::array<unsigned char, 256> kFold = makeFoldTable();

std::string_view cutToItemLength(std::string_view text)
{
    return text.substr(0, PopupList::kMaxItemLength);
}

} // namespace

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (kFold[static_cast<unsigned char>(a[i])] != kFold[static_cast<unsigned char>(b[i])])
            return false;
    }
    return true;
}

PopupList PopupList::fromRecord(std::string_view bytes, std::size_t maxItems)
{
    PopupList list;
    std::size_t pos = 0;
    while (pos < bytes.size() && list.mItems.size() < maxItems) {
        std::size_t end = bytes.find('\0', pos);
        if (end == std::string_view::npos)
            end = bytes.size();
        if (end == pos)
            break; // an empty text ends the list
        list.mItems.emplace_back(bytes.substr(pos, end - pos));
        pos = end + 1;
    }
    return list;
}

std::string_view PopupList::textOf(std::uint8_t index) const
{
    if (index == kNoValue)
        return kNoValueText;
    if (index >= mItems.size())
        return {};
    return cutToItemLength(mItems[index]);
}

std::uint8_t PopupList::indexOf(std::string_view text) const
{
    if (text.find(kNoValueText) != std::string_view::npos)
        return kNoValue;
    const std::string_view key = cutToItemLength(text);
    const std::size_t limit = mItems.size() < kNoValue ? mItems.size() : kNoValue;
    for (std::size_t i = 0; i < limit; ++i) {
        if (equalsIgnoringCase(mItems[i], key))
            return static_cast<std::uint8_t>(i);
    }
    return kNoValue;
}

bool PopupList::contains(std::string_view text) const
{
    const std::string_view key = cutToItemLength(text);
    for (const std::string &item : mItems) {
        if (equalsIgnoringCase(item, key))
            return true;
    }
    return false;
}

void PopupList::encode(std::string &out) const
{
    for (const std::string &item : mItems) {
        out += item;
        out.push_back('\0');
    }
    out.append(3, '\0');
}

std::string PopupList::encoded() const
{
    std::string out;
    encode(out);
    return out;
}

} // namespace pdb
