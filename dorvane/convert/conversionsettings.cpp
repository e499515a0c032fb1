#include "conversionsettings.h"

// std
#include <algorithm>
#include <cctype>

namespace convert {

namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x))
               == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

std::string_view csvEncodingName(CsvEncoding encoding)
{
    return encoding == CsvEncoding::Utf8 ? "UTF-8" : "Windows-1252";
}

std::optional<CsvEncoding> csvEncodingFromName(std::string_view name)
{
    if (sameIgnoringCase(name, "Windows-1252"))
        return CsvEncoding::Windows1252;
    if (sameIgnoringCase(name, "UTF-8"))
        return CsvEncoding::Utf8;
    return std::nullopt;
}

} // namespace convert
