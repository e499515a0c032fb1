// Making one step of the safe file replacement fail in a test, as a full disk, a failing
// disk or a folder without write permission would: the `nth` time (from 1; 0 for every time)
// that `step` is reached for a file named `fileName` (any file when empty), it fails with
// `error`. Only while the object lives.
#pragma once

#include "common/core/safefile.h"

// std
#include <filesystem>
#include <string>
#include <utility>

namespace testsupport {

class WriteFault
{
public:
    WriteFault(common::SafeFile::Step step, int error, std::string fileName = {}, int nth = 1)
        : mStep(step)
        , mError(error)
        , mFileName(std::move(fileName))
        , mNth(nth)
    {
        common::SafeFile::setFaultHook([this](common::SafeFile::Step reached,
                                              const std::filesystem::path &target) {
            if (reached != mStep || (!mFileName.empty() && target.filename().string() != mFileName))
                return 0;
            if (++mReached != mNth && mNth != 0)
                return 0;
            ++mStruck;
            return mError;
        });
    }
    ~WriteFault() { common::SafeFile::setFaultHook({}); }
    WriteFault(const WriteFault &) = delete;
    WriteFault &operator=(const WriteFault &) = delete;

    // How often the step was reached for the file, and whether the fault struck.
    [[nodiscard]] int reached() const { return mReached; }
    [[nodiscard]] bool struck() const { return mStruck > 0; }

private:
    common::SafeFile::Step mStep;
    int mError;
    std::string mFileName;
    int mNth;
    int mReached = 0;
    int mStruck = 0;
};

} // namespace testsupport
