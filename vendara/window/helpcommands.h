// The help on the main window: the toolbar's "Help" and "&Contents" open the contents,
// "&Search For Help On..." the search pane, F1 the contents, "&About " the about box; other
// windows and commands open topics through the program context's help, which this installs.
#pragma once

#include "programhelp.h"

// Qt
#include <QObject>

// std
#include <memory>

namespace vendara {

class HelpWindow;
class ProgramContext;
class frmMain;

class HelpCommands : public QObject
{
    Q_OBJECT

public:
    // Installs the help on a loaded window; the window owns the result.
    static HelpCommands *install(frmMain &window);
    ~HelpCommands() override;

    [[nodiscard]] HelpWindow *helpWindow() const { return mHelpWindow.get(); }
    [[nodiscard]] ProgramHelp &help() { return mHelp; }

private:
    explicit HelpCommands(frmMain &window);

    // The context outlives the window; the window is already half gone when this is deleted.
    ProgramContext &mContext;
    std::unique_ptr<HelpWindow> mHelpWindow;
    ProgramHelp mHelp;
};

} // namespace vendara
