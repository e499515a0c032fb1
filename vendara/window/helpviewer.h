// The help viewer that `CHelp` hands its requests to: the help window in the program, a
// recording stand-in in tests.
#pragma once

#include "helprequest.h"

namespace vendara {

class HelpViewer
{
public:
    virtual ~HelpViewer() = default;

    virtual void display(const HelpRequest &request) = 0;
};

} // namespace vendara
