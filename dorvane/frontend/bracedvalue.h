// Values of the converter's command-line options in braces, such as PDB:INFILE:{a b.csv}.
#pragma once

// Qt
#include <QString>
#include <QStringList>

namespace dorvane {

// The braced value of a command-line option that starts at `arguments[index]`: the text
// after its first "{" up to the first "}", gathered across the following arguments (joined
// with single blanks) when the closing brace comes later. Returns the index of the last
// argument used; without any closing brace, every remaining argument is used and the value
// is all the gathered text.
int CollectBracedValue(const QStringList &arguments, int index, QString &buffer);

} // namespace dorvane
