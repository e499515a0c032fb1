// The popup list of a field (records 1 to 30): NUL-terminated items followed by three zero
// bytes; an empty text ends the list. A stored index is one byte, 255 meaning no value.
#pragma once

// std
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pdb {

class PopupList
{
public:
    static constexpr std::uint8_t kNoValue = 255;
    static constexpr std::size_t kMaxItemLength = 79;
    static constexpr std::string_view kNoValueText = "No Value";

    PopupList() = default;
    explicit PopupList(std::vector<std::string> items)
        : mItems(std::move(items))
    {}

    // The items of a list record, up to the first empty one; at most `maxItems`.
    [[nodiscard]] static PopupList fromRecord(std::string_view bytes,
                                              std::size_t maxItems = SIZE_MAX);

    [[nodiscard]] const std::vector<std::string> &items() const { return mItems; }
    [[nodiscard]] std::size_t size() const { return mItems.size(); }
    [[nodiscard]] bool empty() const { return mItems.empty(); }
    void append(std::string_view item) { mItems.emplace_back(item); }

    // The text shown for a stored index: "No Value" for 255, the item (at most 79
    // characters) at that position, or an empty text when the list is shorter.
    [[nodiscard]] std::string_view textOf(std::uint8_t index) const;
    // The stored index of a text: 255 when it contains "No Value" or matches no item;
    // otherwise the first item equal to the text's first 79 characters, ignoring case.
    [[nodiscard]] std::uint8_t indexOf(std::string_view text) const;
    // True when an item equals the text's first 79 characters, ignoring case.
    [[nodiscard]] bool contains(std::string_view text) const;

    // Appends the record: each item and a NUL, then three zero bytes.
    void encode(std::string &out) const;
    [[nodiscard]] std::string encoded() const;

    bool operator==(const PopupList &) const = default;

private:
    std::vector<std::string> mItems;
};

// Windows-1252 texts equal when letter case is ignored (accented letters too).
[[nodiscard]] bool equalsIgnoringCase(std::string_view a, std::string_view b);

} // namespace pdb
