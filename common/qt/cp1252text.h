// Windows-1252 on disk, Unicode in the window: the conversion at the file boundary.
#pragma once

// Qt
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace common {

[[nodiscard]] QString fromCp1252(QByteArrayView bytes);

// Characters that Windows-1252 cannot hold become "?" and are counted in `replaced`.
[[nodiscard]] QByteArray toCp1252(const QString &text, qsizetype *replaced = nullptr);

// The distinct characters of `text` that Windows-1252 cannot hold, in order of appearance;
// empty when the text can be stored as it is.
[[nodiscard]] QString unencodableCharacters(const QString &text);

} // namespace common
