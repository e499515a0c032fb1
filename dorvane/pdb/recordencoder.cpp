#include "recordencoder.h"

#include "bytes.h"
#include "datarecord.h"

// std
#include <cstring>

namespace pdb {

namespace {

bool isLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

// True when the text holds a carriage return or a line feed; most texts hold neither, so
// this looks at eight bytes at a time.
bool hasLineBreak(std::string_view text)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighs = 0x8080808080808080u;
    const auto holds = [](std::uint64_t word, unsigned char byte) {
        const std::uint64_t x = word ^ (kOnes * byte);
        return ((x - kOnes) & ~x & kHighs) != 0;
    };
    const char *p = text.data();
    std::size_t n = text.size();
    for (; n >= 8; p += 8, n -= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        if (holds(word, '\r') || holds(word, '\n'))
            return true;
    }
    for (; n > 0; ++p, --n) {
        if (isLineBreak(*p))
            return true;
    }
    return false;
}

// The length of a text once its line breaks are made single line feeds.
std::size_t lineTextLength(std::string_view text)
{
    std::size_t length = text.size();
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (isLineBreak(text[i]) && isLineBreak(text[i + 1])) {
            --length;
            ++i;
        }
    }
    return length;
}

// The start of a text that gives at most `limit` characters once its line breaks are made
// single line feeds: the limit counts the characters stored, not those of the CSV text, in
// which every line break is two characters.
std::string_view lineTextPrefix(std::string_view text, std::size_t limit)
{
    std::size_t i = 0;
    for (std::size_t stored = 0; i < text.size() && stored < limit; ++stored) {
        if (isLineBreak(text[i]) && i + 1 < text.size() && isLineBreak(text[i + 1]))
            i += 2;
        else
            ++i;
    }
    return text.substr(0, i);
}

// Writes into memory the caller has made large enough.
class PointerSink
{
public:
    explicit PointerSink(char *out)
        : mOut(out)
    {}
    void bytes(std::string_view b)
    {
        std::memcpy(mOut, b.data(), b.size());
        mOut += b.size();
    }
    void byte(std::uint8_t b) { *mOut++ = static_cast<char>(b); }
    void zeros(std::size_t n)
    {
        std::memset(mOut, 0, n);
        mOut += n;
    }
    void length(std::size_t n)
    {
        byte(static_cast<std::uint8_t>(n & 0xFF));
        byte(static_cast<std::uint8_t>((n >> 8) & 0xFF));
    }
    void number(std::uint32_t n)
    {
        for (int i = 0; i < 4; ++i)
            byte(static_cast<std::uint8_t>((n >> (8 * i)) & 0xFF));
    }
    // A text with its line breaks made single line feeds: each CR or LF becomes LF, and a
    // CR or LF directly after it is dropped.
    void lineText(std::string_view text)
    {
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (isLineBreak(text[i])) {
                *mOut++ = '\n';
                if (i + 1 < text.size() && isLineBreak(text[i + 1]))
                    ++i;
            } else {
                *mOut++ = text[i];
            }
        }
    }
    [[nodiscard]] char *position() const { return mOut; }

private:
    char *mOut;
};

class CountingSink
{
public:
    void bytes(std::string_view b) { mCount += b.size(); }
    void byte(std::uint8_t) { ++mCount; }
    void zeros(std::size_t n) { mCount += n; }
    void length(std::size_t) { mCount += 2; }
    void number(std::uint32_t) { mCount += 4; }
    void lineText(std::string_view text) { mCount += lineTextLength(text); }
    [[nodiscard]] std::size_t count() const { return mCount; }

private:
    std::size_t mCount = 0;
};

} // namespace

RecordEncoder::RecordEncoder(const MasterRecord &descriptor,
                             const std::array<PopupList, kFieldCount> &popups, TextFormats formats)
    : mTagged(descriptor.recordTagFlag != 0)
    , mPopups(popups)
    , mFormats(formats)
{
    for (int i = 0; i < kFieldCount; ++i) {
        Slot &slot = mSlots[static_cast<std::size_t>(i)];
        slot.type = descriptor.fields[static_cast<std::size_t>(i)].fieldType();
        slot.column = descriptor.displayColumn(i);
        slot.usedFieldFollows = descriptor.anyUsedFieldFrom(i);
    }
}

template<typename Sink>
void RecordEncoder::encodeInto(std::span<const std::string_view> columns, LineBreaks breaks,
                               Sink &sink) const
{
    if (mTagged) {
        sink.byte(1);
        sink.bytes(kTagText);
        sink.zeros(kTagSize - 1 - kTagText.size());
    } else {
        sink.byte(0);
    }
    for (int i = 0; i < kFieldCount; ++i) {
        const Slot &slot = mSlots[static_cast<std::size_t>(i)];
        const std::string_view text =
            slot.column >= 0 && static_cast<std::size_t>(slot.column) < columns.size()
                ? columns[static_cast<std::size_t>(slot.column)]
                : std::string_view{};
        switch (slot.type) {
        case FieldType::Unused:
            if (!slot.usedFieldFollows) {
                sink.length(kEndMark);
                return;
            }
            sink.length(0);
            break;
        case FieldType::Text:
        case FieldType::Text2:
        case FieldType::Note: {
            const std::size_t limit =
                slot.type == FieldType::Note ? kMaxNoteLength : kMaxTextLength;
            const bool plain = breaks == LineBreaks::None || !hasLineBreak(text);
            const std::string_view taken =
                plain ? text.substr(0, limit) : lineTextPrefix(text, limit);
            const std::size_t length = plain ? taken.size() : lineTextLength(taken);
            if (length == 0) {
                sink.length(0);
            } else {
                sink.length(length + 1);
                if (plain)
                    sink.bytes(taken);
                else
                    sink.lineText(taken);
                sink.byte(0);
            }
            break;
        }
        case FieldType::Decimal:
        case FieldType::Derived:
            if (text.empty()) {
                sink.length(0);
            } else {
                // at most 9 characters and the NUL
                const std::string_view taken = text.substr(0, kMaxShortTextEntry - 1);
                sink.length(taken.size() + 1);
                sink.bytes(taken);
                sink.byte(0);
            }
            break;
        case FieldType::Popup:
            sink.length(1);
            sink.byte(mPopups[static_cast<std::size_t>(i)].indexOf(text));
            break;
        case FieldType::CheckBox:
            sink.length(1);
            sink.byte(checkBoxOfText(text));
            break;
        case FieldType::Placeholder:
            sink.length(1);
            sink.byte(0);
            break;
        case FieldType::Date:
            sink.length(4);
            sink.number(dayNumberOfText(text, mFormats.dateFormat));
            break;
        case FieldType::Time: {
            const TimeOfDay time = timeOfText(text, mFormats.timeFormat);
            sink.length(4);
            sink.byte(0);
            sink.byte(time.minute);
            sink.byte(time.hour);
            sink.byte(0);
            break;
        }
        case FieldType::Integer:
        case FieldType::Unique:
        case FieldType::UniqueNumber:
            sink.length(4);
            sink.number(static_cast<std::uint32_t>(numberOfText(text)));
            break;
        case FieldType::UniqueWithTail:
            sink.length(24);
            sink.number(static_cast<std::uint32_t>(numberOfText(text)));
            sink.zeros(20);
            break;
        case FieldType::NoValue:
        default:
            // a type code this program does not know stores nothing, as a field with no
            // stored value does
            sink.length(0);
            break;
        }
    }
}

std::size_t RecordEncoder::encode(std::span<const std::string_view> columns, std::string &out) const
{
    const std::size_t size = encodedSize(columns);
    const std::size_t before = out.size();
    out.resize(before + size);
    encodeTo(columns, out.data() + before);
    return size;
}

void RecordEncoder::encodeTo(std::span<const std::string_view> columns, char *out,
                             LineBreaks breaks) const
{
    PointerSink sink(out);
    encodeInto(columns, breaks, sink);
}

std::size_t RecordEncoder::encodedSize(std::span<const std::string_view> columns,
                                       LineBreaks breaks) const
{
    CountingSink sink;
    encodeInto(columns, breaks, sink);
    return sink.count();
}

} // namespace pdb
