#include "controls/tspineditin.h"

#include "controls/numerickeys.h"

#include <algorithm>
#include <limits>

Tspineditin::Tspineditin(QWidget* parent) : kolvar::SpinEdit(parent) {}

std::int32_t Tspineditin::Value() const
{
    bool ok = false;
    const int value = text().toInt(&ok, 10);
    return ok ? value : m_minValue;
}

void Tspineditin::setValue(std::int32_t value)
{
    setText(QString::number(CheckValue(value)));
}

std::int32_t Tspineditin::CheckValue(std::int32_t value) const
{
    if (m_minValue != m_maxValue) {
        if (value < m_minValue)
            return m_minValue;
        if (value > m_maxValue)
            return m_maxValue;
    }
    return value;
}

bool Tspineditin::IsValidChar(QChar key)
{
    return kolvar::isIntegerCharacter(key) && kolvar::integerKeyFits(key, *this, true) && editorAllows(key);
}

void Tspineditin::step(int direction)
{
    // Worked out wide and saturated, so that stepping past the limits of the
    // type stops there instead of wrapping round.
    const std::int64_t next = std::int64_t(Value()) + std::int64_t(direction) * m_increment;
    const std::int64_t low = std::numeric_limits<std::int32_t>::min();
    const std::int64_t high = std::numeric_limits<std::int32_t>::max();
    setValue(std::int32_t(std::clamp(next, low, high)));
}

void Tspineditin::exitCheck()
{
    const std::int32_t value = Value();
    if (CheckValue(value) != value)
        setValue(value);
}
