#include "filebytes.h"

// POSIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// std
#include <cerrno>
#include <new>
#include <stdexcept>
#include <system_error>

namespace pdb {

namespace {

class Descriptor
{
public:
    explicit Descriptor(int fd)
        : mFd(fd)
    {}
    ~Descriptor()
    {
        if (mFd >= 0)
            ::close(mFd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    [[nodiscard]] int get() const { return mFd; }

private:
    int mFd;
};

} // namespace

std::optional<std::string> readFileBytes(const std::filesystem::path &path)
{
    // O_NONBLOCK keeps a pipe from blocking the open; the type check below refuses it.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0)
        return std::nullopt;
    struct stat info
    {
    };
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0)
        return std::nullopt;
    std::string bytes;
    try {
        bytes.resize(static_cast<std::size_t>(info.st_size));
    } catch (const std::bad_alloc &) {
        return std::nullopt;
    } catch (const std::length_error &) {
        return std::nullopt;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (n == 0)
            break; // the file became shorter while we read it
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return bytes;
}

bool pathExists(const std::filesystem::path &path)
{
    std::error_code error;
    return std::filesystem::exists(path, error);
}

} // namespace pdb
