#include "common/core/safefile.h"
#include "tests/support/writefault.h"

// POSIX
#include <sys/stat.h>
#include <unistd.h>

// std
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class SafeFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        mDir = fs::temp_directory_path()
               / ("safefile-" + std::to_string(::getpid()) + "-"
                  + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(mDir);
        fs::create_directories(mDir);
    }
    void TearDown() override
    {
        fs::permissions(mDir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(mDir);
    }
    static std::string read(const fs::path &p)
    {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    [[nodiscard]] std::size_t entries() const
    {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(mDir), fs::directory_iterator()));
    }
    fs::path mDir;
};

TEST_F(SafeFileTest, ReplacesContentAndKeepsPermissions)
{
    const fs::path target = mDir / "data.dat";
    ASSERT_TRUE(common::replaceFile(target, "old"));
    ::chmod(target.c_str(), 0640);
    ASSERT_TRUE(common::replaceFile(target, std::string("new\0bytes", 9)));
    EXPECT_EQ(read(target), std::string("new\0bytes", 9));
    struct stat st
    {
    };
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(entries(), 1u);
}

TEST_F(SafeFileTest, DiscardedOrDestroyedWriteLeavesTheOldFile)
{
    const fs::path target = mDir / "data.dat";
    ASSERT_TRUE(common::replaceFile(target, "old"));
    {
        common::SafeFile file(target);
        ASSERT_TRUE(file.open());
        file.write("half of it");
    }
    EXPECT_EQ(read(target), "old");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(SafeFileTest, UnwritableFolderIsAFailureWithAMessage)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    const fs::path target = mDir / "data.dat";
    ASSERT_TRUE(common::replaceFile(target, "old"));
    fs::permissions(mDir, fs::perms::owner_read | fs::perms::owner_exec);
    const auto status = common::replaceFile(target, "new");
    EXPECT_FALSE(status);
    EXPECT_NE(status.message().find(target.string()), std::string::npos);
    EXPECT_EQ(read(target), "old");
}

TEST_F(SafeFileTest, SymbolicLinksStayAndTheFileTheyLeadToIsReplaced)
{
    fs::create_directories(mDir / "real" / "deep");
    const fs::path file = mDir / "real" / "deep" / "data.dat";
    ASSERT_TRUE(common::replaceFile(file, "old"));
    ::chmod(file.c_str(), 0600);
    // A chain: an absolute link to a relative one that climbs out of its folder.
    fs::create_symlink("../real/deep/data.dat", mDir / "real" / "relative");
    fs::create_directories(mDir / "links");
    fs::create_symlink("../real/relative", mDir / "links" / "chain");
    fs::create_symlink(mDir / "links" / "chain", mDir / "absolute");

    ASSERT_TRUE(common::replaceFile(mDir / "absolute", "new"));
    EXPECT_TRUE(fs::is_symlink(mDir / "absolute"));
    EXPECT_TRUE(fs::is_symlink(mDir / "links" / "chain"));
    EXPECT_TRUE(fs::is_symlink(mDir / "real" / "relative"));
    EXPECT_EQ(read(file), "new");
    struct stat st
    {
    };
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(
        std::distance(fs::directory_iterator(mDir / "real" / "deep"), fs::directory_iterator()),
        1); // no temporary file left beside it

    // A dangling link: the file it names is made.
    fs::create_symlink("made/later.dat", mDir / "dangling");
    fs::create_directories(mDir / "made");
    ASSERT_TRUE(common::replaceFile(mDir / "dangling", "made"));
    EXPECT_TRUE(fs::is_symlink(mDir / "dangling"));
    EXPECT_EQ(read(mDir / "made" / "later.dat"), "made");

    // Links in a circle are a failure, and nothing is written.
    fs::create_symlink("loop-b", mDir / "loop-a");
    fs::create_symlink("loop-a", mDir / "loop-b");
    const auto loop = common::replaceFile(mDir / "loop-a", "x");
    EXPECT_FALSE(loop);
    EXPECT_NE(loop.message().find((mDir / "loop-a").string()), std::string::npos);
    EXPECT_TRUE(fs::is_symlink(mDir / "loop-a"));
    EXPECT_TRUE(fs::is_symlink(mDir / "loop-b"));
}

TEST_F(SafeFileTest, AFailureAtAnyStepKeepsTheOldFileAndSaysWhy)
{
    using Step = common::SafeFile::Step;
    const fs::path target = mDir / "data.dat";
    struct Case
    {
        Step step;
        int error;
        int nth;
        const char *verb;
    };
    // The third write of four, as a disk filling up part way through.
    for (const Case c :
         {Case{Step::Open, EACCES, 1, "Cannot write"}, Case{Step::Write, ENOSPC, 3, "Cannot write"},
          Case{Step::Flush, EIO, 1, "Cannot write"},
          Case{Step::Rename, EXDEV, 1, "Cannot replace"}}) {
        ASSERT_TRUE(common::replaceFile(target, "old"));
        testsupport::WriteFault fault(c.step, c.error, "data.dat", c.nth);
        common::SafeFile file(target);
        const common::Status opened = file.open();
        for (int i = 0; i < 4; ++i)
            file.write("new ");
        const common::Status status = opened ? file.commit() : opened;
        EXPECT_TRUE(fault.struck());
        EXPECT_FALSE(status);
        EXPECT_EQ(status.message(),
                  std::string(c.verb) + " " + target.string() + ": " + std::strerror(c.error));
        EXPECT_EQ(read(target), "old");
        EXPECT_EQ(entries(), 1u) << "a temporary file was left behind";
    }
    // Other files are not touched by a fault meant for one.
    testsupport::WriteFault fault(Step::Write, ENOSPC, "other.dat");
    EXPECT_TRUE(common::replaceFile(target, "new"));
    EXPECT_EQ(read(target), "new");
}

TEST_F(SafeFileTest, AReadOnlyFileIsNotReplacedEvenByTheSuperuser)
{
    const fs::path target = mDir / "data.dat";
    ASSERT_TRUE(common::replaceFile(target, "old"));
    ::chmod(target.c_str(), 0444);
    const auto status = common::replaceFile(target, "new");
    EXPECT_FALSE(status);
    EXPECT_EQ(status.message(), "Cannot write " + target.string() + ": " + std::strerror(EACCES));
    EXPECT_EQ(read(target), "old");
    EXPECT_EQ(entries(), 1u);
    // Writable again, it is replaced.
    ::chmod(target.c_str(), 0644);
    EXPECT_TRUE(common::replaceFile(target, "new"));
}

TEST_F(SafeFileTest, ANewFileGetsTheModeAskedForAndAnOldOneKeepsItsOwn)
{
    const fs::path secret = mDir / "secret.ini";
    ASSERT_TRUE(common::replaceFile(secret, "a", common::SafeFile::Sync::No, 0600));
    struct stat st
    {
    };
    ASSERT_EQ(::stat(secret.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    ::chmod(secret.c_str(), 0640);
    ASSERT_TRUE(common::replaceFile(secret, "b", common::SafeFile::Sync::No, 0600));
    ASSERT_EQ(::stat(secret.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(SafeFileTest, MissingFolderIsAFailure)
{
    const auto status = common::replaceFile(mDir / "no" / "such" / "file", "x");
    EXPECT_FALSE(status);
    EXPECT_FALSE(status.message().empty());
}

} // namespace
