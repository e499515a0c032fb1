#include "programhelp.h"

#include "vendara/store/programfolder.h"

namespace vendara {

ProgramHelp::ProgramHelp(const ProgramFolder &folder, HelpViewer &viewer)
    : mFile(helpFile(folder))
    , mHelp(viewer)
{}

QString ProgramHelp::helpFile(const ProgramFolder &folder)
{
    return folder.programFile(QStringLiteral("help/contents.xml"));
}

void ProgramHelp::showContents()
{
    mHelp.Show(mFile, mainPane());
}

void ProgramHelp::showSearch()
{
    mHelp.Show(mFile, searchPane());
}

void ProgramHelp::showTopic(int contextId)
{
    mHelp.Show(mFile, mainPane(), contextId);
}

} // namespace vendara
