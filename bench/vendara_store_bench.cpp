// Load, sort and save of a full catalogue: 1000 products with multi-line notes and includes
// and price points.

#include "vendara/store/productcolumns.h"
#include "vendara/store/products.h"

// Qt
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace vendara;

QByteArray catalogueBytes()
{
    const QByteArray s("\x7F\x7F\x7F");
    QByteArray bytes;
    QRandomGenerator random(1234);
    for (int i = 0; i < product::Capacity; ++i) {
        const QByteArray part = "PN-" + QByteArray::number(random.bounded(100000, 999999));
        bytes += part + s + "Product number " + QByteArray::number(i) + " with a longer name" + s
                 + QByteArray::number(random.bounded(100, 99999) / 100.0) + s
                 + "First line of the notes.\r\n\r\nThird line, after an empty one; it goes on "
                   "for a while to look like real notes.\r\n"
                 + s + "Power supply\r\nCable\r\nManual" + s + "10" + s + "9.50" + s + "50" + s
                 + "8.75" + s + "100" + s + "8.00" + s + s + s + s + s + "\r\n";
    }
    return bytes;
}

struct Fixture
{
    Fixture()
    {
        path = QDir(dir.path()).filePath(QStringLiteral("vadata.dat"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(catalogueBytes());
    }
    QTemporaryDir dir;
    QString path;
};

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

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
