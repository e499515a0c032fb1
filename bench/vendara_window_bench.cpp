// Start-up of the catalogue program up to a visible main window, apart from the splash wait:
// the window built, the catalogue read and sorted, the grid attached, the window shown and
// painted. Runs on the offscreen platform unless another is chosen.

#include "vendara/store/programcontext.h"
#include "vendara/window/frmmain.h"

#include "common/prompt/qtprompter.h"

// Qt
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// std
#include <cstdlib>

#include <benchmark/benchmark.h>

namespace {

void BM_MainWindowStart(benchmark::State &state)
{
    QTemporaryDir dir;
    QFile::copy(QStringLiteral(SAMPLE_CATALOGUE), QDir(dir.path()).filePath("vadata.dat"));
    prompt::QtPrompter prompter;
    for (auto _ : state) {
        vendara::ProgramContext context(vendara::ProgramFolder(dir.path()), prompter, false);
        vendara::frmMain window(context);
        window.load();
        window.show();
        window.repaint();
        QApplication::processEvents();
        state.PauseTiming();
        window.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MainWindowStart)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QTemporaryDir config;
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
