// A conversion's output kept in memory (tests, fuzzing).
#pragma once

#include "output.h"

// std
#include <string>
#include <string_view>

namespace convert {

class OutputString : public Output
{
public:
    [[nodiscard]] bool open() override
    {
        mBytes.clear();
        return true;
    }
    void write(std::string_view bytes) override { mBytes += bytes; }
    [[nodiscard]] common::Status commit() override
    {
        mCommitted = true;
        return common::Status::success();
    }
    void discard() override { mBytes.clear(); }

    [[nodiscard]] const std::string &bytes() const { return mBytes; }
    [[nodiscard]] bool committed() const { return mCommitted; }

private:
    std::string mBytes;
    bool mCommitted = false;
};

} // namespace convert
