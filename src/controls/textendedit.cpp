#include "controls/textendedit.h"

#include "controls/numerickeys.h"
#include "platform/numbers.h"

#include <QKeyEvent>

QString trimlinks(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    return text.mid(i);
}

TextendEdit::TextendEdit(QWidget* parent) : QLineEdit(parent)
{
    setText(QStringLiteral("0"));
}

void TextendEdit::setFormatstr(const QString& pattern)
{
    m_formatstr = pattern;
    setValue(Value());
}

void TextendEdit::setFormatenabled(bool enabled)
{
    m_formatenabled = enabled;
    setValue(Value());
}

long double TextendEdit::Value() const
{
    long double value = 0;
    return kolvar::parseFloat(text(), value) ? value : 0;
}

void TextendEdit::setValue(long double value)
{
    setText(m_formatenabled ? kolvar::formatFloat(m_formatstr, value)
                            : kolvar::formatFloat(QString(), CheckValue(value)));
}

long double TextendEdit::CheckValue(long double value) const
{
    if (m_minValue < m_maxValue) {
        if (value < m_minValue)
            return m_minValue;
        if (value > m_maxValue)
            return m_maxValue;
    }
    return value;
}

bool TextendEdit::IsValidChar(QChar key)
{
    if (!kolvar::isFloatCharacter(key))
        return false;
    kolvar::trimEditLeft(*this);
    return kolvar::floatKeyFits(key, *this, false);
}

void TextendEdit::keyPressEvent(QKeyEvent* event)
{
    kolvar::screenKeyPress(
        event, true, [this](QChar key) { return IsValidChar(key); },
        [this](QKeyEvent* e) { QLineEdit::keyPressEvent(e); });
}
