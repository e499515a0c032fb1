// Text boxes whose text goes to a Windows-1252 file refuse characters that the code page
// cannot hold, where they are typed or pasted, with a beep, so that nothing is lost silently
// at the next save.
#pragma once

class QLineEdit;
class QPlainTextEdit;

namespace vendara {

class Cp1252Guard
{
public:
    static void attach(QLineEdit *box);
    static void attach(QPlainTextEdit *box);
    // Removes what the code page cannot hold from the box's text.
    static void removeRefused(QPlainTextEdit *box);
};

} // namespace vendara
