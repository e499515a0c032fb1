#include "passwordbox.h"

// Qt
#include <QLineEdit>

namespace prompt {

void showTypingAsAsterisks(QLineEdit &box)
{
    box.setEchoMode(QLineEdit::Password);
    // 42 is "*"; the property takes a character code.
    const QString rule = QStringLiteral("lineedit-password-character: 42;");
    if (!box.styleSheet().contains(rule))
        box.setStyleSheet(box.styleSheet() + rule);
}

} // namespace prompt
