// The program's help as the commands open it: the help pages shipped in the program's
// folder ("help/contents.xml" lists them), the contents in the "Main" pane, the search in
// the "Search" pane, topics by context id.
#pragma once

#include "chelp.h"

#include "vendara/store/helptopics.h"

// Qt
#include <QString>

namespace vendara {

class HelpViewer;
class ProgramFolder;

class ProgramHelp final : public HelpTopics
{
public:
    ProgramHelp(const ProgramFolder &folder, HelpViewer &viewer);

    // The help file: the contents list of the help pages beside the program.
    [[nodiscard]] static QString helpFile(const ProgramFolder &folder);
    [[nodiscard]] static QString mainPane() { return QStringLiteral("Main"); }
    [[nodiscard]] static QString searchPane() { return QStringLiteral("Search"); }

    void showContents() override;
    void showTopic(int contextId) override;
    // The search pane.
    void showSearch();

private:
    QString mFile;
    CHelp mHelp;
};

} // namespace vendara
