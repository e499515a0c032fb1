// A failure as a value: success, or a failure with the exact message a person reads.
#pragma once

// std
#include <string>
#include <utility>

namespace common {

class Status
{
public:
    Status() = default;

    [[nodiscard]] static Status success() { return {}; }
    [[nodiscard]] static Status failure(std::string message)
    {
        Status s;
        s.mFailed = true;
        s.mMessage = std::move(message);
        return s;
    }

    [[nodiscard]] bool ok() const { return !mFailed; }
    explicit operator bool() const { return ok(); }
    [[nodiscard]] const std::string &message() const { return mMessage; }

private:
    bool mFailed = false;
    std::string mMessage;
};

} // namespace common
