// A conversion's output file: written to a temporary file in the same folder and renamed over
// the target only on success, so a failed conversion leaves no half-written file and keeps
// the file it was to replace.
#pragma once

#include "output.h"

#include "common/core/safefile.h"

// std
#include <filesystem>
#include <string>
#include <string_view>

namespace convert {

class OutputFile : public Output
{
public:
    explicit OutputFile(std::filesystem::path path);

    [[nodiscard]] bool open() override;
    void write(std::string_view bytes) override;
    [[nodiscard]] common::Status commit() override;
    void discard() override;

private:
    void flush();

    common::SafeFile mFile;
    std::string mBuffer;
};

} // namespace convert
