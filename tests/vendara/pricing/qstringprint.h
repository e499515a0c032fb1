// Failed expectations on Qt strings show the text, not its bytes.
#pragma once

// Qt
#include <QString>

// std
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
