// Line breaks inside notes and includes: CR LF in the product table and the catalogue file,
// a single line feed in the window's text boxes.
#pragma once

// Qt
#include <QString>

namespace vendara {

// CR LF (and a lone CR) become line feeds, for a text box.
[[nodiscard]] QString toDisplayLineBreaks(const QString &tableText);
// Every line break becomes CR LF, for the table.
[[nodiscard]] QString toTableLineBreaks(const QString &displayText);

} // namespace vendara
