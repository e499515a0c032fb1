// Load, sort and save of a full catalogue: 1000 products with multi-line notes and includes
// and price points.

#include "cataloguedata.h"

#include "vendara/store/productcolumns.h"
#include "vendara/store/products.h"

#include <benchmark/benchmark.h>

namespace {

using namespace vendara;
using Fixture = bench::CatalogueFile;

void BM_LoadCatalogue(benchmark::State &state)
{
    Fixture f;
    Table table;
    Products products(table);
    for (auto _ : state) {
        table.setBounds(0, product::ColumnCount);
        table.setBounds(product::Capacity, product::ColumnCount);
        products.ReadProds(f.path);
        table.setBounds(products.Count(), product::ColumnCount);
    }
    state.counters["products"] = products.Count();
}
BENCHMARK(BM_LoadCatalogue)->Unit(benchmark::kMillisecond);

void BM_SortCatalogue(benchmark::State &state)
{
    Fixture f;
    Table table;
    Products products(table);
    table.setBounds(product::Capacity, product::ColumnCount);
    products.ReadProds(f.path);
    for (auto _ : state) {
        state.PauseTiming();
        table.setBounds(0, product::ColumnCount); // back to file order
        table.setBounds(product::Capacity, product::ColumnCount);
        products.ReadProds(f.path);
        state.ResumeTiming();
        products.sortByColumn(product::PartNumber);
    }
}
BENCHMARK(BM_SortCatalogue)->Unit(benchmark::kMillisecond);

void BM_SaveCatalogue(benchmark::State &state)
{
    Fixture f;
    Table table;
    Products products(table);
    products.load(f.path);
    for (auto _ : state) {
        const bool ok = products.WriteProds(f.path).ok();
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_SaveCatalogue)->Unit(benchmark::kMillisecond);

} // namespace
