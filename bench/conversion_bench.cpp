// The converter's engine on large files: CSV to database and database to CSV for 65504
// records of 30 columns (about 21 MB of CSV) and of the catalogue hand-off's 7 columns,
// and reading every value of a database as text. The smaller sizes show that the time
// grows linearly with the number of records.
#include "benchdata.h"

#include "dorvane/convert/csvtodatabase.h"
#include "dorvane/convert/databasetocsv.h"
#include "dorvane/convert/engineui.h"
#include "dorvane/pdb/database.h"
#include "dorvane/pdb/datarecord.h"
#include "dorvane/pdb/fieldformatter.h"

#include <benchmark/benchmark.h>

// POSIX
#include <unistd.h>

// std
#include <filesystem>
#include <fstream>
#include <map>

namespace {

namespace fs = std::filesystem;

const fs::path &folder()
{
    static const fs::path path = [] {
        fs::path p = fs::temp_directory_path() / ("dorvane-bench-" + std::to_string(::getpid()));
        fs::create_directories(p);
        return p;
    }();
    return path;
}

// The CSV file of a kind and size, written once.
fs::path csvFile(bool wide, std::size_t records)
{
    static std::map<std::pair<bool, std::size_t>, fs::path> files;
    auto &path = files[{wide, records}];
    if (path.empty()) {
        path = folder() / ((wide ? "wide-" : "handoff-") + std::to_string(records) + ".csv");
        std::ofstream out(path, std::ios::binary);
        out << (wide ? benchdata::wideCsv(records) : benchdata::handoffCsv(records));
    }
    return path;
}

// The database made from that CSV file, written once.
fs::path databaseFile(bool wide, std::size_t records)
{
    static std::map<std::pair<bool, std::size_t>, fs::path> files;
    auto &path = files[{wide, records}];
    if (path.empty()) {
        path = folder() / ((wide ? "wide-" : "handoff-") + std::to_string(records) + ".pdb");
        convert::SilentEngineUi ui;
        if (!convert::csvToDatabase(csvFile(wide, records), path, {}, {}, ui))
            path.clear();
    }
    return path;
}

void setCounters(benchmark::State &state, const fs::path &input)
{
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations())
                            * static_cast<std::int64_t>(fs::file_size(input)));
}

void csvToDatabase(benchmark::State &state, bool wide)
{
    const auto records = static_cast<std::size_t>(state.range(0));
    const fs::path in = csvFile(wide, records);
    const fs::path out = folder() / "out.pdb";
    convert::SilentEngineUi ui;
    for (auto _ : state) {
        if (!convert::csvToDatabase(in, out, {}, {}, ui))
            state.SkipWithError("conversion failed");
    }
    setCounters(state, in);
}

void databaseToCsv(benchmark::State &state, bool wide)
{
    const auto records = static_cast<std::size_t>(state.range(0));
    const fs::path in = databaseFile(wide, records);
    const fs::path out = folder() / "out.csv";
    convert::SilentEngineUi ui;
    for (auto _ : state) {
        if (!convert::databaseToCsv(in, out, {}, ui))
            state.SkipWithError("conversion failed");
    }
    setCounters(state, in);
}

void BM_CsvToDatabase30Columns(benchmark::State &state)
{
    csvToDatabase(state, true);
}
void BM_CsvToDatabase7Columns(benchmark::State &state)
{
    csvToDatabase(state, false);
}
void BM_DatabaseToCsv30Columns(benchmark::State &state)
{
    databaseToCsv(state, true);
}
void BM_DatabaseToCsv7Columns(benchmark::State &state)
{
    databaseToCsv(state, false);
}

// What the viewer does: open the file, read the descriptor, every value as text.
void BM_ReadAllValues30Columns(benchmark::State &state)
{
    const fs::path in = databaseFile(true, static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        pdb::Database db = pdb::Database::open(in);
        db.readDescriptor();
        std::size_t characters = 0;
        for (std::size_t r = pdb::kFirstDataRecord; r < db.recordCount(); ++r) {
            const auto texts = db.recordTexts(r, {});
            for (const auto &t : *texts)
                characters += t.size();
        }
        benchmark::DoNotOptimize(characters);
    }
    setCounters(state, in);
}

#define SIZES Arg(16376)->Arg(32752)->Arg(benchdata::kMaxRecords)
BENCHMARK(BM_CsvToDatabase30Columns)->SIZES->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_CsvToDatabase7Columns)->SIZES->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_DatabaseToCsv30Columns)->SIZES->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_DatabaseToCsv7Columns)->SIZES->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_ReadAllValues30Columns)->SIZES->Unit(benchmark::kMillisecond)->Complexity();

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(folder());
    return 0;
}
