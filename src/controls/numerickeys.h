#pragma once
// Key screening shared by the numeric edits and the spin edits: which typed
// character a key press carries, the sign, exponent and comma rules of the
// number texts, and what happens to a refused key.
#include <QChar>
#include <QString>

#include <functional>

class QKeyEvent;
class QLineEdit;

namespace kolvar {

// The program's decimal separator, whatever the locale.
inline constexpr QChar decimalSeparator = QLatin1Char(',');

// Where typing goes in: the start of the selection, or the caret when
// nothing is selected.
int typingPosition(const QLineEdit& edit);

// Removes leading blanks and tabs from the edit's text; the caret stays on
// the character it was on. The text is only rewritten when that changes it.
void trimEditLeft(QLineEdit& edit);

// Allowed at all in a float edit: signs, digits, "E", "e", the decimal
// separator and the control characters below 32 except Enter.
bool isFloatCharacter(QChar key);
// Allowed at all in an integer edit: signs, digits and the control
// characters below 32 except Enter.
bool isIntegerCharacter(QChar key);

// The rules for one exponent letter, the sign at the start or right after
// the exponent letter, and one decimal separator before any exponent.
// signOverSelection also admits a sign typed over a selection of at least
// two characters at the start (the spin edit's way to replace a signed text).
bool floatKeyFits(QChar key, const QLineEdit& edit, bool signOverSelection);
// The sign rule of the integer edits: a sign only at the start of a text
// that has none yet (or, with signOverSelection, over a selection of at
// least two characters that starts at the leading sign).
bool integerKeyFits(QChar key, const QLineEdit& edit, bool signOverSelection);

// The key press handling of the numeric edits. A key that types one
// character goes through isValid (a typed "." first becomes the decimal
// separator when periodIsSeparator); a refused key beeps and is dropped,
// an accepted one goes on to process. Keys that type nothing (arrows,
// Delete, shortcuts) go to process unscreened.
void screenKeyPress(QKeyEvent* event, bool periodIsSeparator,
                    const std::function<bool(QChar)>& isValid,
                    const std::function<void(QKeyEvent*)>& process);

} // namespace kolvar
