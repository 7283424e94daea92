#include "controls/tspineditex.h"

#include "controls/numerickeys.h"
#include "platform/numbers.h"

TSpinEditex::TSpinEditex(QWidget* parent) : kolvar::SpinEdit(parent) {}

void TSpinEditex::setFormatstr(const QString& pattern)
{
    m_formatstr = pattern;
    setValue(Value());
}

void TSpinEditex::setFormatenabled(bool enabled)
{
    m_formatenabled = enabled;
    setValue(Value());
}

long double TSpinEditex::Value() const
{
    long double value = 0;
    return kolvar::parseFloat(text(), value) ? value : 0;
}

void TSpinEditex::setValue(long double value)
{
    setText(m_formatenabled ? kolvar::formatFloat(m_formatstr, value)
                            : kolvar::formatFloat(QString(), CheckValue(value)));
}

long double TSpinEditex::CheckValue(long double value) const
{
    if (m_minValue != m_maxValue) {
        if (value < m_minValue)
            return m_minValue;
        if (value > m_maxValue)
            return m_maxValue;
    }
    return value;
}

bool TSpinEditex::IsValidChar(QChar key)
{
    if (!kolvar::isFloatCharacter(key))
        return false;
    kolvar::trimEditLeft(*this);
    return kolvar::floatKeyFits(key, *this, true) && editorAllows(key);
}

void TSpinEditex::step(int direction)
{
    setValue(direction > 0 ? Value() + m_increment : Value() - m_increment);
}

void TSpinEditex::exitCheck()
{
    const long double value = Value();
    if (CheckValue(value) != value)
        setValue(value);
}
