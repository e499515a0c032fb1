// Encodes one row of column texts (a CSV line split into its columns) as a data record:
// the tag, then the entries of the 30 fields in slot order, each field taking the column
// numbered by its display column.
#pragma once

#include "masterrecord.h"
#include "popuplist.h"
#include "textformats.h"

// std
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace pdb {

class RecordEncoder
{
public:
    static constexpr std::size_t kMaxTextLength = 254;
    static constexpr std::size_t kMaxNoteLength = 1999;
    static constexpr std::size_t kMaxShortTextEntry = 10; // decimal and derived fields

    // Whether the column texts can hold carriage returns or line feeds; a caller that knows
    // they hold none saves looking for them.
    enum class LineBreaks { Possible, None };

    // Keeps a reference to the popup lists (used to look up popup values); the descriptor
    // is read once.
    RecordEncoder(const MasterRecord &descriptor, const std::array<PopupList, kFieldCount> &popups,
                  TextFormats formats);

    // Appends the record; returns the number of bytes appended. Columns past the end of
    // `columns` are empty.
    std::size_t encode(std::span<const std::string_view> columns, std::string &out) const;
    // The number of bytes encode() would append.
    [[nodiscard]] std::size_t encodedSize(std::span<const std::string_view> columns,
                                          LineBreaks breaks = LineBreaks::Possible) const;
    // Writes the record to `out`, which must hold encodedSize(columns) bytes.
    void encodeTo(std::span<const std::string_view> columns, char *out,
                  LineBreaks breaks = LineBreaks::Possible) const;

private:
    struct Slot
    {
        FieldType type = FieldType::Unused;
        int column = -1;
        bool usedFieldFollows = false; // this slot or a later one is used
    };

    template<typename Sink>
    void encodeInto(std::span<const std::string_view> columns, LineBreaks breaks, Sink &sink) const;

    std::array<Slot, kFieldCount> mSlots;
    bool mTagged = false;
    const std::array<PopupList, kFieldCount> &mPopups;
    TextFormats mFormats;
};

} // namespace pdb
