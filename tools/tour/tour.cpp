// The main job's tour on a virtual display: the catalogue program's main window as `vendara`
// composes it, over the catalogue in the program folder, with three products put on the
// quote; screenshots of its "General" and "Quote" tabs and of the converter's window, and the
// quote saved as PDF; then both windows closed as the user closes them (the catalogue is
// saved, as at every close).
//
//   vendara-tour PROGRAM_DIR OUTPUT_DIR
//
// Prints the path of every file it writes. Nobody answers questions: they are answered No or
// Cancel and written to standard error, as the converter does without a display.

#include "dorvane/frontend/consoleprompter.h"
#include "dorvane/frontend/mainwindow.h"
#include "dorvane/frontend/qtprinterprovider.h"
#include "dorvane/frontend/tmainform.h"
#include "common/registry/registryfile.h"
#include "vendara/program/programfeatures.h"
#include "vendara/store/programcontext.h"
#include "vendara/store/programfolder.h"
#include "vendara/store/tablemodel.h"
#include "vendara/window/frmmain.h"
#include "vendara/window/icons.h"

// Qt
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTabWidget>
#include <QTest>
#include <QTextStream>

// std
#include <cstdio>
#include <deque>

namespace {

// Questions answered No, dialogs cancelled, except the file dialogs the tour answers itself.
class TourPrompter : public dorvane::ConsolePrompter
{
public:
    // The next file dialog is answered with `path`.
    void chooseFile(const QString &path) { mFiles.push_back(path); }

    prompt::FileAnswer file(const prompt::FileRequest &request) override
    {
        if (mFiles.empty())
            return ConsolePrompter::file(request);
        prompt::FileAnswer answer;
        answer.path = mFiles.front();
        mFiles.pop_front();
        return answer;
    }

private:
    std::deque<QString> mFiles;
};

// Lets the window be laid out and painted before it is grabbed.
void settle(QWidget &window)
{
    if (!QTest::qWaitForWindowExposed(&window, 10000))
        std::fputs("vendara-tour: the window was not shown in time\n", stderr);
    QTest::qWait(300);
}

bool save(QWidget &window, const QString &path)
{
    QApplication::processEvents();
    if (!window.grab().save(path, "PNG")) {
        std::fprintf(stderr, "vendara-tour: could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(QDir::toNativeSeparators(path)));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fputs("usage: vendara-tour PROGRAM_DIR OUTPUT_DIR\n", stderr);
        return 2;
    }
    const QString programDir = QDir(arguments.at(1)).absolutePath();
    const QDir output(arguments.at(2));
    if (!QDir().mkpath(output.absolutePath())) {
        std::fprintf(stderr, "vendara-tour: cannot make %s\n", qPrintable(output.absolutePath()));
        return 1;
    }
    QApplication::setWindowIcon(vendara::Icons::program());
    // The converter's "About" tab shows the version its program sets.
    QApplication::setApplicationVersion(QStringLiteral(VENDARA_TOUR_VERSION));
    bool saved = true;

    // The catalogue program, as vendara starts it after its splash.
    TourPrompter prompter;
    vendara::ProgramContext context(vendara::ProgramFolder(programDir), prompter, false);
    vendara::frmMain window(context);
    window.load();
    vendara::ProgramFeatures::install(window);
    window.show();
    settle(window);

    // Three sample products on the quote, through the grid's "Add to Quote".
    const int products = std::min(3, window.productModel()->rowCount());
    for (int row = 1; row <= products; ++row) {
        window.setCurrentRow(row);
        window.commands().dispatch(QStringLiteral("mnuGrdMainQuote"));
    }
    window.setCurrentRow(1);
    window.tabs()->setCurrentIndex(0);
    saved = save(window, output.filePath(QStringLiteral("vendara-general.png"))) && saved;
    window.tabs()->setCurrentIndex(1);
    saved = save(window, output.filePath(QStringLiteral("vendara-quote.png"))) && saved;

    // The sample quote as a PDF file, through "Save Quote as PDF..." with its save dialog
    // answered; an older file goes first, or its overwrite question would be answered No.
    const QString pdf = output.filePath(QStringLiteral("quote.pdf"));
    QFile::remove(pdf);
    prompter.chooseFile(pdf);
    window.commands().dispatch(QStringLiteral("mnuQuotePdf"));
    if (QFileInfo(pdf).isFile()) {
        std::printf("%s\n", qPrintable(QDir::toNativeSeparators(pdf)));
    } else {
        std::fprintf(stderr, "vendara-tour: the quote was not saved as %s\n", qPrintable(pdf));
        saved = false;
    }

    // The converter's window, as dorvane opens it.
    dorvane::ui::QtPrinterProvider printer(prompter);
    dorvane::TMainForm form(
        {prompter, prompter, &printer, programDir, registry::defaultRegistryPath()});
    dorvane::ui::MainWindow converter(form);
    form.FormCreate({});
    converter.showFormState();
    converter.show();
    settle(converter);
    saved = save(converter, output.filePath(QStringLiteral("dorvane.png"))) && saved;

    // Both closed as their users close them.
    converter.close();
    if (!window.close()) {
        std::fputs("vendara-tour: the catalogue program did not close\n", stderr);
        return 1;
    }
    return saved ? 0 : 1;
}
