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

SafeFile::SafeFile(std::filesystem::path target, Sync sync)
    : mTarget(std::move(target))
    , mSync(sync)
{}

SafeFile::~SafeFile()
{
    discard();
}

void SafeFile::fail(const std::string &what, int error)
{
    if (mFailed)
        return;
    mFailed = true;
    mError = what + " " + mTarget.string() + ": " + std::strerror(error);
}

Status SafeFile::open()
{
    discard();
    mFailed = false;
    mError.clear();
    if (Status followed = followLinks(mTarget, mDestination); !followed) {
        mFailed = true;
        mError = followed.message();
        return followed;
    }
    std::filesystem::path folder = mDestination.parent_path();
    if (folder.empty())
        folder = ".";
    std::string pattern = (folder / ("." + mDestination.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        fail("Cannot write", errno);
        return Status::failure(mError);
    }
    mTemp = name.data();
    struct stat existing
    {
    };
    const mode_t mode = ::stat(mDestination.c_str(), &existing) == 0 ? (existing.st_mode & 07777)
                                                                     : (0666 & ~currentUmask());
    ::fchmod(fd, mode);
    mFile = ::fdopen(fd, "wb");
    if (mFile == nullptr) {
        const int error = errno;
        ::close(fd);
        ::unlink(mTemp.c_str());
        mTemp.clear();
        fail("Cannot write", error);
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
    if (std::fwrite(data, 1, size, mFile) != size)
        fail("Cannot write", errno);
}

Status SafeFile::commit()
{
    if (mFile == nullptr && !mFailed)
        return Status::failure("Cannot write " + mTarget.string() + ": the file was not opened");
    if (mFile != nullptr) {
        if (std::fflush(mFile) != 0)
            fail("Cannot write", errno);
        if (!mFailed && mSync == Sync::Yes && ::fsync(::fileno(mFile)) != 0)
            fail("Cannot write", errno);
        if (std::fclose(mFile) != 0)
            fail("Cannot write", errno);
        mFile = nullptr;
    }
    if (!mFailed && ::rename(mTemp.c_str(), mDestination.c_str()) != 0)
        fail("Cannot replace", errno);
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

Status replaceFile(const std::filesystem::path &target, std::string_view bytes, SafeFile::Sync sync)
{
    SafeFile file(target, sync);
    if (auto opened = file.open(); !opened)
        return opened;
    file.write(bytes);
    return file.commit();
}

} // namespace common
