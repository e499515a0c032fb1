#include "safefile.h"

// POSIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// std
#include <cerrno>
#include <cstring>
#include <vector>

namespace common {

namespace {

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// As many links as the system follows in one path before it gives up.
constexpr int kMaxLinks = 40;

SafeFile::FaultHook &faultHook()
{
    static SafeFile::FaultHook hook;
    return hook;
}

// A file that exists and that this user may not write, or that has no write permission for
// anybody (which the superuser would otherwise ignore): replacing it would undo the lock.
bool isReadOnly(const std::filesystem::path &file)
{
    struct stat status
    {
    };
    if (::stat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    return (status.st_mode & 0222) == 0 || ::access(file.c_str(), W_OK) != 0;
}

} // namespace

Status followLinks(const std::filesystem::path &path, std::filesystem::path &destination)
{
    std::filesystem::path at = path;
    for (int links = 0;; ++links) {
        std::error_code error;
        const std::filesystem::file_status status = std::filesystem::symlink_status(at, error);
        // Anything but a link (a missing file included) ends the chain; a folder that cannot
        // be searched leaves the path as it is, and writing reports it.
        if (error || !std::filesystem::is_symlink(status)) {
            destination = at;
            return Status::success();
        }
        if (links == kMaxLinks)
            return Status::failure("Cannot write " + path.string() + ": " + std::strerror(ELOOP));
        const std::filesystem::path link = std::filesystem::read_symlink(at, error);
        if (error)
            return Status::failure("Cannot write " + path.string() + ": " + error.message());
        // A relative link is relative to the folder that holds it. The path is not tidied up:
        // ".." after a linked folder must go where the system takes it.
        at = link.is_absolute() ? link : at.parent_path() / link;
    }
}

void SafeFile::setFaultHook(FaultHook hook)
{
    faultHook() = std::move(hook);
}

int SafeFile::injectedFault(Step step) const
{
    const FaultHook &hook = faultHook();
    return hook ? hook(step, mTarget) : 0;
}

SafeFile::SafeFile(std::filesystem::path target, Sync sync)
    : mTarget(std::move(target))
    , mSync(sync)
{}

SafeFile::~SafeFile()
{
    discard();
}

void SafeFile::fail(Step step, const std::string &what, int error)
{
    if (mFailed)
        return;
    mFailed = true;
    mFailedStep = step;
    mErrno = error;
    mError = what + " " + mTarget.string() + ": " + std::strerror(error);
}

Status SafeFile::open()
{
    discard();
    mFailed = false;
    mError.clear();
    mErrno = 0;
    if (Status followed = followLinks(mTarget, mDestination); !followed) {
        mFailed = true;
        mError = followed.message();
        return followed;
    }
    std::filesystem::path folder = mDestination.parent_path();
    if (folder.empty())
        folder = ".";
    if (isReadOnly(mDestination)) {
        fail(Step::Open, "Cannot write", EACCES);
        return Status::failure(mError);
    }
    if (const int injected = injectedFault(Step::Open)) {
        fail(Step::Open, "Cannot write", injected);
        return Status::failure(mError);
    }
    std::string pattern = (folder / ("." + mDestination.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        fail(Step::Open, "Cannot write", errno);
        return Status::failure(mError);
    }
    mTemp = name.data();
    struct stat existing
    {
    };
    const mode_t mode = ::stat(mDestination.c_str(), &existing) == 0
                            ? (existing.st_mode & 07777)
                            : (mode_t(mNewFileMode) & 0777 & ~currentUmask());
    ::fchmod(fd, mode);
    mFile = ::fdopen(fd, "wb");
    if (mFile == nullptr) {
        const int error = errno;
        ::close(fd);
        ::unlink(mTemp.c_str());
        mTemp.clear();
        fail(Step::Open, "Cannot write", error);
        return Status::failure(mError);
    }
    return Status::success();
}

void SafeFile::write(std::string_view bytes)
{
    write(bytes.data(), bytes.size());
}

void SafeFile::write(const void *data, std::size_t size)
{
    if (mFailed || mFile == nullptr || size == 0)
        return;
    if (const int injected = injectedFault(Step::Write)) {
        fail(Step::Write, "Cannot write", injected);
        return;
    }
    if (std::fwrite(data, 1, size, mFile) != size)
        fail(Step::Write, "Cannot write", errno);
}

Status SafeFile::commit()
{
    if (mFile == nullptr && !mFailed)
        return Status::failure("Cannot write " + mTarget.string() + ": the file was not opened");
    if (mFile != nullptr) {
        if (const int injected = mFailed ? 0 : injectedFault(Step::Flush))
            fail(Step::Flush, "Cannot write", injected);
        if (std::fflush(mFile) != 0)
            fail(Step::Flush, "Cannot write", errno);
        if (!mFailed && mSync == Sync::Yes && ::fsync(::fileno(mFile)) != 0)
            fail(Step::Flush, "Cannot write", errno);
        if (std::fclose(mFile) != 0)
            fail(Step::Flush, "Cannot write", errno);
        mFile = nullptr;
    }
    if (!mFailed) {
        if (const int injected = injectedFault(Step::Rename))
            fail(Step::Rename, "Cannot replace", injected);
        else if (::rename(mTemp.c_str(), mDestination.c_str()) != 0)
            fail(Step::Rename, "Cannot replace", errno);
    }
    if (mFailed) {
        discard();
        return Status::failure(mError);
    }
    mTemp.clear();
    return Status::success();
}

void SafeFile::discard()
{
    if (mFile != nullptr) {
        std::fclose(mFile);
        mFile = nullptr;
    }
    if (!mTemp.empty()) {
        ::unlink(mTemp.c_str());
        mTemp.clear();
    }
}

Status replaceFile(const std::filesystem::path &target, std::string_view bytes, SafeFile::Sync sync,
                   unsigned newFileMode)
{
    SafeFile file(target, sync);
    file.setNewFileMode(newFileMode);
    if (auto opened = file.open(); !opened)
        return opened;
    file.write(bytes);
    return file.commit();
}

} // namespace common
