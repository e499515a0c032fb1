// Where a conversion writes its result: a file that is replaced only when the conversion
// succeeds, or memory.
#pragma once

#include "common/core/status.h"

// std
#include <string_view>

namespace convert {

class Output
{
public:
    virtual ~Output() = default;
    // False when the output cannot be created.
    [[nodiscard]] virtual bool open() = 0;
    virtual void write(std::string_view bytes) = 0;
    // Puts the complete output in place.
    [[nodiscard]] virtual common::Status commit() = 0;
    // Drops what was written; an existing file stays as it was.
    virtual void discard() = 0;
};

} // namespace convert
