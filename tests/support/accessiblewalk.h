// Walks a window's widgets through Qt's accessibility tree, as a screen reader meets them,
// and lists what its user could not make out:
// - a control that takes the keyboard focus and has no name;
// - a control whose name is not its caption (buttons, check boxes, group boxes, tabs), not
//   the text of the label whose buddy it is, and not the label the program gave it (a
//   drop-down list announced by its current entry, a button named otherwise than it reads);
// - a label that names a control without being its buddy;
// - a text on show (a status label, a status bar's message) whose fixed name hides it.
// Parts of Qt's composite controls (the list of a drop-down box, the scroll buttons of a
// tab bar) are their control's business; windows opened from the window are walked on
// their own.
#pragma once

// Qt
#include <QStringList>

class QWidget;

namespace testsupport {

// One line per finding: "<class> '<object name>': <what is wrong>"; empty when none.
[[nodiscard]] QStringList accessibilityProblems(QWidget *window);

} // namespace testsupport
