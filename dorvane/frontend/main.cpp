// Dorvane, "Quirra Desktop": converts the handheld's Quirra databases to CSV files and back,
// shows and prints them, and installs them for the next HotSync. Started by the user, or by
// the catalogue program with a command line that runs one conversion and ends.

#include "consoleprompter.h"
#include "consolestatus.h"
#include "mainwindow.h"
#include "qtprinterprovider.h"
#include "tmainform.h"
#include "windowdialogs.h"

#include "common/prompt/qtprompter.h"
#include "common/registry/registryfile.h"

// Qt
#include <QApplication>
#include <QTextStream>

// std
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char *const kVersion = DORVANE_VERSION;

void printHelp()
{
    std::fputs(
        "Usage: dorvane [FILE.pdb | OPTION...]\n"
        "Quirra Desktop converts Quirra handheld databases (.PDB) to CSV files and CSV files to\n"
        "databases, shows and prints databases, and installs them for the next HotSync.\n"
        "\n"
        "Without arguments the window opens. A single argument naming a .pdb file opens the\n"
        "View tab with that file. Options (letter case does not matter) fill the window's\n"
        "fields and run one conversion; the program then ends, with exit status 0 when the\n"
        "conversion (and the install it asked for) succeeded and 1 otherwise:\n"
        "\n"
        "  COMMAND:TOCSV              convert a database to a CSV file\n"
        "  CSV:INFILE:{in.pdb}        the database to convert\n"
        "  CSV:OUTFILE:{out.csv}      the CSV file to create\n"
        "  CSV:PLACEQUOTES            put quotes around each value\n"
        "  CSV:FIELDNAMES             write a first line of field names\n"
        "  CSV:OVERWRITE              replace an existing output without asking\n"
        "\n"
        "  COMMAND:TOPDB              convert a CSV file to a database\n"
        "  PDB:INFILE:{in.csv}        the CSV file to convert\n"
        "  PDB:OUTFILE:{out.pdb}      the database to create\n"
        "  PDB:DBNAME:{name}          the database's name on the handheld\n"
        "  PDB:FIELDNAMES             the CSV file's first line holds field names\n"
        "  PDB:USEEXISTING:{a.pdb}    take the fields from an existing database\n"
        "  PDB:AUTOINSTALL:{n}        install the result for handheld user n (0 = first);\n"
        "                             -1 installs nothing\n"
        "  PDB:OVERWRITE              replace an existing output without asking\n"
        "\n"
        "Values in braces may contain blanks. The separator, date and time formats and CSV\n"
        "text encoding are those saved in QD.INI. Without a display (no DISPLAY or\n"
        "WAYLAND_DISPLAY) questions are answered No or Cancel, messages go to standard error\n"
        "and status texts to standard output.\n"
        "The handheld desktop software's registry is the file named by VENDARA_REGISTRY, or\n"
        "$XDG_CONFIG_HOME/vendara/registry.reg.\n",
        stdout);
}

bool noDisplay()
{
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr
        && (std::strcmp(platform, "offscreen") == 0 || std::strcmp(platform, "minimal") == 0))
        return true;
    const char *x = std::getenv("DISPLAY");
    const char *wayland = std::getenv("WAYLAND_DISPLAY");
    return (x == nullptr || *x == '\0') && (wayland == nullptr || *wayland == '\0');
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        printHelp();
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("dorvane (Quirra Desktop) %s\n", kVersion);
        return 0;
    }

    const bool headless = noDisplay();
    if (headless)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dorvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quirra Desktop"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    QApplication::setOrganizationName(QStringLiteral("Vendara"));

    prompt::QtPrompter windowPrompter;
    dorvane::ui::WindowDialogs windowDialogs(windowPrompter);
    dorvane::ConsolePrompter console;
    prompt::Prompter &prompter = headless ? static_cast<prompt::Prompter &>(console)
                                          : static_cast<prompt::Prompter &>(windowPrompter);
    dorvane::FormDialogs &dialogs = headless ? static_cast<dorvane::FormDialogs &>(console)
                                             : static_cast<dorvane::FormDialogs &>(windowDialogs);
    dorvane::ui::QtPrinterProvider printer(prompter);

    dorvane::TMainForm form({prompter, dialogs, &printer, QCoreApplication::applicationDirPath(),
                             registry::defaultRegistryPath()});
    dorvane::ui::MainWindow window(form);
    windowPrompter.setParent(&window);
    windowDialogs.setParent(&window);
    windowDialogs.setForm(&form);
    if (headless)
        new dorvane::ConsoleStatus(form);

    const dorvane::TMainForm::Conversion conversion =
        form.FormCreate(QCoreApplication::arguments().mid(1));
    if (conversion != dorvane::TMainForm::Conversion::None)
        return form.commandLineSucceeded() ? 0 : 1;
    if (headless) {
        std::fputs("dorvane: there is no display for the window; without one only a "
                   "command-line conversion runs (see dorvane --help).\n",
                   stderr);
        return 1;
    }
    window.showFormState();
    window.show();
    return app.exec();
}
