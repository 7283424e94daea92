#include "controls/numerickeys.h"

#include "platform/seams.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace kolvar {

namespace {

bool isSign(QChar c) { return c == QLatin1Char('+') || c == QLatin1Char('-'); }

bool isExponentLetter(QChar c) { return c == QLatin1Char('E') || c == QLatin1Char('e'); }

bool isControlCharacter(QChar c) { return c.unicode() < 32 && c.unicode() != 13; }

bool startsWithSign(const QString& text) { return !text.isEmpty() && isSign(text.front()); }

// The character a key press types, or a null QChar for keys that type none.
// Chords with Ctrl or Meta are shortcuts (copy, paste, select all); Delete
// edits without typing. Return and Enter type a carriage return whatever
// text the platform attached to them.
QChar typedCharacter(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        return QChar(13);
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return {};
    const QString text = event.text();
    if (text.size() != 1 || text.front().unicode() == 127)
        return {};
    return text.front();
}

} // namespace

int typingPosition(const QLineEdit& edit)
{
    return edit.hasSelectedText() ? edit.selectionStart() : edit.cursorPosition();
}

void trimEditLeft(QLineEdit& edit)
{
    const QString text = edit.text();
    qsizetype blanks = 0;
    while (blanks < text.size() && (text[blanks] == QLatin1Char(' ') || text[blanks] == QLatin1Char('\t')))
        ++blanks;
    if (blanks == 0)
        return;
    const int caret = edit.cursorPosition();
    edit.setText(text.mid(blanks));
    edit.setCursorPosition(std::max(0, caret - int(blanks)));
}

bool isFloatCharacter(QChar key)
{
    return isSign(key) || (key >= QLatin1Char('0') && key <= QLatin1Char('9')) || isExponentLetter(key)
        || key == decimalSeparator || isControlCharacter(key);
}

bool isIntegerCharacter(QChar key)
{
    return isSign(key) || (key >= QLatin1Char('0') && key <= QLatin1Char('9')) || isControlCharacter(key);
}

bool floatKeyFits(QChar key, const QLineEdit& edit, bool signOverSelection)
{
    const QString text = edit.text();
    const int caret = typingPosition(edit);
    if (isExponentLetter(key))
        return !text.contains(QLatin1Char('E'), Qt::CaseInsensitive);
    if (isSign(key)) {
        if (text.isEmpty())
            return true;
        if (!startsWithSign(text) && caret == 0)
            return true;
        if (caret > 0 && caret <= text.size() && isExponentLetter(text[caret - 1]))
            return true;
        return signOverSelection && caret == 0 && edit.selectedText().size() >= 2;
    }
    if (key == decimalSeparator) {
        // The separator belongs to the mantissa: never in or after the exponent.
        const qsizetype exponent = text.indexOf(QLatin1Char('E'), 0, Qt::CaseInsensitive);
        if (exponent >= 0 && exponent <= caret)
            return false;
        return !text.contains(decimalSeparator);
    }
    return true;
}

bool integerKeyFits(QChar key, const QLineEdit& edit, bool signOverSelection)
{
    if (!isSign(key))
        return true;
    const QString text = edit.text();
    if (text.isEmpty())
        return true;
    if (typingPosition(edit) != 0)
        return false;
    if (!startsWithSign(text))
        return true;
    return signOverSelection && edit.selectedText().size() >= 2;
}

void screenKeyPress(QKeyEvent* event, bool periodIsSeparator,
                    const std::function<bool(QChar)>& isValid,
                    const std::function<void(QKeyEvent*)>& process)
{
    const QChar typed = typedCharacter(*event);
    if (typed.isNull()) {
        process(event);
        return;
    }
    const QChar key = periodIsSeparator && typed == QLatin1Char('.') ? decimalSeparator : typed;
    if (!isValid(key)) {
        beep();
        // Enter is refused as text, but a dialog around the edit may still
        // take it for its default button.
        if (key.unicode() == 13)
            event->ignore();
        else
            event->accept();
        return;
    }
    if (key == typed) {
        process(event);
        return;
    }
    QKeyEvent retyped(event->type(), Qt::Key_Comma, event->modifiers(), QString(key),
                      event->isAutoRepeat(), ushort(event->count()));
    process(&retyped);
    event->setAccepted(retyped.isAccepted());
}

} // namespace kolvar
