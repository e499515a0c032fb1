// Opening the program's help: its contents, or the topic of a context id (1090 the
// spreadsheet update, 2050 the hand-off to the handheld). The help window implements it and
// is given to the program context at start; commands call it through the context.
#pragma once

namespace vendara {

class HelpTopics
{
public:
    virtual ~HelpTopics() = default;

    virtual void showContents() = 0;
    virtual void showTopic(int contextId) = 0;
};

} // namespace vendara
