// `CHelp`, the help class: opens a help file at a window pane and, optionally, at the topic
// of a context id.
#pragma once

#include "helprequest.h"

// Qt
#include <QString>

// std
#include <optional>

namespace vendara {

class HelpViewer;

class CHelp
{
public:
    explicit CHelp(HelpViewer &viewer);

    // Without a context id the viewer shows the file's default topic in `pane`; with one it
    // shows that topic.
    void Show(const QString &helpFile, const QString &pane = {},
              std::optional<int> contextId = std::nullopt);

private:
    HelpViewer &mViewer;
};

} // namespace vendara
