// Replacing a file safely: the new content goes to a temporary file in the same folder and
// is renamed over the old file only once it is complete, so a failed or interrupted write
// never leaves a half-written file or destroys the old one. When the target is a symbolic
// link, the file it leads to is replaced and the link stays. Plain C++ (POSIX), no Qt.
#pragma once

#include "status.h"

// std
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace common {

class SafeFile
{
public:
    enum class Sync { Yes, No };

    explicit SafeFile(std::filesystem::path target, Sync sync = Sync::Yes);
    ~SafeFile(); // an uncommitted temporary file is removed
    SafeFile(const SafeFile &) = delete;
    SafeFile &operator=(const SafeFile &) = delete;

    // Creates the temporary file beside the target.
    [[nodiscard]] Status open();
    // Buffered writes; the first failure is remembered and reported by commit().
    void write(std::string_view bytes);
    void write(const void *data, std::size_t size);
    // Flushes, closes and renames the temporary file over the target. A target that
    // existed keeps its permissions.
    [[nodiscard]] Status commit();
    // Drops the temporary file; the target is untouched.
    void discard();

    [[nodiscard]] const std::filesystem::path &target() const { return mTarget; }

private:
    void fail(const std::string &what, int error);

    std::filesystem::path mTarget;
    std::filesystem::path mDestination; // the target with its symbolic links followed
    std::filesystem::path mTemp;
    Sync mSync;
    std::FILE *mFile = nullptr;
    bool mFailed = false;
    std::string mError;
};

// The file that writing `path` reaches: symbolic links are followed, link after link, to
// the last one's destination, which need not exist yet. A path that is not a link comes back
// as it is. Fails (ELOOP) on links that lead round in a circle.
[[nodiscard]] Status followLinks(const std::filesystem::path &path,
                                 std::filesystem::path &destination);

// The whole content at once.
[[nodiscard]] Status replaceFile(const std::filesystem::path &target, std::string_view bytes,
                                 SafeFile::Sync sync = SafeFile::Sync::Yes);

} // namespace common
