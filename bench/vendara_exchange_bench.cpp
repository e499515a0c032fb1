// Reading a workbook of the full catalogue (1000 products, exported by the program) in the
// program itself and through the reader process vendara-sheet, which the update window uses:
// the second minus the first is what the process and its answer cost.

#include "cataloguedata.h"

#include "vendara/exchange/exportfile.h"
#include "vendara/exchange/workbook.h"
#include "vendara/exchange/workbookprocess.h"
#include "vendara/store/products.h"

#include <benchmark/benchmark.h>

namespace {

using namespace vendara;

struct WorkbookFile
{
    WorkbookFile()
    {
        Table table;
        Products products(table);
        products.load(catalogue.path);
        path = QDir(catalogue.dir.path()).filePath(QStringLiteral("catalogue.xlsx"));
        written = ExportFile::writeWorkbook(path, table).ok();
    }
    bench::CatalogueFile catalogue;
    QString path;
    bool written = false;
};

void report(benchmark::State &state, const WorkbookFile &file, const Workbook::OpenResult &read)
{
    if (!file.written || !read.workbook)
        state.SkipWithError("the workbook was not written or not read");
    else
        state.counters["rows"] = read.workbook->lastRow();
}

void BM_ReadWorkbookInTheProgram(benchmark::State &state)
{
    const WorkbookFile file;
    Workbook::OpenResult read;
    for (auto _ : state)
        read = Workbook::open(file.path);
    report(state, file, read);
}
BENCHMARK(BM_ReadWorkbookInTheProgram)->Unit(benchmark::kMillisecond);

void BM_ReadWorkbookThroughTheReaderProcess(benchmark::State &state)
{
    const WorkbookFile file;
    WorkbookProcess reader(QStringLiteral(READER_PROGRAM));
    Workbook::OpenResult read;
    for (auto _ : state)
        read = reader.read(file.path);
    report(state, file, read);
}
BENCHMARK(BM_ReadWorkbookThroughTheReaderProcess)->Unit(benchmark::kMillisecond);

} // namespace
