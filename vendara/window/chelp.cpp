#include "chelp.h"

#include "helpviewer.h"

namespace vendara {

CHelp::CHelp(HelpViewer &viewer)
    : mViewer(viewer)
{}

void CHelp::Show(const QString &helpFile, const QString &pane, std::optional<int> contextId)
{
    mViewer.display(HelpRequest{helpFile, pane, contextId});
}

} // namespace vendara
