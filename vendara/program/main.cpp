// The catalogue program: the splash runs start-up, then the main window waits for the user.

#include "programfeatures.h"

#include "common/prompt/qtprompter.h"
#include "vendara/store/programcontext.h"
#include "vendara/store/startupsequence.h"
#include "vendara/window/frmmain.h"
#include "vendara/window/frmsplash1.h"
#include "vendara/window/icons.h"

// Qt
#include <QApplication>
#include <QTimer>

// std
#include <memory>
#include <new>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(vendara::Icons::program());

    prompt::QtPrompter prompter;
    vendara::ProgramContext context(vendara::ProgramFolder::ofApplication(), prompter,
                                    vendara::Trace::requestedBy(app.arguments().mid(1)));
    std::unique_ptr<vendara::frmMain> window;
    auto loadMain = [&]() -> int {
        try {
            window = std::make_unique<vendara::frmMain>(context);
            prompter.setParent(window.get());
            const int result = window->load();
            // Features on top of the main window install themselves here, after the window
            // has loaded and before it is shown.
            vendara::ProgramFeatures::install(*window);
            return result;
        } catch (const std::bad_alloc &) {
            return 7; // out of memory
        } catch (...) {
            return 51; // internal error
        }
    };
    auto showMain = [&] {
        if (!window)
            return;
        window->show();
        // Past the password, over the window: products a session that did not close
        // normally left behind are offered back, and from now on every change is kept in the
        // recovery file.
        if (context.recovery().offer()) {
            window->setCurrentRow(1);
            window->showCurrentDetails();
        }
        context.recovery().watch();
        // VENDARA_QUIT_AFTER=<milliseconds>: the window closes itself that long after it is
        // shown, as "E&xit" closes it (saving the catalogue), so that a check of an installed
        // copy can start the program with no one at the screen. Unset, nothing changes.
        bool timed = false;
        const int quitAfter = qEnvironmentVariableIntValue("VENDARA_QUIT_AFTER", &timed);
        if (timed && quitAfter >= 0)
            QTimer::singleShot(quitAfter, window.get(), [&window] { window->close(); });
    };
    vendara::FrmSplash1 splash(loadMain, showMain);
    vendara::StartupSequence startup(splash, context.settings(), context.trace(), prompter);
    if (startup.run() == vendara::StartupSequence::Outcome::Ended)
        return 0; // wrong password: nothing is shown and nothing is saved
    if (!window)
        return 1;
    return app.exec();
}
