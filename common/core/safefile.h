// Replacing a file safely: the new content goes to a temporary file in the same folder and
// is renamed over the old file only once it is complete, so a failed or interrupted write
// never leaves a half-written file or destroys the old one. When the target is a symbolic
// link, the file it leads to is replaced and the link stays. A target that nobody may write
// (no write permission bit at all, or none for this user) is read-only and is not replaced.
// Plain C++ (POSIX), no Qt.
#pragma once

#include "status.h"

// std
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace common {

class SafeFile
{
public:
    enum class Sync { Yes, No };
    // The steps of a replacement: creating the temporary file, each write, flushing (and
    // syncing) it, renaming it over the target.
    enum class Step { Open, Write, Flush, Rename };
    // A seam for tests: consulted before every step of every replacement with the target as
    // given; 0 lets the step run, an errno value makes it fail as if the system had failed it
    // with that error. An empty hook (the default) never fails a step.
    using FaultHook = std::function<int(Step step, const std::filesystem::path &target)>;
    static void setFaultHook(FaultHook hook);

    // Read and write for everyone, less the umask: the usual mode of a new file.
    static constexpr unsigned kDefaultNewFileMode = 0666;

    explicit SafeFile(std::filesystem::path target, Sync sync = Sync::Yes);
    ~SafeFile(); // an uncommitted temporary file is removed
    SafeFile(const SafeFile &) = delete;
    SafeFile &operator=(const SafeFile &) = delete;

    // The permissions (less the umask) of the file when the target does not exist yet; an
    // existing target keeps its own. Set before open().
    void setNewFileMode(unsigned mode) { mNewFileMode = mode; }

    // Creates the temporary file beside the target. Fails for a read-only target.
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
    // After a failure: the step that failed and the system's error number.
    [[nodiscard]] Step failedStep() const { return mFailedStep; }
    [[nodiscard]] int error() const { return mErrno; }

private:
    void fail(Step step, const std::string &what, int error);
    [[nodiscard]] int injectedFault(Step step) const;

    std::filesystem::path mTarget;
    std::filesystem::path mDestination; // the target with its symbolic links followed
    std::filesystem::path mTemp;
    Sync mSync;
    unsigned mNewFileMode = kDefaultNewFileMode;
    std::FILE *mFile = nullptr;
    bool mFailed = false;
    std::string mError;
    Step mFailedStep = Step::Open;
    int mErrno = 0;
};

// The file that writing `path` reaches: symbolic links are followed, link after link, to
// the last one's destination, which need not exist yet. A path that is not a link comes back
// as it is. Fails (ELOOP) on links that lead round in a circle.
[[nodiscard]] Status followLinks(const std::filesystem::path &path,
                                 std::filesystem::path &destination);

// The whole content at once.
[[nodiscard]] Status replaceFile(const std::filesystem::path &target, std::string_view bytes,
                                 SafeFile::Sync sync = SafeFile::Sync::Yes,
                                 unsigned newFileMode = SafeFile::kDefaultNewFileMode);

} // namespace common
