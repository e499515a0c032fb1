// Replays every fuzz target's saved corpus and every input that ever failed it
// (fuzz/corpus/<target>, fuzz/regressions/<target>), so that the normal and the sanitizer
// test runs cover them too. A broken promise aborts the test program.
#include "fuzztargetlist.h"

#include <gtest/gtest.h>

// std
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>

namespace fuzz {

// The target's name in test names and messages.
void PrintTo(const Target &target, std::ostream *out)
{
    *out << target.name;
}

} // namespace fuzz

namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FuzzCorpus : public testing::TestWithParam<fuzz::Target>
{
};

TEST_P(FuzzCorpus, SavedInputsRunClean)
{
    const fuzz::Target &target = GetParam();
    int seeds = 0;
    for (const char *kind : {"corpus", "regressions"}) {
        const fs::path folder = fs::path(FUZZ_DIR) / kind / target.name;
        if (!fs::is_directory(folder))
            continue;
        for (const auto &entry : fs::directory_iterator(folder)) {
            if (!entry.is_regular_file() || entry.path().filename().string().starts_with("."))
                continue;
            SCOPED_TRACE(entry.path().string());
            const std::string bytes = readFile(entry.path());
            target.run(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
            if (kind == std::string("corpus"))
                ++seeds;
        }
    }
    EXPECT_GT(seeds, 0) << "every target starts from seeds in fuzz/corpus/" << target.name;
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzCorpus, testing::ValuesIn(fuzz::kTargets),
                         [](const testing::TestParamInfo<fuzz::Target> &info) {
                             return std::string(info.param.name);
                         });

} // namespace
