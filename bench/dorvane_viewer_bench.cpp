// The converter's viewer on the largest database a file can hold: 65,504 records of the
// seven fields that the catalogue's hand-off sends, of which the grid shows 19,999. Measured
// from pressing "View Database" to the filled grid painted in the window.

#include "dorvane/frontend/consoleprompter.h"
#include "dorvane/frontend/mainwindow.h"
#include "dorvane/frontend/tmainform.h"
#include "dorvane/pdb/databasebuilder.h"

// Qt
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <benchmark/benchmark.h>

// std
#include <cstdlib>
#include <string>

namespace {

struct Fixture
{
    Fixture()
    {
        pdb::DatabaseBuilder b("Spring Catalog");
        const char *names[] = {"Part Number", "Product Name", "Price",   "Notes",
                               "Includes",    "Discounts",    "Category"};
        for (int i = 0; i < 7; ++i)
            b.setField(i, i == 3 ? pdb::FieldType::Note : pdb::FieldType::Text, names[i]);
        for (int r = 0; r < 65504; ++r) {
            const std::string n = std::to_string(r);
            b.addRecordFromTexts({"PN-" + n, "Product number " + n + " with a longer name",
                                  std::to_string(10 + r % 990) + ".50",
                                  "First line of the notes.\nSecond line of the notes.",
                                  "Power supply, cable", "10+ 9.50, 50+ 8.75", "Furniture"});
        }
        path = dir.filePath(QStringLiteral("big.pdb"));
        if (!b.write(std::filesystem::path(QFile::encodeName(path).toStdString())).ok())
            std::abort();
    }

    QTemporaryDir dir;
    QString path;
};

void viewLargestDatabase(benchmark::State &state)
{
    static Fixture fixture;
    QString discard;
    QTextStream quiet(&discard);
    dorvane::ConsolePrompter prompter(&quiet);
    dorvane::TMainForm form({prompter, prompter, nullptr, fixture.dir.path(),
                             fixture.dir.filePath(QStringLiteral("none.reg"))});
    dorvane::ui::MainWindow window(form);
    form.FormCreate({});
    window.showFormState();
    window.show();
    form.setPage(dorvane::TMainForm::Page::ViewPDB);
    form.setText(dorvane::TMainForm::Field::PDBNameField, fixture.path);
    QApplication::processEvents();
    for (auto _ : state) {
        if (!form.ViewPDBButtonClick())
            state.SkipWithError("the view failed");
        QApplication::processEvents();
    }
    state.counters["rows"] = form.grid().rowCount();
}
BENCHMARK(viewLargestDatabase)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace

int main(int argc, char **argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
