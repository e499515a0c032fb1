#include "helpcommands.h"

#include "frmabout.h"
#include "frmmain.h"
#include "helpwindow.h"
#include "systeminformation.h"

#include "vendara/store/programcontext.h"

// Qt
#include <QKeySequence>
#include <QShortcut>

namespace vendara {

HelpCommands *HelpCommands::install(frmMain &window)
{
    return new HelpCommands(window);
}

HelpCommands::HelpCommands(frmMain &window)
    : QObject(&window)
    , mContext(window.context())
    , mHelpWindow(std::make_unique<HelpWindow>(window.context().prompter()))
    , mHelp(window.context().folder(), *mHelpWindow)
{
    window.context().setHelp(&mHelp);
    CommandDispatcher &commands = window.commands();
    commands.add(QStringLiteral("Help"), [this] { mHelp.showContents(); });
    commands.add(QStringLiteral("mnuHelpContents"), [this] { mHelp.showContents(); });
    commands.add(QStringLiteral("mnuHelpSearchForHelpOn"), [this] { mHelp.showSearch(); });
    commands.add(QStringLiteral("mnuHelpAbout"), [&window] {
        SystemInformation systemInformation(window.context().prompter());
        frmAbout about(window.context().catalogueFile(), systemInformation, &window);
        about.exec();
    });
    auto *f1 = new QShortcut(QKeySequence::HelpContents, &window);
    connect(f1, &QShortcut::activated, this, [this] { mHelp.showContents(); });
}

HelpCommands::~HelpCommands()
{
    if (mContext.help() == &mHelp)
        mContext.setHelp(nullptr);
}

} // namespace vendara
