// A fresh folder for one test's files, removed afterwards.
#pragma once

// POSIX
#include <unistd.h>

// std
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace testsupport {

class TempFolder
{
public:
    TempFolder()
    {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "-" + info->name();
        for (char &c : name) {
            if (c == '/')
                c = '_';
        }
        mPath = std::filesystem::temp_directory_path()
                / ("dorvane-" + std::to_string(::getpid()) + "-" + name);
        std::filesystem::remove_all(mPath);
        std::filesystem::create_directories(mPath);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(mPath, ignored);
    }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    [[nodiscard]] std::filesystem::path operator/(const std::string &name) const
    {
        return mPath / name;
    }
    [[nodiscard]] const std::filesystem::path &path() const { return mPath; }

private:
    std::filesystem::path mPath;
};

inline std::string readFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void writeFile(const std::filesystem::path &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

} // namespace testsupport
