// Replays the fuzz targets' saved corpus and every input that ever crashed them
// (fuzz/corpus/<target>, fuzz/regressions/<target>), so that the normal and the sanitizer
// test runs cover them too. A broken promise aborts the test program.
#include "fuzz/fuzztargets.h"

#include "tests/dorvane/tempfolder.h"

#include <gtest/gtest.h>

// std
#include <filesystem>
#include <functional>

namespace {

namespace fs = std::filesystem;

int replay(const std::string &target,
           const std::function<void(const std::uint8_t *, std::size_t)> &run)
{
    int inputs = 0;
    for (const char *kind : {"corpus", "regressions"}) {
        const fs::path folder = fs::path(FUZZ_DIR) / kind / target;
        if (!fs::is_directory(folder))
            continue;
        for (const auto &entry : fs::directory_iterator(folder)) {
            if (!entry.is_regular_file() || entry.path().filename().string().starts_with("."))
                continue;
            SCOPED_TRACE(entry.path().string());
            const std::string bytes = testsupport::readFile(entry.path());
            run(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
            ++inputs;
        }
    }
    return inputs;
}

} // namespace

TEST(FuzzCorpus, DatabaseInputs)
{
    EXPECT_GT(replay("database", fuzz::readDatabase), 0);
}

TEST(FuzzCorpus, CsvInputs)
{
    EXPECT_GT(replay("csv", fuzz::readCsv), 0);
}
