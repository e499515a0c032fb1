#include "importplan.h"

// std
#include <algorithm>

namespace vendara {

int ImportPlan::count(Action action) const
{
    return int(std::count_if(entries.cbegin(), entries.cend(),
                             [action](const Entry &entry) { return entry.action == action; }));
}

} // namespace vendara
