#include "fieldformatter.h"

#include "bytes.h"

// std
#include <charconv>

namespace pdb {

namespace {

// The stored text: up to its NUL, or the whole entry when it has none.
std::string_view storedText(std::string_view value)
{
    const std::size_t end = value.find('\0');
    return end == std::string_view::npos ? value : value.substr(0, end);
}

// A little-endian number of up to 4 bytes; bytes the entry lacks count as zero.
std::uint32_t storedNumber(std::string_view value)
{
    std::uint32_t n = 0;
    for (std::size_t i = 0; i < 4 && i < value.size(); ++i)
        n |= std::uint32_t{byteAt(value, i)} << (8 * i);
    return n;
}

void appendNumber(std::string &out, std::int64_t value)
{
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr);
}

} // namespace

void FieldFormatter::appendText(std::string &out, const DataRecord &record, int field) const
{
    const auto entry = record.entry(field);
    if (!entry || entry->empty())
        return;
    const std::string_view value = *entry;
    const FieldDefinition &definition = mDescriptor.fields[static_cast<std::size_t>(field)];
    switch (definition.fieldType()) {
    case FieldType::Text:
    case FieldType::Decimal:
    case FieldType::Note:
    case FieldType::Text2:
        out += storedText(value);
        return;
    case FieldType::Integer:
    case FieldType::Unique:
    case FieldType::UniqueNumber:
    case FieldType::UniqueWithTail:
        appendNumber(out, static_cast<std::int32_t>(storedNumber(value)));
        return;
    case FieldType::Popup:
        out += mPopups[static_cast<std::size_t>(field)].textOf(byteAt(value, 0));
        return;
    case FieldType::CheckBox:
        out += byteAt(value, 0) != 0 ? '1' : '0';
        return;
    case FieldType::Date:
        out += dateText(storedNumber(value), mFormats.dateFormat);
        return;
    case FieldType::Time: {
        const int minute = value.size() > 1 ? byteAt(value, 1) : 0;
        const int hour = value.size() > 2 ? byteAt(value, 2) : 0;
        out += timeText(hour, minute, mFormats.timeFormat);
        return;
    }
    case FieldType::Derived: {
        const std::string_view text = storedText(value);
        switch (definition.resultKind()) {
        case 0:
        case 1:
        case 4:
        case 5:
        case 6:
            out += text;
            return;
        case 2: {
            // seconds of the day
            const std::int32_t seconds = numberOfText(text);
            out += timeText(seconds / 3600, (seconds % 3600) / 60, mFormats.timeFormat);
            return;
        }
        case 3:
            out += dateText(static_cast<std::uint32_t>(numberOfText(text)), mFormats.dateFormat);
            return;
        default:
            out += kErrorText;
            return;
        }
    }
    case FieldType::Unused:
    case FieldType::Placeholder:
    case FieldType::NoValue:
        return;
    }
    // A type code above 15 has no text.
}

std::string_view FieldFormatter::textView(const DataRecord &record, int field,
                                          std::string &scratch) const
{
    const auto entry = record.entry(field);
    if (!entry || entry->empty())
        return {};
    switch (mDescriptor.fields[static_cast<std::size_t>(field)].fieldType()) {
    case FieldType::Text:
    case FieldType::Decimal:
    case FieldType::Note:
    case FieldType::Text2:
        return storedText(*entry);
    default:
        scratch.clear();
        appendText(scratch, record, field);
        return scratch;
    }
}

std::string FieldFormatter::text(const DataRecord &record, int field) const
{
    std::string out;
    appendText(out, record, field);
    return out;
}

} // namespace pdb
