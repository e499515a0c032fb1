#include "messages.h"

// std
#include <array>
#include <charconv>

namespace convert::messages {

namespace {

std::string withNumber(std::string_view before, std::size_t number, std::string_view after = {})
{
    std::array<char, 24> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
    std::string text;
    text.reserve(before.size() + 24 + after.size());
    text += before;
    text.append(digits.data(), end);
    text += after;
    return text;
}

std::string around(std::string_view before, std::string_view path, std::string_view after)
{
    std::string text;
    text.reserve(before.size() + path.size() + after.size());
    text += before;
    text += path;
    text += after;
    return text;
}

} // namespace

std::string cannotOpenForReading(std::string_view path)
{
    return around("ERROR: Cannot Open File: ", path, " for reading");
}

std::string openingForWriting(std::string_view path)
{
    return around("ERROR: Opening ", path, " for writing!\n");
}

std::string writingFailed(std::string_view path)
{
    return around("ERROR: Writing ", path, "!\n");
}

std::string readingRecordStatus(std::size_t dataRecordNumber)
{
    return withNumber("Reading Record: ", dataRecordNumber, ":");
}

std::string readingRecordError(std::size_t recordIndex)
{
    return withNumber("ERROR:Reading Record: ", recordIndex);
}

std::string writingRecordStatus(std::size_t recordIndex)
{
    return withNumber("Writing Record: ", recordIndex, ":");
}

std::string openingFileForReading(std::string_view path)
{
    return around("ERROR:Opening File: ", path, " for Reading\n");
}

std::string couldntOpenForWriting(std::string_view path)
{
    return around("ERROR:Couldn't open ", path, " file for writing");
}

std::string couldntWrite(std::string_view path)
{
    return around("ERROR:Couldn't write ", path, " file");
}

std::string readingCsvLine(std::size_t line)
{
    return withNumber("Reading CSV Line #", line);
}

std::string writingPdbRecord(std::size_t line)
{
    return withNumber("Writing PDB Record #", line);
}

std::string linesCut(std::size_t lines)
{
    if (lines == 1)
        return "1 line had text after its 30th field, which was left out";
    return withNumber("", lines, " lines had text after their 30th field, which was left out");
}

} // namespace convert::messages
