// Password boxes of both programs: what is typed shows as "*", one for each character,
// whatever the widget style would draw instead (many styles draw a dot).
#pragma once

class QLineEdit;

namespace prompt {

// Hides the box's text behind "*" characters. Keeps any style sheet the box already has.
void showTypingAsAsterisks(QLineEdit &box);

} // namespace prompt
