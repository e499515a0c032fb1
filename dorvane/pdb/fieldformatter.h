// Turns the stored value of a field into its text, for CSV files, the viewer and printing.
#pragma once

#include "datarecord.h"
#include "masterrecord.h"
#include "popuplist.h"
#include "textformats.h"

// std
#include <array>
#include <string>

namespace pdb {

using PopupLists = std::array<PopupList, kFieldCount>;

class FieldFormatter
{
public:
    static constexpr std::string_view kErrorText = "Error!";

    // Keeps references: the descriptor and the lists must outlive the formatter.
    FieldFormatter(const MasterRecord &descriptor, const PopupLists &popups, TextFormats formats)
        : mDescriptor(descriptor)
        , mPopups(popups)
        , mFormats(formats)
    {}

    // Appends the text of the field's value; an absent or empty entry gives the empty text
    // for every type.
    void appendText(std::string &out, const DataRecord &record, int field) const;
    [[nodiscard]] std::string text(const DataRecord &record, int field) const;
    // The same text as a view: into the record for stored texts, otherwise into `scratch`
    // (which it overwrites). Valid while both are.
    [[nodiscard]] std::string_view textView(const DataRecord &record, int field,
                                            std::string &scratch) const;

private:
    const MasterRecord &mDescriptor;
    const PopupLists &mPopups;
    TextFormats mFormats;
};

} // namespace pdb
